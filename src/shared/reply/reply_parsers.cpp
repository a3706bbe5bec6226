#include "shared/reply/reply_parsers.h"

#include <bit>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace Kova::TesselApi::Shared {

namespace {

bool ValidRange(const char* first, const char* last) {
    return first != nullptr && last != nullptr && first <= last;
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

// Reads the digits at first as a magnitude no larger than limit.
Result ReadMagnitude(const char* first, const char* last, int base, std::uint64_t limit,
                     std::uint64_t& magnitude) {
    if (base < 2 || base > 36) return Error(BadArgument);
    std::uint64_t value = 0;
    bool anyDigit = false;
    bool overflow = false;
    for (const char* p = first; p != last; ++p) {
        const int digit = DigitValue(*p);
        if (digit >= base) break;
        anyDigit = true;
        const auto b = static_cast<std::uint64_t>(base);
        const auto d = static_cast<std::uint64_t>(digit);
        if (value > (limit - d) / b) overflow = true;
        else value = value * b + d;
    }
    if (!anyDigit) return Error(BadArgument);
    if (overflow) return Error(OutOfRange);
    magnitude = value;
    return kSuccess;
}

template <typename Signed>
Result ReadSigned(const char* first, const char* last, Signed& value, int base) {
    if (!ValidRange(first, last)) return Error(BadArgument);
    const bool negative = first != last && *first == '-';
    if (negative) ++first;
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<Signed>::max());
    std::uint64_t magnitude = 0;
    const Result result = ReadMagnitude(first, last, base, negative ? kMax + 1 : kMax, magnitude);
    if (result != kSuccess) return result;
    // The most negative value has no positive counterpart: negate in unsigned arithmetic.
    value = negative ? static_cast<Signed>(0 - magnitude) : static_cast<Signed>(magnitude);
    return kSuccess;
}

template <typename Unsigned>
Result ReadUnsigned(const char* first, const char* last, Unsigned& value, int base) {
    if (!ValidRange(first, last)) return Error(BadArgument);
    std::uint64_t magnitude = 0;
    const Result result =
        ReadMagnitude(first, last, base, std::numeric_limits<Unsigned>::max(), magnitude);
    if (result != kSuccess) return result;
    value = static_cast<Unsigned>(magnitude);
    return kSuccess;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The word at the start of text in any case, ending the text or followed by a non-letter.
bool StartsWithWord(std::string_view text, std::string_view word) {
    if (text.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != word[i]) return false;
    }
    return text.size() == word.size() || !IsLetter(text[word.size()]);
}

}  // namespace

Result ParseDouble(const char* first, const char* last, double& value) {
    if (!ValidRange(first, last)) return Error(BadArgument);
    const std::string_view text(first, static_cast<std::size_t>(last - first));
    if (text == "#INVALID_SUB") {
        value = std::bit_cast<double>(std::uint64_t{1});
        return kSuccess;
    }
    if (text == "#INVALID_INF") {
        value = std::numeric_limits<double>::infinity();
        return kSuccess;
    }
    if (text == "#INVALID_NAN") {
        value = std::bit_cast<double>(std::uint64_t{0x7FF8000000000000});
        return kSuccess;
    }
    const std::string copy(text);
    char* end = nullptr;
    const double read = std::strtod(copy.c_str(), &end);
    if (end == copy.c_str()) return Error(BadArgument);
    if (read == std::numeric_limits<double>::infinity()) return Error(Fail);
    value = read;
    return kSuccess;
}

Result ParseInt(const char* first, const char* last, std::int64_t& value, int base) {
    return ReadSigned(first, last, value, base);
}

Result ParseInt(const char* first, const char* last, std::int32_t& value, int base) {
    return ReadSigned(first, last, value, base);
}

Result ParseUnsigned(const char* first, const char* last, std::uint64_t& value, int base) {
    return ReadUnsigned(first, last, value, base);
}

Result ParseUnsigned(const char* first, const char* last, std::uint32_t& value, int base) {
    return ReadUnsigned(first, last, value, base);
}

Result ParseBool(const char* first, const char* last, bool& value) {
    if (!ValidRange(first, last)) return Error(BadArgument);
    const std::string_view text(first, static_cast<std::size_t>(last - first));
    if (StartsWithWord(text, "TRUE") || StartsWithWord(text, "ON")) {
        value = true;
        return kSuccess;
    }
    if (StartsWithWord(text, "FALSE") || StartsWithWord(text, "OFF")) {
        value = false;
        return kSuccess;
    }
    double number = 0;
    const Result result = ParseDouble(first, last, number);
    if (result != kSuccess) return result;
    value = number != 0;
    return kSuccess;
}

}  // namespace Kova::TesselApi::Shared
