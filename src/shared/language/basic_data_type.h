// The types of the controller's built-in functions, from the words the controller writes for them.
#pragma once

#include <cstdint>
#include <string_view>

#include "kova/tesselapi_types.h"

namespace Kova::TesselApi::Shared {

using BasicDataType = std::uint32_t;

// The exact (case-sensitive) type word, "()" behind it for an array. Any other word is
// KOVA_BASIC_UNKNOWN, with the array flag when it ends in "()".
BasicDataType BasicDataTypeOf(std::string_view word);

}  // namespace Kova::TesselApi::Shared
