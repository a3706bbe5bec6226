// Reading controller replies: numbers, truth values, and replies split into lines.
#include <gtest/gtest.h>

#include <algorithm>
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

// The parsers take [first, last); the views here are not terminated where they end.
template <typename T>
Result Int(std::string_view text, T& value, int base = 10) {
    return ParseInt(text.data(), text.data() + text.size(), value, base);
}
template <typename T>
Result Unsigned(std::string_view text, T& value, int base = 10) {
    return ParseUnsigned(text.data(), text.data() + text.size(), value, base);
}
Result Double(std::string_view text, double& value) {
    return ParseDouble(text.data(), text.data() + text.size(), value);
}
Result Bool(std::string_view text, bool& value) {
    return ParseBool(text.data(), text.data() + text.size(), value);
}

TEST(ParseDouble, ReadsNumbersAndTheControllersInvalidWords) {
    double v = 0;
    EXPECT_EQ(Double("3.25", v), kSuccess);
    EXPECT_EQ(v, 3.25);
    EXPECT_EQ(Double("  -1e3 mm", v), kSuccess);
    EXPECT_EQ(v, -1000.0);

    EXPECT_EQ(Double("#INVALID_NAN", v), kSuccess);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(v), 0x7FF8000000000000u);
    EXPECT_EQ(Double("#INVALID_INF", v), kSuccess);
    EXPECT_TRUE(std::isinf(v) && v > 0);
    EXPECT_EQ(Double("#INVALID_SUB", v), kSuccess);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(v), 1u);
}

TEST(ParseDouble, RejectsWhatIsNotANumber) {
    double v = 7;
    EXPECT_EQ(Double("#INVALID_NANX", v), kBadArgument);
    EXPECT_EQ(Double("#INVALID_NA", v), kBadArgument);
    EXPECT_EQ(Double("", v), kBadArgument);
    EXPECT_EQ(Double("abc", v), kBadArgument);
    EXPECT_EQ(v, 7);  // untouched on failure
    EXPECT_EQ(Double("1e999", v), kFail);
    EXPECT_EQ(Double("inf", v), kFail);
    EXPECT_EQ(Double("-1e999", v), kSuccess);
    EXPECT_TRUE(std::isinf(v) && v < 0);

    const char text[] = "12";
    EXPECT_EQ(ParseDouble(text + 1, text, v), kBadArgument);
    EXPECT_EQ(ParseDouble(nullptr, nullptr, v), kBadArgument);
}

TEST(ParseDouble, StopsAtTheEndOfTheRangeNotAtTheTerminator) {
    const std::string reply = "12.5;99";
    double v = 0;
    EXPECT_EQ(ParseDouble(reply.data(), reply.data() + 3, v), kSuccess);
    EXPECT_EQ(v, 12.0);
}

TEST(ParseInt, ReadsSignedValuesUpTo64BitLimits) {
    std::int64_t v = 0;
    EXPECT_EQ(Int("9223372036854775807", v), kSuccess);
    EXPECT_EQ(v, INT64_MAX);
    EXPECT_EQ(Int("-9223372036854775808", v), kSuccess);
    EXPECT_EQ(v, INT64_MIN);
    EXPECT_EQ(Int("9223372036854775808", v), kOutOfRange);
    EXPECT_EQ(Int("-9223372036854775809", v), kOutOfRange);
    EXPECT_EQ(Int("99999999999999999999999", v), kOutOfRange);
    EXPECT_EQ(Int("-0", v), kSuccess);
    EXPECT_EQ(v, 0);
}

TEST(ParseInt, StopsAtTheFirstNonDigitAndNeedsOne) {
    std::int64_t v = 5;
    EXPECT_EQ(Int("42.9", v), kSuccess);
    EXPECT_EQ(v, 42);
    EXPECT_EQ(Int("-17\r\n", v), kSuccess);
    EXPECT_EQ(v, -17);
    EXPECT_EQ(Int("", v), kBadArgument);
    EXPECT_EQ(Int("-", v), kBadArgument);
    EXPECT_EQ(Int("+5", v), kBadArgument);
    EXPECT_EQ(Int(" 5", v), kBadArgument);
    EXPECT_EQ(Int("x", v), kBadArgument);
    EXPECT_EQ(v, -17);
}

