#include "shared/programs/process_listing.h"

#include <cmath>
#include <limits>
#include <string>

#include "shared/programs/listing_lines.h"
#include "shared/reply/reply_parsers.h"

namespace Kova::TesselApi::Shared {

namespace {

constexpr std::size_t kFieldCount = 7;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits up to the separator, taken from the front of text.
bool TakeWhole(std::string_view& text, char separator, std::uint32_t& value) {
    const std::size_t end = text.find(separator);
    if (end == std::string_view::npos || !ReadDecimal(text.substr(0, end), value)) return false;
    text.remove_prefix(end + 1);
    return true;
}

// D.H:M:S with a fraction allowed on the seconds, in milliseconds (the fraction cut to whole ones).
bool ReadElapsed(std::string_view field, std::int64_t& milliseconds) {
    std::string_view text = Trimmed(field);
    std::uint32_t days = 0, hours = 0, minutes = 0, seconds = 0;
    if (!TakeWhole(text, '.', days) || !TakeWhole(text, ':', hours) || !TakeWhole(text, ':', minutes)) return false;
    const std::size_t point = text.find('.');
    if (!ReadDecimal(text.substr(0, point), seconds)) return false;
    std::int64_t fraction = 0;
    if (point != std::string_view::npos) {
        const std::string_view digits = text.substr(point + 1);
        if (digits.empty()) return false;
        std::int64_t scale = 100;
        for (const char digit : digits) {
            if (!IsDigit(digit)) return false;
            fraction += (digit - '0') * scale;
            scale /= 10;
        }
    }
    // At most 2^32 days: far inside 64 bits.
    milliseconds = ((static_cast<std::int64_t>(days) * 24 + hours) * 60 + minutes) * 60000 +
                   static_cast<std::int64_t>(seconds) * 1000 + fraction;
    return true;
}

bool ReadLoad(std::string_view field, double& load) {
    const std::string_view text = Trimmed(field);
    if (text == "*") {
        load = std::numeric_limits<double>::quiet_NaN();
        return true;
    }
    return !text.empty() && ParseDouble(text.data(), text.data() + text.size(), load) == kSuccess;
}

Result ReadProcess(std::string_view line, const ProcessSink& sink) {
    std::string_view field[kFieldCount + 1];
    Fields fields(line);
    std::size_t count = 0;
    while (count <= kFieldCount && fields.Next(field[count])) ++count;
    if (count != kFieldCount) return Error(BadResponse);

    // The record is packed: its fields are read into locals first.
    std::uint32_t process = 0, priority = 0, programLine = 0;
    std::int64_t elapsed = 0;
    double load = 0;
    const std::string_view kind = Trimmed(field[6]);
    if (!ReadDecimal(field[0], process) || !ReadDecimal(field[1], priority) || !ReadDecimal(field[3], programLine) ||
        !ReadElapsed(field[4], elapsed) || !ReadLoad(field[5], load) || kind.empty()) {
        return Error(BadResponse);
    }
    if (kind == "BASIC") {
        const kova_process_info info{process, priority, programLine, elapsed, load};
        const std::string name(Trimmed(field[2]).substr(0, kListedNameLength));
        sink(info, name.c_str());
    }
    return kSuccess;
}

}  // namespace

Result ReadProcessListing(std::string_view reply, const ProcessSink& sink) {
    return ForEachListingLine(reply, [&](std::string_view line) {
        const std::string_view text = Trimmed(line);
        return !text.empty() && IsDigit(text.front()) ? ReadProcess(line, sink) : kSuccess;
    });
}

}  // namespace Kova::TesselApi::Shared
