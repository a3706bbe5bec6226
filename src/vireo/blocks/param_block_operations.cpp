// The parameter-block operations of the connection: each hands its arguments to the block
// component in one shape, the caller's containers as a pointer and a count.
#include <algorithm>
#include <limits>
#include <vector>

#include "vireo/connection_vireo.h"

namespace Kova::TesselApi::Vireo {

using Shared::BlockKind;
using Shared::Error;

namespace {

template <typename T>
std::uint32_t Count(const std::vector<T>& items) {
    return static_cast<std::uint32_t>(std::min<std::size_t>(items.size(), std::numeric_limits<std::uint32_t>::max()));
}

template <typename T>
BlockEntries Entries(const T* items, std::uint32_t count) {
    return EntryList<T>{items, count};
}
template <typename T>
BlockEntries Entries(const std::vector<T>& items) {
    return EntryList<T>{items.data(), Count(items)};
}

// The masks of a fetch over several axes: none (fetch all) or one per axis.
template <typename Fetch>
Result WithMasks(std::vector<std::uint64_t>& masks, std::uint64_t axes, Fetch fetch) {
    if (masks.empty()) return fetch(nullptr);
    if (masks.size() < axes) return Error(Shared::BadArgument);
    return fetch(masks.data());
}

std::uint64_t AxesIn(const std::vector<kova_axis_range>& ranges) {
    std::uint64_t axes = 0;
    for (const kova_axis_range& range : ranges) axes += range.count;
    return axes;
}

}  // namespace

// Define, append, delete.
Result Connection_Vireo::ParamBlockDefineVr(const std::vector<std::uint32_t>& indices, std::uint32_t& id) {
    return blocks_.Define(BlockKind::Vr, Entries(indices), id);
}
Result Connection_Vireo::ParamBlockDefineVr(const std::uint32_t* indices, std::uint32_t count, std::uint32_t& id) {
    return blocks_.Define(BlockKind::Vr, Entries(indices, count), id);
}
Result Connection_Vireo::ParamBlockAppendVr(const std::vector<std::uint32_t>& indices, std::uint32_t id) {
    return blocks_.Append(Entries(indices), id);
}
Result Connection_Vireo::ParamBlockAppendVr(const std::uint32_t* indices, std::uint32_t count, std::uint32_t id) {
    return blocks_.Append(Entries(indices, count), id);
}
Result Connection_Vireo::ParamBlockDefineTable(const std::vector<std::uint32_t>& indices, std::uint32_t& id) {
    return blocks_.Define(BlockKind::Table, Entries(indices), id);
}
Result Connection_Vireo::ParamBlockDefineTable(const std::uint32_t* indices, std::uint32_t count, std::uint32_t& id) {
    return blocks_.Define(BlockKind::Table, Entries(indices, count), id);
}
Result Connection_Vireo::ParamBlockAppendTable(const std::vector<std::uint32_t>& indices, std::uint32_t id) {
    return blocks_.Append(Entries(indices), id);
}
Result Connection_Vireo::ParamBlockAppendTable(const std::uint32_t* indices, std::uint32_t count, std::uint32_t id) {
    return blocks_.Append(Entries(indices, count), id);
}
Result Connection_Vireo::ParamBlockDefineAxis(const std::vector<std::string_view>& names, std::uint32_t& id) {
    return blocks_.Define(BlockKind::Axis, Entries(names), id);
}
Result Connection_Vireo::ParamBlockDefineAxis(const char* const* names, std::uint32_t count, std::uint32_t& id) {
    return blocks_.Define(BlockKind::Axis, Entries(names, count), id);
}
Result Connection_Vireo::ParamBlockAppendAxis(const std::vector<std::string_view>& names, std::uint32_t id) {
    return blocks_.Append(Entries(names), id);
}
Result Connection_Vireo::ParamBlockAppendAxis(const char* const* names, std::uint32_t count, std::uint32_t id) {
    return blocks_.Append(Entries(names, count), id);
}
Result Connection_Vireo::ParamBlockDefineSystem(const std::vector<std::string_view>& names, std::uint32_t& id) {
    return blocks_.Define(BlockKind::System, Entries(names), id);
}
Result Connection_Vireo::ParamBlockDefineSystem(const char* const* names, std::uint32_t count, std::uint32_t& id) {
    return blocks_.Define(BlockKind::System, Entries(names, count), id);
}
Result Connection_Vireo::ParamBlockAppendSystem(const std::vector<std::string_view>& names, std::uint32_t id) {
    return blocks_.Append(Entries(names), id);
}
Result Connection_Vireo::ParamBlockAppendSystem(const char* const* names, std::uint32_t count, std::uint32_t id) {
    return blocks_.Append(Entries(names, count), id);
}
Result Connection_Vireo::ParamBlockDefineIO(const std::vector<kova_io_range>& ranges, std::uint32_t& id) {
    return blocks_.Define(BlockKind::IO, Entries(ranges), id);
}
Result Connection_Vireo::ParamBlockDefineIO(const kova_io_range* ranges, std::uint32_t count, std::uint32_t& id) {
    return blocks_.Define(BlockKind::IO, Entries(ranges, count), id);
}
Result Connection_Vireo::ParamBlockAppendIO(const std::vector<kova_io_range>& ranges, std::uint32_t id) {
    return blocks_.Append(Entries(ranges), id);
}
Result Connection_Vireo::ParamBlockAppendIO(const kova_io_range* ranges, std::uint32_t count, std::uint32_t id) {
    return blocks_.Append(Entries(ranges, count), id);
}
Result Connection_Vireo::ParamBlockDelete(std::uint32_t id) { return blocks_.Delete(id); }

// VR, TABLE, system and I/O fetches.
Result Connection_Vireo::ParamBlockFetchChangedVr(std::uint32_t id, std::vector<double>& values,
                                                  std::uint64_t& changed) {
    return blocks_.FetchMemory(BlockKind::Vr, id, values.data(), Count(values), &changed);
}
Result Connection_Vireo::ParamBlockFetchChangedVr(std::uint32_t id, double* values, std::uint32_t size,
                                                  std::uint64_t& changed) {
    return blocks_.FetchMemory(BlockKind::Vr, id, values, size, &changed);
}
Result Connection_Vireo::ParamBlockFetchChangedTable(std::uint32_t id, std::vector<double>& values,
                                                     std::uint64_t& changed) {
    return blocks_.FetchMemory(BlockKind::Table, id, values.data(), Count(values), &changed);
}
Result Connection_Vireo::ParamBlockFetchChangedTable(std::uint32_t id, double* values, std::uint32_t size,
                                                     std::uint64_t& changed) {
    return blocks_.FetchMemory(BlockKind::Table, id, values, size, &changed);
}
Result Connection_Vireo::ParamBlockFetchAllVr(std::uint32_t id, std::vector<double>& values) {
    return blocks_.FetchMemory(BlockKind::Vr, id, values.data(), Count(values), nullptr);
}
Result Connection_Vireo::ParamBlockFetchAllVr(std::uint32_t id, double* values, std::uint32_t size) {
    return blocks_.FetchMemory(BlockKind::Vr, id, values, size, nullptr);
}
Result Connection_Vireo::ParamBlockFetchAllTable(std::uint32_t id, std::vector<double>& values) {
    return blocks_.FetchMemory(BlockKind::Table, id, values.data(), Count(values), nullptr);
}
Result Connection_Vireo::ParamBlockFetchAllTable(std::uint32_t id, double* values, std::uint32_t size) {
    return blocks_.FetchMemory(BlockKind::Table, id, values, size, nullptr);
}
Result Connection_Vireo::ParamBlockFetchChangedSystem(std::uint32_t id, std::vector<double>& values,
                                                      std::uint64_t& changed) {
    return blocks_.FetchSystem(id, values.data(), Count(values), &changed);
}
Result Connection_Vireo::ParamBlockFetchChangedSystem(std::uint32_t id, double* values, std::uint32_t size,
                                                      std::uint64_t& changed) {
    return blocks_.FetchSystem(id, values, size, &changed);
}
Result Connection_Vireo::ParamBlockFetchAllSystem(std::uint32_t id, std::vector<double>& values) {
    return blocks_.FetchSystem(id, values.data(), Count(values), nullptr);
}
Result Connection_Vireo::ParamBlockFetchAllSystem(std::uint32_t id, double* values, std::uint32_t size) {
    return blocks_.FetchSystem(id, values, size, nullptr);
}
Result Connection_Vireo::ParamBlockFetchChangedIO(std::uint32_t id, std::uint8_t outputs, std::uint64_t* values,
                                                  std::uint32_t size, std::uint64_t& changed) {
    return blocks_.FetchIo(id, outputs, values, size, &changed);
}
Result Connection_Vireo::ParamBlockFetchChangedIO(std::uint32_t id, std::uint8_t outputs,
                                                  std::vector<std::uint64_t>& values, std::uint64_t& changed) {
    return blocks_.FetchIo(id, outputs, values.data(), Count(values), &changed);
}
Result Connection_Vireo::ParamBlockFetchAllIO(std::uint32_t id, std::uint8_t outputs, std::uint64_t* values,
                                              std::uint32_t size) {
    return blocks_.FetchIo(id, outputs, values, size, nullptr);
}
Result Connection_Vireo::ParamBlockFetchAllIO(std::uint32_t id, std::uint8_t outputs,
                                              std::vector<std::uint64_t>& values) {
    return blocks_.FetchIo(id, outputs, values.data(), Count(values), nullptr);
}

// Axis fetches: one axis, a range of axes, a list of axes or a list of ranges.
Result Connection_Vireo::ParamBlockFetchAllAxisParam5a(std::uint32_t id, std::uint32_t axis,
                                                       std::vector<double>& values) {
    return blocks_.FetchAxis(id, axis, values.data(), Count(values), nullptr);
}
Result Connection_Vireo::ParamBlockFetchAllAxisParam5a(std::uint32_t id, std::uint32_t axis, double* values,
                                                       std::uint32_t size) {
    return blocks_.FetchAxis(id, axis, values, size, nullptr);
}
Result Connection_Vireo::ParamBlockFetchChangedAxisParam6a(std::uint32_t id, std::uint32_t axis,
                                                           std::vector<double>& values, std::uint64_t& changed) {
    return blocks_.FetchAxis(id, axis, values.data(), Count(values), &changed);
}
Result Connection_Vireo::ParamBlockFetchChangedAxisParam6a(std::uint32_t id, std::uint32_t axis, double* values,
                                                           std::uint32_t size, std::uint64_t& changed) {
    return blocks_.FetchAxis(id, axis, values, size, &changed);
}
Result Connection_Vireo::ParamBlockFetchAllAxisParam5b(std::uint32_t id, const kova_axis_range& range,
                                                       std::vector<double>& values) {
    return blocks_.FetchAxes(id, &range, 1, values.data(), Count(values), nullptr);
}
Result Connection_Vireo::ParamBlockFetchAllAxisParam5b(std::uint32_t id, const kova_axis_range& range,
                                                       double* values, std::uint32_t size) {
    return blocks_.FetchAxes(id, &range, 1, values, size, nullptr);
}
Result Connection_Vireo::ParamBlockFetchChangedAxisParam6b(std::uint32_t id, const kova_axis_range& range,
                                                           std::vector<double>& values,
                                                           std::vector<std::uint64_t>& changed) {
    return WithMasks(changed, range.count, [&](std::uint64_t* masks) {
        return blocks_.FetchAxes(id, &range, 1, values.data(), Count(values), masks);
    });
}
Result Connection_Vireo::ParamBlockFetchChangedAxisParam6b(std::uint32_t id, const kova_axis_range& range,
                                                           double* values, std::uint32_t size,
                                                           std::uint64_t* changed) {
    return blocks_.FetchAxes(id, &range, 1, values, size, changed);
}
Result Connection_Vireo::ParamBlockFetchAllAxisParam6a(std::uint32_t id, const std::vector<std::uint32_t>& axes,
                                                       std::vector<double>& values) {
    return blocks_.FetchAxes(id, axes.data(), Count(axes), values.data(), Count(values), nullptr);
}
Result Connection_Vireo::ParamBlockFetchAllAxisParam6a(std::uint32_t id, const std::uint32_t* axes,
                                                       std::uint32_t axisCount, double* values, std::uint32_t size) {
    return blocks_.FetchAxes(id, axes, axisCount, values, size, nullptr);
}
Result Connection_Vireo::ParamBlockFetchChangedAxisParam7a(std::uint32_t id, const std::vector<std::uint32_t>& axes,
                                                           std::vector<double>& values,
                                                           std::vector<std::uint64_t>& changed) {
    return WithMasks(changed, axes.size(), [&](std::uint64_t* masks) {
        return blocks_.FetchAxes(id, axes.data(), Count(axes), values.data(), Count(values), masks);
    });
}
Result Connection_Vireo::ParamBlockFetchChangedAxisParam7a(std::uint32_t id, const std::uint32_t* axes,
                                                           std::uint32_t axisCount, double* values,
                                                           std::uint32_t size, std::uint64_t* changed) {
    return blocks_.FetchAxes(id, axes, axisCount, values, size, changed);
}
Result Connection_Vireo::ParamBlockFetchAllAxisParam6b(std::uint32_t id, const std::vector<kova_axis_range>& ranges,
                                                       std::vector<double>& values) {
    return blocks_.FetchAxes(id, ranges.data(), Count(ranges), values.data(), Count(values), nullptr);
}
Result Connection_Vireo::ParamBlockFetchAllAxisParam6b(std::uint32_t id, const kova_axis_range* ranges,
                                                       std::uint32_t rangeCount, double* values,
                                                       std::uint32_t size) {
    return blocks_.FetchAxes(id, ranges, rangeCount, values, size, nullptr);
}
Result Connection_Vireo::ParamBlockFetchChangedAxisParam7b(std::uint32_t id,
                                                           const std::vector<kova_axis_range>& ranges,
                                                           std::vector<double>& values,
                                                           std::vector<std::uint64_t>& changed) {
    return WithMasks(changed, AxesIn(ranges), [&](std::uint64_t* masks) {
        return blocks_.FetchAxes(id, ranges.data(), Count(ranges), values.data(), Count(values), masks);
    });
}
Result Connection_Vireo::ParamBlockFetchChangedAxisParam7b(std::uint32_t id, const kova_axis_range* ranges,
                                                           std::uint32_t rangeCount, double* values,
                                                           std::uint32_t size, std::uint64_t* changed) {
    return blocks_.FetchAxes(id, ranges, rangeCount, values, size, changed);
}

}  // namespace Kova::TesselApi::Vireo
