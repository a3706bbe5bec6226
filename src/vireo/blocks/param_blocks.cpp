#include "vireo/blocks/param_blocks.h"

#include <string>
#include <type_traits>
#include <vector>

#include "shared/blocks/fetch_entries.h"
#include "vireo/blocks/block_readers.h"
#include "vireo/blocks/name_resolution.h"

namespace Kova::TesselApi::Vireo {

using Shared::BlockKind;
using Shared::Error;
using Shared::LockedBlock;
using Shared::NumericVariant;
using Shared::PrmBlk;
using Shared::Result;

namespace {

// A list the caller says holds entries must be there.
Result Present(const BlockEntries& entries) {
    return std::visit([](const auto& list) { return list.items || list.count == 0 ? Shared::kSuccess
                                                                                  : Error(Shared::BadArgument); },
                      entries);
}

Result AddEntries(PrmBlk& block, const BlockEntries& entries, bool append) {
    return std::visit(
        [&](const auto& list) {
            using Item = std::remove_cv_t<std::remove_reference_t<decltype(*list.items)>>;
            if constexpr (std::is_same_v<Item, std::uint32_t>) return block.DefineNumbers(list.items, list.count, append);
            else if constexpr (std::is_same_v<Item, kova_io_range>) return block.DefineRanges(list.items, list.count, append);
            else return block.DefineNames(list.items, list.count, append);
        },
        entries);
}

}  // namespace

Result ParamBlocks::Opened() {
    return connection_.IsConnected() ? Shared::kSuccess : Error(Shared::Disconnected);
}

template <typename Values>
Result ParamBlocks::FetchOpened(const Values* values, std::uint32_t size) {
    if (const Result result = Opened(); result != Shared::kSuccess) return result;
    return values && size != 0 ? Shared::kSuccess : Error(Shared::BadArgument);
}

Result ParamBlocks::Define(BlockKind kind, const BlockEntries& entries, std::uint32_t& id) {
    if (const Result result = Opened(); result != Shared::kSuccess) return result;
    if (const Result result = Present(entries); result != Shared::kSuccess) return result;
    store_.SetLimitsOnFirstUse();
    std::uint32_t slot = 0;
    const LockedBlock block = store_.Add(kind, slot);
    if (!block) return Error(Shared::InvalidParamBlock);
    // A block whose entries are refused keeps its slot, unnamed, until the connection closes.
    const Result result = AddEntries(*block, entries, false);
    if (result == Shared::kSuccess) id = slot;
    return result;
}

Result ParamBlocks::Append(const BlockEntries& entries, std::uint32_t id) {
    if (const Result result = Opened(); result != Shared::kSuccess) return result;
    if (const Result result = Present(entries); result != Shared::kSuccess) return result;
    store_.SetLimitsOnFirstUse();
    const LockedBlock block = store_.Find(id);
    if (!block) return Error(Shared::InvalidParamBlock);
    return AddEntries(*block, entries, true);
}

Result ParamBlocks::Delete(std::uint32_t id) {
    if (const Result result = Opened(); result != Shared::kSuccess) return result;
    store_.SetLimitsOnFirstUse();
    return store_.Remove(id);
}

Result ParamBlocks::FetchMemory(BlockKind memory, std::uint32_t id, double* values, std::uint32_t size,
                                std::uint64_t* changed) {
    if (const Result result = FetchOpened(values, size); result != Shared::kSuccess) return result;
    const LockedBlock block = store_.Find(id);
    if (!block) return Error(Shared::InvalidParamBlock);
    const std::vector<std::uint32_t>* indices = block->Numbers();
    std::vector<double>* cache = block->DecimalCache(-1);
    if (!indices || !cache) return Error(Shared::InvalidParamBlock);
    if (block->EntryCount() > size) return Error(Shared::BufferTooSmall);
    const MemoryEntry& reader = MemoryReader(memory);
    return Shared::FetchEntries(
        *block, *cache, [&](std::size_t i, double& value) { return ReadMemory(reader, (*indices)[i], value); },
        [values](std::size_t i, double value) { values[i] = value; }, changed);
}

Result ParamBlocks::FetchNamed(BlockKind kind, std::uint32_t id, std::int64_t instance, double* values,
                               std::uint32_t size, std::uint64_t* changed, std::uint32_t& entries) {
    if (const Result result = FetchOpened(values, size); result != Shared::kSuccess) return result;
    const LockedBlock block = store_.Find(id);
    if (!block) return Error(Shared::InvalidParamBlock);
    std::vector<NumericVariant>* cache = block->VariantCache(instance);
    if (!cache) return Error(Shared::InvalidParamBlock);
    if (const Result result = ResolveNames(*block, kind); result != Shared::kSuccess) return result;
    entries = static_cast<std::uint32_t>(block->EntryCount());
    if (entries > size) return Error(Shared::BufferTooSmall);
    const std::vector<std::uint32_t>& identifiers = *block->Numbers();
    const auto deliver = [values](std::size_t i, const NumericVariant& value) { values[i] = Shared::ToDouble(value); };
    if (kind == BlockKind::Axis) {
        const auto axis = static_cast<std::uint32_t>(instance);
        return Shared::FetchEntries(
            *block, *cache,
            [&](std::size_t i, NumericVariant& value) { return ReadAxisParameter(identifiers[i], axis, value); },
            deliver, changed);
    }
    const std::vector<std::string>& names = *block->Names();
    return Shared::FetchEntries(
        *block, *cache,
        [&](std::size_t i, NumericVariant& value) { return ReadSystemValue(identifiers[i], names[i], value); },
        deliver, changed);
}

Result ParamBlocks::FetchSystem(std::uint32_t id, double* values, std::uint32_t size, std::uint64_t* changed) {
    std::uint32_t entries = 0;
    return FetchNamed(BlockKind::System, id, -1, values, size, changed, entries);
}

Result ParamBlocks::FetchAxis(std::uint32_t id, std::uint32_t axis, double* values, std::uint32_t size,
                              std::uint64_t* changed) {
    std::uint32_t entries = 0;
    return FetchNamed(BlockKind::Axis, id, axis, values, size, changed, entries);
}

// Inputs and outputs are separate instances of the block: the instance is the outputs byte itself.
Result ParamBlocks::FetchIo(std::uint32_t id, std::uint8_t outputs, std::uint64_t* values, std::uint32_t size,
                            std::uint64_t* changed) {
    if (const Result result = FetchOpened(values, size); result != Shared::kSuccess) return result;
    const LockedBlock block = store_.Find(id);
    if (!block) return Error(Shared::InvalidParamBlock);
    const std::vector<kova_io_range>* ranges = block->Ranges();
    std::vector<std::uint64_t>* cache = block->WordCache(outputs);
    if (!ranges || !cache) return Error(Shared::InvalidParamBlock);
    if (block->EntryCount() > size) return Error(Shared::BufferTooSmall);
    return Shared::FetchEntries(
        *block, *cache,
        [&](std::size_t i, std::uint64_t& word) { return ReadIoRange(outputs != 0, (*ranges)[i], word); },
        [values](std::size_t i, std::uint64_t word) { values[i] = word; }, changed);
}

template <typename EachAxis>
Result ParamBlocks::FetchAxisSequence(std::uint32_t id, double* values, std::uint32_t size, std::uint64_t* masks,
                                      EachAxis&& eachAxis) {
    if (const Result result = FetchOpened(values, size); result != Shared::kSuccess) return result;
    return eachAxis([&](std::uint32_t axis) {
        std::uint32_t entries = 0;
        const Result result = FetchNamed(BlockKind::Axis, id, axis, values, size, masks, entries);
        if (result != Shared::kSuccess) return result;
        values += entries;
        size -= entries;
        if (masks) ++masks;
        return Shared::kSuccess;
    });
}

Result ParamBlocks::FetchAxes(std::uint32_t id, const std::uint32_t* axes, std::uint32_t axisCount, double* values,
                              std::uint32_t size, std::uint64_t* masks) {
    return FetchAxisSequence(id, values, size, masks, [&](auto&& fetch) {
        if (!axes && axisCount != 0) return Error(Shared::BadArgument);
        for (std::uint32_t k = 0; k < axisCount; ++k)
            if (const Result result = fetch(axes[k]); result != Shared::kSuccess) return result;
        return Shared::kSuccess;
    });
}

Result ParamBlocks::FetchAxes(std::uint32_t id, const kova_axis_range* ranges, std::uint32_t rangeCount,
                              double* values, std::uint32_t size, std::uint64_t* masks) {
    return FetchAxisSequence(id, values, size, masks, [&](auto&& fetch) {
        if (!ranges && rangeCount != 0) return Error(Shared::BadArgument);
        for (std::uint32_t k = 0; k < rangeCount; ++k)
            for (std::uint32_t n = 0; n < ranges[k].count; ++n)
                if (const Result result = fetch(ranges[k].first + n); result != Shared::kSuccess) return result;
        return Shared::kSuccess;
    });
}

}  // namespace Kova::TesselApi::Vireo
