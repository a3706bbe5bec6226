// Expanding a text template: "\" quotes the next character, {NAME} is replaced by a value, and an
// optional section [ ... ] disappears when a value it names is missing. Outside every section a
// missing value cuts the text short just before it.
#pragma once

#include <string>
#include <string_view>

#include "shared/errors/value_by_name.h"

namespace Kova::TesselApi::Shared {

std::string ExpandTemplate(std::string_view format, const IValueByName& values);

}  // namespace Kova::TesselApi::Shared