TEST(ParseInt, DigitsAboveNineAreLettersOfEitherCase) {
    std::int64_t v = 0;
    EXPECT_EQ(Int("fF", v, 16), kSuccess);
    EXPECT_EQ(v, 255);
    EXPECT_EQ(Int("-zZ", v, 36), kSuccess);
    EXPECT_EQ(v, -(35 * 36 + 35));
    EXPECT_EQ(Int("1012", v, 2), kSuccess);
    EXPECT_EQ(v, 5);
    EXPECT_EQ(Int("12a", v, 10), kSuccess);
    EXPECT_EQ(v, 12);
}

TEST(ParseInt, The32BitReaderChecksThe32BitRange) {
    std::int32_t v = 0;
    EXPECT_EQ(Int("2147483647", v), kSuccess);
    EXPECT_EQ(v, INT32_MAX);
    EXPECT_EQ(Int("-2147483648", v), kSuccess);
    EXPECT_EQ(v, INT32_MIN);
    EXPECT_EQ(Int("2147483648", v), kOutOfRange);
    EXPECT_EQ(Int("-2147483649", v), kOutOfRange);
}

TEST(ParseUnsigned, TakesNoSignAndChecksItsRange) {
    std::uint64_t v64 = 0;
    EXPECT_EQ(Unsigned("18446744073709551615", v64), kSuccess);
    EXPECT_EQ(v64, UINT64_MAX);
    EXPECT_EQ(Unsigned("18446744073709551616", v64), kOutOfRange);
    EXPECT_EQ(Unsigned("-1", v64), kBadArgument);

    std::uint32_t v32 = 0;
    EXPECT_EQ(Unsigned("4294967295", v32), kSuccess);
    EXPECT_EQ(v32, UINT32_MAX);
    EXPECT_EQ(Unsigned("4294967296", v32), kOutOfRange);
    EXPECT_EQ(Unsigned("FFFFFFFF", v32, 16), kSuccess);
    EXPECT_EQ(v32, UINT32_MAX);
}

TEST(ParseBool, ReadsTheWordsInAnyCase) {
    bool v = false;
    EXPECT_EQ(Bool("true", v), kSuccess);
    EXPECT_TRUE(v);
    EXPECT_EQ(Bool("OFF", v), kSuccess);
    EXPECT_FALSE(v);
    EXPECT_EQ(Bool("On", v), kSuccess);
    EXPECT_TRUE(v);
    EXPECT_EQ(Bool("False", v), kSuccess);
    EXPECT_FALSE(v);
    EXPECT_EQ(Bool("ON\r\n", v), kSuccess);
    EXPECT_TRUE(v);
    EXPECT_EQ(Bool("off1", v), kSuccess);
    EXPECT_FALSE(v);
}

TEST(ParseBool, AWordFollowedByALetterIsReadAsANumber) {
    bool v = true;
    EXPECT_EQ(Bool("ONE", v), kBadArgument);
    EXPECT_EQ(Bool("TRUEISH", v), kBadArgument);
    EXPECT_EQ(Bool("OFFSET", v), kBadArgument);
    EXPECT_TRUE(v);
}

TEST(ParseBool, NumbersAreTrueUnlessZero) {
    bool v = false;
    EXPECT_EQ(Bool("2.5", v), kSuccess);
    EXPECT_TRUE(v);
    EXPECT_EQ(Bool("0", v), kSuccess);
    EXPECT_FALSE(v);
    EXPECT_EQ(Bool("-0.0", v), kSuccess);
    EXPECT_FALSE(v);
    EXPECT_EQ(Bool("#INVALID_NAN", v), kSuccess);
    EXPECT_TRUE(v);
    EXPECT_EQ(Bool("1e999", v), kFail);
    EXPECT_EQ(Bool("", v), kBadArgument);
}

