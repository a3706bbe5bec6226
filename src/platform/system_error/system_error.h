// The operating system's text for one of its error numbers.
#pragma once

#include <cstdint>
#include <string>

namespace Kova::TesselApi::Platform {

// UTF-8, without trailing line breaks; empty when the system has no text for the number.
std::string SystemErrorText(std::uint32_t number);

}  // namespace Kova::TesselApi::Platform
