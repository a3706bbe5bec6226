// The lines of a listing reply held in a buffer: CR is dropped, LF ends a line, a NUL byte or the
// end of the reply ends the listing (a last line without LF still counts).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "shared/result.h"

namespace Kova::TesselApi::Shared {

// Longest entry or process name handed on; longer ones are cut.
inline constexpr std::size_t kListedNameLength = 131;

// Calls `line` for each line until it answers other than kSuccess; returns that answer, else
// kSuccess. kListingEnd stops the listing without a failure.
inline constexpr Result kListingEnd = ~Result{0};

template <class LineHandler>
Result ForEachListingLine(std::string_view reply, LineHandler&& handle) {
    std::string line;
    for (std::size_t at = 0;; ++at) {
        const bool end = at == reply.size() || reply[at] == '\0';
        if (end || reply[at] == '\n') {
            if (!end || !line.empty()) {
                const Result result = handle(std::string_view(line));
                if (result != kSuccess) return result == kListingEnd ? kSuccess : result;
                line.clear();
            }
            if (end) return kSuccess;
        } else if (reply[at] != '\r') {
            line.push_back(reply[at]);
        }
    }
}

// The text between the commas of a line, field by field.
class Fields {
public:
    explicit Fields(std::string_view line) : rest_(line) {}
    // The next field; false when the line has no more.
    bool Next(std::string_view& field) {
        if (done_) return false;
        const std::size_t comma = rest_.find(',');
        field = rest_.substr(0, comma);
        if (comma == std::string_view::npos) done_ = true;
        else rest_.remove_prefix(comma + 1);
        return true;
    }

private:
    std::string_view rest_;
    bool done_ = false;
};

// The field without surrounding blanks and tabs.
inline std::string_view Trimmed(std::string_view field) {
    const std::size_t first = field.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return field.substr(first, field.find_last_not_of(" \t") - first + 1);
}

// A field of decimal digits only, blanks around it allowed, that fits 32 bits.
inline bool ReadDecimal(std::string_view field, std::uint32_t& value) {
    const std::string_view digits = Trimmed(field);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return false;
    std::uint64_t number = 0;
    for (const char digit : digits) {
        number = number * 10 + static_cast<std::uint64_t>(digit - '0');
        if (number > UINT32_MAX) return false;
    }
    value = static_cast<std::uint32_t>(number);
    return true;
}

}  // namespace Kova::TesselApi::Shared
