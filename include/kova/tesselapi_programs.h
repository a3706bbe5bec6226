/* Programs, files and processes; file transfer; projects and project keys; unit clear, the
   controller lock and the firmware update. */
#ifndef KOVA_TESSELAPI_PROGRAMS_H
#define KOVA_TESSELAPI_PROGRAMS_H

#include "kova/tesselapi_types.h"

/* Running and stopping programs; the 2 forms let the controller choose the process. */
KOVA_EXTERN_C KOVA_API kova_result kova_RunProgram3(kova_context context, const char* name, uint32_t process);
KOVA_EXTERN_C KOVA_API kova_result kova_RunProgram2(kova_context context, const char* name);
KOVA_EXTERN_C KOVA_API kova_result kova_StopProgram3(kova_context context, const char* name, uint32_t process);
KOVA_EXTERN_C KOVA_API kova_result kova_StopProgram2(kova_context context, const char* name);
/* Not offered by this module. */
KOVA_EXTERN_C KOVA_API kova_result kova_SetAutoRun(kova_context context, const char* name, uint8_t mode,
                                                   uint32_t process);
KOVA_EXTERN_C KOVA_API kova_result kova_AutoRun(kova_context context);

/* The program store. */
KOVA_EXTERN_C KOVA_API kova_result kova_New(kova_context context, const char* name);
KOVA_EXTERN_C KOVA_API kova_result kova_Select(kova_context context, const char* name, uint32_t number);
KOVA_EXTERN_C KOVA_API kova_result kova_Delete(kova_context context, const char* name, uint8_t type);
KOVA_EXTERN_C KOVA_API kova_result kova_ClearVariables(kova_context context);
/* One callback per entry of the store; the callback must not be null. */
KOVA_EXTERN_C KOVA_API kova_result kova_Dir(kova_context context, kova_dir_callback callback, void* user);
/* Compile messages go to the callback (which may be null); the first error is the result. */
KOVA_EXTERN_C KOVA_API kova_result kova_Compile(kova_context context, const char* name,
                                                kova_compile_callback callback, void* user);
KOVA_EXTERN_C KOVA_API kova_result kova_CompileAll(kova_context context, kova_compile_callback callback,
                                                   void* user);
/* One callback per process that runs a program; the callback must not be null. */
KOVA_EXTERN_C KOVA_API kova_result kova_GetProcessList(kova_context context, kova_process_callback callback,
                                                       void* user);

/* Files. *flags receives the controller's file test; the CRCs are CRC-16. */
KOVA_EXTERN_C KOVA_API kova_result kova_FileExists(kova_context context, const char* name, uint32_t* flags);
KOVA_EXTERN_C KOVA_API kova_result kova_GetRemoteFileCRC(kova_context context, const char* name, uint16_t* crc);
/* A text file (binary false) is read line by line, each line followed by the byte 0xAA. */
KOVA_EXTERN_C KOVA_API kova_result kova_GetLocalFileCRC(kova_context context, const char* path, bool binary,
                                                        uint16_t* crc);
/* Transfers over the controller's file port; the progress callback may be null. type is the file
   type (0 basic, 1 encrypted basic, 2 G-code, 3 text, 4 IEC, 6 temporary, 8 binary), flags the
   KOVA_UPLOAD_* bits. */
KOVA_EXTERN_C KOVA_API kova_result kova_UploadFile(kova_context context, const char* local_path,
                                                   const char* remote_name, uint32_t type, uint32_t flags,
                                                   kova_progress_callback callback, void* user);
KOVA_EXTERN_C KOVA_API kova_result kova_DownloadFile(kova_context context, const char* local_path,
                                                     const char* remote_name, kova_progress_callback callback,
                                                     void* user);

/* Puts the project described by the project file on the controller. The key callback (which may be
   null) is asked for the key of each authority the controller does not know yet. */
KOVA_EXTERN_C KOVA_API kova_result kova_LoadProject(kova_context context, const char* project_path,
                                                    kova_project_key_callback callback, void* user);

/* Project keys and the controller's key registry. */
KOVA_EXTERN_C KOVA_API kova_result kova_ProjectKey(kova_context context, const char* key, int32_t number);
/* One callback per registry line. */
KOVA_EXTERN_C KOVA_API kova_result kova_ProjectKeyRegistryList(kova_context context, kova_string_callback callback,
                                                               void* user);
KOVA_EXTERN_C KOVA_API kova_result kova_ProjectKeyRegistryStore(kova_context context, const char* authority,
                                                                const char* key, int32_t number);
KOVA_EXTERN_C KOVA_API kova_result kova_ProjectKeyRegistryClear(kova_context context);
KOVA_EXTERN_C KOVA_API kova_result kova_ProjectKeyRegistryUse(kova_context context, const char* authority);

/* Unit clear and the controller lock (codes up to 9999999). */
KOVA_EXTERN_C KOVA_API kova_result kova_UnitClear(kova_context context);
KOVA_EXTERN_C KOVA_API kova_result kova_LockController(kova_context context, uint32_t code);
KOVA_EXTERN_C KOVA_API kova_result kova_UnlockController(kova_context context, uint32_t code);

/* Not offered by this module: the progress callback is never called. */
KOVA_EXTERN_C KOVA_API kova_result kova_SystemUpdate(kova_context context, const char* firmware_path,
                                                     kova_update_progress_callback callback, void* user);

#endif
