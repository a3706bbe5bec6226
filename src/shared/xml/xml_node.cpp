#include "shared/xml/xml_node.h"

#include <utility>

namespace Kova::TesselApi::Shared {

XmlNode::~XmlNode() {
    if (children_.empty()) return;
    // Each node taken from the list hands its children to the list before it dies, so every
    // destructor below this one finds no children and returns at once.
    std::vector<XmlNode> pending = std::move(children_);
    while (!pending.empty()) {
        XmlNode node = std::move(pending.back());
        pending.pop_back();
        for (XmlNode& child : node.children_) pending.push_back(std::move(child));
        node.children_.clear();
    }
}

const std::string_view* XmlNode::FindAttribute(std::string_view name) const {
    for (const XmlAttribute& attribute : attributes_) {
        if (attribute.name == name) return &attribute.value;
    }
    return nullptr;
}

const XmlNode* XmlNode::FindChild(std::string_view name) const {
    for (const XmlNode& child : children_) {
        if (child.name_ == name) return &child;
    }
    return nullptr;
}

}  // namespace Kova::TesselApi::Shared
