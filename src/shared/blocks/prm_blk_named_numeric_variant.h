// Blocks of axis or system parameters by name. The names are resolved to parameter identifiers on
// the first fetch after they were added.
#pragma once

#include "shared/blocks/prm_blk.h"

namespace Kova::TesselApi::Shared {

class PrmBlk_NamedNumericVariant final : public PrmBlk {
public:
    using PrmBlk::PrmBlk;
    std::size_t EntryCount() const override { return names_.size(); }
    std::vector<NumericVariant>* VariantCache(std::int64_t instance) override {
        return &caches_.For(instance, EntryCount());
    }
    std::vector<std::uint32_t>* Numbers() override { return &identifiers_; }
    std::vector<std::string>* Names() override { return &names_; }
    Result DefineNumbers(const std::uint32_t* identifiers, std::uint32_t count, bool append) override {
        return Fill(identifiers_, identifiers, count, append, [](std::uint32_t identifier) { return identifier; });
    }
    Result DefineNames(const std::string_view* names, std::uint32_t count, bool append) override {
        return Fill(names_, names, count, append, [](std::string_view name) { return NameOf(name); });
    }
    Result DefineNames(const char* const* names, std::uint32_t count, bool append) override {
        return Fill(names_, names, count, append, [](const char* name) { return NameOf(name); });
    }

private:
    std::vector<std::string> names_;
    InstanceCaches<NumericVariant> caches_;
    std::vector<std::uint32_t> identifiers_;
};

}  // namespace Kova::TesselApi::Shared
