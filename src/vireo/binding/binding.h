// Finding the functions of vireo_api_x64 and checking that the library is a version the module
// knows how to drive. Both run in the module factory, before a connection is made.
#pragma once

#include "shared/callables.h"
#include "shared/result.h"

namespace Kova::TesselApi::Vireo {

// The version of the library this module was built against, as the library writes it:
// four numbers separated by dots.
inline constexpr int kExpectedLowLevelVersion[4] = {2, 339005006, 1570, 28865};

// Fills every entry of the low-level table that is still empty from the copy of the library
// that is already loaded. Each function it cannot find is reported to `events` (which may be
// empty) and stays empty; nothing stops the binding.
void BindLowLevelLibrary(const Shared::EventFunction& events);

// Success when the library's version is the expected one, or a later build of it; otherwise
// VersionMismatch. Any difference is reported to `events`.
Shared::Result CheckLowLevelVersion(const Shared::EventFunction& events);

}  // namespace Kova::TesselApi::Vireo
