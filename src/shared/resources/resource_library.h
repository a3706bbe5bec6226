// The resource library, found on first use by its name through the platform's search order. The
// module loads without it; then every document is missing.
#pragma once

#include <optional>
#include <string_view>

namespace Kova::TesselApi::Shared {

// The bytes of the named document, valid while the library stays loaded (for good, once found), or
// nothing when the library or the document is missing.
std::optional<std::string_view> ResourceDocumentBytes(std::string_view name);

}  // namespace Kova::TesselApi::Shared
