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

enum ErrorCode : std::uint32_t {
    Api_Unknown = 0,
    Fail = 1,
    NotSupported = 2,
    ConnectionModule = 3,
    InvalidContext = 4,
    TokenTable = 5,
    Timeout = 6,
    UnknownFloatingPointFormat = 7,
    Remote_TokenBuffer = 8,
    FatalFail = 9,
    UnsupportedController = 10,
    BadResponse = 11,
    BadArgument = 12,
    Reopen = 13,
    BufferTooSmall = 14,
    SocketRead = 15,
    SocketWrite = 16,
    LowLevelError = 17,
    VersionMismatch = 18,
    Compression = 19,
    Abort = 20,
    Disconnected = 21,
    InvalidParamBlock = 22,
    OutOfRange = 23,
    CapacityExceeded = 24,
    Project = 25,
};

inline constexpr std::uint32_t kErrorCodeCount = 26;

// Transport and binding failures leave the connection unusable; they carry the fatal mark.
constexpr bool IsFatal(ErrorCode code) {
    switch (code) {
    case ConnectionModule:
    case InvalidContext:
    case Timeout:
    case FatalFail:
    case BadResponse:
    case SocketRead:
    case SocketWrite:
    case LowLevelError:
    case VersionMismatch:
    case Compression:
        return true;
    default:
        return false;
    }
}

// The result of a library code, with the mark that code is always produced with.
constexpr Result Error(ErrorCode code) {
    return kLibraryKind | (IsFatal(code) ? kFatalMark : 0) | code;
}

constexpr Result SystemError(std::uint32_t number) { return kSystemKind | number; }
constexpr Result ControllerError(std::uint32_t number) { return kControllerKind | number; }

// An exception caught at the exported boundary.
inline constexpr Result kCaughtException = kLibraryKind | kFatalMark;

inline constexpr Result kSuccess = 0;

}  // namespace Kova::TesselApi::Shared
