// One fetch of a block's entries through its cache: every entry is read; a fetch of everything
// reports each one, a fetch of what changed only those never read before or whose value moved.
#pragma once

#include <cstdint>
#include <vector>

#include "shared/blocks/numeric_variant.h"
#include "shared/blocks/prm_blk.h"

namespace Kova::TesselApi::Shared {

inline bool Differs(double before, double now) { return before != now; }   // true for NaN
inline bool Differs(std::uint64_t before, std::uint64_t now) { return before != now; }

// Bits 0 to count-1.
constexpr std::uint64_t LowBits(std::size_t count) {
    return count >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1;
}

// `cache` holds at least the block's entries. read(i, T&) answers a result; deliver(i, const T&)
// writes a reported entry to the caller.
// `changed` null: report everything. A failed read ends the fetch with its result: what was cached
// and delivered stays, the block's fetched mask and the caller's mask are left as they were.
template <typename T, typename Read, typename Deliver>
Result FetchEntries(PrmBlk& block, std::vector<T>& cache, Read&& read, Deliver&& deliver, std::uint64_t* changed) {
    const std::size_t count = block.EntryCount();
    std::uint64_t reported = 0;
    for (std::size_t i = 0; i < count; ++i) {
        T value{};
        if (const Result result = read(i, value); result != kSuccess) return result;
        const bool firstRead = (block.fetched >> i & 1u) == 0;
        if (changed && !firstRead && !Differs(cache[i], value)) continue;
        cache[i] = value;
        deliver(i, value);
        reported |= std::uint64_t{1} << i;
    }
    block.fetched |= LowBits(count);
    if (changed) *changed = reported;
    return kSuccess;
}

}  // namespace Kova::TesselApi::Shared
