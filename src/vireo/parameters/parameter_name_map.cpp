#include "vireo/parameters/parameter_name_map.h"

#include <stdexcept>

namespace Kova::TesselApi::Vireo {

ParameterNameMap::ParameterNameMap(const std::vector<ParameterEntry>& entries) {
    for (const ParameterEntry& entry : entries) {
        if (entry.name.empty()) continue;
        if (entry.name.size() >= byLength_.size()) byLength_.resize(entry.name.size() + 1);
        std::unique_ptr<Bucket>& bucket = byLength_[entry.name.size()];
        if (!bucket) bucket = std::make_unique<Bucket>();
        std::uint8_t& list = bucket->listOfFirstByte[static_cast<unsigned char>(entry.name[0])];
        if (list == 0) {
            if (bucket->lists.size() == 255) throw std::length_error("too many parameter lists");
            bucket->lists.emplace_back();
            list = static_cast<std::uint8_t>(bucket->lists.size());
        }
        bucket->lists[list - 1u].push_back(entry);
    }
}

const ParameterEntry* ParameterNameMap::Find(std::string_view name, std::uint8_t tag) const {
    if (name.empty() || name.size() >= byLength_.size()) return nullptr;
    const Bucket* bucket = byLength_[name.size()].get();
    if (!bucket) return nullptr;
    const std::uint8_t list = bucket->listOfFirstByte[static_cast<unsigned char>(name[0])];
    if (list == 0) return nullptr;
    for (const ParameterEntry& entry : bucket->lists[list - 1u])
        if (entry.name == name && (tag == 0 || entry.tag == tag)) return &entry;
    return nullptr;
}

namespace {

#define KOVA_PARAMETER(name, identifier, kind, access, type) {#name, KOVA_PARAMETER_KIND_##kind, identifier, KOVA_PARAMETER_KIND_##kind},
const ParameterNameMap kSystemNames({
#include "kova/parameters/system.def"
});
const ParameterNameMap kAxisNames({
#include "kova/parameters/axis.def"
});
const ParameterNameMap kProcessNames({
#include "kova/parameters/process.def"
});
const ParameterNameMap kSlotNames({
#include "kova/parameters/slot.def"
});
const ParameterNameMap kPortNames({
#include "kova/parameters/port.def"
});
#undef KOVA_PARAMETER

}  // namespace

const ParameterNameMap& ParameterNames(ParameterFamily family) {
    switch (family) {
    case ParameterFamily::Axis: return kAxisNames;
    case ParameterFamily::Process: return kProcessNames;
    case ParameterFamily::Slot: return kSlotNames;
    case ParameterFamily::Port: return kPortNames;
    case ParameterFamily::System: break;
    }
    return kSystemNames;
}

}  // namespace Kova::TesselApi::Vireo
