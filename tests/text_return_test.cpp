// Returning text into a caller's buffer.
#include <gtest/gtest.h>

#include <cstring>

#include "shared/text_return.h"

namespace {

using Kova::TesselApi::Shared::CopyToBuffer;

constexpr std::uint64_t kBufferTooSmall = 0x10000000e;

TEST(CopyToBuffer, ANullBufferAsksForTheSizeOnly) {
    std::uint32_t size = 0;
    EXPECT_EQ(CopyToBuffer("hello", nullptr, size), 0u);
    EXPECT_EQ(size, 6u);
}

TEST(CopyToBuffer, WritesTheTerminatedTextWhenItFits) {
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    std::uint32_t size = 6;
    EXPECT_EQ(CopyToBuffer("hello", buffer, size), 0u);
    EXPECT_STREQ(buffer, "hello");
    EXPECT_EQ(size, 6u);
}

TEST(CopyToBuffer, CutsAndTerminatesWhenTheCapacityIsNotLargerThanTheText) {
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    std::uint32_t size = 5;
    EXPECT_EQ(CopyToBuffer("hello", buffer, size), kBufferTooSmall);
    EXPECT_STREQ(buffer, "hell");
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(buffer[5], 'x');
}

TEST(CopyToBuffer, ACapacityOfZeroWritesNothing) {
    char buffer[2] = {'x', 'x'};
    std::uint32_t size = 0;
    EXPECT_EQ(CopyToBuffer("", buffer, size), kBufferTooSmall);
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(size, 1u);
}

TEST(CopyToBuffer, AnEmptyTextFitsInOneByte) {
    char buffer[1] = {'x'};
    std::uint32_t size = 1;
    EXPECT_EQ(CopyToBuffer("", buffer, size), 0u);
    EXPECT_EQ(buffer[0], '\0');
}

}  // namespace
