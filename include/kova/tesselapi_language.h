/* The controller's built-in functions, as an editor needs them for completion and parameter hints. */
#ifndef KOVA_TESSELAPI_LANGUAGE_H
#define KOVA_TESSELAPI_LANGUAGE_H

#include "kova/tesselapi_types.h"

/* Function names, one callback call each. The filter selects names (null: no filter); in the 6-argument
   form the two numbers go to the controller as well, the second only when it is not 0. */
KOVA_EXTERN_C KOVA_API kova_result kova_GetBasicFunctionNames3(kova_context context, kova_string_callback callback,
                                                               void* user);
KOVA_EXTERN_C KOVA_API kova_result kova_GetBasicFunctionNames4(kova_context context, kova_string_callback callback,
                                                               void* user, const char* filter);
KOVA_EXTERN_C KOVA_API kova_result kova_GetBasicFunctionNames6(kova_context context, kova_string_callback callback,
                                                               void* user, const char* filter, uint32_t first,
                                                               uint32_t second);
/* Full descriptions: name, index, second word, return type and typed, named parameters
   (kova_basic_data_type values). */
KOVA_EXTERN_C KOVA_API kova_result kova_GetBasicFunctionInfos3(kova_context context,
                                                               kova_function_info_callback callback, void* user);
KOVA_EXTERN_C KOVA_API kova_result kova_GetBasicFunctionInfos4(kova_context context,
                                                               kova_function_info_callback callback, void* user,
                                                               const char* filter);
KOVA_EXTERN_C KOVA_API kova_result kova_GetBasicFunctionInfos6(kova_context context,
                                                               kova_function_info_callback callback, void* user,
                                                               const char* filter, uint32_t first, uint32_t second);
KOVA_EXTERN_C KOVA_API kova_result kova_GetBasicFunctionParamCount(kova_context context, const char* name,
                                                                   uint32_t* count);
/* *type is a kova_basic_data_type; an unknown type word gives KOVA_BASIC_UNKNOWN and Fail. */
KOVA_EXTERN_C KOVA_API kova_result kova_GetBasicFunctionParamType(kova_context context, const char* name,
                                                                  uint32_t index, uint32_t* type);

#endif
