// The number and truth readers against small reference readers: same result, same value.
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

#include "shared/reply/reply_parsers.h"

namespace {

using namespace Kova::TesselApi::Shared;

int Digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

// An optional sign, then digits of the base, in 128-bit arithmetic with a cap, so no overflow here.
Result ReferenceInteger(std::string_view text, int base, bool signedReader, __int128 min, __int128 max,
                        __int128& value) {
    if (base < 2 || base > 36) return Error(BadArgument);
    std::size_t i = 0;
    const bool negative = signedReader && !text.empty() && text[0] == '-';
    if (negative) ++i;
    __int128 magnitude = 0;
    bool any = false;
    for (; i < text.size() && Digit(text[i]) < base; ++i) {
        any = true;
        if (magnitude <= max + 1) magnitude = magnitude * base + Digit(text[i]);
    }
    if (!any) return Error(BadArgument);
    const __int128 v = negative ? -magnitude : magnitude;
    if (v < min || v > max) return Error(OutOfRange);
    value = v;
    return kSuccess;
}

template <typename T>
void CheckInteger(std::string_view text, int base, bool signedReader, __int128 min, __int128 max) {
    T value = 7;
    Result result;
    if constexpr (std::is_signed_v<T>) {
        result = ParseInt(text.data(), text.data() + text.size(), value, base);
    } else {
        result = ParseUnsigned(text.data(), text.data() + text.size(), value, base);
    }
    __int128 expected = 7;
    const Result reference = ReferenceInteger(text, base, signedReader, min, max, expected);
    if (result != reference || (result == kSuccess && static_cast<__int128>(value) != expected)) std::abort();
}

// A plain decimal number ([-]digits[.digits][e[+-]digits]) read by from_chars, which must agree
// bit for bit with the reader.
bool PlainDecimal(std::string_view text) {
    std::size_t i = 0;
    auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        return i > start;
    };
    if (i < text.size() && text[i] == '-') ++i;
    if (!digits()) return false;
    if (i < text.size() && text[i] == '.') {
        ++i;
        if (!digits()) return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (!digits()) return false;
    }
    return i == text.size();
}

void CheckDouble(std::string_view text) {
    double value = 0;
    const Result result = ParseDouble(text.data(), text.data() + text.size(), value);
    if (text == "#INVALID_INF" || text == "#INVALID_NAN" || text == "#INVALID_SUB") {
        if (result != kSuccess) std::abort();
        return;
    }
    if (result == kSuccess && value == HUGE_VAL) std::abort();   // +inf is a Fail, never a value
    if (!PlainDecimal(text)) return;
    double expected = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), expected);
    if (error == std::errc::result_out_of_range) return;   // strtod and from_chars differ on ranges
    const Result reference = expected == HUGE_VAL ? Error(Fail) : kSuccess;
    if (result != reference) std::abort();
    if (result == kSuccess && std::memcmp(&value, &expected, sizeof value) != 0) std::abort();
}

bool WordAtStart(std::string_view text, std::string_view word) {
    if (text.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) != word[i]) return false;
    }
    return text.size() == word.size() || !std::isalpha(static_cast<unsigned char>(text[word.size()]));
}

void CheckBool(std::string_view text) {
    bool value = false;
    const Result result = ParseBool(text.data(), text.data() + text.size(), value);
    Result reference = kSuccess;
    bool expected = false;
    if (WordAtStart(text, "TRUE") || WordAtStart(text, "ON")) {
        expected = true;
    } else if (WordAtStart(text, "FALSE") || WordAtStart(text, "OFF")) {
        expected = false;
    } else {
        double number = 0;
        reference = ParseDouble(text.data(), text.data() + text.size(), number);
        expected = number != 0;
    }
    if (result != reference || (result == kSuccess && value != expected)) std::abort();
}

}  // namespace

// First byte: the base of the integer readers; the rest: the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int base = data[0] % 40;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    CheckInteger<std::int64_t>(text, base, true, INT64_MIN, INT64_MAX);
    CheckInteger<std::int32_t>(text, base, true, INT32_MIN, INT32_MAX);
    CheckInteger<std::uint64_t>(text, base, false, 0, UINT64_MAX);
    CheckInteger<std::uint32_t>(text, base, false, 0, UINT32_MAX);
    CheckDouble(text);
    CheckBool(text);
    return 0;
}
