// What every connection type shares: the version operations and the event log.
#pragma once

#include "shared/connection/interfaces.h"

namespace Kova::TesselApi::Shared {

class ConnectionBase : public IConnection, public IEventLogger {
public:
    explicit ConnectionBase(EventFunction eventFunction) : eventFunction_(std::move(eventFunction)) {}
    ConnectionBase(const ConnectionBase&) = delete;
    ConnectionBase& operator=(const ConnectionBase&) = delete;

    Result GetApiVersion(std::uint64_t& version) override;
    Result GetApiVersionStr(std::string_view& text) override;

    void Event(std::uint32_t type, Result result, std::string_view text) override;
    void Log(std::uint32_t type, Result result, std::string_view text) override;
    EventFunction& GetEventFunction() override { return eventFunction_; }

private:
    EventFunction eventFunction_;
};

}  // namespace Kova::TesselApi::Shared
