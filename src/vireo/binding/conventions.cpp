#include "vireo/binding/conventions.h"

#include "vireo/binding/low_level.h"

namespace Kova::TesselApi::Vireo {

using Shared::Error;
using Shared::Result;

Result StatusConvention(std::int32_t status) {
    if (status == 0) return Shared::kSuccess;
    if (status == kLowLevelUnsupported) return Error(Shared::NotSupported);
    return Error(Shared::LowLevelError);
}

Result CommandConvention(std::int32_t status) {
    if (status > 0) return Shared::ControllerError(static_cast<std::uint32_t>(status));
    return StatusConvention(status);
}

Result OpenConvention(std::int32_t status) {
    if (status == 0) return Shared::kSuccess;
    if (status == -1) return Error(Shared::LowLevelError);
    return Shared::SignedSystemError(status);
}

}  // namespace Kova::TesselApi::Vireo
