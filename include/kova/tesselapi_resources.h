/* Texts of error, status, type and EtherCAT identity codes, from the resource library. These take no
   context and report no failure: a text that cannot be found is handed over as an empty text. Each
   calls the callback exactly once, or not at all when the callback is null. */
#ifndef KOVA_TESSELAPI_RESOURCES_H
#define KOVA_TESSELAPI_RESOURCES_H

#include "kova/tesselapi_types.h"

/* kind names a text kind such as "SystemError_Title" or "AxisStatus_Short"; key is the code. */
KOVA_EXTERN_C KOVA_API void kova_GetStringResourceNumKey(const char* kind, uint64_t key,
                                                         kova_string_callback callback, void* user);
KOVA_EXTERN_C KOVA_API void kova_GetStringResourceStrKey(const char* kind, const char* key,
                                                         kova_string_callback callback, void* user);
/* The name of an EtherCAT vendor, or of one of its products. */
KOVA_EXTERN_C KOVA_API void kova_GetEthercatVID_Name(uint32_t vendor, kova_string_callback callback, void* user);
KOVA_EXTERN_C KOVA_API void kova_GetEthercatPID_Name(uint32_t vendor, uint32_t product,
                                                     kova_string_callback callback, void* user);

#endif
