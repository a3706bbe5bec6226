// Readers for the values the controller prints in its replies. Each takes the text from first up
// to (not including) last; the text need not be NUL-terminated.
#pragma once

#include <cstdint>

#include "shared/result.h"

namespace Kova::TesselApi::Shared {

// strtod, plus the controller's words for values it cannot print: "#INVALID_SUB" (the smallest
// subnormal), "#INVALID_INF" and "#INVALID_NAN". Positive infinity from strtod is a Fail.
Result ParseDouble(const char* first, const char* last, double& value);

// An optional minus sign, then digits of the base (letters of either case above 9); reading stops
// at the first other character. No digit: BadArgument; beyond the type's range: OutOfRange.
Result ParseInt(const char* first, const char* last, std::int64_t& value, int base);
Result ParseInt(const char* first, const char* last, std::int32_t& value, int base);

// As ParseInt without a sign.
Result ParseUnsigned(const char* first, const char* last, std::uint64_t& value, int base);
Result ParseUnsigned(const char* first, const char* last, std::uint32_t& value, int base);

// "TRUE", "ON", "FALSE", "OFF" (any case, not followed by a letter), else a number that is true
// when not 0.
Result ParseBool(const char* first, const char* last, bool& value);

}  // namespace Kova::TesselApi::Shared
