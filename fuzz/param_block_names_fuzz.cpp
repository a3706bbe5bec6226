// Names of axis and system block entries as a caller may write them: each either resolves or is a
// BadArgument, and a resolved NAME(n) matches a plain reading of its digits.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "kova/parameters/value_types.h"
#include "vireo/blocks/block_readers.h"
#include "vireo/blocks/name_resolution.h"

using namespace Kova::TesselApi;

namespace {

// n when the name ends in "(digits)" after a stem; false otherwise.
bool DigitsInBrackets(std::string_view name, std::uint64_t& n) {
    const std::size_t open = name.find('(');
    if (open == std::string_view::npos || open == 0 || name.size() < open + 3 || name.back() != ')') return false;
    n = 0;
    for (const char ch : name.substr(open + 1, name.size() - open - 2)) {
        if (ch < '0' || ch > '9' || n > 0xFFFFFFFFu) return false;
        n = n * 10 + static_cast<std::uint64_t>(ch - '0');
    }
    return n <= 0xFFFFFFFFu;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const Shared::BlockKind kind = (data[0] & 1) ? Shared::BlockKind::Axis : Shared::BlockKind::System;
    const std::string_view name(reinterpret_cast<const char*>(data + 1), size - 1);
    std::uint32_t identifier = 0;
    const Shared::Result result = Vireo::IdentifierOf(kind, name, identifier);
    if (result != Shared::kSuccess && result != Shared::Error(Shared::BadArgument)) std::abort();
    std::uint64_t n = 0;
    const bool upperAin = name.size() > 4 && (name.substr(0, 4) == "AIN(" || name.substr(0, 4) == "ain(");
    if (kind == Shared::BlockKind::System && upperAin && DigitsInBrackets(name, n)) {
        if (result != Shared::kSuccess || identifier != static_cast<std::uint32_t>(Vireo::kAnalogueInputs + n))
            std::abort();
    }
    return 0;
}