TEST(BufferBase, GrowsInStepsAndKeepsItsContent) {
    BufferBase<char, 16, 32> buffer;
    EXPECT_EQ(buffer.Capacity(), 16u);
    EXPECT_FALSE(buffer.OnHeap());
    std::memcpy(buffer.Data(), "hello", 5);
    buffer.SetLength(5);

    buffer.Reserve(16);  // fits already
    EXPECT_FALSE(buffer.OnHeap());
    buffer.Reserve(17);
    EXPECT_TRUE(buffer.OnHeap());
    EXPECT_EQ(buffer.Capacity(), 32u);
    EXPECT_STREQ(buffer.Data(), "hello");
    buffer.Reserve(65);
    EXPECT_EQ(buffer.Capacity(), 96u);
    EXPECT_STREQ(buffer.Data(), "hello");
    EXPECT_EQ(buffer.Length(), 5u);
}

TEST(BufferBase, MovesBackInsideCuttingToTheInlineSize) {
    BufferBase<unsigned char, 8, 32> buffer;
    buffer.Reserve(40);
    std::memcpy(buffer.Data(), "0123456789", 10);
    buffer.SetLength(10);

    buffer.Reserve(8);
    EXPECT_FALSE(buffer.OnHeap());
    EXPECT_EQ(buffer.Capacity(), 8u);
    EXPECT_EQ(buffer.Length(), 7u);
    EXPECT_STREQ(reinterpret_cast<const char*>(buffer.Data()), "0123456");

    buffer.Reserve(100);
    buffer.Clear();
    EXPECT_FALSE(buffer.OnHeap());
    EXPECT_EQ(buffer.Capacity(), 8u);
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

// Feeds the reply in pieces of the given size; returns the total consumed.
std::uint32_t FeedInPieces(RecordingParser& parser, std::string_view reply, std::size_t piece) {
    std::uint32_t total = 0;
    for (std::size_t at = 0; at < reply.size() && !parser.Finished(); at += piece) {
        const auto n = static_cast<std::uint32_t>(std::min(piece, reply.size() - at));
        std::uint32_t consumed = 99;
        EXPECT_EQ(parser.Feed(reply.data() + at, n, consumed), kSuccess);
        total += consumed;
    }
    return total;
}

TEST(ByLineReplyParser, LinesSurviveEveryChunkBoundary) {
    const std::string reply = "first line\r\n\tsecond\xE9\r\nthird\n\r\nnot read\n";
    for (std::size_t piece = 1; piece <= reply.size(); ++piece) {
        RecordingParser parser;
        const std::uint32_t consumed = FeedInPieces(parser, reply, piece);
        SCOPED_TRACE(piece);
        EXPECT_EQ(parser.lines, (std::vector<std::string>{"first line", "\tsecond\xE9", "third"}));
        EXPECT_TRUE(parser.Finished());
        // Everything up to and including the line feed of the empty line.
        EXPECT_EQ(consumed, reply.find("not read"));
    }
}

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
    EXPECT_EQ(parser.lines.size(), 1u);

    RecordingParser nul;
    EXPECT_EQ(nul.Feed("\0", 1, consumed), kSuccess);
    EXPECT_EQ(consumed, 0u);
    EXPECT_TRUE(nul.Finished());
}

TEST(ByLineReplyParser, StopsAtTheFirstFailingLine) {
    RecordingParser parser;
    const std::string_view reply = "ok\nbad\nlater\n";
    std::uint32_t consumed = 0;
    EXPECT_EQ(parser.Feed(reply.data(), static_cast<std::uint32_t>(reply.size()), consumed), kFail);
    EXPECT_EQ(consumed, 7u);
    EXPECT_EQ(parser.lines, (std::vector<std::string>{"ok", "bad"}));
    EXPECT_FALSE(parser.Finished());
}

TEST(ByLineReplyParser, LongLinesGrowTheBuffer) {
    RecordingParser parser;
    const std::string longLine(5000, 'a');
    const std::string reply = longLine + "\nb\n\n";
    EXPECT_EQ(FeedInPieces(parser, reply, 333), reply.size());
    EXPECT_EQ(parser.lines, (std::vector<std::string>{longLine, "b"}));
}

TEST(ByLineReplyParser, EmptyAndMissingInput) {
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
