#include "shared/language/function_list_parsers.h"

#include <regex>

#include "shared/language/line_search.h"
#include "shared/reply/reply_parsers.h"

namespace Kova::TesselApi::Shared {

namespace {

const std::regex kInfoLine(R"((\w+)\[(\d+)\]:(\w+)\(((\w+):(\w+)(?:,(\w+):(\w+))*)?\):(\w+))",
                           std::regex::ECMAScript);
const std::regex kParameter(R"((\w+):(\w+))", std::regex::ECMAScript);

enum InfoGroup { kName = 1, kIndex = 2, kWord = 3, kParameters = 4, kReturnType = 9 };

}  // namespace

Result FunctionNameReplyParser::OnLine(std::string_view line) {
    if (!line.empty() && sink_) sink_(line);
    return kSuccess;
}

Result FunctionInfoReplyParser::OnLine(std::string_view line) {
    paramNames_.clear();
    paramTypes_.clear();
    std::cmatch match;
    if (!SearchLine(line, match, kInfoLine)) return kSuccess;

    const std::string_view indexText = GroupText(match, kIndex);
    std::uint32_t index = 0;
    // An index the description cannot carry: the line is dropped like one that does not match.
    if (ParseUnsigned(indexText.data(), indexText.data() + indexText.size(), index, 10) != kSuccess) return kSuccess;

    const std::string_view parameters = GroupText(match, kParameters);
    for (std::cregex_iterator it(parameters.data(), parameters.data() + parameters.size(), kParameter), end;
         it != end; ++it) {
        paramNames_.push_back(GroupText(*it, 1));
        paramTypes_.push_back(BasicDataTypeOf(GroupText(*it, 2)));
    }
    if (sink_) {
        sink_(GroupText(match, kName), index, GroupText(match, kWord), BasicDataTypeOf(GroupText(match, kReturnType)),
              static_cast<std::uint32_t>(paramTypes_.size()), paramTypes_.data(), paramNames_.data());
    }
    return kSuccess;
}

}  // namespace Kova::TesselApi::Shared
