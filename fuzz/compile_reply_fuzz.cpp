// The compile message parser, fed in pieces of any size: the same messages and first error as
// when fed whole, well-formed types, and the first error taken from the first error message.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "shared/language/compile_reply_parser.h"

namespace {

using namespace Kova::TesselApi::Shared;

struct Message {
    std::uint32_t type, line, code;
    std::string program, text;
    bool operator==(const Message&) const = default;
};

struct Outcome {
    std::vector<Message> messages;
    Result firstError;
};

Outcome Parse(std::string_view reply, std::size_t piece) {
    Outcome outcome;
    CompileReplyParser parser([&](std::uint32_t type, std::string_view program, std::uint32_t line,
                                  std::uint32_t code, std::string_view text) {
        outcome.messages.push_back({type, line, code, std::string(program), std::string(text)});
    });
    for (std::size_t at = 0; at < reply.size() && !parser.Finished(); at += piece) {
        const std::string_view part = reply.substr(at, piece);
        std::uint32_t consumed = 0;
        if (parser.Feed(part.data(), static_cast<std::uint32_t>(part.size()), consumed) != kSuccess) std::abort();
    }
    outcome.firstError = parser.FirstError();
    return outcome;
}

}  // namespace

// First byte: the piece size; the rest: the reply.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t piece = data[0] % 64 + 1;
    const std::string_view reply(reinterpret_cast<const char*>(data + 1), size - 1);
    const Outcome whole = Parse(reply, reply.size() + 1);
    const Outcome pieces = Parse(reply, piece);
    if (whole.messages != pieces.messages || whole.firstError != pieces.firstError) std::abort();

    Result expected = kSuccess;
    for (const Message& message : whole.messages) {
        if (message.type > KOVA_COMPILE_LINK_ERROR) std::abort();
        const bool error = message.type == KOVA_COMPILE_ERROR || message.type == KOVA_COMPILE_LINK_ERROR;
        if (error && expected == kSuccess) expected = ControllerError(message.code);
        const bool progress = message.type >= KOVA_COMPILE_COMPILING && message.type <= KOVA_COMPILE_PASS;
        if (progress && (message.line != 0 || message.code != 0 || !message.text.empty())) std::abort();
    }
    if (whole.firstError != expected) std::abort();
    return 0;
}
