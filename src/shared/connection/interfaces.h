// The interface views of the one connection object behind a context handle.
// Every connection type offers the same operations in the same order, so the
// exports can drive any of them; the operation tables live in ops/*.def.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "kova/parameters/by_name.h"
#include "shared/callables.h"
#include "shared/connection/event_logger.h"
#include "shared/parameters/parameter_interfaces.h"
#include "shared/result.h"

namespace Kova::TesselApi::Shared {

// KOVA_OP(return type, name, parameter list, provider): the provider column says
// which class of this module implements the operation (see connection_vireo.h).
#define KOVA_OP(ret, name, params, provider) virtual ret name params = 0;

class IConnectionParams {
public:
#include "shared/connection/ops/01_connection_params.def"
    // The object's destructor: called through the object by Destroy.
    virtual ~IConnectionParams() = default;
};

class IConnectionAsync {
public:
    virtual ~IConnectionAsync() = default;
};

class IPortParameters {};

class IConnection : public IConnectionParams,
                    public IConnectionAsync,
                    public IAxisParameters,
                    public ISystemParameters,
                    public IProcessParameters,
                    public ISlotParameters,
                    public IPortParameters {
public:
#include "shared/connection/ops/main_table.def"
};

#undef KOVA_OP

}  // namespace Kova::TesselApi::Shared
