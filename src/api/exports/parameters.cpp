// Parameter exports: one pair per named parameter, generated from the parameter tables, and the
// typed by-name exports of every family.
#include "api/call.h"
#include "kova/parameters/by_name.h"
#include "kova/tesselapi.h"

using namespace Kova::TesselApi::Api;
using Kova::TesselApi::Shared::IAxisParameters;
using Kova::TesselApi::Shared::IProcessParameters;
using Kova::TesselApi::Shared::ISlotParameters;
using Kova::TesselApi::Shared::ISystemParameters;

// Per-name exports reach the object through their interface's view. Names come in glued to the
// export and operation names only.
#define KOVA_EXPORT_GET_AT(function, View, operation, index, type)                          \
    kova_result function(kova_context h, int32_t index, type* value) {                      \
        return Call<View>(h, {value}, [&](View& p) { return p.operation(index, *value); }); \
    }
#define KOVA_EXPORT_SET_AT_RW(function, View, operation, index, type)             \
    kova_result function(kova_context h, int32_t index, type value) {             \
        return Call<View>(h, [&](View& p) { return p.operation(index, value); }); \
    }
#define KOVA_EXPORT_SET_AT_RO(function, View, operation, index, type)
#define KOVA_EXPORT_GET(function, View, operation, type)                             \
    kova_result function(kova_context h, type* value) {                              \
        return Call<View>(h, {value}, [&](View& p) { return p.operation(*value); }); \
    }
#define KOVA_EXPORT_SET_RW(function, View, operation, type)                \
    kova_result function(kova_context h, type value) {                     \
        return Call<View>(h, [&](View& p) { return p.operation(value); }); \
    }
#define KOVA_EXPORT_SET_RO(function, View, operation, type)

#define KOVA_PARAMETER(name, identifier, kind, access, type)                                                  \
    KOVA_EXPORT_GET_AT(kova_GetAxisParameter_##name, IAxisParameters, GetAxisParameter_##name, axis,          \
                       KOVA_PARAMETER_TYPE_##type)                                                            \
    KOVA_EXPORT_SET_AT_##access(kova_SetAxisParameter_##name, IAxisParameters, SetAxisParameter_##name, axis, \
                                KOVA_PARAMETER_TYPE_##type)
#include "kova/parameters/axis.def"
#undef KOVA_PARAMETER

#define KOVA_PARAMETER(name, identifier, kind, access, type)                                               \
    KOVA_EXPORT_GET(kova_GetSystemParameter_##name, ISystemParameters, GetSystemParameter_##name,          \
                    KOVA_PARAMETER_TYPE_##type)                                                            \
    KOVA_EXPORT_SET_##access(kova_SetSystemParameter_##name, ISystemParameters, SetSystemParameter_##name, \
                             KOVA_PARAMETER_TYPE_##type)
#include "kova/parameters/system.def"
#undef KOVA_PARAMETER

#define KOVA_PARAMETER(name, identifier, kind, access, type)                                            \
    KOVA_EXPORT_GET_AT(kova_GetProcessParameter_##name, IProcessParameters, GetProcessParameter_##name, \
                       process, KOVA_PARAMETER_TYPE_##type)                                             \
    KOVA_EXPORT_SET_AT_##access(kova_SetProcessParameter_##name, IProcessParameters,                    \
                                SetProcessParameter_##name, process, KOVA_PARAMETER_TYPE_##type)
#include "kova/parameters/process.def"
#undef KOVA_PARAMETER

#define KOVA_PARAMETER(name, identifier, kind, access, type)                                                  \
    KOVA_EXPORT_GET_AT(kova_GetSlotParameter_##name, ISlotParameters, GetSlotParameter_##name, slot,          \
                       KOVA_PARAMETER_TYPE_##type)                                                            \
    KOVA_EXPORT_SET_AT_##access(kova_SetSlotParameter_##name, ISlotParameters, SetSlotParameter_##name, slot, \
                                KOVA_PARAMETER_TYPE_##type)
#include "kova/parameters/slot.def"
#undef KOVA_PARAMETER

// By name and type, from the by-name tables. A null name is the empty name, which the operation
// refuses itself.
#define KOVA_EXPORT_BY_NAME(Family, Type)                                                                       \
    kova_result kova_Get##Family##Parameter##Type##Value(kova_context h, const char* name,                      \
                                                         KOVA_PARAMETER_TYPE_##Type* value) {                   \
        return Call(h, {value},                                                                                 \
                    [&](IConnection& c) { return c.Get##Family##Parameter##Type##Value(In(name), *value); });   \
    }                                                                                                           \
    kova_result kova_Set##Family##Parameter##Type##Value(kova_context h, const char* name,                      \
                                                         KOVA_PARAMETER_TYPE_##Type value) {                    \
        return Call(h, [&](IConnection& c) { return c.Set##Family##Parameter##Type##Value(In(name), value); }); \
    }
#define KOVA_EXPORT_BY_NAME_AT(Family, Type)                                                                         \
    kova_result kova_Get##Family##Parameter##Type##Value(kova_context h, const char* name, int32_t index,            \
                                                         KOVA_PARAMETER_TYPE_##Type* value) {                        \
        return Call(h, {value},                                                                                      \
                    [&](IConnection& c) { return c.Get##Family##Parameter##Type##Value(In(name), index, *value); }); \
    }                                                                                                                \
    kova_result kova_Set##Family##Parameter##Type##Value(kova_context h, const char* name, int32_t index,            \
                                                         KOVA_PARAMETER_TYPE_##Type value) {                         \
        return Call(h,                                                                                               \
                    [&](IConnection& c) { return c.Set##Family##Parameter##Type##Value(In(name), index, value); });  \
    }
#define KOVA_EXPORT_BY_NAME_FAMILY(Family, index) KOVA_BY_NAME_TYPES(KOVA_EXPORT_BY_NAME_AT, Family)

KOVA_BY_NAME_TYPES(KOVA_EXPORT_BY_NAME, System)
KOVA_BY_NAME_INDEXED_FAMILIES(KOVA_EXPORT_BY_NAME_FAMILY)

kova_result kova_GetSystemParameterStringValue4a(kova_context h, const char* name, char* buffer, uint32_t* size) {
    return Call(h, {size}, [&](IConnection& c) { return c.GetSystemParameterStringValue4a(In(name), buffer, *size); });
}
kova_result kova_GetSystemParameterStringValue4b(kova_context h, const char* name, kova_string_callback callback,
                                                 void* user) {
    return Call(h, [&](IConnection& c) { return c.GetSystemParameterStringValue4b(In(name), Sink(callback, user)); });
}
kova_result kova_SetSystemParameterStringValue(kova_context h, const char* name, const char* value) {
    return Call(h, [&](IConnection& c) { return c.SetSystemParameterStringValue(In(name), In(value)); });
}
