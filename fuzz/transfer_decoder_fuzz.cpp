// The transfer stream decoder on any bytes: no crash, and the same data and messages however the
// stream is split into reads. The first byte chooses the size of the pieces.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shared/transfer/transfer_decoder.h"

namespace {

using namespace Kova::TesselApi::Shared;

struct Transcript : TransferDecoder::Sink {
    Result OnData(const std::uint8_t* bytes, std::size_t count) override {
        text.append(reinterpret_cast<const char*>(bytes), count);
        return kSuccess;
    }
    Result OnMessage(const ControlMessage& message) override {
        if (message.text.size() >= TransferDecoder::kMessageLimit) std::abort();
        text.push_back('<');
        text.push_back(static_cast<char>('0' + static_cast<int>(message.word)));
        text.append(message.text);
        if (message.word == ControlWord::Crc) text.append(std::to_string(message.crc));
        text.push_back('>');
        return kSuccess;
    }
    std::string text;
};

Result Decode(const std::uint8_t* data, std::size_t size, std::size_t piece, Transcript& sink) {
    TransferDecoder decoder;
    for (std::size_t at = 0; at < size; at += piece) {
        const std::size_t count = size - at < piece ? size - at : piece;
        if (const Result result = decoder.Feed(data + at, count, sink); result != kSuccess) return result;
    }
    return kSuccess;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t piece = 1 + data[0] % 64;
    Transcript whole;
    Transcript pieces;
    const Result wholeResult = Decode(data + 1, size - 1, size, whole);
    const Result piecesResult = Decode(data + 1, size - 1, piece, pieces);
    if (wholeResult != piecesResult || whole.text != pieces.text) std::abort();
    return 0;
}
