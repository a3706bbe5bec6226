#include "shared/language/basic_data_type.h"

namespace Kova::TesselApi::Shared {

namespace {

struct TypeWord {
    std::string_view word;
    BasicDataType type;
};

constexpr TypeWord kTypeWords[] = {
    {"NONE", KOVA_BASIC_NONE},       {"STRING", KOVA_BASIC_STRING},   {"FLOAT", KOVA_BASIC_FLOAT},
    {"INTEGER", KOVA_BASIC_INTEGER}, {"BOOLEAN", KOVA_BASIC_BOOLEAN}, {"TARGET", KOVA_BASIC_TARGET},
    {"TARGETJ", KOVA_BASIC_TARGETJ}, {"TARGETE", KOVA_BASIC_TARGETE},
};

constexpr std::string_view kArraySuffix = "()";

}  // namespace

BasicDataType BasicDataTypeOf(std::string_view word) {
    const bool array = word.size() > kArraySuffix.size() && word.ends_with(kArraySuffix);
    const std::string_view base = array ? word.substr(0, word.size() - kArraySuffix.size()) : word;
    BasicDataType type = KOVA_BASIC_UNKNOWN;
    for (const TypeWord& known : kTypeWords) {
        // NONE has no array form.
        if (known.word == base && !(array && known.type == KOVA_BASIC_NONE)) type = known.type;
    }
    return array ? type | KOVA_BASIC_ARRAY : type;
}

}  // namespace Kova::TesselApi::Shared
