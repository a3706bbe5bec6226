// The functions of vireo_api_x64 as the module reaches them: one process-wide table of pointers,
// filled by the binding and read by every operation without a lock.
#pragma once

#include <atomic>
#include <cstdint>
#include <utility>

#include "vireo_api.h"

namespace Kova::TesselApi::Vireo {

// What the library answers for a call it cannot perform; a missing function answers the same.
inline constexpr std::int32_t kLowLevelUnsupported = -2;

struct LowLevelTable {
#define VIREO_FUNCTION(name, parameters, stand_in) std::atomic<decltype(&::name)> name{nullptr};
#include "vireo_api_functions.def"
#undef VIREO_FUNCTION
};

LowLevelTable& LowLevel();

// The three functions the module imports by name, so it cannot load without the library. Kept
// as pointers so that tests can put a double in their place.
struct DirectLinks {
    decltype(&::vireo_api_open) open = &::vireo_api_open;
    decltype(&::vireo_api_close) close = &::vireo_api_close;
    decltype(&::vireo_api_is_open) is_open = &::vireo_api_is_open;
};

DirectLinks& Direct();

template <typename Function>
bool Has(const std::atomic<Function>& entry) {
    return entry.load(std::memory_order_relaxed) != nullptr;
}

// Calls the function of an entry; a missing one answers as an unsupported call.
template <typename Function, typename... Args>
std::int32_t Invoke(const std::atomic<Function>& entry, Args&&... args) {
    const Function function = entry.load(std::memory_order_relaxed);
    return function ? function(std::forward<Args>(args)...) : kLowLevelUnsupported;
}

}  // namespace Kova::TesselApi::Vireo
