// The CRC the controller keeps for a file, computed over a host file in text and binary modes.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

#include "kova/tesselapi.h"
#include "shared/transfer/crc.h"
#include "support/open_context.h"

namespace {

using Kova::TesselApi::Shared::Crc;
using Kova::TesselApi::Shared::FindCrcModel;

std::uint16_t Crc16(const std::string& bytes) {
    return static_cast<std::uint16_t>(Crc::Of(*FindCrcModel("CRC-16"), bytes.data(), bytes.size()));
}

class LocalFileCrc : public KovaTest::OpenContext {
protected:
    void SetUp() override {
        OpenContext::SetUp();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = (std::filesystem::temp_directory_path() / (std::string("kova_crc_") + info->name())).string();
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
        OpenContext::TearDown();
    }

    const char* Write(const std::string& content) {
        std::ofstream(path_, std::ios::binary) << content;
        return path_.c_str();
    }
    std::uint16_t Of(const std::string& content, bool binary) {
        std::uint16_t crc = 0;
        EXPECT_EQ(kova_GetLocalFileCRC(context, Write(content), binary, &crc), 0u);
        return crc;
    }

    std::string path_;
};

TEST_F(LocalFileCrc, TextModeEndsEachLineWithOneMarkerByte) {
    const std::uint16_t expected = Crc16("A\xAA" "B\xAA");
    EXPECT_EQ(Of("A\nB\n", false), expected);
    // Windows line ends and a last line without its end give the same lines.
    EXPECT_EQ(Of("A\r\nB\r\n", false), expected);
    EXPECT_EQ(Of("A\nB", false), expected);
    EXPECT_EQ(Of("A\n\nB\n", false), Crc16("A\xAA\xAA" "B\xAA"));
    EXPECT_EQ(Of("", false), Crc16(""));
}

TEST_F(LocalFileCrc, TextModeKeepsLinesAcrossReadBlocks) {
    // Lines longer than a read block, with a CR LF split between two blocks.
    std::string content(4095, 'x');
    content += "\r\n";
    content += std::string(5000, 'y');
    content += "\n";
    const std::string lines = std::string(4095, 'x') + "\xAA" + std::string(5000, 'y') + "\xAA";
    EXPECT_EQ(Of(content, false), Crc16(lines));
}

TEST_F(LocalFileCrc, BinaryModeTakesEveryByte) {
    std::string content;
    for (int i = 0; i < 3000; ++i) content.push_back(static_cast<char>(i * 7));
    EXPECT_EQ(Of(content, true), Crc16(content));
    EXPECT_EQ(Of("A\r\nB\n", true), Crc16("A\r\nB\n"));
    EXPECT_NE(Of("A\nB\n", true), Of("A\nB\n", false));
}

TEST_F(LocalFileCrc, AMissingFileGivesTheSystemError) {
    std::uint16_t crc = 0x1234;
    EXPECT_EQ(kova_GetLocalFileCRC(context, path_.c_str(), false, &crc), 0x200000000u | ENOENT);
    EXPECT_EQ(kova_GetLocalFileCRC(context, nullptr, true, &crc), 0x200000000u | ENOENT);
    EXPECT_EQ(crc, 0x1234);
}

}  // namespace
