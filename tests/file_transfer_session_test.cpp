// Files through the exported functions, to the stand-in controller's file store and back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kova/tesselapi.h"
#include "support/transfer_session.h"

namespace {

using KovaTest::Event;

struct Reports {
    std::vector<kova_progress_info> seen;
};

void OnProgress(void* user, const kova_progress_info* info) { static_cast<Reports*>(user)->seen.push_back(*info); }

class FileTransferSession : public KovaTest::TransferSession {};

std::string BinaryContent(std::size_t size) {
    std::string data(size, '\0');
    std::uint32_t state = 3;
    for (std::size_t i = 0; i < size; ++i) {
        state = state * 1664525u + 1013904223u;
        data[i] = (i / 4096) % 3 == 0 ? static_cast<char>(state >> 24) : static_cast<char>('A' + i % 23);
    }
    return data;
}

TEST_F(FileTransferSession, AProgramTextGoesUpAndComesBackIdentical) {
    const std::string program = "' a program\r\nBASE(0)\r\nMOVE(100)\r\nWAIT IDLE\r\nPRINT \"done\\\"\r\n";
    Reports reports;
    ASSERT_EQ(kova_UploadFile(context, Write("prog.bas", program).c_str(), "SD:prog.bas", 0, 0, OnProgress, &reports),
              0u);
    ASSERT_EQ(kova_DownloadFile(context, Path("back.bas").c_str(), "SD:prog.bas", nullptr, nullptr), 0u);
    EXPECT_EQ(Contents(Path("back.bas")), program);

    EXPECT_TRUE(Logged("Uploading " + Path("prog.bas") + " ..."));
    EXPECT_TRUE(Logged("Uploaded prog.bas, (" + std::to_string(program.size() + 1) + " bytes), Duration "));
    ASSERT_GE(reports.seen.size(), 3u);
    EXPECT_EQ(reports.seen.front().stage, 0u);
    EXPECT_EQ(reports.seen.back().stage, 2u);
    EXPECT_EQ(reports.seen.back().done, program.size());
}

TEST_F(FileTransferSession, ALargeBinaryFileRoundTripsWithAndWithoutCompression) {
    const std::string content = BinaryContent(5u << 20);
    const std::string path = Write("big.bin", content);
    for (const std::uint32_t flags : {0u, KOVA_UPLOAD_COMPRESS | KOVA_UPLOAD_COMPRESSED_MARK}) {
        const std::string remote = flags == 0 ? "SD:plain.bin" : "SD:packed.bin";
        ASSERT_EQ(kova_UploadFile(context, path.c_str(), remote.c_str(), 8, flags, nullptr, nullptr), 0u) << flags;
        const std::string back = Path("back.bin");
        ASSERT_EQ(kova_DownloadFile(context, back.c_str(), remote.c_str(), nullptr, nullptr), 0u) << flags;
        EXPECT_TRUE(Contents(back) == content) << flags;
        EXPECT_TRUE(Logged("Uploaded " + remote.substr(3) + ", (")) << flags;
    }
}

}  // namespace
