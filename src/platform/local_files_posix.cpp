#include "platform/local_files.h"

#include <sys/stat.h>

namespace Kova::TesselApi::Platform {

std::FILE* OpenLocalFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

std::uint64_t LocalFileSize(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return 0;
    return static_cast<std::uint64_t>(status.st_size);
}

}  // namespace Kova::TesselApi::Platform
