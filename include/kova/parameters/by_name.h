/* The typed by-name parameter operations: one table of value types and one of families, expanded
   into the operation table, the exports, their declarations and the module's operations.
   Slot order: the system family with each type (get, then set), its text operations, then each
   indexed family with each type. A new type or family is one line here; then regenerate
   kova/tesselapi_parameters_generated.h (cmake/KovaParameterHeader.cmake). */
#ifndef KOVA_PARAMETERS_BY_NAME_H
#define KOVA_PARAMETERS_BY_NAME_H

#include "kova/parameters/value_types.h"

/* X(family, <Type>) for each value type, <Type> naming KOVA_PARAMETER_TYPE_<Type>. */
#define KOVA_BY_NAME_TYPES(X, family) \
    X(family, Double)                 \
    X(family, Int64)                  \
    X(family, UInt64)                 \
    X(family, Int32)                  \
    X(family, UInt32)                 \
    X(family, Bool)

/* X(<Family>, <index>) for each family after the system family; <index> names the argument. */
#define KOVA_BY_NAME_INDEXED_FAMILIES(X) \
    X(Axis, axis)                        \
    X(Process, process)                  \
    X(Slot, slot)                        \
    X(Port, port)

#endif
