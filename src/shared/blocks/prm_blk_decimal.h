// Blocks of 64-bit float values: VR and TABLE entries by index.
#pragma once

#include "shared/blocks/prm_blk.h"

namespace Kova::TesselApi::Shared {

class PrmBlk_Decimal : public PrmBlk {
public:
    using PrmBlk::PrmBlk;
    std::vector<double>* DecimalCache(std::int64_t instance) override {
        return &caches_.For(instance, EntryCount());
    }

private:
    InstanceCaches<double> caches_;
};

class PrmBlk_IndexedDecimal final : public PrmBlk_Decimal {
public:
    using PrmBlk_Decimal::PrmBlk_Decimal;
    std::size_t EntryCount() const override { return indices_.size(); }
    std::vector<std::uint32_t>* Numbers() override { return &indices_; }
    Result DefineNumbers(const std::uint32_t* indices, std::uint32_t count, bool append) override {
        return Fill(indices_, indices, count, append, [](std::uint32_t index) { return index; });
    }

private:
    std::vector<std::uint32_t> indices_;
};

}  // namespace Kova::TesselApi::Shared
