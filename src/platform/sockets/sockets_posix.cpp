#include "platform/sockets/sockets.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <climits>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace Kova::TesselApi::Platform {

namespace {

int Native(SocketHandle socket) { return static_cast<int>(socket); }

// poll rather than select: descriptors above FD_SETSIZE are legal here. Interrupted waits resume
// with what is left of the time.
WaitOutcome WaitFor(SocketHandle socket, short events, std::uint32_t timeoutMs, short& seen) {
    if (socket == kInvalidSocket) {
        errno = EBADF;
        return WaitOutcome::Failed;
    }
    using Clock = std::chrono::steady_clock;
    const bool forever = timeoutMs == kWaitForever;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int wait = -1;
        if (!forever) {
            // Rounded up: a wait cut down to 0 ms would return at once and turn the wait into a spin.
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
            wait = left <= 0 ? 0 : (left > INT_MAX ? INT_MAX : static_cast<int>(left));
        }
        pollfd entry{Native(socket), events, 0};
        const int ready = poll(&entry, 1, wait);
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0) return WaitOutcome::Failed;
        if (ready == 0) {
            if (!forever && Clock::now() < deadline) continue;
            return WaitOutcome::TimedOut;
        }
        if (entry.revents & POLLNVAL) {
            errno = EBADF;
            return WaitOutcome::Failed;
        }
        seen = entry.revents;
        return WaitOutcome::Ready;
    }
}

bool SetInt(SocketHandle socket, int level, int name, int value) {
    return setsockopt(Native(socket), level, name, &value, sizeof value) == 0;
}

}  // namespace

std::uint32_t LastSocketError() { return static_cast<std::uint32_t>(errno); }

SocketHandle CreateStreamSocket() {
    const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    return socket < 0 ? kInvalidSocket : static_cast<SocketHandle>(socket);
}

void CloseSocket(SocketHandle socket) {
    if (socket != kInvalidSocket) close(Native(socket));
}

void ShutdownSocket(SocketHandle socket) {
    if (socket != kInvalidSocket) shutdown(Native(socket), SHUT_RDWR);
}

bool SetNonBlocking(SocketHandle socket, bool on) {
    const int flags = fcntl(Native(socket), F_GETFL, 0);
    if (flags < 0) return false;
    return fcntl(Native(socket), F_SETFL, on ? (flags | O_NONBLOCK) : (flags & ~O_NONBLOCK)) == 0;
}

ConnectStart StartConnect(SocketHandle socket, std::uint32_t address, std::uint16_t port) {
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    target.sin_addr.s_addr = address;
    if (connect(Native(socket), reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0)
        return ConnectStart::Connected;
    return errno == EINPROGRESS || errno == EAGAIN || errno == EINTR ? ConnectStart::Pending
                                                                     : ConnectStart::Failed;
}

WaitOutcome WaitConnected(SocketHandle socket, std::uint32_t timeoutMs) {
    short seen = 0;
    const WaitOutcome outcome = WaitFor(socket, POLLOUT, timeoutMs, seen);
    if (outcome != WaitOutcome::Ready) return outcome;
    int error = 0;
    socklen_t length = sizeof error;
    if (getsockopt(Native(socket), SOL_SOCKET, SO_ERROR, &error, &length) != 0) return WaitOutcome::Failed;
    if (error != 0) {
        errno = error;
        return WaitOutcome::Failed;
    }
    return WaitOutcome::Ready;
}

WaitOutcome WaitReadable(SocketHandle socket, std::uint32_t timeoutMs) {
    short seen = 0;
    return WaitFor(socket, POLLIN, timeoutMs, seen);
}

bool SetKeepAlive(SocketHandle socket, std::uint32_t idleMs, std::uint32_t intervalMs) {
    // The kernel counts in whole seconds.
    const int idle = static_cast<int>((idleMs + 999) / 1000);
    const int interval = static_cast<int>((intervalMs + 999) / 1000);
    return SetInt(socket, SOL_SOCKET, SO_KEEPALIVE, 1) && SetInt(socket, IPPROTO_TCP, TCP_KEEPIDLE, idle) &&
           SetInt(socket, IPPROTO_TCP, TCP_KEEPINTVL, interval);
}

bool SetNoDelay(SocketHandle socket, bool on) { return SetInt(socket, IPPROTO_TCP, TCP_NODELAY, on ? 1 : 0); }

bool SetSendBufferSize(SocketHandle socket, std::int32_t size) {
    return SetInt(socket, SOL_SOCKET, SO_SNDBUF, size);
}

bool SetSendTimeout(SocketHandle socket, std::uint32_t timeoutMs) {
    timeval limit{};
    if (timeoutMs != kWaitForever) {
        limit.tv_sec = static_cast<time_t>(timeoutMs / 1000);
        limit.tv_usec = static_cast<suseconds_t>((timeoutMs % 1000) * 1000);
    }
    return setsockopt(Native(socket), SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit) == 0;
}

std::int64_t Send(SocketHandle socket, const void* bytes, std::uint32_t count) {
    if (socket == kInvalidSocket) {
        errno = EBADF;
        return -1;
    }
    const std::size_t length = count > INT_MAX ? INT_MAX : count;
    for (;;) {
        const ssize_t sent = send(Native(socket), bytes, length, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) continue;
        // The socket blocks: would-block means the send time-out ran out with nothing sent.
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return 0;
        return sent;
    }
}

std::int64_t Receive(SocketHandle socket, void* buffer, std::uint32_t capacity) {
    if (socket == kInvalidSocket) {
        errno = EBADF;
        return -1;
    }
    const std::size_t length = capacity > INT_MAX ? INT_MAX : capacity;
    for (;;) {
        const ssize_t received = recv(Native(socket), buffer, length, 0);
        if (received < 0 && errno == EINTR) continue;
        return received;
    }
}

}  // namespace Kova::TesselApi::Platform
