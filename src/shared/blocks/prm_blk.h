// A parameter block: a set of controller values that a caller defines once and then fetches in one
// call, all of them or only those that moved since the block last delivered them.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "kova/tesselapi_types.h"
#include "shared/blocks/numeric_variant.h"
#include "shared/result.h"

namespace Kova::TesselApi::Shared {

// What a block's entries are; the code picks the class that holds them.
enum class BlockKind : std::uint8_t {
    Axis = 1,      // axis parameter names, PrmBlk_NamedNumericVariant
    System = 2,    // system parameter names, PrmBlk_NamedNumericVariant
    Vr = 3,        // VR indices, PrmBlk_IndexedDecimal
    Table = 4,     // TABLE indices, PrmBlk_IndexedDecimal
    ProgVar = 5,   // program variable names, PrmBlk_NamedString
    IO = 6,        // digital I/O ranges, PrmBlk_DigitalIO
};

// The last values a block delivered, one cache per instance (an axis, an I/O direction, or -1 for
// blocks with a single one). A cache is made zero-filled on first use and grows with the block.
template <typename T>
class InstanceCaches {
public:
    std::vector<T>& For(std::int64_t instance, std::size_t entries) {
        std::vector<T>& cache = caches_[instance];
        if (cache.size() < entries) cache.resize(entries);
        return cache;
    }

private:
    std::map<std::int64_t, std::vector<T>> caches_;
};

// Operations in the order every block class answers them. The typed accessors answer the block's
// own container, or null when the block holds none of that shape, which is how a fetch tells a
// block of the wrong shape; the define operations answer NotSupported for entries of another shape.
class PrmBlk {
public:
    PrmBlk(BlockKind kind, std::uint32_t capacity) : kind(kind), capacity(capacity) {}
    PrmBlk(const PrmBlk&) = delete;
    PrmBlk& operator=(const PrmBlk&) = delete;
    virtual ~PrmBlk() = default;

    virtual std::size_t EntryCount() const = 0;
    virtual std::vector<NumericVariant>* VariantCache(std::int64_t instance);
    virtual std::vector<std::string>* StringCache(std::int64_t instance);
    virtual std::vector<double>* DecimalCache(std::int64_t instance);
    virtual std::vector<std::uint64_t>* WordCache(std::int64_t instance);
    virtual std::vector<std::uint32_t>* Numbers();   // VR or TABLE indices, or parameter identifiers
    virtual std::vector<std::string>* Names();
    virtual std::vector<kova_io_range>* Ranges();
    // Define (append false) or append entries; beyond the capacity nothing changes.
    virtual Result DefineNumbers(const std::uint32_t* numbers, std::uint32_t count, bool append);
    virtual Result DefineNames(const std::string_view* names, std::uint32_t count, bool append);
    virtual Result DefineNames(const char* const* names, std::uint32_t count, bool append);
    virtual Result DefineRanges(const kova_io_range* ranges, std::uint32_t count, bool append);

    const BlockKind kind;
    // Held for the whole of every operation on the block.
    std::recursive_mutex lock;
    const std::uint32_t capacity;
    // Bit i: entry i has been read and its cached values are valid. One mask for every instance.
    std::uint64_t fetched = 0;

protected:
    template <typename T, typename Source, typename Convert>
    Result Fill(std::vector<T>& list, const Source* source, std::uint32_t count, bool append, Convert convert) {
        const std::size_t kept = append ? list.size() : 0;
        if (kept + count > capacity) return Error(CapacityExceeded);
        list.resize(kept + count);
        for (std::uint32_t i = 0; i < count; ++i) list[kept + i] = convert(source[i]);
        return kSuccess;
    }
};

// A name as the caller passed it; a missing one is empty, and so matches no parameter.
inline std::string NameOf(const char* name) { return name ? std::string(name) : std::string(); }
inline std::string NameOf(std::string_view name) { return std::string(name); }

}  // namespace Kova::TesselApi::Shared
