#include "shared/reply/by_line_reply_parser.h"

namespace Kova::TesselApi::Shared {

template <std::uint32_t N>
Result ByLineReplyParser<N>::Feed(const char* data, std::uint32_t count, std::uint32_t& consumed) {
    consumed = 0;
    if (count == 0) return kSuccess;
    if (data == nullptr) return Error(BadArgument);

    Result result = kSuccess;
    std::uint32_t taken = 0;
    while (taken < count && !finished_ && result == kSuccess) {
        const char byte = data[taken];
        const auto code = static_cast<unsigned char>(byte);
        lastByte_ = byte;
        if (byte == '\n') {
            if (lineLength_ == 0) {
                finished_ = true;
            } else {
                result = OnLine(std::string_view(line_.Data(), lineLength_));
                lineLength_ = 0;
                line_.SetLength(0);
            }
        } else if (byte == '\r') {
            // Line ends may come as CR LF; the LF alone decides.
        } else if (code < 32 && byte != '\t') {
            finished_ = true;
            break;
        } else {
            if (lineLength_ + 1 >= line_.Capacity()) line_.Reserve(lineLength_ + 2);
            line_.Data()[lineLength_++] = byte;
            line_.SetLength(lineLength_);
        }
        ++taken;
    }
    consumed = taken;
    return result;
}

template class ByLineReplyParser<512>;

}  // namespace Kova::TesselApi::Shared
