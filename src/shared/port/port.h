// A byte-stream channel to the controller, as the file transfer sees it.
#pragma once

#include <cstdint>
#include <string_view>

#include "shared/connection/event_logger.h"
#include "shared/result.h"

namespace Kova::TesselApi::Shared {

// Sees every byte a port writes or reads, on the thread that moved them.
class PortMonitor {
public:
    virtual void OnBytes(const std::uint8_t* bytes, std::uint32_t count) = 0;

protected:
    ~PortMonitor() = default;
};

class Port {
public:
    // Events go to the owner's log; a null owner logs nothing.
    explicit Port(IEventLogger* owner) : owner_(owner) {}
    Port(const Port&) = delete;
    Port& operator=(const Port&) = delete;
    virtual ~Port() = default;

    virtual Result Close() = 0;
    virtual Result Write(const std::uint8_t* bytes, std::uint32_t count) = 0;
    // At most capacity bytes: what was pushed back or buffered first, then one receive.
    virtual Result Read(std::uint8_t* buffer, std::uint32_t capacity, std::uint32_t& count,
                        std::uint32_t timeoutMs) = 0;
    // Exactly count bytes, or the result of the receive that failed.
    virtual Result ReadExact(std::uint8_t* buffer, std::uint32_t count, std::uint32_t timeoutMs) = 0;
    // The next read returns these bytes first.
    virtual Result PushBack(const std::uint8_t* bytes, std::uint32_t count) = 0;
    // The monitor stays the caller's; null removes it.
    virtual void SetWriteMonitor(PortMonitor* monitor) = 0;
    virtual void SetReadMonitor(PortMonitor* monitor) = 0;

protected:
    IEventLogger* Owner() const { return owner_; }
    void Log(std::uint32_t type, Result result, std::string_view text) const {
        if (owner_ != nullptr) owner_->Log(type, result, text);
    }

private:
    IEventLogger* owner_;
};

}  // namespace Kova::TesselApi::Shared
