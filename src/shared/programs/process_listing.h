// The controller's listing of its processes, one record per process that runs a program.
#pragma once

#include <string_view>

#include "shared/callables.h"

namespace Kova::TesselApi::Shared {

// Lines whose first non-blank character is a digit are
// "number,number,name,number,D.H:M:S,number or *,kind"; others (headings, "OK") are passed over.
// Only kind BASIC reaches the sink, with a terminated name of at most 131 characters. A line
// that cannot be read ends the listing with BadResponse.
Result ReadProcessListing(std::string_view reply, const ProcessSink& sink);

}  // namespace Kova::TesselApi::Shared
