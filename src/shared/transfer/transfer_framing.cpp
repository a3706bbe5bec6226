#include "shared/transfer/transfer_framing.h"

#include <cstring>

#include "shared/transfer/file_types.h"

namespace Kova::TesselApi::Shared {

namespace {

bool SameWord(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != word[i]) return false;
    }
    return true;
}

constexpr std::size_t kHeaderLimit = 255;

}  // namespace

bool ParseDestination(std::string_view remoteName, DestinationKind& kind, std::string& name) {
    const std::size_t colon = remoteName.find(':');
    if (colon == std::string_view::npos) {
        kind = DestinationRam;
        name.assign(remoteName);
        return true;
    }
    const std::string_view prefix = remoteName.substr(0, colon);
    if (SameWord(prefix, "SD")) {
        kind = DestinationSd;
    } else if (SameWord(prefix, "RAM")) {
        kind = DestinationRam;
    } else if (SameWord(prefix, "FIFO")) {
        kind = DestinationFifo;
    } else {
        return false;
    }
    name.assign(remoteName.substr(colon + 1));
    return true;
}

std::string ExtendedRemoteName(std::string_view name, std::uint32_t fileType, bool compress, bool compressedMark) {
    std::uint32_t type = fileType;
    if (compress && !compressedMark && type != kFileTypeTemporary && type != kFileTypeBinary &&
        type != kFileTypeVolatileText)
        type = kFileTypeTemporary;
    const FileTypeInfo* info = FindFileType(type);
    std::string extended(name);
    // A type without an extension, or one beyond the table, still ends the name with its dot.
    extended.append(info != nullptr && !info->extension.empty() ? info->extension : std::string_view("."));
    return extended;
}

std::string TransferHeader(std::uint32_t protocolLevel, bool download, bool compressedData, DestinationKind kind,
                           std::string_view name) {
    std::string header;
    if (protocolLevel == 0) return header;
    header.reserve(name.size() + 8);
    header.push_back(static_cast<char>(kSOH));
    if (protocolLevel == 1) {
        header.append("SD:");
    } else {
        header.append("00");
        header.push_back(static_cast<char>('0' + (download ? 2 : 0) + (compressedData ? 1 : 0)));
        header.push_back(static_cast<char>('0' + kind));
        if (protocolLevel >= 3) {
            header.push_back(static_cast<char>(kUS));
            header.push_back('1');
            header.push_back(static_cast<char>(kUS));
        }
    }
    header.append(name);
    header.push_back(static_cast<char>(kSTX));
    if (header.size() > kHeaderLimit) header.resize(kHeaderLimit);
    return header;
}

std::size_t EscapeInto(const std::uint8_t* bytes, std::size_t count, std::uint8_t* out) {
    std::size_t length = 0;
    std::size_t i = 0;
    while (i < count) {
        std::size_t run = i;
        while (run < count && !NeedsEscape(bytes[run])) ++run;
        std::memcpy(out + length, bytes + i, run - i);
        length += run - i;
        if (run == count) break;
        out[length++] = kEscape;
        out[length++] = EscapeLetter(bytes[run]);
        i = run + 1;
    }
    return length;
}

}  // namespace Kova::TesselApi::Shared
