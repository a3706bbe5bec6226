#include "platform/local_files/local_files.h"

#include <windows.h>

#include <cerrno>
#include <sys/stat.h>

namespace Kova::TesselApi::Platform {

namespace {

// Paths arrive as UTF-8; the wide calls take any name the file system holds.
std::wstring Wide(const std::string& text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

}  // namespace

std::FILE* OpenLocalFile(const std::string& path, const char* mode) {
    const std::wstring widePath = Wide(path);
    if (widePath.empty()) {
        errno = ENOENT;
        return nullptr;
    }
    wchar_t wideMode[8] = {};
    for (std::size_t i = 0; i + 1 < std::size(wideMode) && mode[i] != '\0'; ++i) wideMode[i] = mode[i];
    return _wfopen(widePath.c_str(), wideMode);
}

std::uint64_t LocalFileSize(const std::string& path) {
    const std::wstring widePath = Wide(path);
    struct _stat64 status {};
    if (widePath.empty() || _wstat64(widePath.c_str(), &status) != 0 || (status.st_mode & _S_IFREG) == 0) return 0;
    return static_cast<std::uint64_t>(status.st_size);
}

}  // namespace Kova::TesselApi::Platform
