// Collecting the controller's current errors from its sources (system, axis, drive errors) and
// handing them to the caller.
#pragma once

#include <functional>
#include <initializer_list>
#include <vector>

#include "shared/callables.h"
#include "shared/result.h"

namespace Kova::TesselApi::Shared {

// Appends the errors of one source.
using ErrorSource = std::function<Result(std::vector<ErrorInfo>& errors)>;

// Asks the sources in order. Success, Fail and NotSupported let the collection go on; any other
// failure ends it with that result and nothing is delivered. Otherwise every collected error goes to
// the sink (an empty sink receives nothing) and the result is the first non-zero source result, or 0.
Result EnumerateErrors(std::initializer_list<ErrorSource> sources, const ErrorInfoSink& sink);

}  // namespace Kova::TesselApi::Shared
