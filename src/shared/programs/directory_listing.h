// The controller's listing of its program store, one record per entry.
#pragma once

#include <string_view>

#include "shared/callables.h"

namespace Kova::TesselApi::Shared {

// The first line is a heading; a line starting "OK" (any case) closes the listing. Each other line
// is "name,n2,n3,n4,n1,n5" and calls the sink once with a terminated name. A line that cannot be
// read (a TABLE entry among them) ends the listing with BadResponse.
Result ReadDirectoryListing(std::string_view reply, const DirSink& sink);

}  // namespace Kova::TesselApi::Shared
