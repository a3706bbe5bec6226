#include "shared/language/compile_reply_parser.h"

#include <regex>

#include "shared/language/line_search.h"
#include "shared/reply/reply_parsers.h"

namespace Kova::TesselApi::Shared {

namespace {

// A message line: "%[KIND Line PROGRAM:LINE] (CODE) - TEXT". The text is the rest of the line; it
// is taken from the line itself rather than by a last group, so a long text is never cut by the
// pattern's window.
const std::regex kMessageLine(R"(%\[(\w+) Line (\w+):(\d+)\] \((\d+)\) - )", std::regex::ECMAScript);

struct MessageKind {
    std::string_view word;
    std::uint32_t type;
};

constexpr MessageKind kMessageKinds[] = {
    {"COMPILE", KOVA_COMPILE_ERROR},
    {"COMPILEW", KOVA_COMPILE_WARNING},
    {"LINK", KOVA_COMPILE_LINK_ERROR},
};

struct ProgressLine {
    std::string_view start;
    std::uint32_t type;
    bool named;   // the rest of the line names the program
};

constexpr ProgressLine kProgressLines[] = {
    {"Compiling ", KOVA_COMPILE_COMPILING, true},
    {"Linking ", KOVA_COMPILE_LINKING, true},
    {"Pass=", KOVA_COMPILE_PASS, false},
};

std::uint32_t TypeOf(std::string_view kind) {
    for (const MessageKind& known : kMessageKinds) {
        if (known.word == kind) return known.type;
    }
    return KOVA_COMPILE_MESSAGE;
}

// Leading decimal digits; 0 when there are none or they do not fit.
std::uint32_t NumberOr0(std::string_view digits) {
    std::uint32_t value = 0;
    return ParseUnsigned(digits.data(), digits.data() + digits.size(), value, 10) == kSuccess ? value : 0;
}

}  // namespace

Result CompileReplyParser::OnLine(std::string_view line) {
    std::cmatch match;
    if (SearchLine(line, match, kMessageLine)) {
        const std::uint32_t type = TypeOf(GroupText(match, 1));
        const std::uint32_t code = NumberOr0(GroupText(match, 4));
        const std::size_t textStart = static_cast<std::size_t>(match[0].second - line.data());
        Deliver(type, GroupText(match, 2), NumberOr0(GroupText(match, 3)), code, line.substr(textStart));
        const bool error = type == KOVA_COMPILE_ERROR || type == KOVA_COMPILE_LINK_ERROR;
        if (error && firstError_ == kSuccess) firstError_ = ControllerError(code);
        return kSuccess;
    }
    for (const ProgressLine& progress : kProgressLines) {
        // A progress line needs something behind its start.
        if (line.size() > progress.start.size() && line.starts_with(progress.start)) {
            Deliver(progress.type, progress.named ? line.substr(progress.start.size()) : std::string_view(), 0, 0, {});
            return kSuccess;
        }
    }
    return kSuccess;
}

void CompileReplyParser::Deliver(std::uint32_t type, std::string_view program, std::uint32_t line,
                                 std::uint32_t code, std::string_view text) const {
    if (sink_) sink_(type, program, line, code, text);
}

}  // namespace Kova::TesselApi::Shared
