#include "platform/sockets/sockets.h"

#include <winsock2.h>
#include <ws2tcpip.h>
#include <mstcpip.h>

#include <climits>

namespace Kova::TesselApi::Platform {

namespace {

// Windows sockets are started while the module is loaded (file transfer opens its own sockets).
// Kept beside the socket calls so that every binary that uses them also starts the library.
struct SocketStartup {
    SocketStartup() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~SocketStartup() { WSACleanup(); }
    SocketStartup(const SocketStartup&) = delete;
    SocketStartup& operator=(const SocketStartup&) = delete;
};

const SocketStartup startup;

SOCKET Native(SocketHandle socket) { return static_cast<SOCKET>(socket); }

// select on a socket that is not there would report whatever the fd_set happens to hold.
bool Refuse(SocketHandle socket) {
    if (socket != kInvalidSocket) return false;
    WSASetLastError(WSAENOTSOCK);
    return true;
}

timeval* ToTimeval(std::uint32_t timeoutMs, timeval& storage) {
    if (timeoutMs == kWaitForever) return nullptr;
    storage.tv_sec = static_cast<long>(timeoutMs / 1000);
    storage.tv_usec = static_cast<long>((timeoutMs % 1000) * 1000);
    return &storage;
}

}  // namespace

std::uint32_t LastSocketError() { return static_cast<std::uint32_t>(WSAGetLastError()); }

SocketHandle CreateStreamSocket() {
    const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, 0);
    return socket == INVALID_SOCKET ? kInvalidSocket : static_cast<SocketHandle>(socket);
}

void CloseSocket(SocketHandle socket) {
    if (socket != kInvalidSocket) closesocket(Native(socket));
}

void ShutdownSocket(SocketHandle socket) {
    if (socket != kInvalidSocket) shutdown(Native(socket), SD_BOTH);
}

bool SetNonBlocking(SocketHandle socket, bool on) {
    u_long mode = on ? 1 : 0;
    return ioctlsocket(Native(socket), FIONBIO, &mode) == 0;
}

ConnectStart StartConnect(SocketHandle socket, std::uint32_t address, std::uint16_t port) {
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    target.sin_addr.s_addr = address;
    if (connect(Native(socket), reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0)
        return ConnectStart::Connected;
    const int error = WSAGetLastError();
    return error == WSAEWOULDBLOCK || error == WSAEINPROGRESS ? ConnectStart::Pending : ConnectStart::Failed;
}

WaitOutcome WaitConnected(SocketHandle socket, std::uint32_t timeoutMs) {
    if (Refuse(socket)) return WaitOutcome::Failed;
    // Windows reports a failed connect in the exception set, never as writable.
    fd_set writable;
    fd_set failed;
    FD_ZERO(&writable);
    FD_ZERO(&failed);
    FD_SET(Native(socket), &writable);
    FD_SET(Native(socket), &failed);
    timeval storage{};
    const int ready = select(0, nullptr, &writable, &failed, ToTimeval(timeoutMs, storage));
    if (ready == SOCKET_ERROR) return WaitOutcome::Failed;
    if (ready == 0) return WaitOutcome::TimedOut;
    int error = 0;
    int length = sizeof error;
    if (getsockopt(Native(socket), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) != 0)
        return WaitOutcome::Failed;
    if (error == 0 && FD_ISSET(Native(socket), &failed)) error = WSAECONNREFUSED;
    if (error != 0) {
        WSASetLastError(error);
        return WaitOutcome::Failed;
    }
    return WaitOutcome::Ready;
}

WaitOutcome WaitReadable(SocketHandle socket, std::uint32_t timeoutMs) {
    if (Refuse(socket)) return WaitOutcome::Failed;
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(Native(socket), &readable);
    timeval storage{};
    const int ready = select(0, &readable, nullptr, nullptr, ToTimeval(timeoutMs, storage));
    if (ready == SOCKET_ERROR) return WaitOutcome::Failed;
    return ready == 0 ? WaitOutcome::TimedOut : WaitOutcome::Ready;
}

bool SetKeepAlive(SocketHandle socket, std::uint32_t idleMs, std::uint32_t intervalMs) {
    tcp_keepalive settings{};
    settings.onoff = 1;
    settings.keepalivetime = idleMs;
    settings.keepaliveinterval = intervalMs;
    DWORD returned = 0;
    return WSAIoctl(Native(socket), SIO_KEEPALIVE_VALS, &settings, sizeof settings, nullptr, 0, &returned,
                    nullptr, nullptr) == 0;
}

bool SetNoDelay(SocketHandle socket, bool on) {
    const int value = on ? 1 : 0;
    return setsockopt(Native(socket), IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&value),
                      sizeof value) == 0;
}

bool SetSendBufferSize(SocketHandle socket, std::int32_t size) {
    const int value = size;
    return setsockopt(Native(socket), SOL_SOCKET, SO_SNDBUF, reinterpret_cast<const char*>(&value),
                      sizeof value) == 0;
}

bool SetSendTimeout(SocketHandle socket, std::uint32_t timeoutMs) {
    const DWORD value = timeoutMs == kWaitForever ? 0 : timeoutMs;
    return setsockopt(Native(socket), SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&value),
                      sizeof value) == 0;
}

std::int64_t Send(SocketHandle socket, const void* bytes, std::uint32_t count) {
    const int length = count > INT_MAX ? INT_MAX : static_cast<int>(count);
    const int sent = send(Native(socket), static_cast<const char*>(bytes), length, 0);
    // The send time-out ran out: nothing went out.
    if (sent == SOCKET_ERROR && WSAGetLastError() == WSAETIMEDOUT) return 0;
    return sent;
}

std::int64_t Receive(SocketHandle socket, void* buffer, std::uint32_t capacity) {
    const int length = capacity > INT_MAX ? INT_MAX : static_cast<int>(capacity);
    return recv(Native(socket), static_cast<char*>(buffer), length, 0);
}

}  // namespace Kova::TesselApi::Platform
