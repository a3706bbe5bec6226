/* The resource library's one function: the bytes of a named resource document and their count, or
   null when the library has no such document. The bytes belong to the library and are never
   written or freed by a caller. */
#ifndef KTA_RESOURCE_H
#define KTA_RESOURCE_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef const char* (*kta_get_resource_function)(const char* name, uint32_t* length);

#ifdef __cplusplus
}
#endif

#endif
