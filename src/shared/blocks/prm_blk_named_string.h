// Blocks of program variables, by name, whose values are texts.
#pragma once

#include "shared/blocks/prm_blk.h"

namespace Kova::TesselApi::Shared {

class PrmBlk_NamedString final : public PrmBlk {
public:
    using PrmBlk::PrmBlk;
    std::size_t EntryCount() const override { return names_.size(); }
    std::vector<std::string>* StringCache(std::int64_t instance) override {
        return &caches_.For(instance, EntryCount());
    }
    std::vector<std::string>* Names() override { return &names_; }
    Result DefineNames(const std::string_view* names, std::uint32_t count, bool append) override {
        return Fill(names_, names, count, append, [](std::string_view name) { return NameOf(name); });
    }
    Result DefineNames(const char* const* names, std::uint32_t count, bool append) override {
        return Fill(names_, names, count, append, [](const char* name) { return NameOf(name); });
    }

private:
    std::vector<std::string> names_;
    InstanceCaches<std::string> caches_;
};

}  // namespace Kova::TesselApi::Shared
