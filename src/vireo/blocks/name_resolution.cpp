#include "vireo/blocks/name_resolution.h"

#include <string>
#include <vector>

#include "kova/parameters/value_types.h"
#include "vireo/blocks/block_readers.h"
#include "vireo/parameters/parameter_name_map.h"

namespace Kova::TesselApi::Vireo {

using Shared::BlockKind;
using Shared::Error;
using Shared::Result;

namespace {

std::string UpperCase(std::string_view name) {
    std::string upper(name);
    for (char& ch : upper)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return upper;
}

// NAME(n) with a decimal n that fits 32 bits.
bool SplitIndexed(std::string_view name, std::string_view& stem, std::uint32_t& index) {
    const std::size_t open = name.find('(');
    if (open == std::string_view::npos || open == 0 || name.size() < open + 3 || name.back() != ')') return false;
    std::uint64_t n = 0;
    for (const char ch : name.substr(open + 1, name.size() - open - 2)) {
        if (ch < '0' || ch > '9') return false;
        n = n * 10 + static_cast<std::uint64_t>(ch - '0');
        if (n > 0xFFFFFFFFu) return false;
    }
    stem = name.substr(0, open);
    index = static_cast<std::uint32_t>(n);
    return true;
}

}  // namespace

Result IdentifierOf(BlockKind kind, std::string_view name, std::uint32_t& identifier) {
    const std::string upper = UpperCase(name);
    const ParameterFamily family = kind == BlockKind::Axis ? ParameterFamily::Axis : ParameterFamily::System;
    if (const ParameterEntry* entry = ParameterNames(family).Find(upper)) {
        identifier = entry->identifier;
        return Shared::kSuccess;
    }
    std::string_view stem;
    std::uint32_t index = 0;
    if (family == ParameterFamily::Axis || !SplitIndexed(upper, stem, index)) return Error(Shared::BadArgument);
    if (stem == "AIN") identifier = kAnalogueInputs + index;
    else if (stem == "AOUT") identifier = kAnalogueOutputs + index;
    else identifier = KOVA_PARAMETER_NO_IDENTIFIER;
    return Shared::kSuccess;
}

Result ResolveNames(Shared::PrmBlk& block, BlockKind kind) {
    std::vector<std::uint32_t>* numbers = block.Numbers();
    const std::vector<std::string>* names = block.Names();
    if (!numbers || !names) return Error(Shared::InvalidParamBlock);
    if (numbers->size() >= names->size()) return Shared::kSuccess;
    if (block.kind != kind) return Error(Shared::InvalidParamBlock);
    std::vector<std::uint32_t> resolved = *numbers;
    resolved.resize(names->size());
    for (std::size_t i = 0; i < names->size(); ++i) {
        if ((block.fetched >> i & 1u) != 0) continue;
        if (const Result result = IdentifierOf(kind, (*names)[i], resolved[i]); result != Shared::kSuccess) return result;
    }
    *numbers = std::move(resolved);
    return Shared::kSuccess;
}

}  // namespace Kova::TesselApi::Vireo
