#include "shared/xml/xml_parser.h"

#include <array>
#include <cstring>

#include "shared/xml/xml_entities.h"

namespace Kova::TesselApi::Shared {
namespace {

constexpr std::array<bool, 256> CharacterSet(std::string_view members) {
    std::array<bool, 256> set{};
    for (const char c : members) set[static_cast<unsigned char>(c)] = true;
    return set;
}

constexpr std::array<bool, 256> kWhiteSpace = CharacterSet(" \t\n\r");
constexpr std::array<bool, 256> kAttributeNameEnd = CharacterSet(" \t\n\r=");

bool IsWhiteSpace(char c) { return kWhiteSpace[static_cast<unsigned char>(c)]; }

char* SkipWhiteSpace(char* p, const char* end) {
    while (p < end && IsWhiteSpace(*p)) ++p;
    return p;
}

char* Find(char* begin, const char* end, char c) {
    return static_cast<char*>(std::memchr(begin, c, static_cast<std::size_t>(end - begin)));
}

std::string_view View(const char* begin, const char* end) {
    return {begin, static_cast<std::size_t>(end - begin)};
}

// Marks of other encodings are recognised only to refuse them by name.
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::array<std::string_view, 10> kOtherMarks{{
    std::string_view("\xFE\xFF", 2),                  // UTF-16, big end first
    std::string_view("\xFF\xFE", 2),                  // UTF-16, little end first
    std::string_view("\x00\x00\xFE\xFF", 4),          // UTF-32
    std::string_view("\xFF\xFE\x00\x00", 4),          // UTF-32
    std::string_view("\x2B\x2F\x76", 3),              // UTF-7
    std::string_view("\xF7\x64\x4C", 3),              // UTF-1
    std::string_view("\xDD\x73\x66\x73", 4),          // UTF-EBCDIC
    std::string_view("\x0E\xFE\xFF", 3),              // SCSU
    std::string_view("\xFB\xEE\x28", 3),              // BOCU-1
    std::string_view("\x84\x31\x95\x33", 4),          // GB-18030
}};

constexpr std::string_view kCommentOpen = "<!--";
constexpr std::string_view kCommentClose = "-->";
constexpr std::size_t kShortestComment = 7;  // <!---->
constexpr std::size_t kShortestDeclaration = 7;  // <?xml?>

}  // namespace

bool XmlParser::Fail(std::string_view error) {
    error_ = error;
    return false;
}

void XmlParser::SkipWhiteSpace() { cursor_ = Shared::SkipWhiteSpace(cursor_, end_); }

bool XmlParser::Parse(XmlNode& root) {
    if (end_ - cursor_ < 3) return Fail("Not an XML file");
    if (*cursor_ != '<' && !SkipByteOrderMark()) return false;
    if (!ReadDeclaration()) return false;

    Token token;
    if (!ReadNode(token)) return false;
    if (token.kind != TagKind::Opening) return Fail("Xml error");
    root = XmlNode(token.text, token.selfClosing);
    if (!ReadAttributes(token, root)) return false;

    // The open elements, innermost last. Each is the last child of the one before, and only the
    // innermost gains children, so none of these pointers is moved while it is held.
    std::vector<XmlNode*> open{&root};
    for (;;) {
        if (!ReadNode(token)) return false;
        XmlNode& current = *open.back();
        switch (token.kind) {
        case TagKind::Content:
            if (current.content_.data() != nullptr) error_ = "Content set twice";
            current.content_ = token.text;
            break;
        case TagKind::Opening: {
            // Most elements that have children have several: skip the smallest steps of growth.
            if (current.children_.empty()) current.children_.reserve(4);
            XmlNode& child = current.children_.emplace_back(token.text, token.selfClosing);
            if (!ReadAttributes(token, child)) return false;
            if (!token.selfClosing) open.push_back(&child);
            break;
        }
        case TagKind::Closing:
            if (token.text != current.name_) return Fail("Tag not closed");
            open.pop_back();
            if (open.empty()) return true;
            break;
        }
    }
}

bool XmlParser::SkipByteOrderMark() {
    const std::string_view start = View(cursor_, end_);
    if (start.starts_with(kUtf8Mark)) {
        cursor_ += kUtf8Mark.size();
        return true;
    }
    for (const std::string_view mark : kOtherMarks) {
        if (start.starts_with(mark)) return Fail("Only UTF-8 files accepted");
    }
    return Fail("Not an XML file");
}

// Only its shape is checked: what it says is not read.
bool XmlParser::ReadDeclaration() {
    SkipWhiteSpace();
    char* const close = Find(cursor_, end_, '>');
    if (close == nullptr) return Fail("Closing '>' not found");
    const std::string_view tag = View(cursor_, close + 1);
    cursor_ = close + 1;
    if (tag.size() < kShortestDeclaration || !tag.starts_with("<?") || !tag.ends_with("?>")) {
        return Fail("Missing or invalid Xml header");
    }
    return true;
}

bool XmlParser::ReadNode(Token& token) {
    SkipWhiteSpace();
    if (cursor_ == end_) return Fail("Content not found");
    if (*cursor_ != '<') {
        char* const next = Find(cursor_, end_, '<');
        if (next == nullptr) return Fail("Content closing '<' not found");
        const auto length = DecodeEntitiesInPlace(cursor_, static_cast<std::size_t>(next - cursor_));
        if (!length) return Fail("XML character decode error");
        token.kind = TagKind::Content;
        token.text = std::string_view(cursor_, *length);
        cursor_ = next;
        return true;
    }
    while (static_cast<std::size_t>(end_ - cursor_) >= kShortestComment &&
           View(cursor_, end_).starts_with(kCommentOpen)) {
        const std::size_t close = View(cursor_, end_).find(kCommentClose, kCommentOpen.size());
        if (close == std::string_view::npos) return Fail("Closing '-->' not found");
        cursor_ += close + kCommentClose.size();
        SkipWhiteSpace();
    }
    char* const close = Find(cursor_, end_, '>');
    if (close == nullptr) return Fail("Closing '>' not found");
    char* const begin = cursor_;
    cursor_ = close + 1;
    return ReadTag(begin, cursor_, token);
}

bool XmlParser::ReadTag(char* begin, char* end, Token& token) {
    // Text after a comment is read as a tag, and fails here.
    if (*begin != '<' || end[-1] != '>') return Fail("Internal error");
    if (end - begin <= 2) return Fail("Node error");
    char* inner = begin + 1;
    char* innerEnd = end - 1;
    const bool closing = *inner == '/';
    const bool selfClosing = innerEnd[-1] == '/';
    if (closing) ++inner;
    if (selfClosing && innerEnd > inner) --innerEnd;
    char* nameEnd = inner;
    while (nameEnd < innerEnd && !IsWhiteSpace(*nameEnd)) ++nameEnd;
    if (nameEnd == inner) return Fail("Name not found after '<'");
    if (closing && selfClosing) return Fail("Closing tag error");
    token.kind = closing ? TagKind::Closing : TagKind::Opening;
    token.text = View(inner, nameEnd);
    token.selfClosing = selfClosing;
    token.attributes = nameEnd;
    token.attributesEnd = innerEnd;
    return true;
}

bool XmlParser::ReadAttributes(const Token& token, XmlNode& element) {
    scratch_.clear();
    const bool read = ReadAttributeList(token);
    // Those read before a failure stay with the element.
    element.attributes_ = attributes_.Store(scratch_);
    return read;
}

bool XmlParser::ReadAttributeList(const Token& token) {
    char* p = token.attributes;
    char* const end = token.attributesEnd;
    for (;;) {
        p = Shared::SkipWhiteSpace(p, end);
        if (p == end) return true;
        char* const name = p;
        while (p < end && !kAttributeNameEnd[static_cast<unsigned char>(*p)]) ++p;
        char* const nameEnd = p;
        p = Shared::SkipWhiteSpace(p, end);
        if (end - p < 2) return Fail("Value expected");
        if (p[0] != '=' || p[1] != '"') return Fail("Quoted value expected");
        char* const value = p + 2;
        // Values are short: one pass finds the closing quote and whether anything needs decoding.
        char* quote = value;
        bool references = false;
        while (quote < end && *quote != '"') references |= *quote++ == '&';
        if (quote == end) return Fail("Quotes not closed");
        std::size_t length = static_cast<std::size_t>(quote - value);
        if (references) {
            const auto decoded = DecodeEntitiesInPlace(value, length);
            if (!decoded || *decoded == 0) return Fail("XML character decode error");
            length = *decoded;
        }
        scratch_.push_back({View(name, nameEnd), std::string_view(value, length)});
        p = quote + 1;
    }
}

}  // namespace Kova::TesselApi::Shared
