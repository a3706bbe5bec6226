// Where a connection's components tell what happened: the connection's event log.
#pragma once

#include <cstdint>
#include <string_view>

#include "shared/callables.h"
#include "shared/result.h"

namespace Kova::TesselApi::Shared {

class IEventLogger {
public:
    virtual void Event(std::uint32_t type, Result result, std::string_view text) = 0;
    virtual void Log(std::uint32_t type, Result result, std::string_view text) = 0;
    virtual EventFunction& GetEventFunction() = 0;

protected:
    ~IEventLogger() = default;
};

}  // namespace Kova::TesselApi::Shared
