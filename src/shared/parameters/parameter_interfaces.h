// Typed per-name parameter operations of axes, the system, processes and slots: one get operation
// per parameter and a set operation right after it where the parameter can be written, in the
// order of the tables in kova/parameters/.
#pragma once

#include <cstdint>

#include "shared/parameters/parameter_ops.h"
#include "shared/result.h"

namespace Kova::TesselApi::Shared {

#define KOVA_PARAMETER_OP(name, params) virtual Result name params = 0;

class IAxisParameters {
public:
#define KOVA_PARAMETER KOVA_AXIS_PARAMETER_OPS
#include "kova/parameters/axis.def"
#undef KOVA_PARAMETER

protected:
    ~IAxisParameters() = default;
};

class ISystemParameters {
public:
#define KOVA_PARAMETER KOVA_SYSTEM_PARAMETER_OPS
#include "kova/parameters/system.def"
#undef KOVA_PARAMETER

protected:
    ~ISystemParameters() = default;
};

class IProcessParameters {
public:
#define KOVA_PARAMETER KOVA_PROCESS_PARAMETER_OPS
#include "kova/parameters/process.def"
#undef KOVA_PARAMETER

protected:
    ~IProcessParameters() = default;
};

class ISlotParameters {
public:
#define KOVA_PARAMETER KOVA_SLOT_PARAMETER_OPS
#include "kova/parameters/slot.def"
#undef KOVA_PARAMETER

protected:
    ~ISlotParameters() = default;
};

#undef KOVA_PARAMETER_OP

}  // namespace Kova::TesselApi::Shared
