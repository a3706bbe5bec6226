// A folder of the running test's own under the system's temporary folder, gone after the test: the
// host files a test sends and receives.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace KovaTest {

class ScratchDirectory {
public:
    ScratchDirectory() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        // The suffix keeps two runs of one test (two build trees) apart.
        directory_ = std::filesystem::temp_directory_path() /
                     (std::string("kova_") + info->test_suite_name() + "_" + info->name() + "_" +
                      std::to_string(std::random_device{}()));
        std::filesystem::create_directories(directory_);
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(directory_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    std::string Directory() const { return directory_.string(); }
    std::string Path(const std::string& name) const { return (directory_ / name).string(); }
    // Writes a host file; answers its path.
    std::string Write(const std::string& name, const std::string& content) const {
        std::ofstream(Path(name), std::ios::binary) << content;
        return Path(name);
    }
    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path directory_;
};

}  // namespace KovaTest
