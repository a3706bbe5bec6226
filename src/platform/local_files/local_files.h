// Host files named by UTF-8 paths.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace Kova::TesselApi::Platform {

// fopen's modes; null with errno set when the file cannot be opened or is a directory.
std::FILE* OpenLocalFile(const std::string& path, const char* mode);
// 0 when the file does not exist.
std::uint64_t LocalFileSize(const std::string& path);

}  // namespace Kova::TesselApi::Platform
