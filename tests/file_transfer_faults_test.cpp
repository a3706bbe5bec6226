// Transfers through the exported functions against a stand-in file server that misbehaves on
// purpose: each fault ends the transfer with its own message and result, in bounded time, and a
// failed download leaves exactly the bytes that arrived.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "kova/tesselapi.h"
#include "support/environment.h"
#include "support/transfer_session.h"

namespace {

using namespace std::chrono_literals;
using KovaTest::Event;

constexpr kova_result kFatalFail = 0x8100000009;
constexpr kova_result kTimeout = 0x8100000006;
constexpr kova_result kAnyFailure = ~0ull;
constexpr std::size_t kFileSize = 200000;
constexpr std::size_t kNoFile = ~std::size_t{0};

std::string Content() {
    std::string data(kFileSize, '\0');
    std::uint32_t state = 5;
    for (char& c : data) {
        state = state * 1664525u + 1013904223u;
        c = static_cast<char>(state >> 24);
    }
    return data;
}

struct FaultCase {
    const char* fault;
    bool download;
    const char* message;     // the error event the transfer ends with; empty: any error event
    kova_result result;      // kAnyFailure: any failure
    std::size_t kept;        // bytes a failed download leaves; kNoFile for an upload
};

// Uploads that the controller holds or ignores run into the upload's 75 s time-out; the protocol
// tests cover those with a short one.
const FaultCase kCases[] = {
    {"abort", false, "File transfer aborted by the Veltrac.", kFatalFail, kNoFile},
    {"abort", true, "File transfer aborted by the Veltrac.", kFatalFail, 0},
    {"badcrc", false, "File transfer failed. CRC wrong", kFatalFail, kNoFile},
    {"badcrc", true, "File transfer failed. CRC wrong", kFatalFail, kFileSize},
    {"earlycrc", false, "", kFatalFail, kNoFile},
    {"earlycrc", true, "File transfer failed. CRC wrong", kFatalFail, kFileSize / 2},
    {"drop:1000", false, "", kAnyFailure, kNoFile},
    {"drop:1000", true, "File transfer cancelled.", kAnyFailure, 1000},
    {"garbage", false, "", kAnyFailure, kNoFile},
    {"garbage", true, "", kAnyFailure, kNoFile},
    {"stall", true, "Data receive timeout", kTimeout, 1024},
    {"silent", true, "Data receive timeout", kTimeout, 0},
};

class FileTransferFaults : public KovaTest::TransferSession {};

TEST_F(FileTransferFaults, EachFaultEndsTheTransferWithItsResultInBoundedTime) {
    const std::string content = Content();
    const std::string source = Write("source.bin", content);
    ASSERT_EQ(kova_UploadFile(context, source.c_str(), "SD:served.bin", 8, 0, nullptr, nullptr), 0u);

    for (const FaultCase& c : kCases) {
        const std::string label = std::string(c.fault) + (c.download ? " download" : " upload");
        const std::string target = Path("fetched.bin");
        std::filesystem::remove(target);
        events.clear();
        kova_result result = 0;
        const auto start = std::chrono::steady_clock::now();
        {
            const KovaTest::ScopedEnvironment fault("VIREO_SIM_FILE_FAULT", c.fault);
            result = c.download ? kova_DownloadFile(context, target.c_str(), "SD:served.bin", nullptr, nullptr)
                                : kova_UploadFile(context, source.c_str(), "SD:taken.bin", 8, 0, nullptr, nullptr);
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, 10s) << label;
        if (c.result == kAnyFailure)
            EXPECT_NE(result, 0u) << label;
        else
            EXPECT_EQ(result, c.result) << label;

        bool told = false;
        for (const Event& e : events) told = told || (e.type == 0 && e.text.rfind(c.message, 0) == 0);
        EXPECT_TRUE(told) << label;
        EXPECT_FALSE(Logged("Uploaded ") || Logged("Downloaded ")) << label;
        if (c.download && c.kept != kNoFile) {
            const std::string kept = Contents(target);
            EXPECT_EQ(kept.size(), c.kept) << label;
            EXPECT_TRUE(kept == content.substr(0, kept.size())) << label;
        }
    }
    // The server behaves again once the fault is gone.
    EXPECT_EQ(kova_DownloadFile(context, Path("again.bin").c_str(), "SD:served.bin", nullptr, nullptr), 0u);
}

}  // namespace
