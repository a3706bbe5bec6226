/* TABLE and VR values, VR bits and strings, digital and analogue I/O, the scope and its trigger. */
#ifndef KOVA_TESSELAPI_IO_H
#define KOVA_TESSELAPI_IO_H

#include "kova/tesselapi_types.h"

/* TABLE and VR values: 64-bit floats addressed by index. The multi forms move count values from
   first on; the values array must hold count entries. */
KOVA_EXTERN_C KOVA_API kova_result kova_SetTableValue(kova_context context, uint32_t index, double value);
KOVA_EXTERN_C KOVA_API kova_result kova_GetTableValue(kova_context context, uint32_t index, double* value);
KOVA_EXTERN_C KOVA_API kova_result kova_SetMultiTableValues(kova_context context, uint32_t first, uint32_t count,
                                                            const double* values);
KOVA_EXTERN_C KOVA_API kova_result kova_GetMultiTableValues(kova_context context, uint32_t first, uint32_t count,
                                                            double* values);
KOVA_EXTERN_C KOVA_API kova_result kova_SetVrValue(kova_context context, uint32_t index, double value);
KOVA_EXTERN_C KOVA_API kova_result kova_GetVrValue(kova_context context, uint32_t index, double* value);
KOVA_EXTERN_C KOVA_API kova_result kova_SetMultiVrValues(kova_context context, uint32_t first, uint32_t count,
                                                         const double* values);
KOVA_EXTERN_C KOVA_API kova_result kova_GetMultiVrValues(kova_context context, uint32_t first, uint32_t count,
                                                         double* values);

/* VR bits: the bit number comes first, the VR second. */
KOVA_EXTERN_C KOVA_API kova_result kova_SetVrBit(kova_context context, uint16_t bit, uint32_t vr);
KOVA_EXTERN_C KOVA_API kova_result kova_ClearVrBit(kova_context context, uint16_t bit, uint32_t vr);
KOVA_EXTERN_C KOVA_API kova_result kova_GetVrBit(kova_context context, uint16_t bit, uint32_t vr, bool* value);

/* VR strings: one character per VR from start on, ended by a VR holding 0. */
KOVA_EXTERN_C KOVA_API kova_result kova_SetVrString(kova_context context, uint32_t start, const char* text);
KOVA_EXTERN_C KOVA_API kova_result kova_GetVrStringLen(kova_context context, uint32_t start, uint32_t* length);
/* The text into a buffer; *size holds the capacity and becomes the text length plus one. */
KOVA_EXTERN_C KOVA_API kova_result kova_GetVrString4a(kova_context context, uint32_t start, char* buffer,
                                                      uint32_t* size);
/* The text in pieces of up to 256 characters. */
KOVA_EXTERN_C KOVA_API kova_result kova_GetVrString4b(kova_context context, uint32_t start,
                                                      kova_string_callback callback, void* user);
/* The whole text at once, also when it is empty. */
KOVA_EXTERN_C KOVA_API kova_result kova_GetVrString4c(kova_context context, uint32_t start,
                                                      kova_string_callback callback, void* user);

/* Digital I/O. A range runs from first to last inclusive, at most 33 points; bit k of the word is
   point first + k. */
KOVA_EXTERN_C KOVA_API kova_result kova_GetDIn3(kova_context context, uint32_t input, bool* state);
KOVA_EXTERN_C KOVA_API kova_result kova_GetDIn4(kova_context context, uint32_t first, uint32_t last,
                                                uint32_t* states);
KOVA_EXTERN_C KOVA_API kova_result kova_GetDIn32(kova_context context, uint32_t* states);
KOVA_EXTERN_C KOVA_API kova_result kova_GetDOut3(kova_context context, uint32_t output, bool* state);
KOVA_EXTERN_C KOVA_API kova_result kova_GetDOut4(kova_context context, uint32_t first, uint32_t last,
                                                 uint32_t* states);
KOVA_EXTERN_C KOVA_API kova_result kova_GetDOut32(kova_context context, uint32_t* states);
KOVA_EXTERN_C KOVA_API kova_result kova_SetDOut3(kova_context context, uint32_t output, uint8_t state);
KOVA_EXTERN_C KOVA_API kova_result kova_SetDOut4(kova_context context, uint32_t first, uint32_t last,
                                                 uint32_t states);
KOVA_EXTERN_C KOVA_API kova_result kova_SetDOut32(kova_context context, uint32_t states);
KOVA_EXTERN_C KOVA_API kova_result kova_SetInvertIN(kova_context context, uint32_t input, bool invert);
KOVA_EXTERN_C KOVA_API kova_result kova_GetInvertIN(kova_context context, uint32_t input, bool* invert);

/* Analogue I/O: 32-bit values by channel. */
KOVA_EXTERN_C KOVA_API kova_result kova_GetAIn(kova_context context, uint32_t channel, int32_t* value);
KOVA_EXTERN_C KOVA_API kova_result kova_GetAOut(kova_context context, uint32_t channel, int32_t* value);
KOVA_EXTERN_C KOVA_API kova_result kova_SetAOut(kova_context context, uint32_t channel, int32_t value);

/* The scope. ScopeOn6 captures into TABLE, ScopeOn7 into a FIFO described by parameters; both need
   a non-empty values array, ScopeOn7 also a non-empty parameters text. */
KOVA_EXTERN_C KOVA_API kova_result kova_ScopeOn1(kova_context context);
KOVA_EXTERN_C KOVA_API kova_result kova_ScopeOn2(kova_context context, int32_t period);
KOVA_EXTERN_C KOVA_API kova_result kova_ScopeOn6(kova_context context, int32_t period, int32_t first, int32_t last,
                                                 const int32_t* values, uint32_t count);
KOVA_EXTERN_C KOVA_API kova_result kova_ScopeOn7(kova_context context, int32_t mode, const char* parameters,
                                                 int32_t first, int32_t last, const int32_t* values,
                                                 uint32_t count);
KOVA_EXTERN_C KOVA_API kova_result kova_ScopeOff(kova_context context);
KOVA_EXTERN_C KOVA_API kova_result kova_Trigger(kova_context context, uint8_t value);

#endif
