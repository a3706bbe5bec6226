#include "shared/transfer/file_types.h"

#include <iterator>

namespace Kova::TesselApi::Shared {

namespace {

constexpr FileTypeInfo kFileTypes[] = {
#define KOVA_FILE_TYPE(extension, name, encrypted) {extension, name, encrypted},
#include "kova/file_types.def"
#undef KOVA_FILE_TYPE
};
static_assert(std::size(kFileTypes) == kFileTypeCount);

}  // namespace

const FileTypeInfo* FindFileType(std::uint32_t type) { return type < kFileTypeCount ? &kFileTypes[type] : nullptr; }

bool IsEncryptedFileType(std::uint32_t type) {
    const FileTypeInfo* info = FindFileType(type);
    return info != nullptr && info->encrypted;
}

}  // namespace Kova::TesselApi::Shared
