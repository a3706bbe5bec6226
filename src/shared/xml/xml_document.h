// A whole XML document: its text, owned here, and the element tree whose views point into it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shared/xml/xml_attribute_store.h"
#include "shared/xml/xml_node.h"

namespace Kova::TesselApi::Shared {

class XmlDocument {
public:
    XmlDocument() = default;
    // The tree points into the text: a copy would point into the original. A move keeps the text's
    // buffer, and so the views.
    XmlDocument(XmlDocument&&) noexcept = default;
    XmlDocument& operator=(XmlDocument&&) noexcept = default;
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    // Reads the file (a UTF-8 path) in one piece and parses it.
    bool LoadFile(const std::string& path);
    // Parses a copy of the text.
    bool Parse(std::string_view text);
    void Reset();

    // The element tree; after a failure, as far as it was built.
    const XmlNode& Root() const { return root_; }
    // Empty after a clean load or parse; after a failure, what went wrong. A parse that succeeds
    // may leave "Content set twice" here: an element had text in two places and keeps the last.
    std::string_view Error() const { return error_; }

private:
    bool ParseText();
    bool Fail(std::string_view error);

    std::string_view error_;  // one of the reader's own texts, which live for the whole process
    std::vector<char> text_;
    XmlAttributeStore attributes_;
    XmlNode root_;
};

}  // namespace Kova::TesselApi::Shared
