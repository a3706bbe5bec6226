// The 64-bit outcome of every export and operation, and the library's own codes.
#pragma once

#include <cstdint>

namespace Kova::TesselApi::Shared {

using Result = std::uint64_t;

// Kind bits and the fatal mark of a result.
inline constexpr Result kLibraryKind = 0x100000000ull;
inline constexpr Result kSystemKind = 0x200000000ull;
inline constexpr Result kControllerKind = 0x400000000ull;
inline constexpr Result kFatalMark = 0x8000000000ull;

// How each code is produced; the table lives in errors/error_codes.def with the codes' texts.
enum class ErrorMark { Plain, Fatal, CaughtOnly, NotProduced };

enum ErrorCode : std::uint32_t {
#define KOVA_ERROR_CODE(code, name, description, mark) name = code,
#include "shared/errors/error_codes.def"
#undef KOVA_ERROR_CODE
};

inline constexpr std::uint32_t kErrorCodeCount = 0
#define KOVA_ERROR_CODE(code, name, description, mark) +1
#include "shared/errors/error_codes.def"
#undef KOVA_ERROR_CODE
    ;

constexpr ErrorMark MarkOf(ErrorCode code) {
    switch (code) {
#define KOVA_ERROR_CODE(code, name, description, mark) \
    case name:                                          \
        return ErrorMark::mark;
#include "shared/errors/error_codes.def"
#undef KOVA_ERROR_CODE
    }
    return ErrorMark::Plain;
}

// Transport and binding failures leave the connection unusable; they carry the fatal mark.
// Api_Unknown gets it only as kCaughtException.
constexpr bool IsFatal(ErrorCode code) { return MarkOf(code) == ErrorMark::Fatal; }

// The result of a library code, with the mark that code is always produced with.
constexpr Result Error(ErrorCode code) {
    return kLibraryKind | (IsFatal(code) ? kFatalMark : 0) | code;
}

constexpr Result SystemError(std::uint32_t number) { return kSystemKind | number; }
// A system error number as the platform hands it over, signed: negative numbers keep their sign
// in all 64 bits.
constexpr Result SignedSystemError(std::int32_t number) {
    return kSystemKind | static_cast<Result>(static_cast<std::int64_t>(number));
}
constexpr Result ControllerError(std::uint32_t number) { return kControllerKind | number; }

// An exception caught at the exported boundary.
inline constexpr Result kCaughtException = kLibraryKind | kFatalMark;

inline constexpr Result kSuccess = 0;

}  // namespace Kova::TesselApi::Shared
