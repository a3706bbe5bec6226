// The element tree of an XML document. Every name and text is a view into the document's own text,
// so a tree is valid only as long as the document that made it.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace Kova::TesselApi::Shared {

struct XmlAttribute {
    std::string_view name;
    std::string_view value;  // entity references already decoded
};

class XmlNode {
public:
    XmlNode() = default;
    XmlNode(std::string_view name, bool selfClosing) : name_(name), selfClosing_(selfClosing) {}
    // Frees a tree of any depth without recursing once per level.
    ~XmlNode();
    XmlNode(XmlNode&&) noexcept = default;
    XmlNode& operator=(XmlNode&&) noexcept = default;
    XmlNode(const XmlNode&) = delete;
    XmlNode& operator=(const XmlNode&) = delete;

    std::string_view Name() const { return name_; }
    // The element's text, empty when it has none; for an element with text in several places, the
    // last piece.
    std::string_view Content() const { return content_; }
    bool SelfClosing() const { return selfClosing_; }
    // In document order; duplicate names stay separate.
    std::span<const XmlAttribute> Attributes() const { return attributes_; }
    const std::vector<XmlNode>& Children() const { return children_; }

    // The value of the first attribute of that name, or null.
    const std::string_view* FindAttribute(std::string_view name) const;
    // The first child element of that name, or null.
    const XmlNode* FindChild(std::string_view name) const;

private:
    friend class XmlParser;

    std::string_view name_;
    std::string_view content_;
    bool selfClosing_ = false;
    std::span<const XmlAttribute> attributes_;  // owned by the document
    std::vector<XmlNode> children_;
};

}  // namespace Kova::TesselApi::Shared
