#include "shared/text_return.h"

#include <algorithm>
#include <cstring>

namespace Kova::TesselApi::Shared {

Result CopyToBuffer(std::string_view text, char* buffer, std::uint32_t& size) {
    const std::uint32_t capacity = size;
    size = static_cast<std::uint32_t>(text.size()) + 1;
    if (buffer == nullptr) return kSuccess;  // the caller asks for the size only
    if (capacity == 0) return Error(BufferTooSmall);
    const std::size_t written = std::min<std::size_t>(text.size(), capacity - 1);
    std::memcpy(buffer, text.data(), written);
    buffer[written] = '\0';
    return capacity > text.size() ? kSuccess : Error(BufferTooSmall);
}

}  // namespace Kova::TesselApi::Shared
