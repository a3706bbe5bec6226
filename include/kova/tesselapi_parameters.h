/* Axis, system, process, slot and port parameters of the controller.

   Each named parameter has its own pair of exports, generated from the tables in kova/parameters/:
     kova_GetAxisParameter_<NAME>(context, axis, &value)       kova_SetAxisParameter_<NAME>(context, axis, value)
     kova_GetSystemParameter_<NAME>(context, &value)           kova_SetSystemParameter_<NAME>(context, value)
     kova_GetProcessParameter_<NAME>(context, process, &value) kova_SetProcessParameter_<NAME>(context, process, value)
     kova_GetSlotParameter_<NAME>(context, slot, &value)
   The setter exists only where the parameter can be written; the value type is the table's.
   A null value pointer gives KOVA_RESULT_LIBRARY | KOVA_BadArgument.

   Any parameter, also one the tables do not list and the port parameters, can be reached by its
   name in the type the caller chooses (kova_GetSystemParameterDoubleValue ...). Names are
   case-sensitive. */
#ifndef KOVA_TESSELAPI_PARAMETERS_H
#define KOVA_TESSELAPI_PARAMETERS_H

#include "kova/parameters/value_types.h"
#include "kova/tesselapi_types.h"

/* Names reach these macros only glued to a prefix, so an application's own macro of the same name
   (VERSION, DISPLAY ...) cannot change a declaration. */
#define KOVA_DECLARE_PARAMETER_GET_AT(function, index, type) \
    KOVA_EXTERN_C KOVA_API kova_result function(kova_context context, int32_t index, type* value);
#define KOVA_DECLARE_PARAMETER_SET_AT_RW(function, index, type) \
    KOVA_EXTERN_C KOVA_API kova_result function(kova_context context, int32_t index, type value);
#define KOVA_DECLARE_PARAMETER_SET_AT_RO(function, index, type)
#define KOVA_DECLARE_PARAMETER_GET(function, type) \
    KOVA_EXTERN_C KOVA_API kova_result function(kova_context context, type* value);
#define KOVA_DECLARE_PARAMETER_SET_RW(function, type) \
    KOVA_EXTERN_C KOVA_API kova_result function(kova_context context, type value);
#define KOVA_DECLARE_PARAMETER_SET_RO(function, type)

