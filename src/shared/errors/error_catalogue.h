// Names and descriptions of results: the library's codes, the controller's error numbers and the
// operating system's error numbers, as records that every text lookup yields.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "shared/result.h"

namespace Kova::TesselApi::Shared {

// The views stay valid until the process ends (system error records are cached for good).
struct ErrorRecord {
    std::uint32_t code;
    std::string_view name;
    std::string_view description;
};

inline constexpr ErrorRecord kNoError{0, "NoError", "No error."};
inline constexpr ErrorRecord kUnknownError{0, "UnknownError", "Unknown error."};

// Code c at place c.
std::span<const ErrorRecord> LibraryCatalogue();
// In number order from 1; numbers the controller does not use have no record.
std::span<const ErrorRecord> ControllerCatalogue();

// The controller's record of an error number, or null.
const ErrorRecord* FindControllerError(std::uint32_t number);

// The record of an operating system error number: "SysErr_<n>" and the system's text, made once per
// number and kept for the life of the process. Number 0 is kNoError. Safe from any thread.
ErrorRecord SystemErrorRecord(std::uint32_t number);

// The record of any result: the kind bits decide the catalogue (system before controller before
// library); the fatal mark plays no part. Never fails: unknown codes give kUnknownError.
ErrorRecord LookupError(Result result);

}  // namespace Kova::TesselApi::Shared
