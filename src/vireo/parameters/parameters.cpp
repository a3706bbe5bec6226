// The per-name parameter operations, one pair per row of the parameter tables.
#include "shared/parameters/parameter_ops.h"
#include "vireo/connection_vireo.h"
#include "vireo/parameters/parameter_access.h"

namespace Kova::TesselApi::Vireo {

#define KOVA_PARAMETER(name, identifier, kind, access, type)                                            \
    Result Connection_Vireo::GetSystemParameter_##name(KOVA_PARAMETER_TYPE_##type& value) {            \
        return ReadParameter(ParameterFamily::System, {#name, identifier, KOVA_PARAMETER_KIND_##kind, 0}, value);               \
    }                                                                                                    \
    KOVA_PARAMETER_SETTER_##access(                                                                     \
        Result Connection_Vireo::SetSystemParameter_##name(KOVA_PARAMETER_TYPE_##type value) {         \
            return WriteParameter(ParameterFamily::System, {#name, identifier, KOVA_PARAMETER_KIND_##kind, 0}, value);          \
        })
#include "kova/parameters/system.def"
#undef KOVA_PARAMETER

// Axis, process and slot parameters: the same with an index.
#define KOVA_INDEXED_PARAMETER(family, prefix, name, identifier, kind, access, type)                     \
    Result Connection_Vireo::Get##prefix##Parameter_##name(std::int32_t index, KOVA_PARAMETER_TYPE_##type& value) { \
        return ReadParameter(ParameterFamily::family, {#name, identifier, KOVA_PARAMETER_KIND_##kind, index}, value);           \
    }                                                                                                    \
    KOVA_PARAMETER_SETTER_##access(                                                                     \
        Result Connection_Vireo::Set##prefix##Parameter_##name(std::int32_t index, KOVA_PARAMETER_TYPE_##type value) { \
            return WriteParameter(ParameterFamily::family, {#name, identifier, KOVA_PARAMETER_KIND_##kind, index}, value);      \
        })

#define KOVA_PARAMETER(...) KOVA_INDEXED_PARAMETER(Axis, Axis, __VA_ARGS__)
#include "kova/parameters/axis.def"
#undef KOVA_PARAMETER
#define KOVA_PARAMETER(...) KOVA_INDEXED_PARAMETER(Process, Process, __VA_ARGS__)
#include "kova/parameters/process.def"
#undef KOVA_PARAMETER
#define KOVA_PARAMETER(...) KOVA_INDEXED_PARAMETER(Slot, Slot, __VA_ARGS__)
#include "kova/parameters/slot.def"
#undef KOVA_PARAMETER

}  // namespace Kova::TesselApi::Vireo
