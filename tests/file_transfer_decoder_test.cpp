// The controller's side of the transfer stream taken apart without a socket.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shared/transfer/transfer_decoder.h"

namespace {

using namespace Kova::TesselApi::Shared;

constexpr Result kBufferTooSmall = 0x10000000e;
constexpr Result kBadResponse = 0x810000000b;

// Data and messages in the order they came, as one readable text: data as they are, messages as
// <word:text>.
struct Transcript : TransferDecoder::Sink {
    Result OnData(const std::uint8_t* bytes, std::size_t count) override {
        text.append(reinterpret_cast<const char*>(bytes), count);
        return kSuccess;
    }
    Result OnMessage(const ControlMessage& message) override {
        static const char* const kWords[] = {"crc", "badcrc", "file", "abort", "xon", "xoff", "?"};
        text.append("<").append(kWords[static_cast<int>(message.word)]).append(":").append(message.text).append(">");
        if (message.word == ControlWord::Crc) crcs.push_back(message.crc);
        return kSuccess;
    }
    std::string text;
    std::vector<std::uint32_t> crcs;
};

Result Feed(TransferDecoder& decoder, const std::string& bytes, Transcript& sink) {
    return decoder.Feed(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), sink);
}

TEST(TransferDecoder, UnescapesDataAndFramesMessagesWhereverTheReadsSplitThem) {
    const std::string stream = std::string("junk\x02" "FILE\x03" "ab\\h\\s\\e\\\\\\qc\x02" "xoff\x03" "ignored"
                                           "\x02" "XO\x03\x02" "crc= 0x1A2b\x03");
    const std::string expected = "<file:FILE>ab\x01\x02\x03\\c<xoff:xoff><xon:XO><crc:crc= 0x1A2b>";
    for (std::size_t piece = 1; piece <= stream.size(); ++piece) {
        TransferDecoder decoder;
        Transcript sink;
        for (std::size_t at = 0; at < stream.size(); at += piece)
            ASSERT_EQ(Feed(decoder, stream.substr(at, piece), sink), kSuccess) << piece;
        EXPECT_EQ(sink.text, expected) << piece;
        EXPECT_EQ(sink.crcs, std::vector<std::uint32_t>{0x1A2B}) << piece;
    }
}

TEST(TransferDecoder, ShortenedWordsCountAndUnknownTextsGrowUntilTheyMeanSomething) {
    TransferDecoder decoder;
    Transcript sink;
    // Any start of a word counts, the empty one as ABORT; "FILE" and "CRC=" only need to start it.
    ASSERT_EQ(Feed(decoder, "\x02" "ab\x03\x02\x03\x02" "files\x03" "d\x02" "what\x03" "?\x03", sink), kSuccess);
    EXPECT_EQ(sink.text, "<abort:ab><abort:><file:files>d<?:what><?:what?>");
}

TEST(TransferDecoder, AnOverlongMessageOrAnUnreadableCrcFails) {
    TransferDecoder longer;
    Transcript sink;
    EXPECT_EQ(Feed(longer, "\x02" + std::string(63, 'x') + "\x03", sink), kSuccess);
    EXPECT_EQ(Feed(longer, "\x02" + std::string(64, 'x'), sink), kBufferTooSmall);

    TransferDecoder unreadable;
    EXPECT_EQ(Feed(unreadable, "\x02" "CRC=zz\x03", sink), kBadResponse);
}

TEST(TransferDecoder, ASinkFailureStopsTheDecoding) {
    struct Refusing : Transcript {
        Result OnData(const std::uint8_t*, std::size_t) override { return kBufferTooSmall; }
    } sink;
    TransferDecoder decoder;
    EXPECT_EQ(Feed(decoder, "\x02" "FILE\x03" "data\x02" "ABORT\x03", sink), kBufferTooSmall);
    EXPECT_EQ(sink.text, "<file:FILE>");
}

}  // namespace
