// Host files named by UTF-8 paths, as the transfer reads and writes them.
#pragma once

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/local_files/local_files.h"

namespace Kova::TesselApi::Shared {

using Platform::LocalFileSize;
using Platform::OpenLocalFile;

// Closes on leaving scope.
class LocalFile {
public:
    LocalFile() = default;
    explicit LocalFile(std::FILE* file) : file_(file) {}
    LocalFile(const LocalFile&) = delete;
    LocalFile& operator=(const LocalFile&) = delete;
    ~LocalFile() { Close(); }

    std::FILE* get() const { return file_; }
    explicit operator bool() const { return file_ != nullptr; }
    void Reset(std::FILE* file) {
        Close();
        file_ = file;
    }
    // 0, or the errno of a failing close (buffered data that could not be written).
    int Close() {
        if (file_ == nullptr) return 0;
        const int failed = std::fclose(file_);
        file_ = nullptr;
        return failed != 0 ? errno : 0;
    }

private:
    std::FILE* file_ = nullptr;
};

}  // namespace Kova::TesselApi::Shared
