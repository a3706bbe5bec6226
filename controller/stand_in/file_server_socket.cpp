#include "stand_in/file_server_socket.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <algorithm>

namespace StandIn::Net {
namespace {

#ifdef _WIN32
using Native = SOCKET;
Native ToNative(Handle h) { return static_cast<SOCKET>(h); }
int LastError() { return WSAGetLastError(); }
bool WouldBlock(int error) { return error == WSAEWOULDBLOCK; }
void SetNonBlocking(Native s) {
    u_long on = 1;
    ioctlsocket(s, FIONBIO, &on);
}
#else
using Native = int;
Native ToNative(Handle h) { return static_cast<int>(h); }
int LastError() { return errno; }
bool WouldBlock(int error) { return error == EAGAIN || error == EWOULDBLOCK || error == EINTR; }
void SetNonBlocking(Native s) { fcntl(s, F_SETFL, fcntl(s, F_GETFL, 0) | O_NONBLOCK); }
#endif

Wait WaitFor(Handle socket, bool writable, int milliseconds) {
#ifdef _WIN32
    fd_set set;
    FD_ZERO(&set);
    FD_SET(ToNative(socket), &set);
    timeval limit{milliseconds / 1000, (milliseconds % 1000) * 1000};
    const int n = select(0, writable ? nullptr : &set, writable ? &set : nullptr, nullptr, &limit);
#else
    pollfd entry{ToNative(socket), static_cast<short>(writable ? POLLOUT : POLLIN), 0};
    const int n = poll(&entry, 1, milliseconds);
    if (n < 0 && errno == EINTR) return Wait::Timeout;
#endif
    if (n < 0) return Wait::Failed;
    return n == 0 ? Wait::Timeout : Wait::Ready;
}

// Never 0: the caller reports a failure with it.
int FailureNumber() {
    const int error = LastError();
    return error > 0 ? error : 1;
}

}  // namespace

int Startup() {
#ifdef _WIN32
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data);
#else
    return 0;
#endif
}

void Cleanup() {
#ifdef _WIN32
    WSACleanup();
#endif
}

int Listen(std::uint16_t port, Handle& listener) {
    listener = kInvalid;
#ifdef _WIN32
    const Native s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) return FailureNumber();
    // Nobody else may bind the port beside us, and we bind nothing another process listens on.
    BOOL exclusive = TRUE;
    setsockopt(s, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&exclusive), sizeof exclusive);
#else
    const Native s = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s < 0) return FailureNumber();
    // A restart right after a close must not wait for the old connections' TIME_WAIT.
    int reuse = 1;
    setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
#endif
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || listen(s, 4) != 0) {
        const int error = FailureNumber();
        Close(static_cast<Handle>(s));
        return error;
    }
    SetNonBlocking(s);
    listener = static_cast<Handle>(s);
    return 0;
}

Handle Accept(Handle listener) {
#ifdef _WIN32
    const Native s = accept(ToNative(listener), nullptr, nullptr);
    if (s == INVALID_SOCKET) return kInvalid;
#else
    const Native s = accept4(ToNative(listener), nullptr, nullptr, SOCK_CLOEXEC);
    if (s < 0) return kInvalid;
#endif
    SetNonBlocking(s);
    int on = 1;
    setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
    return static_cast<Handle>(s);
}

Wait WaitReadable(Handle socket, int milliseconds) { return WaitFor(socket, false, milliseconds); }

long Receive(Handle socket, std::uint8_t* buffer, std::size_t size) {
#ifdef _WIN32
    const int n = recv(ToNative(socket), reinterpret_cast<char*>(buffer), static_cast<int>(std::min<std::size_t>(size, 1 << 20)), 0);
#else
    const ssize_t n = recv(ToNative(socket), buffer, size, 0);
#endif
    if (n >= 0) return static_cast<long>(n);
    return WouldBlock(LastError()) ? -1 : -2;
}

bool SendAll(Handle socket, const void* data, std::size_t size, const std::atomic<bool>& stopping) {
    const char* at = static_cast<const char*>(data);
    while (size > 0) {
        if (stopping) return false;
#ifdef _WIN32
        const int n = send(ToNative(socket), at, static_cast<int>(std::min<std::size_t>(size, 1 << 20)), 0);
#else
        const ssize_t n = send(ToNative(socket), at, size, MSG_NOSIGNAL);
#endif
        if (n > 0) {
            at += n;
            size -= static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && !WouldBlock(LastError())) return false;
        if (WaitFor(socket, true, 50) == Wait::Failed) return false;
    }
    return true;
}

std::size_t Pending(Handle socket) {
#ifdef _WIN32
    u_long count = 0;
    if (ioctlsocket(ToNative(socket), FIONREAD, &count) != 0) return 0;
#else
    int count = 0;
    if (ioctl(ToNative(socket), FIONREAD, &count) != 0 || count < 0) return 0;
#endif
    return static_cast<std::size_t>(count);
}

void ShutdownSending(Handle socket) {
#ifdef _WIN32
    shutdown(ToNative(socket), SD_SEND);
#else
    shutdown(ToNative(socket), SHUT_WR);
#endif
}

void Shutdown(Handle socket) {
#ifdef _WIN32
    shutdown(ToNative(socket), SD_BOTH);
#else
    shutdown(ToNative(socket), SHUT_RDWR);
#endif
}

void Close(Handle socket) {
    if (socket == kInvalid) return;
#ifdef _WIN32
    closesocket(ToNative(socket));
#else
    close(ToNative(socket));
#endif
}

}  // namespace StandIn::Net