#define KOVA_PARAMETER(name, identifier, kind, access, type)                                      \
    KOVA_DECLARE_PARAMETER_GET_AT(kova_GetAxisParameter_##name, axis, KOVA_PARAMETER_TYPE_##type) \
    KOVA_DECLARE_PARAMETER_SET_AT_##access(kova_SetAxisParameter_##name, axis, KOVA_PARAMETER_TYPE_##type)
#include "kova/parameters/axis.def"
#undef KOVA_PARAMETER

#define KOVA_PARAMETER(name, identifier, kind, access, type)                               \
    KOVA_DECLARE_PARAMETER_GET(kova_GetSystemParameter_##name, KOVA_PARAMETER_TYPE_##type) \
    KOVA_DECLARE_PARAMETER_SET_##access(kova_SetSystemParameter_##name, KOVA_PARAMETER_TYPE_##type)
#include "kova/parameters/system.def"
#undef KOVA_PARAMETER

#define KOVA_PARAMETER(name, identifier, kind, access, type)                                            \
    KOVA_DECLARE_PARAMETER_GET_AT(kova_GetProcessParameter_##name, process, KOVA_PARAMETER_TYPE_##type) \
    KOVA_DECLARE_PARAMETER_SET_AT_##access(kova_SetProcessParameter_##name, process, KOVA_PARAMETER_TYPE_##type)
#include "kova/parameters/process.def"
#undef KOVA_PARAMETER

#define KOVA_PARAMETER(name, identifier, kind, access, type)                                      \
    KOVA_DECLARE_PARAMETER_GET_AT(kova_GetSlotParameter_##name, slot, KOVA_PARAMETER_TYPE_##type) \
    KOVA_DECLARE_PARAMETER_SET_AT_##access(kova_SetSlotParameter_##name, slot, KOVA_PARAMETER_TYPE_##type)
#include "kova/parameters/slot.def"
#undef KOVA_PARAMETER

#undef KOVA_DECLARE_PARAMETER_GET_AT
#undef KOVA_DECLARE_PARAMETER_SET_AT_RW
#undef KOVA_DECLARE_PARAMETER_SET_AT_RO
#undef KOVA_DECLARE_PARAMETER_GET
#undef KOVA_DECLARE_PARAMETER_SET_RW
#undef KOVA_DECLARE_PARAMETER_SET_RO

/* By name, system family. A name the module does not know goes to the controller as it is. */
KOVA_EXTERN_C KOVA_API kova_result kova_GetSystemParameterDoubleValue(kova_context context, const char* name,
                                                                      double* value);
KOVA_EXTERN_C KOVA_API kova_result kova_SetSystemParameterDoubleValue(kova_context context, const char* name,
                                                                      double value);
KOVA_EXTERN_C KOVA_API kova_result kova_GetSystemParameterInt64Value(kova_context context, const char* name,
                                                                     int64_t* value);
KOVA_EXTERN_C KOVA_API kova_result kova_SetSystemParameterInt64Value(kova_context context, const char* name,
                                                                     int64_t value);
KOVA_EXTERN_C KOVA_API kova_result kova_GetSystemParameterUInt64Value(kova_context context, const char* name,
                                                                      uint64_t* value);
KOVA_EXTERN_C KOVA_API kova_result kova_SetSystemParameterUInt64Value(kova_context context, const char* name,
                                                                      uint64_t value);
KOVA_EXTERN_C KOVA_API kova_result kova_GetSystemParameterInt32Value(kova_context context, const char* name,
                                                                     int32_t* value);
KOVA_EXTERN_C KOVA_API kova_result kova_SetSystemParameterInt32Value(kova_context context, const char* name,
                                                                     int32_t value);
KOVA_EXTERN_C KOVA_API kova_result kova_GetSystemParameterUInt32Value(kova_context context, const char* name,
                                                                      uint32_t* value);
KOVA_EXTERN_C KOVA_API kova_result kova_SetSystemParameterUInt32Value(kova_context context, const char* name,
                                                                      uint32_t value);
KOVA_EXTERN_C KOVA_API kova_result kova_GetSystemParameterBoolValue(kova_context context, const char* name,
                                                                    bool* value);
KOVA_EXTERN_C KOVA_API kova_result kova_SetSystemParameterBoolValue(kova_context context, const char* name,
                                                                    bool value);
/* The controller's reply as text: into a buffer (*size holds the capacity and becomes the length
   plus one; buffer may be null to ask for the size) or piece by piece to a callback. */
KOVA_EXTERN_C KOVA_API kova_result kova_GetSystemParameterStringValue4a(kova_context context, const char* name,
                                                                        char* buffer, uint32_t* size);
KOVA_EXTERN_C KOVA_API kova_result kova_GetSystemParameterStringValue4b(kova_context context, const char* name,
                                                                        kova_string_callback callback,
                                                                        void* user);
/* Assigns the text in double quotes. */
KOVA_EXTERN_C KOVA_API kova_result kova_SetSystemParameterStringValue(kova_context context, const char* name,
                                                                      const char* value);

/* By name with an index, the axis, process, slot or port number: kova_GetAxisParameterDoubleValue,
   kova_SetAxisParameterDoubleValue ... kova_GetPortParameterBoolValue, kova_SetPortParameterBoolValue. */
#define KOVA_DECLARE_PARAMETER_BY_NAME(family, index)                                                                 \
    KOVA_EXTERN_C KOVA_API kova_result kova_Get##family##ParameterDoubleValue(kova_context context, const char* name, \
                                                                              int32_t index, double* value);          \
    KOVA_EXTERN_C KOVA_API kova_result kova_Set##family##ParameterDoubleValue(kova_context context, const char* name, \
                                                                              int32_t index, double value);           \
    KOVA_EXTERN_C KOVA_API kova_result kova_Get##family##ParameterInt64Value(kova_context context, const char* name,  \
                                                                             int32_t index, int64_t* value);          \
    KOVA_EXTERN_C KOVA_API kova_result kova_Set##family##ParameterInt64Value(kova_context context, const char* name,  \
                                                                             int32_t index, int64_t value);           \
    KOVA_EXTERN_C KOVA_API kova_result kova_Get##family##ParameterUInt64Value(kova_context context, const char* name, \
                                                                              int32_t index, uint64_t* value);        \
    KOVA_EXTERN_C KOVA_API kova_result kova_Set##family##ParameterUInt64Value(kova_context context, const char* name, \
                                                                              int32_t index, uint64_t value);         \
    KOVA_EXTERN_C KOVA_API kova_result kova_Get##family##ParameterInt32Value(kova_context context, const char* name,  \
                                                                             int32_t index, int32_t* value);          \
    KOVA_EXTERN_C KOVA_API kova_result kova_Set##family##ParameterInt32Value(kova_context context, const char* name,  \
                                                                             int32_t index, int32_t value);           \
    KOVA_EXTERN_C KOVA_API kova_result kova_Get##family##ParameterUInt32Value(kova_context context, const char* name, \
                                                                              int32_t index, uint32_t* value);        \
    KOVA_EXTERN_C KOVA_API kova_result kova_Set##family##ParameterUInt32Value(kova_context context, const char* name, \
                                                                              int32_t index, uint32_t value);         \
    KOVA_EXTERN_C KOVA_API kova_result kova_Get##family##ParameterBoolValue(kova_context context, const char* name,   \
                                                                            int32_t index, bool* value);              \
    KOVA_EXTERN_C KOVA_API kova_result kova_Set##family##ParameterBoolValue(kova_context context, const char* name,   \
                                                                            int32_t index, bool value);
KOVA_DECLARE_PARAMETER_BY_NAME(Axis, axis)
KOVA_DECLARE_PARAMETER_BY_NAME(Process, process)
KOVA_DECLARE_PARAMETER_BY_NAME(Slot, slot)
KOVA_DECLARE_PARAMETER_BY_NAME(Port, port)
#undef KOVA_DECLARE_PARAMETER_BY_NAME

#endif
