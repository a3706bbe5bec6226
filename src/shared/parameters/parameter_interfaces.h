// Typed per-name parameter operations of axes, the system, processes and slots.
#pragma once

namespace Kova::TesselApi::Shared {

class IAxisParameters {};
class ISystemParameters {};
class IProcessParameters {};
class ISlotParameters {};

}  // namespace Kova::TesselApi::Shared
