/* Contexts, the module factory, connection parameters, the connection and command lines. */
#ifndef KOVA_TESSELAPI_CONTEXT_H
#define KOVA_TESSELAPI_CONTEXT_H

#include "kova/tesselapi_types.h"

/* Makes a context for a caller built against *version (use KOVA_VERSION_*). Events of the context
   go to callback (which may be null). Nothing connects yet. */
KOVA_EXTERN_C KOVA_API kova_result kova_CreateContext(const kova_version* version, kova_event_callback callback,
                                                      void* user, kova_context* context);
/* Closes the connection when open, then frees the context; returns the result of the close. */
KOVA_EXTERN_C KOVA_API kova_result kova_DestroyContext(kova_context context);
/* The module factory: connection type 2 is the only one this module makes. */
KOVA_EXTERN_C KOVA_API kova_result kta_factory(uint32_t connection_type, const kova_version* version,
                                               kova_event_function* events, kova_context* context);
/* Not a result: false for a null context. */
KOVA_EXTERN_C KOVA_API bool kova_IsConnected(kova_context context);
/* Not a result: the kova_connection_type, 0 for a null context. */
KOVA_EXTERN_C KOVA_API uint32_t kova_GetConnectionType(kova_context context);
/* The packed version: major in the lowest 16 bits, build in the highest. */
KOVA_EXTERN_C KOVA_API kova_result kova_GetApiVersion(kova_context context, uint64_t* version);
KOVA_EXTERN_C KOVA_API kova_result kova_GetApiVersionStr(kova_context context, kova_string_callback callback,
                                                         void* user);

/* Connection parameters (the Vireo connection has none: these answer NotSupported). */
KOVA_EXTERN_C KOVA_API kova_result kova_SetTcpHostName(kova_context context, const char* host);
KOVA_EXTERN_C KOVA_API kova_result kova_GetTcpHostName(kova_context context, kova_string_callback callback,
                                                       void* user);
KOVA_EXTERN_C KOVA_API kova_result kova_SetTcpPort(kova_context context, uint16_t port);
KOVA_EXTERN_C KOVA_API kova_result kova_GetTcpPort(kova_context context, uint16_t* port);
KOVA_EXTERN_C KOVA_API kova_result kova_SetTcpConnectTimeout(kova_context context, uint32_t timeout_ms);
KOVA_EXTERN_C KOVA_API kova_result kova_GetTcpConnectTimeout(kova_context context, uint32_t* timeout_ms);
KOVA_EXTERN_C KOVA_API kova_result kova_SetTcpCommandTimeout(kova_context context, uint32_t timeout_ms);
KOVA_EXTERN_C KOVA_API kova_result kova_GetTcpCommandTimeout(kova_context context, uint32_t* timeout_ms);
KOVA_EXTERN_C KOVA_API kova_result kova_SetConnectionParameterBoolValue(kova_context context, const char* name,
                                                                        bool value);
KOVA_EXTERN_C KOVA_API kova_result kova_GetConnectionParameterBoolValue(kova_context context, const char* name,
                                                                        bool* value);
KOVA_EXTERN_C KOVA_API kova_result kova_SetConnectionParameterIntValue(kova_context context, const char* name,
                                                                       int32_t value);
KOVA_EXTERN_C KOVA_API kova_result kova_GetConnectionParameterIntValue(kova_context context, const char* name,
                                                                       int32_t* value);
KOVA_EXTERN_C KOVA_API kova_result kova_SetConnectionParameterDoubleValue(kova_context context,
                                                                          const char* name, double value);
KOVA_EXTERN_C KOVA_API kova_result kova_GetConnectionParameterDoubleValue(kova_context context,
                                                                          const char* name, double* value);
KOVA_EXTERN_C KOVA_API kova_result kova_SetConnectionParameterStringValue(kova_context context,
                                                                          const char* name, const char* value);
KOVA_EXTERN_C KOVA_API kova_result kova_GetConnectionParameterStringValue4a(kova_context context,
                                                                            const char* name, char* buffer,
                                                                            uint32_t* size);
KOVA_EXTERN_C KOVA_API kova_result kova_GetConnectionParameterStringValue4b(kova_context context,
                                                                            const char* name,
                                                                            kova_string_callback callback,
                                                                            void* user);

/* The connection and command lines of the controller's language. */
KOVA_EXTERN_C KOVA_API kova_result kova_OpenConnection(kova_context context);
KOVA_EXTERN_C KOVA_API kova_result kova_CloseConnection(kova_context context);
KOVA_EXTERN_C KOVA_API kova_result kova_ConnPath(kova_context context, const char* path);
/* The controller's VERSION, read when the connection opened. */
KOVA_EXTERN_C KOVA_API kova_result kova_GetFirmwareVersionNumber(kova_context context, double* version);
KOVA_EXTERN_C KOVA_API kova_result kova_Execute(kova_context context, const char* command);
/* The reply into a buffer, written by the controller library: *size holds the capacity and becomes
   the reply length plus one; the reply is terminated when there is room behind it. The library
   decides what a null buffer means. */
KOVA_EXTERN_C KOVA_API kova_result kova_ExecuteWithResponse4a(kova_context context, const char* command,
                                                              char* buffer, uint32_t* size);
/* The reply piece by piece, as the controller delivers it. */
KOVA_EXTERN_C KOVA_API kova_result kova_ExecuteWithResponse4b(kova_context context, const char* command,
                                                              kova_string_callback callback, void* user);
/* The whole reply at once, after the command succeeded. */
KOVA_EXTERN_C KOVA_API kova_result kova_ExecuteWithResponse4c(kova_context context, const char* command,
                                                              kova_string_callback callback, void* user);
KOVA_EXTERN_C KOVA_API kova_result kova_Ex(kova_context context, uint32_t value);
KOVA_EXTERN_C KOVA_API kova_result kova_Cancel(kova_context context, uint32_t unused, uint32_t value);
KOVA_EXTERN_C KOVA_API kova_result kova_Initialise(kova_context context);

#endif
