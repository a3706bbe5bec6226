// The per-name parameter operations. They answer NotSupported until the parameter access through the
// library and the command line is in place.
#include "vireo/connection_vireo.h"

#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace Kova::TesselApi::Vireo {

#define KOVA_PARAMETER_OP(name, params) \
    Shared::Result Connection_Vireo::name params { return Shared::Error(Shared::NotSupported); }
#include "shared/parameters/all_parameter_ops.inc"
#undef KOVA_PARAMETER_OP

}  // namespace Kova::TesselApi::Vireo
