// Parameters by name in a type the caller chooses: a name of the family's table goes the way of
// its named operation; any other name goes straight to the command line.
#include <string>

#include "vireo/command_line/command_line.h"
#include "vireo/connection_vireo.h"
#include "vireo/parameters/parameter_access.h"
#include "vireo/parameters/parameter_name_map.h"

namespace Kova::TesselApi::Vireo {

using Shared::Error;

namespace {

ParameterRef ByName(ParameterFamily family, std::string_view name, std::int32_t index) {
    const ParameterEntry* entry = ParameterNames(family).Find(name);
    return {name, entry ? entry->identifier : KOVA_PARAMETER_NO_IDENTIFIER, entry ? entry->kind : 0, index};
}

template <typename T>
Result ReadByName(ParameterFamily family, std::string_view name, std::int32_t index, T& value) {
    return ReadParameter(family, ByName(family, name, index), value);
}

template <typename T>
Result WriteByName(ParameterFamily family, std::string_view name, std::int32_t index, T value) {
    if (name.empty()) return Error(Shared::BadArgument);
    return WriteParameter(family, ByName(family, name, index), value);
}

}  // namespace

#define KOVA_BY_NAME_TYPES(X, family) \
    X(family, Double, double)         \
    X(family, Int64, std::int64_t)    \
    X(family, UInt64, std::uint64_t)  \
    X(family, Int32, std::int32_t)    \
    X(family, UInt32, std::uint32_t)  \
    X(family, Bool, bool)

#define KOVA_BY_NAME_SYSTEM(family, type, T)                                                 \
    Result Connection_Vireo::Get##family##Parameter##type##Value(std::string_view name, T& value) { \
        return ReadByName(ParameterFamily::family, name, 0, value);                          \
    }                                                                                        \
    Result Connection_Vireo::Set##family##Parameter##type##Value(std::string_view name, T value) {  \
        return WriteByName(ParameterFamily::family, name, 0, value);                         \
    }

#define KOVA_BY_NAME_INDEXED(family, type, T)                                                                   \
    Result Connection_Vireo::Get##family##Parameter##type##Value(std::string_view name, std::int32_t index,     \
                                                                  T& value) {                                   \
        return ReadByName(ParameterFamily::family, name, index, value);                                         \
    }                                                                                                           \
    Result Connection_Vireo::Set##family##Parameter##type##Value(std::string_view name, std::int32_t index,     \
                                                                  T value) {                                    \
        return WriteByName(ParameterFamily::family, name, index, value);                                        \
    }

KOVA_BY_NAME_TYPES(KOVA_BY_NAME_SYSTEM, System)
KOVA_BY_NAME_TYPES(KOVA_BY_NAME_INDEXED, Axis)
KOVA_BY_NAME_TYPES(KOVA_BY_NAME_INDEXED, Process)
KOVA_BY_NAME_TYPES(KOVA_BY_NAME_INDEXED, Slot)
KOVA_BY_NAME_TYPES(KOVA_BY_NAME_INDEXED, Port)

// Texts of system parameters go by command line only.
Result Connection_Vireo::SetSystemParameterStringValue(std::string_view name, std::string_view value) {
    if (name.empty()) return Error(Shared::BadArgument);
    return Vireo::Execute(std::string(name) + "=\"" + std::string(value) + "\"");
}

Result Connection_Vireo::GetSystemParameterStringValue4a(std::string_view name, char* buffer, std::uint32_t& size) {
    if (!buffer && size) return Error(Shared::BadArgument);
    return QueryValue(name, buffer, size);
}

Result Connection_Vireo::GetSystemParameterStringValue4b(std::string_view name, const StringSink& sink) {
    if (name.empty() || !sink) return Error(Shared::BadArgument);
    return ExecuteInPieces("?" + std::string(name) + ";", sink);
}

}  // namespace Kova::TesselApi::Vireo
