// The kinds of file the controller stores, by the number applications pass for them.
#pragma once

#include <cstdint>
#include <string_view>

namespace Kova::TesselApi::Shared {

struct FileTypeInfo {
    std::string_view extension;  // with its dot; empty when the type has none
    std::string_view name;       // the word project files use; empty when the type has none
    bool encrypted;
};

inline constexpr std::uint32_t kFileTypeTemporary = 6;
inline constexpr std::uint32_t kFileTypeBinary = 8;
inline constexpr std::uint32_t kFileTypeVolatileText = 15;
inline constexpr std::uint32_t kFileTypeCount = 27;

// Null for a type beyond the table.
const FileTypeInfo* FindFileType(std::uint32_t type);
bool IsEncryptedFileType(std::uint32_t type);

}  // namespace Kova::TesselApi::Shared
