// Entity references of XML text decoded in place: the text only ever shrinks, so the decoded text
// starts where the source did and is written over it.
#pragma once

#include <cstddef>
#include <optional>

namespace Kova::TesselApi::Shared {

// The decoded length, or nothing when a reference is malformed: an '&' without a later ';', an empty
// name, a numeric reference without digits or with a non-digit, a code point of 0x10000 or above.
// Unknown named references are kept as written.
std::optional<std::size_t> DecodeEntitiesInPlace(char* text, std::size_t length);

}  // namespace Kova::TesselApi::Shared
