#include "vireo/command_line/line_format.h"

#include <charconv>
#include <initializer_list>

namespace Kova::TesselApi::Vireo::CommandLine {

namespace {

// The pieces one after the other, each appended in place.
std::string Join(std::initializer_list<std::string_view> pieces) {
    std::size_t length = 0;
    for (const std::string_view piece : pieces) length += piece.size();
    std::string line;
    line.reserve(length);
    for (const std::string_view piece : pieces) line.append(piece.data(), piece.size());
    return line;
}

// "(index)" in decimal.
class Bracketed {
public:
    explicit Bracketed(std::int32_t index) {
        text_[0] = '(';
        char* end = std::to_chars(text_ + 1, text_ + sizeof text_ - 1, index).ptr;
        *end++ = ')';
        length_ = static_cast<std::size_t>(end - text_);
    }
    operator std::string_view() const { return {text_, length_}; }

private:
    char text_[16];
    std::size_t length_;
};

}  // namespace

std::string QueryLine(std::string_view name) { return Join({"?", name, ";"}); }

std::string ModifiedQueryLine(std::string_view name, std::string_view modifier, std::int32_t index) {
    return Join({"?", name, " ", modifier, Bracketed(index), ";"});
}

std::string IndexedQueryLine(std::string_view name, std::int32_t index) {
    return Join({"?", name, Bracketed(index), ";"});
}

std::string PrintLine(std::string_view name) { return Join({"PRINT ", name, ";"}); }

std::string AssignmentLine(std::string_view name, std::string_view value) { return Join({name, "=", value}); }

std::string ModifiedAssignmentLine(std::string_view name, std::string_view modifier, std::int32_t index,
                                   std::string_view value) {
    return Join({name, " ", modifier, Bracketed(index), "=", value});
}

std::string TextAssignmentLine(std::string_view name, std::string_view text) {
    return Join({name, "=\"", text, "\""});
}

std::string CompileLine(std::string_view name) { return Join({"COMPILE \"", name, "\""}); }

std::string RemoteCrcLine(std::string_view name) { return Join({"!", name, ",z"}); }

std::string FunctionListLine(std::uint32_t mode, std::string_view filter, std::uint32_t first, std::uint32_t second) {
    const std::string numbers = second != 0  ? Join({",", ValueText(first), ",", ValueText(second)})
                                : first != 0 ? Join({",", ValueText(first)})
                                             : std::string();
    return Join({"FUNCTION_LIST(", ValueText(mode), ",\"", filter, "\"", numbers, ")"});
}

std::string FunctionParamCountLine(std::string_view name) { return Join({"FUNCTION_LIST(\"", name, "\")"}); }

std::string FunctionParamTypeLine(std::string_view name, std::uint32_t index) {
    return Join({"FUNCTION_LIST(\"", name, "\",", ValueText(index), ")"});
}

}  // namespace Kova::TesselApi::Vireo::CommandLine
