/* The contract between the connection module and vireo_api_x64, the low-level library of the
   Vireo software controller: its records, callback types and every function the module binds. */
#ifndef VIREO_API_H
#define VIREO_API_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* What the library reports through the event callback handed to vireo_api_open. */
typedef struct vireo_api_event {
    int32_t kind; /* 0 information, 1 warning; other kinds are the library's own */
    const char* text;
} vireo_api_event;

typedef void (*vireo_api_event_callback)(void* user, const vireo_api_event* event);

/* Receives a reply piece by piece; a reply may be cut anywhere, also inside a line. */
typedef void (*vireo_api_reply_callback)(void* user, const char* data, uint32_t length);

/* A parameter value: the tag names the width and kind of the value in the low bytes of `value`. */
enum {
    VIREO_API_FLOAT32 = 100,
    VIREO_API_FLOAT64 = 101,
    VIREO_API_INT8 = 102,
    VIREO_API_INT16 = 103,
    VIREO_API_INT32 = 104,
    VIREO_API_INT64 = 105,
    VIREO_API_UINT8 = 106,
    VIREO_API_UINT16 = 107,
    VIREO_API_UINT32 = 108,
    VIREO_API_UINT64 = 109
};

typedef struct vireo_api_value {
    int32_t tag;
    union {
        float f32;
        double f64;
        int8_t i8;
        int16_t i16;
        int32_t i32;
        int64_t i64;
        uint8_t u8;
        uint16_t u16;
        uint32_t u32;
        uint64_t u64;
    } value;
} vireo_api_value;

/* Every function answers a 32-bit status: 0 success, -2 not supported by this library, a positive
   controller error number where a command line or a command was refused, other negatives for a
   failure of the library itself. vireo_api_is_open answers non-zero when open. */
#define VIREO_FUNCTION(name, parameters, stand_in) int32_t name parameters;
#include "vireo_api_functions.def"
#undef VIREO_FUNCTION

#ifdef __cplusplus
}
#endif

#endif
