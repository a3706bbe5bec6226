#include "shared/xml/xml_entities.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace Kova::TesselApi::Shared {
namespace {

struct NamedEntity {
    std::string_view name;  // between '&' and ';'
    char replacement;
};

constexpr std::array<NamedEntity, 7> kNamedEntities{{
    {"lt", '<'},
    {"gt", '>'},
    {"quot", '"'},
    {"amp", '&'},
    {"tab", '\t'},
    {"nbsp", ' '},
    {"NewLine", '\n'},
}};

int DigitValue(char c, unsigned base) {
    if (c >= '0' && c <= '9') return c - '0';
    if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

constexpr std::uint32_t kCodePointLimit = 0x10000;

// The code point of "#N" or "#xH", or kCodePointLimit when it is malformed or too large.
std::uint32_t NumericReference(std::string_view name) {
    name.remove_prefix(1);
    unsigned base = 10;
    if (!name.empty() && (name.front() == 'x' || name.front() == 'X')) {
        base = 16;
        name.remove_prefix(1);
    }
    if (name.empty()) return kCodePointLimit;
    std::uint32_t value = 0;
    for (const char c : name) {
        const int digit = DigitValue(c, base);
        if (digit < 0) return kCodePointLimit;
        value = value * base + static_cast<std::uint32_t>(digit);
        if (value >= kCodePointLimit) return kCodePointLimit;
    }
    return value;
}

std::size_t WriteUtf8(std::uint32_t codePoint, char* out) {
    if (codePoint < 0x80) {
        out[0] = static_cast<char>(codePoint);
        return 1;
    }
    if (codePoint < 0x800) {
        out[0] = static_cast<char>(0xC0 | (codePoint >> 6));
        out[1] = static_cast<char>(0x80 | (codePoint & 0x3F));
        return 2;
    }
    out[0] = static_cast<char>(0xE0 | (codePoint >> 12));
    out[1] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (codePoint & 0x3F));
    return 3;
}

}  // namespace

std::optional<std::size_t> DecodeEntitiesInPlace(char* text, std::size_t length) {
    char* const end = text + length;
    char* read = static_cast<char*>(std::memchr(text, '&', length));
    if (read == nullptr) return length;
    char* write = read;
    // The first ';' at or after read; kept while read has not passed it, so that a run of '&' of
    // unknown references does not search the same text again and again.
    char* semicolon = nullptr;
    while (read < end) {
        if (*read != '&') {
            char* next = static_cast<char*>(std::memchr(read, '&', static_cast<std::size_t>(end - read)));
            if (next == nullptr) next = end;
            std::memmove(write, read, static_cast<std::size_t>(next - read));
            write += next - read;
            read = next;
            continue;
        }
        if (semicolon == nullptr || semicolon < read) {
            semicolon = static_cast<char*>(std::memchr(read, ';', static_cast<std::size_t>(end - read)));
            if (semicolon == nullptr) return std::nullopt;
        }
        if (semicolon == read + 1) return std::nullopt;
        const std::string_view name(read + 1, static_cast<std::size_t>(semicolon - read - 1));
        if (name.front() == '#') {
            const std::uint32_t codePoint = NumericReference(name);
            if (codePoint >= kCodePointLimit) return std::nullopt;
            char encoded[3];
            const std::size_t encodedLength = WriteUtf8(codePoint, encoded);
            // Writing over the reference must not overtake the text still to be read.
            if (encodedLength > name.size() + 2) return std::nullopt;
            std::memcpy(write, encoded, encodedLength);
            write += encodedLength;
            read = semicolon + 1;
            continue;
        }
        const NamedEntity* known = nullptr;
        for (const NamedEntity& entity : kNamedEntities) {
            if (entity.name == name) known = &entity;
        }
        if (known != nullptr) {
            *write++ = known->replacement;
            read = semicolon + 1;
        } else {
            // Kept as written: the '&' is copied and the rest of the name is read as plain text, so
            // a later '&' inside it starts a reference of its own.
            *write++ = *read++;
        }
    }
    return static_cast<std::size_t>(write - text);
}

}  // namespace Kova::TesselApi::Shared
