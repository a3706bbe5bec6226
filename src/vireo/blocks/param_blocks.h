// The parameter blocks of one connection: defined, appended to, fetched and deleted here, each entry
// read from the controller through the library. Blocks go when the connection closes.
#pragma once

#include <cstdint>
#include <string_view>
#include <variant>

#include "kova/tesselapi_types.h"
#include "shared/blocks/block_store.h"
#include "shared/connection/interfaces.h"
#include "shared/result.h"

namespace Kova::TesselApi::Vireo {

// Entries as the caller passes them: a pointer and a count.
template <typename T>
struct EntryList {
    const T* items;
    std::uint32_t count;
};
using BlockEntries = std::variant<EntryList<std::uint32_t>, EntryList<std::string_view>, EntryList<const char*>,
                                  EntryList<kova_io_range>>;

class ParamBlocks {
public:
    // Operations answer Disconnected while the connection is not open.
    explicit ParamBlocks(Shared::IConnection& connection) : connection_(connection) {}

    Shared::Result Define(Shared::BlockKind kind, const BlockEntries& entries, std::uint32_t& id);
    Shared::Result Append(const BlockEntries& entries, std::uint32_t id);
    Shared::Result Delete(std::uint32_t id);
    void Close() { store_.Clear(); }

    // `changed` null: fetch all; else fetch what changed and report it there.
    // memory Vr or Table: which library memory the block's indices are read from.
    Shared::Result FetchMemory(Shared::BlockKind memory, std::uint32_t id, double* values, std::uint32_t size,
                               std::uint64_t* changed);
    Shared::Result FetchSystem(std::uint32_t id, double* values, std::uint32_t size, std::uint64_t* changed);
    Shared::Result FetchIo(std::uint32_t id, std::uint8_t outputs, std::uint64_t* values, std::uint32_t size,
                           std::uint64_t* changed);
    Shared::Result FetchAxis(std::uint32_t id, std::uint32_t axis, double* values, std::uint32_t size,
                             std::uint64_t* changed);
    // Several axes, one after the other in `values`, each with its own mask in `masks` when given.
    // The first failure ends the fetch; the axes before it keep what they delivered.
    Shared::Result FetchAxes(std::uint32_t id, const std::uint32_t* axes, std::uint32_t axisCount, double* values,
                             std::uint32_t size, std::uint64_t* masks);
    Shared::Result FetchAxes(std::uint32_t id, const kova_axis_range* ranges, std::uint32_t rangeCount,
                             double* values, std::uint32_t size, std::uint64_t* masks);

private:
    Shared::Result Opened();
    template <typename Values>
    Shared::Result FetchOpened(const Values* values, std::uint32_t size);
    // One kind of parameter block read into `values`; `entries` becomes the block's entry count.
    Shared::Result FetchNamed(Shared::BlockKind kind, std::uint32_t id, std::int64_t instance, double* values,
                              std::uint32_t size, std::uint64_t* changed, std::uint32_t& entries);
    template <typename EachAxis>
    Shared::Result FetchAxisSequence(std::uint32_t id, double* values, std::uint32_t size, std::uint64_t* masks,
                                     EachAxis&& eachAxis);

    Shared::IConnection& connection_;
    Shared::ParamBlockStore store_;
};

}  // namespace Kova::TesselApi::Vireo
