/* Types, records and callbacks of the Kova Tessel API (connection module for the Vireo controller). */
#ifndef KOVA_TESSELAPI_TYPES_H
#define KOVA_TESSELAPI_TYPES_H

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#  if defined(KOVA_BUILDING_MODULE)
#    define KOVA_API __declspec(dllexport)
#  elif defined(KOVA_STATIC)
#    define KOVA_API
#  else
#    define KOVA_API __declspec(dllimport)
#  endif
#else
#  define KOVA_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
#  define KOVA_EXTERN_C extern "C"
#else
#  define KOVA_EXTERN_C
#endif

/* Checks of the record layouts the module and its callers share, in C as in C++. */
#ifdef __cplusplus
#  define KOVA_LAYOUT_CHECK(condition, message) static_assert(condition, message)
#else
#  define KOVA_LAYOUT_CHECK(condition, message) _Static_assert(condition, message)
#endif

/* Every export that reports an outcome returns a result: 0 is success. Bits 32 to 34 tell the kind
   of the code in the low 32 bits, bit 39 marks a failure that leaves the connection unusable. */
typedef uint64_t kova_result;

#define KOVA_RESULT_LIBRARY 0x100000000ull
#define KOVA_RESULT_SYSTEM 0x200000000ull
#define KOVA_RESULT_CONTROLLER 0x400000000ull
#define KOVA_RESULT_FATAL 0x8000000000ull

/* The library's own codes (low 32 bits of a result of the library kind). */
enum kova_error_code {
    KOVA_Api_Unknown = 0,
    KOVA_Fail = 1,
    KOVA_NotSupported = 2,
    KOVA_ConnectionModule = 3,
    KOVA_InvalidContext = 4,
    KOVA_TokenTable = 5,
    KOVA_Timeout = 6,
    KOVA_UnknownFloatingPointFormat = 7,
    KOVA_Remote_TokenBuffer = 8,
    KOVA_FatalFail = 9,
    KOVA_UnsupportedController = 10,
    KOVA_BadResponse = 11,
    KOVA_BadArgument = 12,
    KOVA_Reopen = 13,
    KOVA_BufferTooSmall = 14,
    KOVA_SocketRead = 15,
    KOVA_SocketWrite = 16,
    KOVA_LowLevelError = 17,
    KOVA_VersionMismatch = 18,
    KOVA_Compression = 19,
    KOVA_Abort = 20,
    KOVA_Disconnected = 21,
    KOVA_InvalidParamBlock = 22,
    KOVA_OutOfRange = 23,
    KOVA_CapacityExceeded = 24,
    KOVA_Project = 25
};

/* The connection object behind a context; opaque to the caller. */
typedef struct kova_connection* kova_context;

typedef struct kova_version {
    uint16_t major;
    uint16_t minor;
    uint16_t patch;
    uint16_t build;
} kova_version;

/* The version this header belongs to; kova_CreateContext refuses any other. */
#define KOVA_VERSION_MAJOR 1
#define KOVA_VERSION_MINOR 3
#define KOVA_VERSION_PATCH 0
#define KOVA_VERSION_BUILD 1397

enum kova_connection_type {
    KOVA_CONNECTION_TCP = 1,
    KOVA_CONNECTION_VIREO = 2,
    KOVA_CONNECTION_QUILL7 = 3
};

enum kova_event_type {
    KOVA_EVENT_ERROR = 0,
    KOVA_EVENT_WARNING = 1,
    KOVA_EVENT_INFORMATION = 2
};

/* Texts handed to callbacks are not terminated and are valid only during the call. */
typedef void (*kova_string_callback)(void* user, const char* text, uint32_t length);
typedef void (*kova_event_callback)(void* user, uint32_t type, uint64_t result, const char* text,
                                    uint64_t length);

/* Kind bits of an error record. */
enum kova_error_kind {
    KOVA_ERROR_KIND_SYSTEM = 1,
    KOVA_ERROR_KIND_AXIS = 4,
    KOVA_ERROR_KIND_DRIVE = 8,
    KOVA_ERROR_KIND_SXBUS_FLAGS = 16,
    KOVA_ERROR_KIND_SXBUS_SLICE = 32
};

/* One current error of the controller, as kova_EnumErrors hands it out. */
typedef struct kova_error_info {
    uint32_t kind;               /* kova_error_kind bits */
    uint32_t system_error;       /* system errors: the controller's system error value */
    uint32_t axis;               /* axis errors: the axis number */
    uint32_t axis_type;          /* axis errors: ATYPE of the axis */
    uint64_t axis_status;        /* axis errors: the AXISSTATUS bit that is set */
    uint32_t drive_error;        /* drive errors: the drive's alarm code */
    uint32_t slot;               /* controller slot of the axis or the network */
    uint32_t vendor_id;          /* drive errors: EtherCAT identity */
    uint32_t product_code;
    uint32_t alias_address;
    uint32_t configured_address;
    uint32_t drive_profile;
    uint32_t drive_mode;
    uint32_t ethercat_index;     /* position of the sub-device on its network */
    uint32_t is_online;
    uint32_t sxbus_error_flags;  /* SxBus errors */
    uint32_t sxbus_slice_address;
    uint32_t sxbus_slice_status;
    uint32_t sxbus_slice_status_ex;
} kova_error_info;

typedef void (*kova_error_info_callback)(void* user, const kova_error_info* info);

