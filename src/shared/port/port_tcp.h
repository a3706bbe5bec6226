// The byte-stream port over a client TCP connection.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/sockets/sockets.h"
#include "shared/port/port.h"

namespace Kova::TesselApi::Shared {

inline constexpr std::string_view kDefaultControllerHost = "192.168.0.250";
inline constexpr std::uint16_t kDefaultControllerPort = 10001;
inline constexpr std::uint32_t kPortBufferSize = 4096;
// Waits of this length have no limit.
inline constexpr std::uint32_t kPortWaitForever = Platform::kWaitForever;

// One thread may write while another reads; reads and writes each take their own lock.
class Port_TCP : public Port {
public:
    explicit Port_TCP(IEventLogger* owner);
    ~Port_TCP() override;

    Result Close() override;
    Result Write(const std::uint8_t* bytes, std::uint32_t count) override;
    Result Read(std::uint8_t* buffer, std::uint32_t capacity, std::uint32_t& count,
                std::uint32_t timeoutMs) override;
    Result ReadExact(std::uint8_t* buffer, std::uint32_t count, std::uint32_t timeoutMs) override;
    Result PushBack(const std::uint8_t* bytes, std::uint32_t count) override;
    void SetWriteMonitor(PortMonitor* monitor) override;
    void SetReadMonitor(PortMonitor* monitor) override;

    virtual bool IsOpen() const;
    virtual std::uint16_t GetPort() const;
    virtual std::string GetHost() const;

    // An empty host means the controller's factory address, port 0 its usual port.
    Result Open(std::string_view host, std::uint16_t port, std::uint32_t timeoutMs, bool keepAlive);
    // Failures are logged as warnings and otherwise ignored.
    void SetNoDelay(bool on);
    void SetSendBufferSize(std::int32_t size);
    // Bounds each write: one that cannot go out within it answers SocketWrite. 0: no bound.
    void SetSendTimeout(std::uint32_t timeoutMs);

private:
    struct SocketRecord {
        std::atomic<Platform::SocketHandle> handle{Platform::kInvalidSocket};
        IEventLogger* owner = nullptr;
        std::string host;
    };

    // Takes the socket out of use and shuts it down, which wakes a thread blocked on it in the other
    // direction. Its number stays taken until CloseRetired, so that a call still inside the system
    // with it can never reach a socket opened meanwhile.
    void Retire();
    // Closes a retired socket; the caller holds both locks.
    void CloseRetired();
    // A failing read or write, holding its own lock: retires the socket, and closes it at once when
    // no call holds the other lock.
    void Disconnect(std::mutex& otherLock);
    // Logs the socket library's error with its text, disconnects and answers it.
    Result Fail(std::uint32_t error, std::mutex& otherLock);
    Result Receive(std::uint8_t* into, std::uint32_t room, std::uint32_t& received, std::uint32_t timeoutMs);
    std::uint32_t TakeBuffered(std::uint8_t* buffer, std::uint32_t wanted);
    void EmptyBuffer() { readPosition_ = unreadCount_ = 0; }

    SocketRecord socket_;
    std::atomic<Platform::SocketHandle> retired_{Platform::kInvalidSocket};
    std::uint16_t port_ = 0;
    std::string host_;
    std::atomic<PortMonitor*> readMonitor_{nullptr};
    std::atomic<PortMonitor*> writeMonitor_{nullptr};
    std::uint8_t buffer_[kPortBufferSize];
    std::uint32_t readPosition_ = 0;
    std::uint32_t unreadCount_ = 0;
    std::mutex readLock_;
    std::mutex writeLock_;
};

}  // namespace Kova::TesselApi::Shared
