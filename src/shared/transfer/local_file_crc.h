// The CRC-16 the controller keeps for a stored file, computed over a host file.
#pragma once

#include <cstdint>
#include <string>

#include "shared/result.h"

namespace Kova::TesselApi::Shared {

// The byte that stands for a line end when a text file is checked.
inline constexpr std::uint8_t kLineEndCrcByte = 0xAA;

// Binary: every byte. Text: each line without its end (LF or CR LF) followed by 0xAA; a last line
// without a line end counts as a line. A file that cannot be opened or read gives the system error.
Result LocalFileCrc(const std::string& path, bool binary, std::uint16_t& crc);

}  // namespace Kova::TesselApi::Shared
