// The error records' texts from the text resources: what the error texts use unless a test puts
// another source in place.
#pragma once

#include "shared/errors/error_text_source.h"

namespace Kova::TesselApi::Shared {

const IErrorTextSource& ResourceTextSource();

}  // namespace Kova::TesselApi::Shared
