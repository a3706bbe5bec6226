#include "shared/xml/xml_node.h"

#include <utility>

namespace Kova::TesselApi::Shared {

namespace {

bool HasGrandchildren(const XmlNode& node) {
    for (const XmlNode& child : node.Children()) {
        if (!child.Children().empty()) return true;
    }
    return false;
}

// Moves to pending the children that have grandchildren: what stays behind frees within two more
// levels of destructors.
void TakeDeepChildren(std::vector<XmlNode>& children, std::vector<XmlNode>& pending) {
    for (XmlNode& child : children) {
        if (HasGrandchildren(child)) pending.push_back(std::move(child));
    }
}

}  // namespace

XmlNode::~XmlNode() {
    if (children_.empty()) return;
    std::vector<XmlNode> pending;
    TakeDeepChildren(children_, pending);
    while (!pending.empty()) {
        XmlNode node = std::move(pending.back());
        pending.pop_back();
        TakeDeepChildren(node.children_, pending);
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
