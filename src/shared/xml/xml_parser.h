// Builds the element tree of a document text, decoding entity references in the text itself.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "shared/xml/xml_attribute_store.h"
#include "shared/xml/xml_node.h"

namespace Kova::TesselApi::Shared {

class XmlParser {
public:
    XmlParser(char* text, std::size_t length, XmlAttributeStore& attributes)
        : cursor_(text), end_(text + length), attributes_(attributes) {}

    // True when the root element was closed; what follows it is not read. On failure the tree built
    // so far stays in root. Either way Error() may hold a text: a failure's, or "Content set twice",
    // which does not stop the parse.
    bool Parse(XmlNode& root);
    std::string_view Error() const { return error_; }

private:
    enum class TagKind { Opening, Closing, Content };
    struct Token {
        TagKind kind = TagKind::Content;
        std::string_view text;  // the name of a tag, the decoded text of content
        bool selfClosing = false;
        char* attributes = nullptr;  // what follows an opening tag's name, to its end
        char* attributesEnd = nullptr;
    };

    bool SkipByteOrderMark();
    bool ReadDeclaration();
    bool ReadNode(Token& token);
    bool ReadTag(char* begin, char* end, Token& token);
    bool ReadAttributes(const Token& token, XmlNode& element);
    bool ReadAttributeList(const Token& token);
    void SkipWhiteSpace();
    bool Fail(std::string_view error);

    char* cursor_;
    char* const end_;
    std::string_view error_;
    XmlAttributeStore& attributes_;
    // One tag's attributes as they are read, before they are stored in one piece.
    std::vector<XmlAttribute> scratch_;
};

}  // namespace Kova::TesselApi::Shared
