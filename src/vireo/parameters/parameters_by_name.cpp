// Parameters by name in a type the caller chooses: a name of the family's table goes the way of
// its named operation; any other name goes straight to the command line.
#include "kova/parameters/by_name.h"
#include "vireo/command_line/command_line.h"
#include "vireo/command_line/line_format.h"
#include "vireo/connection_vireo.h"
#include "vireo/parameters/parameter_access.h"
#include "vireo/parameters/parameter_name_map.h"

namespace Kova::TesselApi::Vireo {

using Shared::Error;

namespace {

ParameterRef ByName(ParameterFamily family, std::string_view name, std::int32_t index) {
    const ParameterEntry* entry = ParameterNames(family).Find(name);
    if (!entry) return {name, KOVA_PARAMETER_NO_IDENTIFIER, KOVA_PARAMETER_KIND_None, index};
    return {name, entry->identifier, entry->kind, index};
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

#define KOVA_BY_NAME_SYSTEM(Family, Type)                                                                   \
    Result Connection_Vireo::Get##Family##Parameter##Type##Value(std::string_view name,                     \
                                                                 KOVA_PARAMETER_TYPE_##Type& value) {        \
        return ReadByName(ParameterFamily::Family, name, 0, value);                                          \
    }                                                                                                        \
    Result Connection_Vireo::Set##Family##Parameter##Type##Value(std::string_view name,                     \
                                                                 KOVA_PARAMETER_TYPE_##Type value) {         \
        return WriteByName(ParameterFamily::Family, name, 0, value);                                         \
    }
#define KOVA_BY_NAME_INDEXED(Family, Type)                                                                   \
    Result Connection_Vireo::Get##Family##Parameter##Type##Value(std::string_view name, std::int32_t index, \
                                                                 KOVA_PARAMETER_TYPE_##Type& value) {        \
        return ReadByName(ParameterFamily::Family, name, index, value);                                      \
    }                                                                                                        \
    Result Connection_Vireo::Set##Family##Parameter##Type##Value(std::string_view name, std::int32_t index, \
                                                                 KOVA_PARAMETER_TYPE_##Type value) {         \
        return WriteByName(ParameterFamily::Family, name, index, value);                                     \
    }
#define KOVA_BY_NAME_FAMILY(Family, index) KOVA_BY_NAME_TYPES(KOVA_BY_NAME_INDEXED, Family)

KOVA_BY_NAME_TYPES(KOVA_BY_NAME_SYSTEM, System)
KOVA_BY_NAME_INDEXED_FAMILIES(KOVA_BY_NAME_FAMILY)

// Texts of system parameters go by command line only.
Result Connection_Vireo::SetSystemParameterStringValue(std::string_view name, std::string_view value) {
    if (name.empty()) return Error(Shared::BadArgument);
    return CommandLine::Execute(CommandLine::TextAssignmentLine(name, value));
}

// The library fills the caller's buffer itself; size becomes the bytes it wrote.
Result Connection_Vireo::GetSystemParameterStringValue4a(std::string_view name, char* buffer, std::uint32_t& size) {
    return CommandLine::QueryValue(name, buffer, size);
}

Result Connection_Vireo::GetSystemParameterStringValue4b(std::string_view name, const StringSink& sink) {
    if (name.empty() || !sink) return Error(Shared::BadArgument);
    return CommandLine::ExecuteInPieces(CommandLine::QueryLine(name), sink);
}

}  // namespace Kova::TesselApi::Vireo
