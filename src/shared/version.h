// The version of this module; a caller built against any other is refused.
#pragma once

#include <cstdint>
#include <string_view>

#include "kova/tesselapi_types.h"

namespace Kova::TesselApi::Shared {

inline constexpr kova_version kApiVersion = {KOVA_VERSION_MAJOR, KOVA_VERSION_MINOR, KOVA_VERSION_PATCH,
                                             KOVA_VERSION_BUILD};

// Major in the lowest 16 bits, build in the highest.
inline constexpr std::uint64_t kPackedApiVersion =
    std::uint64_t{kApiVersion.major} | std::uint64_t{kApiVersion.minor} << 16 |
    std::uint64_t{kApiVersion.patch} << 32 | std::uint64_t{kApiVersion.build} << 48;
static_assert(kPackedApiVersion == 0x0575000000030001ull);

inline constexpr std::string_view kApiVersionText = "1.3.0-rc1+78dad562";

constexpr bool SameVersion(const kova_version& a, const kova_version& b) {
    return a.major == b.major && a.minor == b.minor && a.patch == b.patch && a.build == b.build;
}

}  // namespace Kova::TesselApi::Shared
