/* Axis, system, process, slot and port parameters of the controller.

   Each named parameter has its own pair of exports, generated from the tables in kova/parameters/:
     kova_GetAxisParameter_<NAME>(context, axis, &value)       kova_SetAxisParameter_<NAME>(context, axis, value)
     kova_GetSystemParameter_<NAME>(context, &value)           kova_SetSystemParameter_<NAME>(context, value)
     kova_GetProcessParameter_<NAME>(context, process, &value) kova_SetProcessParameter_<NAME>(context, process, value)
     kova_GetSlotParameter_<NAME>(context, slot, &value)
   The setter exists only where the parameter can be written; the value type is the table's.
   A null value pointer gives KOVA_RESULT_LIBRARY | KOVA_BadArgument. A value that the parameter's
   width cannot hold (NaN in an integer parameter included) gives KOVA_RESULT_LIBRARY | KOVA_OutOfRange.

   Any parameter, also one the tables do not list and the port parameters, can be reached by its
   name in the type the caller chooses (kova_GetSystemParameterDoubleValue ...; with the axis,
   process, slot or port number after the name for the other families). A name the module does not
   know goes to the controller as it is. Names are case-sensitive.

   Every declaration of both kinds is listed in kova/tesselapi_parameters_generated.h. */
#ifndef KOVA_TESSELAPI_PARAMETERS_H
#define KOVA_TESSELAPI_PARAMETERS_H

#include "kova/parameters/value_types.h"
#include "kova/tesselapi_parameters_generated.h"
#include "kova/tesselapi_types.h"

/* The controller's reply to the query of a system parameter, as text: into a buffer, written by the
   controller library (*size holds the capacity and becomes the number of bytes written, without a
   terminator; the library decides what a null buffer means), or piece by piece to a callback. */
KOVA_EXTERN_C KOVA_API kova_result kova_GetSystemParameterStringValue4a(kova_context context, const char* name,
                                                                        char* buffer, uint32_t* size);
KOVA_EXTERN_C KOVA_API kova_result kova_GetSystemParameterStringValue4b(kova_context context, const char* name,
                                                                        kova_string_callback callback,
                                                                        void* user);
/* Assigns the text in double quotes. */
KOVA_EXTERN_C KOVA_API kova_result kova_SetSystemParameterStringValue(kova_context context, const char* name,
                                                                      const char* value);

#endif
