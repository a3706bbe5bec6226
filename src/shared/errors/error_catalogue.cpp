#include "shared/errors/error_catalogue.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <string>

#include "platform/system_error/system_error.h"

namespace Kova::TesselApi::Shared {

namespace {

constexpr ErrorRecord kLibraryRecords[] = {
#define KOVA_ERROR_CODE(code, name, description, mark) {code, #name, description},
#include "shared/errors/error_codes.def"
#undef KOVA_ERROR_CODE
};

constexpr ErrorRecord kControllerRecords[] = {
#define KOVA_CONTROLLER_ERROR(number, identifier, message) {number, "ControllerError_" #identifier, message},
#include "kova/controller_errors.def"
#undef KOVA_CONTROLLER_ERROR
};

constexpr bool LibraryRowsInCodeOrder() {
    for (std::uint32_t c = 0; c < std::size(kLibraryRecords); ++c) {
        if (kLibraryRecords[c].code != c) return false;
    }
    return true;
}
static_assert(std::size(kLibraryRecords) == kErrorCodeCount);
static_assert(LibraryRowsInCodeOrder(), "error_codes.def rows must be in code order without gaps");

// Lookup by number relies on the order.
constexpr bool ControllerRowsAscending() {
    for (std::size_t i = 1; i < std::size(kControllerRecords); ++i) {
        if (kControllerRecords[i - 1].code >= kControllerRecords[i].code) return false;
    }
    return kControllerRecords[0].code >= 1;
}
static_assert(ControllerRowsAscending(), "controller_errors.def rows must be in ascending number order");

struct StoredSystemError {
    std::string name;
    std::string description;
};

}  // namespace

std::span<const ErrorRecord> LibraryCatalogue() { return kLibraryRecords; }

std::span<const ErrorRecord> ControllerCatalogue() { return kControllerRecords; }

const ErrorRecord* FindControllerError(std::uint32_t number) {
    const auto* end = std::end(kControllerRecords);
    const auto* found = std::lower_bound(std::begin(kControllerRecords), end, number,
                                         [](const ErrorRecord& r, std::uint32_t n) { return r.code < n; });
    return (found != end && found->code == number) ? found : nullptr;
}

ErrorRecord SystemErrorRecord(std::uint32_t number) {
    if (number == 0) return kNoError;
    // Map nodes never move, so the views handed out stay valid while others insert.
    static std::map<std::uint32_t, StoredSystemError> cache;
    static std::mutex guard;
    std::lock_guard<std::mutex> lock(guard);
    auto found = cache.find(number);
    if (found == cache.end()) {
        StoredSystemError made{"SysErr_" + std::to_string(number), Platform::SystemErrorText(number)};
        found = cache.emplace(number, std::move(made)).first;
    }
    return {number, found->second.name, found->second.description};
}

ErrorRecord LookupError(Result result) {
    const auto code = static_cast<std::uint32_t>(result);
    if (result & kSystemKind) {
        if ((result & ~kFatalMark) == (kSystemKind | 0xFFFFFFFFull)) return kUnknownError;
        return SystemErrorRecord(code);
    }
    if (result & kControllerKind) {
        if (code == 0) return kNoError;
        const ErrorRecord* record = FindControllerError(code);
        return record ? *record : kUnknownError;
    }
    if (result & kLibraryKind) {
        if (code == 0) return kNoError;
        return code < kErrorCodeCount ? kLibraryRecords[code] : kUnknownError;
    }
    return result == 0 ? kNoError : kUnknownError;
}

}  // namespace Kova::TesselApi::Shared
