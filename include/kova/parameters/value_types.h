/* The C type behind each value type named in the parameter tables (*.def beside this file). */
#ifndef KOVA_PARAMETERS_VALUE_TYPES_H
#define KOVA_PARAMETERS_VALUE_TYPES_H

#include <stdbool.h>
#include <stdint.h>

#define KOVA_PARAMETER_TYPE_Double double
#define KOVA_PARAMETER_TYPE_Int64 int64_t
#define KOVA_PARAMETER_TYPE_UInt64 uint64_t
#define KOVA_PARAMETER_TYPE_Int32 int32_t
#define KOVA_PARAMETER_TYPE_UInt32 uint32_t
#define KOVA_PARAMETER_TYPE_Int16 int16_t
#define KOVA_PARAMETER_TYPE_UInt16 uint16_t
#define KOVA_PARAMETER_TYPE_Bool bool

/* How the controller library holds a parameter's value: the kind column of the tables
   (KOVA_PARAMETER_KIND_Float64 ... from kinds.def). */
enum kova_parameter_kind {
    KOVA_PARAMETER_KIND_None = 0,
#define KOVA_PARAMETER_KIND(kind, tag, field) KOVA_PARAMETER_KIND_##kind,
#include "kova/parameters/kinds.def"
#undef KOVA_PARAMETER_KIND
};

/* The identifier of a parameter that the library cannot reach: it goes by command line only. */
#define KOVA_PARAMETER_NO_IDENTIFIER 0xFFFFFFFFu

#endif
