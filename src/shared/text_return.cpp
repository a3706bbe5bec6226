#include "shared/text_return.h"

#include <algorithm>
#include <cstring>

namespace Kova::TesselApi::Shared {

Result CopyToBuffer(std::uint32_t length, char* buffer, std::uint32_t& size,
                    const std::function<Result(char*, std::uint32_t)>& fetch) {
    const std::uint32_t capacity = size;
    if (buffer && capacity != 0) {
        const std::uint32_t fit = std::min(capacity - 1, length);
        if (const Result fetched = fetch(buffer, fit); fetched != kSuccess) return fetched;
        buffer[fit] = '\0';
    }
    size = length + 1;
    if (buffer == nullptr) return kSuccess;
    return capacity > length ? kSuccess : Error(BufferTooSmall);
}

Result CopyToBuffer(std::string_view text, char* buffer, std::uint32_t& size) {
    return CopyToBuffer(static_cast<std::uint32_t>(text.size()), buffer, size, [text](char* to, std::uint32_t count) {
        std::memcpy(to, text.data(), count);
        return kSuccess;
    });
}

void TerminateLibraryReply(char* buffer, std::uint32_t capacity, std::uint32_t& size) {
    if (buffer && size < capacity) buffer[size] = '\0';
    ++size;
}

}  // namespace Kova::TesselApi::Shared
