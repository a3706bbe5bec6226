// Blocks of digital I/O ranges; each entry's value is a word with bit k for channel first + k.
// Inputs and outputs are instances of the same block.
#pragma once

#include "shared/blocks/prm_blk.h"

namespace Kova::TesselApi::Shared {

class PrmBlk_DigitalIO final : public PrmBlk {
public:
    using PrmBlk::PrmBlk;
    std::size_t EntryCount() const override { return ranges_.size(); }
    std::vector<std::uint64_t>* WordCache(std::int64_t instance) override {
        return &caches_.For(instance, EntryCount());
    }
    std::vector<kova_io_range>* Ranges() override { return &ranges_; }
    Result DefineRanges(const kova_io_range* ranges, std::uint32_t count, bool append) override {
        return Fill(ranges_, ranges, count, append, [](const kova_io_range& range) { return range; });
    }

private:
    InstanceCaches<std::uint64_t> caches_;
    std::vector<kova_io_range> ranges_;
};

}  // namespace Kova::TesselApi::Shared
