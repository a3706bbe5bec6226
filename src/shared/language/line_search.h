// The search of a reply line by one of the reply patterns, on a bounded part of the line.
#pragma once

#include <algorithm>
#include <cstddef>
#include <regex>
#include <string_view>

namespace Kova::TesselApi::Shared {

// std::regex backtracks by recursion, about one level per character a repetition takes, and tries
// every start: on an unbounded line that costs the thread's stack and quadratic time. The patterns
// only look at this many bytes of a line; controller lines are far shorter.
inline constexpr std::size_t kPatternWindow = 1024;

inline bool SearchLine(std::string_view line, std::cmatch& match, const std::regex& pattern) {
    const std::size_t length = std::min(line.size(), kPatternWindow);
    return std::regex_search(line.data(), line.data() + length, match, pattern);
}

// The text of a group; empty when the group did not take part.
inline std::string_view GroupText(const std::cmatch& match, std::size_t group) {
    if (!match[group].matched) return {};
    return std::string_view(match[group].first, static_cast<std::size_t>(match[group].length()));
}

}  // namespace Kova::TesselApi::Shared
