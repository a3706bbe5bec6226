// A caller's text made NUL-terminated for the library: command lines and program or file names.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

#include "shared/reply/buffer_base.h"

namespace Kova::TesselApi::Vireo::CommandLine {

class TerminatedText {
public:
    explicit TerminatedText(std::string_view text) {
        buffer_.Reserve(static_cast<std::uint32_t>(text.size()) + kSlack);
        if (!text.empty()) std::memcpy(buffer_.Data(), text.data(), text.size());
        buffer_.SetLength(static_cast<std::uint32_t>(text.size()));
    }
    const char* c_str() const { return buffer_.Data(); }

private:
    // Room the library may use behind the text.
    static constexpr std::uint32_t kSlack = 17;
    // Short texts stay on the stack, longer ones go to the heap.
    Shared::BufferBase<char, 1024, 32> buffer_;
};

}  // namespace Kova::TesselApi::Vireo::CommandLine
