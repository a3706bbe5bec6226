// The byte-level framing of the file transfer stream: header, destinations, escaping.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace Kova::TesselApi::Shared {

inline constexpr std::uint8_t kSOH = 0x01;
inline constexpr std::uint8_t kSTX = 0x02;
inline constexpr std::uint8_t kETX = 0x03;
inline constexpr std::uint8_t kUS = 0x1F;
inline constexpr std::uint8_t kEscape = 0x5C;

enum DestinationKind : std::uint32_t {
    DestinationRam = 0,
    DestinationFifo = 1,
    DestinationSd = 2,
};

// "SD:", "RAM:" or "FIFO:" in any case select the store and are removed; a name without ':' goes to
// RAM whole. False for any other prefix.
bool ParseDestination(std::string_view remoteName, DestinationKind& kind, std::string& name);

// The name with the extension of the type the controller will store it as: data compressed without
// the mark are kept as temporary files unless they are binary or volatile text anyway.
std::string ExtendedRemoteName(std::string_view name, std::uint32_t fileType, bool compress, bool compressedMark);

// The opening frame for a protocol level (nothing at level 0); at most 255 bytes.
std::string TransferHeader(std::uint32_t protocolLevel, bool download, bool compressedData, DestinationKind kind,
                           std::string_view name);

inline constexpr bool NeedsEscape(std::uint8_t byte) {
    return byte == kSOH || byte == kSTX || byte == kETX || byte == kEscape;
}

// The escape letter that follows the backslash for a byte NeedsEscape accepts.
inline constexpr std::uint8_t EscapeLetter(std::uint8_t byte) {
    switch (byte) {
        case kSOH: return 'h';
        case kSTX: return 's';
        case kETX: return 'e';
        default: return kEscape;
    }
}

// The byte an escape letter stands for; false for a letter that stands for none.
inline constexpr bool UnescapedByte(std::uint8_t letter, std::uint8_t& byte) {
    for (const std::uint8_t framed : {kSOH, kSTX, kETX, kEscape}) {
        if (EscapeLetter(framed) == letter) {
            byte = framed;
            return true;
        }
    }
    return false;
}

// Writes the escaped form of the bytes to out, which holds at least twice count; answers its length.
std::size_t EscapeInto(const std::uint8_t* bytes, std::size_t count, std::uint8_t* out);

}  // namespace Kova::TesselApi::Shared
