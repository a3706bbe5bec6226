#include "shared/blocks/numeric_variant.h"

#include <cstring>

namespace Kova::TesselApi::Shared {

namespace {

template <typename T>
T Value(const NumericVariant& variant) {
    T value;
    std::memcpy(&value, &variant.field, sizeof value);
    return value;
}

template <typename T>
NumericVariant Make(VariantType type, T value) {
    NumericVariant variant{type, 0};
    std::memcpy(&variant.field, &value, sizeof value);
    return variant;
}

template <typename T>
NumericVariant Narrowed(VariantType type, std::uint64_t field) {
    return Make(type, Value<T>(NumericVariant{type, field}));
}

}  // namespace

Result VariantFromTag(std::int32_t tag, std::uint64_t field, NumericVariant& variant) {
    switch (tag) {
#define KOVA_VARIANT_TYPE(name, type, tag, ctype) \
    case tag:                                     \
        variant = Narrowed<ctype>(VariantType::name, field); \
        return kSuccess;
        KOVA_VARIANT_TYPES(KOVA_VARIANT_TYPE)
#undef KOVA_VARIANT_TYPE
    }
    return Error(NotSupported);
}

NumericVariant VariantOf(std::int32_t value) { return Make(VariantType::Int32, value); }
NumericVariant VariantOf(double value) { return Make(VariantType::Float64, value); }

bool Differs(const NumericVariant& before, const NumericVariant& now) {
    if (before.type != now.type) return true;
    switch (now.type) {
    case VariantType::Float64:
        return Value<double>(before) != Value<double>(now);   // true for NaN
    case VariantType::Float32:
        return Value<float>(before) != Value<float>(now);
    default: return before.field != now.field;
    }
}

double ToDouble(const NumericVariant& variant) {
    switch (variant.type) {
#define KOVA_VARIANT_TYPE(name, type, tag, ctype) \
    case VariantType::name: return static_cast<double>(Value<ctype>(variant));
        KOVA_VARIANT_TYPES(KOVA_VARIANT_TYPE)
#undef KOVA_VARIANT_TYPE
    case VariantType::Empty: break;
    }
    return 0.0;
}

}  // namespace Kova::TesselApi::Shared
