// Reading controller replies: numbers, truth values, and replies split into lines. The fuzz targets
// hold the readers to reference readers on any input; these rows pin the edges an application meets.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "shared/reply/buffer_base.h"
#include "shared/reply/by_line_reply_parser.h"
#include "shared/reply/reply_parsers.h"

namespace {

using namespace Kova::TesselApi::Shared;

constexpr Result kFail = 0x100000001;
constexpr Result kBadArgument = 0x10000000c;
constexpr Result kOutOfRange = 0x100000017;

TEST(ParseInt, ReadsDigitsOfTheBaseWithinTheTypesRange) {
    struct Row {
        const char* text;
        int base;
        Result result;
        std::int64_t value;
    };
    const Row rows[] = {
        {"9223372036854775807", 10, kSuccess, INT64_MAX}, {"9223372036854775808", 10, kOutOfRange, 0},
        {"-17\r\n", 10, kSuccess, -17},                    {"-zZ", 36, kSuccess, -(35 * 36 + 35)},
        {"+5", 10, kBadArgument, 0},                       {"", 10, kBadArgument, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const std::string_view text = row.text;  // not terminated where the range ends
        std::int64_t value = 0;
        EXPECT_EQ(ParseInt(text.data(), text.data() + text.size(), value, row.base), row.result);
        if (row.result == kSuccess) {
            EXPECT_EQ(value, row.value);
        }
    }
    std::int32_t narrow = 0;
    const std::string_view tooWide = "2147483648";
    EXPECT_EQ(ParseInt(tooWide.data(), tooWide.data() + tooWide.size(), narrow, 10), kOutOfRange);
    std::uint32_t unsignedValue = 0;
    const std::string_view negative = "-1";
    EXPECT_EQ(ParseUnsigned(negative.data(), negative.data() + negative.size(), unsignedValue, 10), kBadArgument);
}

TEST(ParseDouble, ReadsNumbersAndTheControllersInvalidWords) {
    struct Row {
        const char* text;
        Result result;
        std::uint64_t bits;
    };
    const Row rows[] = {
        {"  -1e3 mm", kSuccess, std::bit_cast<std::uint64_t>(-1000.0)},
        {"#INVALID_NAN", kSuccess, 0x7FF8000000000000u},
        {"#INVALID_INF", kSuccess, 0x7FF0000000000000u},
        {"#INVALID_SUB", kSuccess, 1u},
        {"-1e999", kSuccess, 0xFFF0000000000000u},
        {"1e999", kFail, 0},
        {"#INVALID_NANX", kBadArgument, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const std::string_view text = row.text;
        double value = 7;
        EXPECT_EQ(ParseDouble(text.data(), text.data() + text.size(), value), row.result);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(value), row.result == kSuccess ? row.bits : std::bit_cast<std::uint64_t>(7.0));
    }
    const std::string reply = "12.5;99";
    double value = 0;
    EXPECT_EQ(ParseDouble(reply.data(), reply.data() + 3, value), kSuccess);  // stops at the range's end
    EXPECT_EQ(value, 12.0);
    EXPECT_EQ(ParseDouble(reply.data() + 1, reply.data(), value), kBadArgument);
    EXPECT_EQ(ParseDouble(nullptr, nullptr, value), kBadArgument);
}

TEST(ParseBool, ReadsWordsInAnyCaseAndNumbersAsNonZero) {
    struct Row {
        const char* text;
        Result result;
        bool value;
    };
    const Row rows[] = {
        {"OFF", kSuccess, false}, {"On\r\n", kSuccess, true}, {"OFFSET", kBadArgument, false},
        {"2.5", kSuccess, true},  {"-0.0", kSuccess, false}, {"1e999", kFail, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const std::string_view text = row.text;
        bool value = !row.value;
        EXPECT_EQ(ParseBool(text.data(), text.data() + text.size(), value), row.result);
        if (row.result == kSuccess) {
            EXPECT_EQ(value, row.value);
        }
    }
}

TEST(BufferBase, KeepsItsContentGrowingOntoTheHeapAndCutsItMovingBack) {
    BufferBase<char, 8, 32> buffer;
    std::memcpy(buffer.Data(), "0123456", 7);
    buffer.SetLength(7);
    buffer.Reserve(65);
    EXPECT_GE(buffer.Capacity(), 65u);
    EXPECT_STREQ(buffer.Data(), "0123456");
    std::memcpy(buffer.Data(), "0123456789", 10);
    buffer.SetLength(10);

    buffer.Reserve(8);
    EXPECT_EQ(buffer.Length(), 7u);
    EXPECT_STREQ(buffer.Data(), "0123456");
    buffer.Clear();
    EXPECT_EQ(buffer.Length(), 0u);
    EXPECT_EQ(buffer.Data()[0], 0);
}

// Records every line; fails on a line reading "bad".
class RecordingParser : public ByLineReplyParser<512> {
public:
    std::vector<std::string> lines;

protected:
    Result OnLine(std::string_view line) override {
        lines.emplace_back(line);
        return line == "bad" ? kFail : kSuccess;
    }
};

TEST(ByLineReplyParser, AControlByteEndsTheReplyUnconsumed) {
    RecordingParser parser;
    const std::string reply = std::string("done\n>>") + '\x04' + "after\n";
    std::uint32_t consumed = 0;
    EXPECT_EQ(parser.Feed(reply.data(), static_cast<std::uint32_t>(reply.size()), consumed), kSuccess);
    EXPECT_EQ(consumed, 7u);
    EXPECT_TRUE(parser.Finished());
    // The unfinished line is not handed over, and nothing more is taken.
    EXPECT_EQ(parser.lines, std::vector<std::string>{"done"});
    EXPECT_EQ(parser.Feed("x\n", 2, consumed), kSuccess);
    EXPECT_EQ(consumed, 0u);
}

TEST(ByLineReplyParser, StopsAtTheFirstFailingLine) {
    RecordingParser parser;
    const std::string_view reply = "ok\nbad\nlater\n";
    std::uint32_t consumed = 0;
    EXPECT_EQ(parser.Feed(reply.data(), static_cast<std::uint32_t>(reply.size()), consumed), kFail);
    EXPECT_EQ(consumed, 7u);
    EXPECT_EQ(parser.lines, (std::vector<std::string>{"ok", "bad"}));
}

TEST(ByLineReplyParser, MissingInputIsRefusedAndEmptyInputTakesNothing) {
    RecordingParser parser;
    std::uint32_t consumed = 5;
    EXPECT_EQ(parser.Feed(nullptr, 0, consumed), kSuccess);
    EXPECT_EQ(consumed, 0u);
    consumed = 5;
    EXPECT_EQ(parser.Feed(nullptr, 3, consumed), kBadArgument);
    EXPECT_EQ(consumed, 0u);
    EXPECT_FALSE(parser.Finished());
}

}  // namespace
