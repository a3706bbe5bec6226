/* Texts of results and of the controller's current errors. */
#ifndef KOVA_TESSELAPI_ERRORS_H
#define KOVA_TESSELAPI_ERRORS_H

#include "kova/tesselapi_types.h"

/* The name of a result ("NoError", "InvalidContext", "ControllerError_...", "SysErr_<n>",
   "UnknownError"), once to callback. A null callback: nothing happens. */
KOVA_EXTERN_C KOVA_API void kova_GetErrorName(kova_result result, kova_string_callback callback, void* user);
/* The description of a result, the same way. */
KOVA_EXTERN_C KOVA_API void kova_GetErrorString(kova_result result, kova_string_callback callback, void* user);

/* Calls callback once per current error of the controller; a record is valid only during its call.
   flags go to the enumeration unchanged. */
KOVA_EXTERN_C KOVA_API kova_result kova_EnumErrors(kova_context context, kova_error_info_callback callback,
                                                   void* user, uint32_t flags);

/* The title, description or resolution (kova_error_text_kind) of an error record, once to callback,
   empty when there is none. A null record or callback: nothing happens. */
KOVA_EXTERN_C KOVA_API void kova_GetErrorInfoString(const kova_error_info* info, uint32_t text_kind,
                                                    kova_string_callback callback, void* user);
/* format with {NAME} replaced by the record's attributes ({ERROR_MSG} is the text of text_kind),
   "\" quoting the next character and [ ... ] left out when an attribute in it is missing; once to
   callback. A null record or callback: nothing happens. */
KOVA_EXTERN_C KOVA_API void kova_GetErrorInfoStringEx(const kova_error_info* info, uint32_t text_kind,
                                                      const char* format, kova_string_callback callback,
                                                      void* user);

#endif
