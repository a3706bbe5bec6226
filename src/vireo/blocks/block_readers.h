// One entry of a parameter block read from the controller: each is one library call (or one
// command line for system values the library has no identifier for).
#pragma once

#include <cstdint>
#include <string_view>

#include "kova/tesselapi_types.h"
#include "shared/blocks/numeric_variant.h"
#include "shared/blocks/prm_blk.h"
#include "shared/result.h"
#include "vireo/binding/conventions.h"
#include "vireo/binding/low_level.h"

namespace Kova::TesselApi::Vireo {

// System identifiers that stand for an analogue channel in their low 16 bits.
inline constexpr std::uint32_t kAnalogueInputs = 0x80000000u;
inline constexpr std::uint32_t kAnalogueOutputs = 0x40000000u;

using MemoryEntry = std::atomic<decltype(&::vireo_api_get_vr)>;

// The library function a fetch of memory Vr or Table reads with.
inline const MemoryEntry& MemoryReader(Shared::BlockKind memory) {
    LowLevelTable& library = LowLevel();
    return memory == Shared::BlockKind::Table ? library.vireo_api_get_table : library.vireo_api_get_vr;
}

// One VR or TABLE value, under the status convention.
inline Shared::Result ReadMemory(const MemoryEntry& reader, std::uint32_t index, double& value) {
    const std::int32_t status = Invoke(reader, index, 1u, &value);
    return status == 0 ? Shared::kSuccess : StatusConvention(status);
}

Shared::Result ReadAxisParameter(std::uint32_t identifier, std::uint32_t axis, Shared::NumericVariant& value);
// `name` is the entry as the caller wrote it, for values read by command line.
Shared::Result ReadSystemValue(std::uint32_t identifier, std::string_view name, Shared::NumericVariant& value);
// The range's word, sign-extended and cut to its count of bits.
Shared::Result ReadIoRange(bool outputs, const kova_io_range& range, std::uint64_t& word);

}  // namespace Kova::TesselApi::Vireo
