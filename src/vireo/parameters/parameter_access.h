// Reading and writing a named parameter: through the library by its identifier when it has one,
// else (or when the library does not answer) by a command line. The library's status is never
// reported; any failure there only switches to the command line.
#pragma once

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

#include "kova/parameters/value_types.h"
#include "shared/reply/reply_parsers.h"
#include "shared/result.h"
#include "vireo/command_line/command_line.h"
#include "vireo/binding/conventions.h"
#include "vireo/binding/low_level.h"

namespace Kova::TesselApi::Vireo {

// A parameter as its table row gives it; index is the axis, process or slot (unused for system).
struct ParameterRef {
    std::string_view name;
    std::uint32_t identifier;
    std::uint32_t kind;
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
T FromTagged(std::uint32_t kind, const vireo_api_value& tagged) {
    const auto& v = tagged.value;
    auto as = [](auto number) { return As<T>(number); };
    switch (kind) {
    case 2: return as(v.f32);
    case 3: return as(v.i64);
    case 4: return as(v.u64);
    case 5: return as(v.i32);
    case 6: return as(v.u32);
    case 7: return as(v.i16);
    case 8: return as(v.u16);
    default: return as(v.f64);
    }
}

template <typename T>
vireo_api_value ToTagged(std::uint32_t kind, T value) {
    vireo_api_value tagged{};
    auto& v = tagged.value;
    switch (kind) {
    case 2: tagged.tag = VIREO_API_FLOAT32; v.f32 = static_cast<float>(value); break;
    case 3: tagged.tag = VIREO_API_INT64; v.i64 = static_cast<std::int64_t>(value); break;
    case 4: tagged.tag = VIREO_API_UINT64; v.u64 = static_cast<std::uint64_t>(value); break;
    case 5: tagged.tag = VIREO_API_INT32; v.i32 = static_cast<std::int32_t>(value); break;
    case 6: tagged.tag = VIREO_API_UINT32; v.u32 = static_cast<std::uint32_t>(value); break;
    case 7: tagged.tag = VIREO_API_INT16; v.i16 = static_cast<std::int16_t>(value); break;
    case 8: tagged.tag = VIREO_API_UINT16; v.u16 = static_cast<std::uint16_t>(value); break;
    default: tagged.tag = VIREO_API_FLOAT64; v.f64 = static_cast<double>(value); break;
    }
    return tagged;
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

// A value as an assignment writes it.
template <typename T>
std::string Format(T value) {
    char text[40];
    if constexpr (std::is_same_v<T, double>) std::snprintf(text, sizeof text, "%g", value);
    else if constexpr (std::is_same_v<T, std::int64_t>) std::snprintf(text, sizeof text, "%lld", static_cast<long long>(value));
    else if constexpr (std::is_same_v<T, std::uint64_t>) std::snprintf(text, sizeof text, "%llu", static_cast<unsigned long long>(value));
    else if constexpr (std::is_same_v<T, bool> || std::is_signed_v<T>) std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    else std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(value));
    return text;
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
    using namespace ParameterDetail;
    if (p.identifier != KOVA_PARAMETER_NO_IDENTIFIER) {
        vireo_api_value tagged{};
        tagged.tag = VIREO_API_INT32;
        if (LibraryGet(family, p, tagged) == 0) {
            value = FromTagged<T>(p.kind, tagged);
            return Shared::kSuccess;
        }
    }
    char reply[256];
    std::uint32_t size = sizeof reply;
    const Shared::Result queried = family == ParameterFamily::System
                                       ? QueryValue(p.name, reply, size)
                                       : QueryModified(p.name, Modifier(family), p.index, reply, size);
    if (queried != Shared::kSuccess) return queried;
    return Parse(reply, reply + size, value);
}

template <typename T>
Shared::Result WriteParameter(ParameterFamily family, const ParameterRef& p, T value) {
    using namespace ParameterDetail;
    if (p.identifier != KOVA_PARAMETER_NO_IDENTIFIER &&
        LibrarySet(family, p, ToTagged(p.kind, value)) == 0)
        return Shared::kSuccess;
    std::string assignment(p.name);
    if (family != ParameterFamily::System) {
        char index[24];
        std::snprintf(index, sizeof index, "(%d)=", p.index);
        assignment.append(" ").append(Modifier(family)).append(index);
    } else {
        assignment += "=";
    }
    return Execute(assignment + Format(value));
}

}  // namespace Kova::TesselApi::Vireo
