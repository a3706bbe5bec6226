// A number of one of the controller's widths, as a parameter block caches it: a type word and the
// value in the low bytes of an 8-byte field.
#pragma once

#include <cstdint>

#include "shared/result.h"

namespace Kova::TesselApi::Shared {

// KOVA_VARIANT_TYPE(name, type word, library tag, C type): every type but Empty (0).
#define KOVA_VARIANT_TYPES(X)             \
    X(Float64, 1, 101, double)            \
    X(Float32, 2, 100, float)             \
    X(Int64, 3, 105, std::int64_t)        \
    X(UInt64, 4, 109, std::uint64_t)      \
    X(Int32, 5, 104, std::int32_t)        \
    X(UInt32, 6, 108, std::uint32_t)      \
    X(Int16, 7, 103, std::int16_t)        \
    X(UInt16, 8, 107, std::uint16_t)      \
    X(Int8, 9, 102, std::int8_t)          \
    X(UInt8, 10, 106, std::uint8_t)

enum class VariantType : std::uint32_t {
    Empty = 0,
#define KOVA_VARIANT_TYPE(name, type, tag, ctype) name = type,
    KOVA_VARIANT_TYPES(KOVA_VARIANT_TYPE)
#undef KOVA_VARIANT_TYPE
};

struct NumericVariant {
    VariantType type = VariantType::Empty;
    // The value's bytes; those beyond its width are always 0, so equal values have equal fields.
    std::uint64_t field = 0;
};

// The variant of a library value of `tag` whose field holds `field`; a tag outside 100 to 109 is
// NotSupported.
Result VariantFromTag(std::int32_t tag, std::uint64_t field, NumericVariant& variant);

// A 32-bit signed value, as analogue channels give them.
NumericVariant VariantOf(std::int32_t value);
NumericVariant VariantOf(double value);

// Whether a fetch reports `now` against the cached `before`: another type, another value in the
// type's width, or NaN on either side. Two empty variants are equal.
bool Differs(const NumericVariant& before, const NumericVariant& now);

// What the caller receives: the value by value, Empty as 0.
double ToDouble(const NumericVariant& variant);

}  // namespace Kova::TesselApi::Shared
