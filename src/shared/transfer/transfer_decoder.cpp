#include "shared/transfer/transfer_decoder.h"

#include "shared/transfer/transfer_framing.h"

namespace Kova::TesselApi::Shared {

namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (Upper(text[i]) != prefix[i]) return false;
    return true;
}

bool MatchesWord(std::string_view text, std::string_view word) {
    return text.size() <= word.size() && StartsWithNoCase(text, word.substr(0, text.size()));
}

bool ParseHex(std::string_view text, std::uint32_t& value) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) i += 2;
    std::uint32_t result = 0;
    std::size_t digits = 0;
    for (; i < text.size(); ++i, ++digits) {
        const char c = Upper(text[i]);
        if (c >= '0' && c <= '9')
            result = result * 16 + static_cast<std::uint32_t>(c - '0');
        else if (c >= 'A' && c <= 'F')
            result = result * 16 + static_cast<std::uint32_t>(c - 'A' + 10);
        else
            break;
    }
    if (digits == 0) return false;
    value = result;
    return true;
}

}  // namespace

ControlMessage ClassifyControlMessage(std::string_view text) {
    ControlMessage message;
    message.text = text;
    if (StartsWithNoCase(text, "CRC=")) {
        message.word = ParseHex(text.substr(4), message.crc) ? ControlWord::Crc : ControlWord::BadCrc;
        return message;
    }
    if (StartsWithNoCase(text, "FILE"))
        message.word = ControlWord::File;
    else if (MatchesWord(text, "ABORT"))
        message.word = ControlWord::Abort;
    else if (MatchesWord(text, "XON"))
        message.word = ControlWord::Xon;
    else if (MatchesWord(text, "XOFF"))
        message.word = ControlWord::Xoff;
    return message;
}

Result TransferDecoder::EndMessage(Sink& sink) {
    const ControlMessage message = ClassifyControlMessage(std::string_view(message_, messageLength_));
    if (const Result handled = sink.OnMessage(message); handled != kSuccess) return handled;
    switch (message.word) {
        case ControlWord::BadCrc: return Error(BadResponse);
        case ControlWord::File: state_ = State::Data; break;
        // An unknown text stays, and what follows is added to it.
        case ControlWord::Unknown: break;
        default: state_ = State::Idle; break;
    }
    return kSuccess;
}

Result TransferDecoder::Feed(const std::uint8_t* bytes, std::size_t count, Sink& sink) {
    std::size_t i = 0;
    while (i < count) {
        const std::uint8_t byte = bytes[i];
        if (byte == kSTX) {
            state_ = State::Message;
            messageLength_ = 0;
            ++i;
            continue;
        }
        switch (state_) {
            case State::Idle:
                ++i;
                break;
            case State::Message:
                ++i;
                if (byte == kETX) {
                    if (const Result ended = EndMessage(sink); ended != kSuccess) return ended;
                } else {
                    if (messageLength_ + 1 >= kMessageLimit) return Error(BufferTooSmall);
                    message_[messageLength_++] = static_cast<char>(byte);
                }
                break;
            case State::Data: {
                // Plain bytes go out as one run, straight from the input.
                std::size_t end = i;
                while (end < count && bytes[end] != kEscape && bytes[end] != kSTX) ++end;
                if (end > i) {
                    if (const Result taken = sink.OnData(bytes + i, end - i); taken != kSuccess) return taken;
                    i = end;
                } else {
                    state_ = State::DataEscape;
                    ++i;
                }
                break;
            }
            case State::DataEscape: {
                ++i;
                state_ = State::Data;
                std::uint8_t unescaped = 0;
                if (UnescapedByte(byte, unescaped)) {
                    if (const Result taken = sink.OnData(&unescaped, 1); taken != kSuccess) return taken;
                }
                break;
            }
        }
    }
    return kSuccess;
}

}  // namespace Kova::TesselApi::Shared
