#include "shared/port/port_tcp.h"

#include <algorithm>
#include <cstring>

#include "platform/system_error/system_error.h"

namespace Kova::TesselApi::Shared {

namespace {

// The controller probes a silent link after 10 s, then every 3 s.
constexpr std::uint32_t kKeepAliveIdleMs = 10000;
constexpr std::uint32_t kKeepAliveIntervalMs = 3000;

std::string Joined(std::string_view head, std::string_view tail) {
    std::string text;
    text.reserve(head.size() + tail.size());
    text.append(head).append(tail);
    return text;
}

}  // namespace

Port_TCP::Port_TCP(IEventLogger* owner) : Port(owner) { socket_.owner = owner; }

Port_TCP::~Port_TCP() { Close(); }

Result Port_TCP::Open(std::string_view host, std::uint16_t port, std::uint32_t timeoutMs, bool keepAlive) {
    using namespace Platform;
    const std::string target(host.empty() ? kDefaultControllerHost : host);
    if (port == 0) port = kDefaultControllerPort;

    Close();
    const std::uint32_t address = ResolveIPv4(target.c_str());
    const SocketHandle socket = CreateStreamSocket();
    if (socket == kInvalidSocket) {
        const std::uint32_t error = LastSocketError();
        Log(EventError, SystemError(error), SystemErrorText(error));
        return SystemError(error);
    }
    const auto abandon = [&](std::uint32_t error) {
        Platform::CloseSocket(socket);
        Log(EventError, SystemError(error), SystemErrorText(error));
        return SystemError(error);
    };

    if (!SetNonBlocking(socket, true)) return abandon(LastSocketError());
    const ConnectStart start = StartConnect(socket, address, port);
    if (start == ConnectStart::Failed) return abandon(LastSocketError());
    if (start == ConnectStart::Pending) {
        const WaitOutcome outcome = WaitConnected(socket, timeoutMs);
        if (outcome == WaitOutcome::Failed) return abandon(LastSocketError());
        if (outcome == WaitOutcome::TimedOut) {
            Platform::CloseSocket(socket);
            Log(EventError, Error(Timeout), "Timeout connecting to the port");
            return Error(Timeout);
        }
    }
    if (!SetNonBlocking(socket, false)) return abandon(LastSocketError());
    if (keepAlive && !SetKeepAlive(socket, kKeepAliveIdleMs, kKeepAliveIntervalMs))
        Log(EventWarning, kSuccess, "Failed to set keepalive option");

    Log(EventInformation, kSuccess, Joined("Connected to ", target));
    socket_.host = target;
    socket_.handle.store(socket);
    port_ = port;
    host_ = target;
    const std::lock_guard lock(readLock_);
    EmptyBuffer();
    return kSuccess;
}

void Port_TCP::Retire() {
    // Reader and writer may both fail at once; only one of them retires the socket.
    const Platform::SocketHandle socket = socket_.handle.exchange(Platform::kInvalidSocket);
    if (socket == Platform::kInvalidSocket) return;
    Platform::ShutdownSocket(socket);
    // Empty here: Open closed the one before.
    retired_.store(socket);
    if (!socket_.host.empty()) {
        if (socket_.owner != nullptr)
            socket_.owner->Log(EventInformation, kSuccess, Joined("Disconnected from ", socket_.host));
        socket_.host.clear();
    }
}

void Port_TCP::CloseRetired() { Platform::CloseSocket(retired_.exchange(Platform::kInvalidSocket)); }

void Port_TCP::Disconnect(std::mutex& otherLock) {
    Retire();
    if (otherLock.try_lock()) {
        CloseRetired();
        otherLock.unlock();
    }
}

Result Port_TCP::Close() {
    Retire();
    const std::scoped_lock lock(readLock_, writeLock_);
    CloseRetired();
    EmptyBuffer();
    return kSuccess;
}

Result Port_TCP::Fail(std::uint32_t error, std::mutex& otherLock) {
    Log(EventError, SystemError(error), Platform::SystemErrorText(error));
    Disconnect(otherLock);
    return SystemError(error);
}

Result Port_TCP::Write(const std::uint8_t* bytes, std::uint32_t count) {
    if (bytes == nullptr && count > 0) return Error(BadArgument);
    const std::lock_guard lock(writeLock_);
    const std::int64_t sent = Platform::Send(socket_.handle.load(), bytes, count);
    if (sent < 0) return Fail(Platform::LastSocketError(), readLock_);
    if (sent < static_cast<std::int64_t>(count)) {
        Disconnect(readLock_);
        return Error(SocketWrite);
    }
    if (PortMonitor* monitor = writeMonitor_.load()) monitor->OnBytes(bytes, count);
    return kSuccess;
}

Result Port_TCP::Receive(std::uint8_t* into, std::uint32_t room, std::uint32_t& received, std::uint32_t timeoutMs) {
    using namespace Platform;
    received = 0;
    const SocketHandle socket = socket_.handle.load();
    const WaitOutcome outcome = WaitReadable(socket, timeoutMs);
    if (outcome == WaitOutcome::Failed) return Fail(LastSocketError(), writeLock_);
    if (outcome == WaitOutcome::TimedOut) return timeoutMs > 0 ? Error(Timeout) : kSuccess;
    const std::int64_t count = Platform::Receive(socket, into, room);
    if (count == 0) {
        Disconnect(writeLock_);
        return kSuccess;
    }
    if (count > 0) {
        received = static_cast<std::uint32_t>(count);
        if (PortMonitor* monitor = readMonitor_.load()) monitor->OnBytes(into, received);
        return kSuccess;
    }
    if (count != -1) {
        Log(EventError, Error(SocketRead), "Unexpected received byte count");
        Disconnect(writeLock_);
        return Error(SocketRead);
    }
    return Fail(LastSocketError(), writeLock_);
}

std::uint32_t Port_TCP::TakeBuffered(std::uint8_t* buffer, std::uint32_t wanted) {
    const std::uint32_t count = std::min(wanted, unreadCount_);
    if (count == 0) return 0;
    std::memcpy(buffer, buffer_ + readPosition_, count);
    readPosition_ += count;
    unreadCount_ -= count;
    if (unreadCount_ == 0) readPosition_ = 0;
    return count;
}

Result Port_TCP::Read(std::uint8_t* buffer, std::uint32_t capacity, std::uint32_t& count, std::uint32_t timeoutMs) {
    count = 0;
    if (buffer == nullptr && capacity > 0) return Error(BadArgument);
    const std::lock_guard lock(readLock_);
    count = TakeBuffered(buffer, capacity);
    if (count >= capacity) return kSuccess;
    EmptyBuffer();
    std::uint32_t received = 0;
    const Result result = Receive(buffer + count, capacity - count, received, timeoutMs);
    count += received;
    return result;
}

Result Port_TCP::ReadExact(std::uint8_t* buffer, std::uint32_t count, std::uint32_t timeoutMs) {
    if (buffer == nullptr && count > 0) return Error(BadArgument);
    const std::lock_guard lock(readLock_);
    std::uint32_t done = TakeBuffered(buffer, count);
    while (done < count) {
        // The buffer is empty here: everything it held went to the caller.
        std::uint32_t received = 0;
        const Result result = Receive(buffer_, kPortBufferSize - unreadCount_, received, timeoutMs);
        if (result != kSuccess) return result;
        readPosition_ = 0;
        unreadCount_ = received;
        done += TakeBuffered(buffer + done, count - done);
    }
    return kSuccess;
}

Result Port_TCP::PushBack(const std::uint8_t* bytes, std::uint32_t count) {
    if (bytes == nullptr && count > 0) return Error(BadArgument);
    const std::lock_guard lock(readLock_);
    if (count == 0) return kSuccess;
    if (count <= readPosition_) {
        readPosition_ -= count;
        std::memcpy(buffer_ + readPosition_, bytes, count);
    } else if (unreadCount_ + count <= kPortBufferSize) {
        std::memmove(buffer_ + count, buffer_ + readPosition_, unreadCount_);
        std::memcpy(buffer_, bytes, count);
        readPosition_ = 0;
    } else {
        return Error(BufferTooSmall);
    }
    unreadCount_ += count;
    return kSuccess;
}

void Port_TCP::SetWriteMonitor(PortMonitor* monitor) { writeMonitor_.store(monitor); }
void Port_TCP::SetReadMonitor(PortMonitor* monitor) { readMonitor_.store(monitor); }

bool Port_TCP::IsOpen() const { return socket_.handle.load() != Platform::kInvalidSocket; }
std::uint16_t Port_TCP::GetPort() const { return port_; }
std::string Port_TCP::GetHost() const { return host_; }

// Options go through the write lock: the socket's number is only ever used under a lock.
void Port_TCP::SetNoDelay(bool on) {
    const std::lock_guard lock(writeLock_);
    if (!Platform::SetNoDelay(socket_.handle.load(), on)) Log(EventWarning, kSuccess, "Failed to set no-delay option");
}

void Port_TCP::SetSendBufferSize(std::int32_t size) {
    const std::lock_guard lock(writeLock_);
    if (!Platform::SetSendBufferSize(socket_.handle.load(), size))
        Log(EventWarning, kSuccess, "Failed to set send buffer size");
}

void Port_TCP::SetSendTimeout(std::uint32_t timeoutMs) {
    const std::lock_guard lock(writeLock_);
    // Without the bound a write waits as the system lets it; nothing else to do about it.
    Platform::SetSendTimeout(socket_.handle.load(), timeoutMs);
}

}  // namespace Kova::TesselApi::Shared
