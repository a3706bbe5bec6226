// Splits a controller reply, delivered in pieces of any size, into lines for a derived parser.
// An empty line or a control byte (other than tab, carriage return and line feed) ends the reply.
#pragma once

#include <cstdint>
#include <string_view>

#include "shared/reply/buffer_base.h"
#include "shared/result.h"

namespace Kova::TesselApi::Shared {

template <std::uint32_t N>
class ByLineReplyParser {
public:
    ByLineReplyParser() = default;
    ByLineReplyParser(const ByLineReplyParser&) = delete;
    ByLineReplyParser& operator=(const ByLineReplyParser&) = delete;
    virtual ~ByLineReplyParser() = default;

    // Takes bytes until the reply ends or a line handler fails; consumed tells how many were
    // taken. A control byte that ends the reply stays unconsumed. Returns the first failure of
    // OnLine, else success.
    virtual Result Feed(const char* data, std::uint32_t count, std::uint32_t& consumed);

    bool Finished() const { return finished_; }

protected:
    // One complete line, without its line end.
    virtual Result OnLine(std::string_view line) = 0;

    char LastByte() const { return lastByte_; }

private:
    BufferBase<char, N, 32> line_;
    std::uint32_t lineLength_ = 0;
    bool finished_ = false;
    char lastByte_ = 0;
};

extern template class ByLineReplyParser<512>;

}  // namespace Kova::TesselApi::Shared
