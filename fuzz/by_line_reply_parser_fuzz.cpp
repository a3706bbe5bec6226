// The line-by-line reply parser, fed in pieces of any size, against a reference that reads the
// whole reply at once: the same lines, the same bytes taken, the same end.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "shared/reply/by_line_reply_parser.h"

namespace {

using namespace Kova::TesselApi::Shared;

// A line that starts with '!' fails, so the parser's stop on a failed line is covered too.
constexpr Result kLineFailure = 0x100000001;

class CollectingParser final : public ByLineReplyParser<512> {
public:
    std::vector<std::string> lines;

protected:
    Result OnLine(std::string_view line) override {
        lines.emplace_back(line);
        return line.front() == '!' ? kLineFailure : kSuccess;
    }
};

struct Reference {
    std::vector<std::string> lines;
    std::size_t taken = 0;
    bool finished = false;
    Result result = kSuccess;
};

// A line feed ends a line (an empty line ends the reply), a carriage return is skipped, any other
// control byte but tab ends the reply untaken.
Reference Read(std::string_view reply) {
    Reference r;
    std::string line;
    for (const char c : reply) {
        if (c == '\n') {
            ++r.taken;
            if (line.empty()) {
                r.finished = true;
                return r;
            }
            r.lines.push_back(line);
            if (line[0] == '!') {
                r.result = kLineFailure;
                return r;
            }
            line.clear();
        } else if (c == '\r') {
            ++r.taken;
        } else if (static_cast<unsigned char>(c) < 32 && c != '\t') {
            r.finished = true;
            return r;
        } else {
            ++r.taken;
            line += c;
        }
    }
    return r;
}

}  // namespace

// First byte: a seed for the piece sizes; the rest: the reply.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::uint32_t pieces = data[0] | 1u;
    const std::string_view reply(reinterpret_cast<const char*>(data + 1), size - 1);

    CollectingParser parser;
    std::size_t taken = 0;
    Result result = kSuccess;
    std::size_t at = 0;
    while (at < reply.size() && result == kSuccess && !parser.Finished()) {
        pieces = pieces * 1103515245u + 12345u;
        const std::size_t piece = std::min<std::size_t>(reply.size() - at, 1 + (pieces >> 16) % 700);
        std::uint32_t consumed = 0;
        result = parser.Feed(reply.data() + at, static_cast<std::uint32_t>(piece), consumed);
        if (consumed > piece) std::abort();
        taken += consumed;
        // A piece is taken whole unless the reply ended or a line failed in it.
        if (consumed < piece && result == kSuccess && !parser.Finished()) std::abort();
        at += piece;
    }

    const Reference expected = Read(reply);
    if (parser.lines != expected.lines || taken != expected.taken || result != expected.result ||
        parser.Finished() != expected.finished) {
        std::abort();
    }
    return 0;
}
