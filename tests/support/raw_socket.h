// Plain sockets for tests that script the far end of a connection by hand.
#pragma once

#include <cstdint>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace KovaTest {

#ifdef _WIN32
using RawSocket = SOCKET;
constexpr RawSocket kNoSocket = INVALID_SOCKET;
inline void CloseRaw(RawSocket s) { closesocket(s); }
inline void ShutdownSending(RawSocket s) { shutdown(s, SD_SEND); }
#else
using RawSocket = int;
constexpr RawSocket kNoSocket = -1;
inline void CloseRaw(RawSocket s) { close(s); }
inline void ShutdownSending(RawSocket s) { shutdown(s, SHUT_WR); }
#endif

// Whether the socket has something to read (or its peer's end) within the wait.
inline bool Readable(RawSocket s, int milliseconds) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(s, &set);
    timeval limit{milliseconds / 1000, (milliseconds % 1000) * 1000};
    return select(static_cast<int>(s + 1), &set, nullptr, nullptr, &limit) > 0;
}

// A socket bound to a free port of the loopback interface, listening unless the backlog is
// negative; the port goes to `port`.
inline RawSocket BoundToLoopback(int backlog, std::uint16_t& port) {
    const RawSocket s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    if (backlog >= 0) listen(s, backlog);
    return s;
}

}  // namespace KovaTest
