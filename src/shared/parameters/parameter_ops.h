// Turns the rows of the parameter tables into operations: each row gives its get operation and,
// when writable, its set operation, as KOVA_PARAMETER_OP(name, (parameters)). The includer defines
// KOVA_PARAMETER_OP for what it needs (pure slot, override, body) and then includes a table with
//   #define KOVA_PARAMETER KOVA_AXIS_PARAMETER_OPS
//   #include "kova/parameters/axis.def"
//   #undef KOVA_PARAMETER
#pragma once

#include <cstdint>

#include "kova/parameters/value_types.h"

// Names are only ever glued to a prefix, never expanded on their own.
#define KOVA_PARAMETER_SETTER_RW(operation) operation
#define KOVA_PARAMETER_SETTER_RO(operation)

#define KOVA_AXIS_PARAMETER_OPS(name, identifier, kind, access, type)                                   \
    KOVA_PARAMETER_OP(GetAxisParameter_##name, (std::int32_t axis, KOVA_PARAMETER_TYPE_##type & value)) \
    KOVA_PARAMETER_SETTER_##access(                                                                     \
        KOVA_PARAMETER_OP(SetAxisParameter_##name, (std::int32_t axis, KOVA_PARAMETER_TYPE_##type value)))

#define KOVA_SYSTEM_PARAMETER_OPS(name, identifier, kind, access, type)                \
    KOVA_PARAMETER_OP(GetSystemParameter_##name, (KOVA_PARAMETER_TYPE_##type & value)) \
    KOVA_PARAMETER_SETTER_##access(KOVA_PARAMETER_OP(SetSystemParameter_##name, (KOVA_PARAMETER_TYPE_##type value)))

#define KOVA_PROCESS_PARAMETER_OPS(name, identifier, kind, access, type)                                      \
    KOVA_PARAMETER_OP(GetProcessParameter_##name, (std::int32_t process, KOVA_PARAMETER_TYPE_##type & value)) \
    KOVA_PARAMETER_SETTER_##access(                                                                           \
        KOVA_PARAMETER_OP(SetProcessParameter_##name, (std::int32_t process, KOVA_PARAMETER_TYPE_##type value)))

#define KOVA_SLOT_PARAMETER_OPS(name, identifier, kind, access, type)                                   \
    KOVA_PARAMETER_OP(GetSlotParameter_##name, (std::int32_t slot, KOVA_PARAMETER_TYPE_##type & value)) \
    KOVA_PARAMETER_SETTER_##access(                                                                     \
        KOVA_PARAMETER_OP(SetSlotParameter_##name, (std::int32_t slot, KOVA_PARAMETER_TYPE_##type value)))
