// Returning text into a caller's buffer: the size holds the capacity going in and the text
// length plus one coming out; the text is cut to fit and always terminated. A null buffer asks
// for the size only.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "shared/result.h"

namespace Kova::TesselApi::Shared {

Result CopyToBuffer(std::string_view text, char* buffer, std::uint32_t& size);

// The same for a text of `length` bytes that is costly to fetch: `fetch(buffer, count)` writes
// only the first `count` bytes, those that fit; a failure of it is the answer.
Result CopyToBuffer(std::uint32_t length, char* buffer, std::uint32_t& size,
                    const std::function<Result(char*, std::uint32_t)>& fetch);

// A reply that the controller library wrote into the caller's buffer itself, `size` bytes of it:
// terminated when there is room behind it, and the size counts the terminator.
void TerminateLibraryReply(char* buffer, std::uint32_t capacity, std::uint32_t& size);

}  // namespace Kova::TesselApi::Shared
