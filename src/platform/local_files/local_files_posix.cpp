#include "platform/local_files/local_files.h"

#include <sys/stat.h>

#include <cerrno>

namespace Kova::TesselApi::Platform {

std::FILE* OpenLocalFile(const std::string& path, const char* mode) {
    std::FILE* file = std::fopen(path.c_str(), mode);
    if (file == nullptr) return nullptr;
    // A directory opens for reading here and then reads as nothing; elsewhere it does not open.
    struct stat status {};
    if (::fstat(fileno(file), &status) == 0 && S_ISDIR(status.st_mode)) {
        std::fclose(file);
        errno = EISDIR;
        return nullptr;
    }
    return file;
}

std::uint64_t LocalFileSize(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return 0;
    return static_cast<std::uint64_t>(status.st_size);
}

}  // namespace Kova::TesselApi::Platform
