// Returning text into a caller's buffer: the size holds the capacity going in and the text
// length plus one coming out; the text is cut to fit and always terminated.
#pragma once

#include <cstdint>
#include <string_view>

#include "shared/result.h"

namespace Kova::TesselApi::Shared {

Result CopyToBuffer(std::string_view text, char* buffer, std::uint32_t& size);

}  // namespace Kova::TesselApi::Shared
