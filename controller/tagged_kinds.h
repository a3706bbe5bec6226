// A parameter's value in and out of the library's tagged value, in the width of its kind
// (kova/parameters/kinds.def). Shared by the module and the stand-in, so both hold a value the same way.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "kova/parameters/value_types.h"
#include "vireo_api.h"

namespace TaggedKinds {

// Whether `value` fits a field of type F: floats must be in its finite range (or not finite),
// integers in the field's width read either signed or unsigned, so bit sets pass as they are.
template <typename F, typename T>
bool Fits(T value) {
    if constexpr (std::is_floating_point_v<F>) {
        if constexpr (std::is_floating_point_v<T>) {
            return !std::isfinite(value) || std::fabs(value) <= static_cast<T>(std::numeric_limits<F>::max());
        } else {
            return true;
        }
    } else {
        using Signed = std::make_signed_t<F>;
        using Unsigned = std::make_unsigned_t<F>;
        if constexpr (std::is_same_v<T, bool>) {
            return true;
        } else if constexpr (std::is_floating_point_v<T>) {
            // Bounds as powers of two, which a double holds exactly.
            const T low = static_cast<T>(std::numeric_limits<Signed>::min());
            const T high = std::ldexp(T{1}, std::numeric_limits<Unsigned>::digits);
            return value >= low && value < high;   // NaN fails both
        } else if constexpr (std::is_signed_v<T>) {
            return value >= static_cast<std::intmax_t>(std::numeric_limits<Signed>::min()) &&
                   (value < 0 || static_cast<std::uintmax_t>(value) <= std::numeric_limits<Unsigned>::max());
        } else {
            return value <= std::numeric_limits<Unsigned>::max();
        }
    }
}

// `value` converted into a field of type F; it must fit. Integers beyond the signed range keep
// their bits.
template <typename F, typename T>
F Narrow(T value) {
    if constexpr (std::is_floating_point_v<F> || std::is_same_v<T, bool>) {
        return static_cast<F>(value);
    } else if constexpr (std::is_floating_point_v<T>) {
        return value < 0 ? static_cast<F>(static_cast<std::int64_t>(value)) : static_cast<F>(static_cast<std::uint64_t>(value));
    } else {
        return static_cast<F>(value);
    }
}

// The tagged value of `value` under the tag of `kind`; false, and nothing written, when the value
// does not fit the kind's width (NaN into an integer kind included).
template <typename T>
bool Encode(kova_parameter_kind kind, T value, vireo_api_value& tagged) {
    switch (kind) {
#define KOVA_PARAMETER_KIND(name, tag_, field)                               \
    case KOVA_PARAMETER_KIND_##name:                                         \
        if (!Fits<decltype(tagged.value.field)>(value)) return false;       \
        tagged = {};                                                         \
        tagged.tag = tag_;                                                   \
        tagged.value.field = Narrow<decltype(tagged.value.field)>(value);   \
        return true;
#include "kova/parameters/kinds.def"
#undef KOVA_PARAMETER_KIND
    case KOVA_PARAMETER_KIND_None: break;
    }
    return false;
}

// Whether a parameter of `kind` can hold `value`; one without a kind has no width to check.
template <typename T>
bool FitsKind(kova_parameter_kind kind, T value) {
    vireo_api_value unused{};
    return kind == KOVA_PARAMETER_KIND_None || Encode(kind, value, unused);
}

// Calls `use` with the value field of `kind`, whatever the tag says; a parameter without a kind
// reads as a 64-bit float.
template <typename Use>
auto Field(kova_parameter_kind kind, const vireo_api_value& tagged, Use use) {
    switch (kind) {
#define KOVA_PARAMETER_KIND(name, tag_, field) \
    case KOVA_PARAMETER_KIND_##name: return use(tagged.value.field);
#include "kova/parameters/kinds.def"
#undef KOVA_PARAMETER_KIND
    case KOVA_PARAMETER_KIND_None: break;
    }
    return use(tagged.value.f64);
}

}  // namespace TaggedKinds
