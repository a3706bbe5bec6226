// Axis and system blocks name their parameters; a fetch reads them by identifier. Names added since
// the last fetch are resolved before it.
#pragma once

#include <cstdint>
#include <string_view>

#include "shared/blocks/prm_blk.h"
#include "shared/result.h"

namespace Kova::TesselApi::Vireo {

// The identifier of a block entry's name in the family of `kind` (Axis or System), any case.
// System names outside the table may be NAME(n): AIN(n) and AOUT(n) are analogue channel n, any
// other is read by command line. BadArgument for a name that is neither.
Shared::Result IdentifierOf(Shared::BlockKind kind, std::string_view name, std::uint32_t& identifier);

// Gives every name without an identifier its identifier, when the block is of the fetch's kind
// (else InvalidParamBlock). Entries already read keep theirs. All or nothing: a name that does not
// resolve leaves the block as it was, so the next fetch refuses it again.
Shared::Result ResolveNames(Shared::PrmBlk& block, Shared::BlockKind kind);

}  // namespace Kova::TesselApi::Vireo
