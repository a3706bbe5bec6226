// What the controller sends on the file transfer stream, taken apart without a socket: control
// messages framed by STX and ETX, and, after a "FILE" message, file data with their escapes removed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "shared/result.h"

namespace Kova::TesselApi::Shared {

// BadCrc: "CRC=" without a readable value.
enum class ControlWord { Crc, BadCrc, File, Abort, Xon, Xoff, Unknown };

struct ControlMessage {
    ControlWord word = ControlWord::Unknown;
    std::string_view text;   // as received; valid during the call
    std::uint32_t crc = 0;   // the controller's CRC of a Crc message
};

// Controllers may shorten their words: any start of the word counts, the empty text included.
// "CRC=" and "FILE" only need to start the text.
ControlMessage ClassifyControlMessage(std::string_view text);

class TransferDecoder {
public:
    // The longest control message is one byte shorter.
    static constexpr std::size_t kMessageLimit = 64;

    class Sink {
    public:
        // A run of unescaped file data, valid during the call.
        virtual Result OnData(const std::uint8_t* bytes, std::size_t count) = 0;
        // Every complete message, known or not; the data before it have been handed out already.
        virtual Result OnMessage(const ControlMessage& message) = 0;

    protected:
        ~Sink() = default;
    };

    // Stops at the first failure and answers it: the sink's, BufferTooSmall for a message that
    // reaches the limit, BadResponse for a CRC message without a readable value.
    Result Feed(const std::uint8_t* bytes, std::size_t count, Sink& sink);

private:
    enum class State { Idle, Message, Data, DataEscape };

    Result EndMessage(Sink& sink);

    State state_ = State::Idle;
    char message_[kMessageLimit] = {};
    std::size_t messageLength_ = 0;
};

}  // namespace Kova::TesselApi::Shared
