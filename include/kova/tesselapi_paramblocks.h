/* Parameter blocks: a set of VRs, TABLE entries, axis or system parameters, program variables or
   digital I/O ranges, defined once and then read in one call, either all of it or only the entries
   that moved since the previous read. Blocks live in the context; closing the connection frees them.

   Values land in the caller's array of size elements, entry i at element i. A changed mask has bit i
   set for each entry written; entries left unchanged keep what the array held. The multi-axis forms
   lay the axes out one after another, each with its own mask. */
#ifndef KOVA_TESSELAPI_PARAMBLOCKS_H
#define KOVA_TESSELAPI_PARAMBLOCKS_H

#include "kova/tesselapi_types.h"

/* Define makes a new block and writes its id; append adds entries to an existing block. */
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockDefineVr(kova_context context, const uint32_t* indices,
                                                           uint32_t count, uint32_t* id);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockAppendVr(kova_context context, const uint32_t* indices,
                                                           uint32_t count, uint32_t id);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockDefineTable(kova_context context, const uint32_t* indices,
                                                              uint32_t count, uint32_t* id);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockAppendTable(kova_context context, const uint32_t* indices,
                                                              uint32_t count, uint32_t id);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockDefineAxis(kova_context context, const char* const* names,
                                                             uint32_t count, uint32_t* id);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockAppendAxis(kova_context context, const char* const* names,
                                                             uint32_t count, uint32_t id);
/* System names are those of the system parameters, or NAME(n) such as AIN(3). */
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockDefineSystem(kova_context context, const char* const* names,
                                                               uint32_t count, uint32_t* id);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockAppendSystem(kova_context context, const char* const* names,
                                                               uint32_t count, uint32_t id);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockDefineIO(kova_context context, const kova_io_range* ranges,
                                                           uint32_t count, uint32_t* id);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockAppendIO(kova_context context, const kova_io_range* ranges,
                                                           uint32_t count, uint32_t id);
/* Program-variable blocks are not offered by this module: NotSupported. */
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockDefineProgVar(kova_context context, const char* program,
                                                                uint32_t process, const char* const* names,
                                                                uint32_t count, uint32_t* id);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockAppendProgVar(kova_context context, const char* program,
                                                                uint32_t process, const char* const* names,
                                                                uint32_t count, uint32_t id);

KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockDelete(kova_context context, uint32_t id);
/* Not offered by this module (NotSupported): all blocks go when the connection closes. */
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockDeleteAll(kova_context context);

KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockFetchAllVr(kova_context context, uint32_t id, double* values,
                                                             uint32_t size);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockFetchChangedVr(kova_context context, uint32_t id, double* values,
                                                                 uint32_t size, uint64_t* changed);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockFetchAllTable(kova_context context, uint32_t id, double* values,
                                                                uint32_t size);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockFetchChangedTable(kova_context context, uint32_t id,
                                                                    double* values, uint32_t size,
                                                                    uint64_t* changed);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockFetchAllSystem(kova_context context, uint32_t id, double* values,
                                                                 uint32_t size);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockFetchChangedSystem(kova_context context, uint32_t id,
                                                                     double* values, uint32_t size,
                                                                     uint64_t* changed);
/* A non-zero outputs reads outputs, zero reads inputs; each value is the bit word of one range. */
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockFetchAllIO(kova_context context, uint32_t id, uint8_t outputs,
                                                             uint64_t* values, uint32_t size);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockFetchChangedIO(kova_context context, uint32_t id,
                                                                 uint8_t outputs, uint64_t* values, uint32_t size,
                                                                 uint64_t* changed);

/* Axis blocks, for one axis, a range of axes, a list of axes or a list of ranges. */
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockFetchAllAxisParam5a(kova_context context, uint32_t id,
                                                                      uint32_t axis, double* values, uint32_t size);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockFetchAllAxisParam5b(kova_context context, uint32_t id,
                                                                      const kova_axis_range* range, double* values,
                                                                      uint32_t size);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockFetchAllAxisParam6a(kova_context context, uint32_t id,
                                                                      const uint32_t* axes, uint32_t axis_count,
                                                                      double* values, uint32_t size);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockFetchAllAxisParam6b(kova_context context, uint32_t id,
                                                                      const kova_axis_range* ranges,
                                                                      uint32_t range_count, double* values,
                                                                      uint32_t size);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockFetchChangedAxisParam6a(kova_context context, uint32_t id,
                                                                          uint32_t axis, double* values,
                                                                          uint32_t size, uint64_t* changed);
/* In the forms below a null changed reads everything, as a fetch all does. */
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockFetchChangedAxisParam6b(kova_context context, uint32_t id,
                                                                          const kova_axis_range* range,
                                                                          double* values, uint32_t size,
                                                                          uint64_t* changed);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockFetchChangedAxisParam7a(kova_context context, uint32_t id,
                                                                          const uint32_t* axes,
                                                                          uint32_t axis_count, double* values,
                                                                          uint32_t size, uint64_t* changed);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockFetchChangedAxisParam7b(kova_context context, uint32_t id,
                                                                          const kova_axis_range* ranges,
                                                                          uint32_t range_count, double* values,
                                                                          uint32_t size, uint64_t* changed);

/* Program-variable reads: not offered by this module (NotSupported). */
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockFetchAllProgVar(kova_context context, uint32_t id,
                                                                  double* values, uint32_t size);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockFetchChangedProgVar(kova_context context, uint32_t id,
                                                                      double* values, uint32_t size,
                                                                      uint64_t* changed);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockGetProgDoubleValue(kova_context context, uint32_t id,
                                                                     uint32_t entry, double* value);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockGetProgInt64Value(kova_context context, uint32_t id,
                                                                    uint32_t entry, int64_t* value);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockGetProgUInt64Value(kova_context context, uint32_t id,
                                                                     uint32_t entry, uint64_t* value);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockGetProgInt32Value(kova_context context, uint32_t id,
                                                                    uint32_t entry, int32_t* value);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockGetProgUInt32Value(kova_context context, uint32_t id,
                                                                     uint32_t entry, uint32_t* value);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockGetProgBoolValue(kova_context context, uint32_t id,
                                                                   uint32_t entry, bool* value);
/* The text into a buffer; *size holds the capacity and becomes the text length plus one. */
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockGetProgStrValue5a(kova_context context, uint32_t id,
                                                                    uint32_t entry, char* buffer, uint32_t* size);
KOVA_EXTERN_C KOVA_API kova_result kova_ParamBlockGetProgStrValue5b(kova_context context, uint32_t id,
                                                                    uint32_t entry, kova_string_callback callback,
                                                                    void* user);

#endif
