// Numbers in and out of the library's tagged values.
#pragma once

#include <cstdint>

#include "kova/parameters/value_types.h"
#include "vireo_api.h"

namespace StandIn {

// The value of a parameter of kind `kind`, in the width of that kind and under its tag; false when
// the number does not fit that width.
bool Encode(kova_parameter_kind kind, double number, vireo_api_value& value);

// The number a caller wrote under any tag; false for a tag the library does not know.
bool Decode(const vireo_api_value& value, double& number);

}  // namespace StandIn
