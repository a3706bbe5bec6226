// How a status of vireo_api_x64 becomes a result. Each library function is read under one of these.
#pragma once

#include <cstdint>

#include "shared/result.h"

namespace Kova::TesselApi::Vireo {

// Library calls with no controller error of their own: 0, -2 not supported, else a link failure.
Shared::Result StatusConvention(std::int32_t status);
// Command lines and commands: a positive status is the controller's error number.
Shared::Result CommandConvention(std::int32_t status);
// vireo_api_open: -1 is a link failure, any other status a system error number.
Shared::Result OpenConvention(std::int32_t status);

}  // namespace Kova::TesselApi::Vireo
