// The XML reader on any bytes: it must end with a verdict and a tree whose names are names, and its
// in-place entity decoding must agree with a plain decoding into a new string.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shared/xml/xml_document.h"
#include "shared/xml/xml_entities.h"

namespace {

using namespace Kova::TesselApi::Shared;

std::optional<std::string> ReferenceDecoding(std::string_view text) {
    static const std::vector<std::pair<std::string_view, char>> named = {
        {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"amp", '&'}, {"tab", '\t'}, {"nbsp", ' '}, {"NewLine", '\n'}};
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] != '&') {
            out += text[i++];
            continue;
        }
        const std::size_t semicolon = text.find(';', i);
        if (semicolon == std::string_view::npos || semicolon == i + 1) return std::nullopt;
        std::string_view name = text.substr(i + 1, semicolon - i - 1);
        if (name[0] == '#') {
            name.remove_prefix(1);
            int base = 10;
            if (!name.empty() && (name[0] == 'x' || name[0] == 'X')) {
                base = 16;
                name.remove_prefix(1);
            }
            if (name.empty()) return std::nullopt;
            unsigned long value = 0;
            for (const char c : name) {
                const std::string_view digits = base == 16 ? "0123456789abcdefABCDEF" : "0123456789";
                const std::size_t at = digits.find(c);
                if (at == std::string_view::npos) return std::nullopt;
                value = value * static_cast<unsigned long>(base) + (at < 16 ? at : at - 6);
                if (value >= 0x10000) return std::nullopt;
            }
            if (value < 0x80) {
                out += static_cast<char>(value);
            } else if (value < 0x800) {
                out += static_cast<char>(0xC0 | (value >> 6));
                out += static_cast<char>(0x80 | (value & 0x3F));
            } else {
                out += static_cast<char>(0xE0 | (value >> 12));
                out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (value & 0x3F));
            }
            i = semicolon + 1;
            continue;
        }
        bool known = false;
        for (const auto& [entity, replacement] : named) {
            if (entity == name) {
                out += replacement;
                known = true;
            }
        }
        if (known) {
            i = semicolon + 1;
        } else {
            out += text[i++];
        }
    }
    return out;
}

bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

void CheckTree(const XmlNode& root) {
    std::vector<const XmlNode*> pending{&root};
    while (!pending.empty()) {
        const XmlNode* node = pending.back();
        pending.pop_back();
        if (node->Name().empty()) std::abort();
        for (const char c : node->Name()) {
            if (IsWhiteSpace(c) || c == '>') std::abort();
        }
        for (const XmlNode& child : node->Children()) pending.push_back(&child);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    std::string inPlace(input);
    const auto length = DecodeEntitiesInPlace(inPlace.data(), inPlace.size());
    const auto expected = ReferenceDecoding(input);
    if (length.has_value() != expected.has_value()) std::abort();
    if (length && inPlace.substr(0, *length) != *expected) std::abort();

    XmlDocument document;
    const bool parsed = document.Parse(input);
    if (parsed && !document.Error().empty() && document.Error() != "Content set twice") std::abort();
    if (!parsed && document.Error().empty()) std::abort();
    if (parsed) CheckTree(document.Root());
    return 0;
}
