// Operations this connection type does not offer (or does not offer yet): each answers NotSupported
// without looking at its arguments.
#include "vireo/connection_vireo.h"

#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace Kova::TesselApi::Vireo {

#define KOVA_OP(ret, name, params, provider) KOVA_VIREO_DEFINE_##provider(ret, name, params)
#define KOVA_VIREO_DEFINE_Base(ret, name, params)
#define KOVA_VIREO_DEFINE_Vireo(ret, name, params)
#define KOVA_VIREO_DEFINE_NotSupported(ret, name, params) \
    ret Connection_Vireo::name params { return Shared::Error(Shared::NotSupported); }
#include "shared/connection/ops/01_connection_params.def"
#include "shared/connection/ops/main_table.def"

}  // namespace Kova::TesselApi::Vireo
