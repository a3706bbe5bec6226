// Numbers a caller wrote into the library's tagged values. (Values going out are encoded by the
// parameter's kind: tagged_kinds.h.)
#pragma once

#include <cstdint>

#include "vireo_api.h"

namespace StandIn {

// The number a caller wrote under any tag; false for a tag the library does not know.
bool Decode(const vireo_api_value& value, double& number);

}  // namespace StandIn
