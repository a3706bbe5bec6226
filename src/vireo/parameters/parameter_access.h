// Reading and writing a named parameter: through the library by its identifier when it has one,
// else (or when the library does not answer) by a command line. The library's status is never
// reported; any failure there only switches to the command line.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

#include "kova/parameters/value_types.h"
#include "shared/reply/reply_parsers.h"
#include "shared/result.h"
#include "tagged_kinds.h"
#include "vireo/command_line/command_line.h"
#include "vireo/command_line/line_format.h"
#include "vireo/binding/conventions.h"
#include "vireo/binding/low_level.h"

namespace Kova::TesselApi::Vireo {

// A parameter as its table row gives it; index is the axis, process or slot (unused for system).
struct ParameterRef {
    std::string_view name;
    std::uint32_t identifier;
    kova_parameter_kind kind;
    std::int32_t index;
};

enum class ParameterFamily { System, Axis, Process, Slot, Port };

namespace ParameterDetail {

constexpr std::string_view Modifier(ParameterFamily family) {
    switch (family) {
    case ParameterFamily::Axis: return "AXIS";
    case ParameterFamily::Process: return "PROC";
    case ParameterFamily::Slot: return "SLOT";
    case ParameterFamily::Port: return "PORT";
    case ParameterFamily::System: break;
    }
    return {};
}

// A number in the operation's type: integers as they are, floats widened, and a float that an
// integer type cannot hold held at that type's limit (NaN as 0).
template <typename T, typename N>
T As(N number) {
    if constexpr (std::is_same_v<T, bool>) {
        return number != 0;
    } else if constexpr (std::is_floating_point_v<N> && std::is_integral_v<T>) {
        if (!(number == number)) return 0;
        if (number <= static_cast<N>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
        if (number >= static_cast<N>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
        return static_cast<T>(number);
    } else {
        return static_cast<T>(number);
    }
}

template <typename T>
T FromTagged(kova_parameter_kind kind, const vireo_api_value& tagged) {
    return TaggedKinds::Field(kind, tagged, [](auto number) { return As<T>(number); });
}

// The reply of a query read in the operation's value type.
template <typename T>
Shared::Result Parse(const char* first, const char* last, T& value) {
    if constexpr (std::is_same_v<T, double>) {
        return Shared::ParseDouble(first, last, value);
    } else if constexpr (std::is_same_v<T, bool>) {
        return Shared::ParseBool(first, last, value);
    } else if constexpr (sizeof(T) == 2) {
        using Wide = std::conditional_t<std::is_signed_v<T>, std::int32_t, std::uint32_t>;
        Wide wide = 0;
        const Shared::Result parsed = Parse(first, last, wide);
        if (parsed != Shared::kSuccess) return parsed;
        if (wide < static_cast<Wide>(std::numeric_limits<T>::min()) ||
            wide > static_cast<Wide>(std::numeric_limits<T>::max()))
            return Shared::Error(Shared::OutOfRange);
        value = static_cast<T>(wide);
        return Shared::kSuccess;
    } else if constexpr (std::is_signed_v<T>) {
        return Shared::ParseInt(first, last, value, 10);
    } else {
        return Shared::ParseUnsigned(first, last, value, 10);
    }
}

inline std::int32_t LibraryGet(ParameterFamily family, const ParameterRef& p, vireo_api_value& tagged) {
    LowLevelTable& library = LowLevel();
    switch (family) {
    case ParameterFamily::System: return Invoke(library.vireo_api_get_system_parameter, p.identifier, &tagged);
    case ParameterFamily::Axis: return Invoke(library.vireo_api_get_axis_parameter, p.identifier, p.index, &tagged);
    case ParameterFamily::Process: return Invoke(library.vireo_api_get_process_parameter, p.identifier, p.index, &tagged);
    case ParameterFamily::Slot: return Invoke(library.vireo_api_get_slot_parameter, p.identifier, p.index, &tagged);
    case ParameterFamily::Port: break;   // the library has no function for port parameters
    }
    return kLowLevelUnsupported;
}

inline std::int32_t LibrarySet(ParameterFamily family, const ParameterRef& p, const vireo_api_value& tagged) {
    LowLevelTable& library = LowLevel();
    switch (family) {
    case ParameterFamily::System: return Invoke(library.vireo_api_set_system_parameter, p.identifier, &tagged);
    case ParameterFamily::Axis: return Invoke(library.vireo_api_set_axis_parameter, p.identifier, p.index, &tagged);
    case ParameterFamily::Process: return Invoke(library.vireo_api_set_process_parameter, p.identifier, p.index, &tagged);
    case ParameterFamily::Slot: return Invoke(library.vireo_api_set_slot_parameter, p.identifier, p.index, &tagged);
    case ParameterFamily::Port: break;
    }
    return kLowLevelUnsupported;
}

}  // namespace ParameterDetail

template <typename T>
Shared::Result ReadParameter(ParameterFamily family, const ParameterRef& p, T& value) {
    if (p.identifier != KOVA_PARAMETER_NO_IDENTIFIER) {
        vireo_api_value tagged{};
        tagged.tag = VIREO_API_INT32;
        if (ParameterDetail::LibraryGet(family, p, tagged) == 0) {
            value = ParameterDetail::FromTagged<T>(p.kind, tagged);
            return Shared::kSuccess;
        }
    }
    char reply[256];
    std::uint32_t size = sizeof reply;
    const Shared::Result queried =
        family == ParameterFamily::System
            ? CommandLine::QueryValue(p.name, reply, size)
            : CommandLine::QueryModified(p.name, ParameterDetail::Modifier(family), p.index, reply, size);
    if (queried != Shared::kSuccess) return queried;
    return ParameterDetail::Parse(reply, reply + size, value);
}

// A value that does not fit the parameter's width is refused before anything is sent.
template <typename T>
Shared::Result WriteParameter(ParameterFamily family, const ParameterRef& p, T value) {
    if (p.identifier != KOVA_PARAMETER_NO_IDENTIFIER) {
        vireo_api_value tagged{};
        if (!TaggedKinds::Encode(p.kind, value, tagged)) return Shared::Error(Shared::OutOfRange);
        if (ParameterDetail::LibrarySet(family, p, tagged) == 0) return Shared::kSuccess;
    }
    const std::string text = CommandLine::ValueText(value);
    return CommandLine::Execute(
        family == ParameterFamily::System
            ? CommandLine::AssignmentLine(p.name, text)
            : CommandLine::ModifiedAssignmentLine(p.name, ParameterDetail::Modifier(family), p.index, text));
}

}  // namespace Kova::TesselApi::Vireo
