#include "shared/xml/xml_attribute_store.h"

#include <algorithm>

namespace Kova::TesselApi::Shared {

std::span<const XmlAttribute> XmlAttributeStore::Store(std::span<const XmlAttribute> attributes) {
    if (attributes.empty()) return {};
    if (capacity_ - used_ < attributes.size()) {
        // A list longer than a block gets a block of its own size.
        capacity_ = std::max(kBlockSize, attributes.size());
        blocks_.push_back(std::make_unique<XmlAttribute[]>(capacity_));
        used_ = 0;
    }
    XmlAttribute* const stored = blocks_.back().get() + used_;
    std::copy(attributes.begin(), attributes.end(), stored);
    used_ += attributes.size();
    return {stored, attributes.size()};
}

void XmlAttributeStore::Clear() {
    blocks_.clear();
    used_ = 0;
    capacity_ = 0;
}

}  // namespace Kova::TesselApi::Shared
