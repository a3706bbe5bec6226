// Numbers in and out of the library's tagged values.
#pragma once

#include <cstdint>

#include "vireo_api.h"

namespace StandIn {

// The value of a parameter of library kind `kind` (1 64-bit float ... 8 16-bit unsigned), in the
// width of that kind and under its tag.
vireo_api_value Encode(std::uint32_t kind, double number);

// The number a caller wrote under any tag; false for a tag the library does not know.
bool Decode(const vireo_api_value& value, double& number);

}  // namespace StandIn