/* Text kinds of kova_GetErrorInfoString. */
enum kova_error_text_kind {
    KOVA_ERROR_TEXT_TITLE = 0,
    KOVA_ERROR_TEXT_DESCRIPTION = 1,
    KOVA_ERROR_TEXT_RESOLUTION = 2
};

/* One entry of the controller's program store listing: fields 5, 2, 3, 4 and 6 of its line, in this order. */
typedef struct kova_file_info {
    uint32_t type;
    uint32_t size;
    uint32_t lines;
    uint32_t process;   /* 0xFFFFFFFF when the program runs on no process */
    uint32_t attributes;
} kova_file_info;

KOVA_LAYOUT_CHECK(sizeof(kova_file_info) == 20 && offsetof(kova_file_info, size) == 4 &&
                      offsetof(kova_file_info, lines) == 8 && offsetof(kova_file_info, process) == 12 &&
                      offsetof(kova_file_info, attributes) == 16,
                  "a directory entry is five 32-bit numbers");

/* The name is terminated and at most 131 characters long. */
typedef void (*kova_dir_callback)(void* user, const kova_file_info* info, const char* name);

#pragma pack(push, 4)
/* One process of the controller's process listing. */
typedef struct kova_process_info {
    uint32_t process;
    uint32_t priority;
    uint32_t line;
    int64_t elapsed_ms;
    double load;        /* NaN when the controller gives none */
} kova_process_info;
#pragma pack(pop)

KOVA_LAYOUT_CHECK(sizeof(kova_process_info) == 28 && offsetof(kova_process_info, line) == 8 &&
                      offsetof(kova_process_info, elapsed_ms) == 12 && offsetof(kova_process_info, load) == 20,
                  "a process record is packed to 4 bytes");

/* The name is terminated and at most 131 characters long. */
typedef void (*kova_process_callback)(void* user, const kova_process_info* info, const char* name);

/* Flags of kova_UploadFile. */
#define KOVA_UPLOAD_COMPRESS 1u
#define KOVA_UPLOAD_COMPRESSED_MARK 2u

enum kova_progress_stage {
    KOVA_PROGRESS_START = 0,
    KOVA_PROGRESS_BLOCK = 1,
    KOVA_PROGRESS_END = 2
};

typedef struct kova_progress_info {
    uint32_t total; /* size of the local file when uploading, 0 when downloading */
    uint32_t done;
    uint32_t stage; /* kova_progress_stage */
} kova_progress_info;

typedef void (*kova_progress_callback)(void* user, const kova_progress_info* info);

/* Firmware update progress; kova_SystemUpdate is not offered by this module. */
typedef void (*kova_update_progress_callback)(void* user, uint32_t stage, float fraction,
                                               const char* text);

enum kova_compile_message_type {
    KOVA_COMPILE_MESSAGE = 0,
    KOVA_COMPILE_COMPILING = 1,
    KOVA_COMPILE_LINKING = 2,
    KOVA_COMPILE_PASS = 3,
    KOVA_COMPILE_ERROR = 4,
    KOVA_COMPILE_WARNING = 5,
    KOVA_COMPILE_LINK_ERROR = 6
};

/* Texts are terminated; a missing text is a null pointer. */
typedef void (*kova_compile_callback)(void* user, uint32_t type, const char* program, uint32_t line,
                                      uint32_t code, const char* text);

/* Parameter and return types of the controller's built-in functions. */
enum kova_basic_data_type {
    KOVA_BASIC_NONE = 0,
    KOVA_BASIC_STRING = 8,
    KOVA_BASIC_FLOAT = 16,
    KOVA_BASIC_INTEGER = 32,
    KOVA_BASIC_BOOLEAN = 34,
    KOVA_BASIC_TARGET = 64,
    KOVA_BASIC_TARGETJ = 128,
    KOVA_BASIC_TARGETE = 256,
    KOVA_BASIC_ARRAY = 512,
    KOVA_BASIC_UNKNOWN = 1024
};

typedef void (*kova_function_info_callback)(void* user, const char* name, uint32_t name_length,
                                            uint32_t index, const char* word, uint32_t word_length,
                                            uint32_t return_type, uint32_t param_count,
                                            const uint32_t* param_types,
                                            const char* const* param_names,
                                            const uint32_t* param_name_lengths);

/* A range of digital channels: bit k of its value is channel first + k. */
typedef struct kova_io_range {
    uint32_t first;
    uint32_t count;
} kova_io_range;

typedef struct kova_axis_range {
    uint32_t first;
    uint32_t count;
} kova_axis_range;

/* One EtherCAT sub-device, from the controller's enumeration. */
typedef struct kova_ethercat_info {
    uint32_t position;
    uint32_t vendor_id;
    uint16_t configured_address;
    uint32_t product_code;
    uint32_t revision;
    int32_t axis;       /* first axis the sub-device drives, -1 for none */
    uint32_t state;
} kova_ethercat_info;

typedef void (*kova_ethercat_info_callback)(void* user, const kova_ethercat_info* info,
                                            const char* text);
typedef void (*kova_ethercat_id_callback)(void* user, uint32_t id, const char* name);

typedef struct kova_sxbus_slice_info {
    uint32_t address;
    uint32_t type;
    uint32_t status;
    uint32_t status_ex;
} kova_sxbus_slice_info;

typedef void (*kova_sxbus_slice_callback)(void* user, const kova_sxbus_slice_info* info);

/* Answers true when the key of the authority has been made available. */
typedef bool (*kova_project_key_callback)(void* user, const char* authority);

/* The module factory receives the caller's event function as an opaque object. */
typedef struct kova_event_function kova_event_function;

#endif
