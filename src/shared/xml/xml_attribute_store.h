// The attribute lists of one document's elements, kept in a few large blocks rather than one
// allocation per element. A list never moves once stored.
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <vector>

#include "shared/xml/xml_node.h"

namespace Kova::TesselApi::Shared {

class XmlAttributeStore {
public:
    // A stored copy of the list, contiguous.
    std::span<const XmlAttribute> Store(std::span<const XmlAttribute> attributes);
    void Clear();

private:
    static constexpr std::size_t kBlockSize = 256;

    std::vector<std::unique_ptr<XmlAttribute[]>> blocks_;
    std::size_t used_ = 0;      // of the last block
    std::size_t capacity_ = 0;  // of the last block
};

}  // namespace Kova::TesselApi::Shared
