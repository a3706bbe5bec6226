// Client TCP sockets over IPv4: the few calls the byte-stream port needs.
// Error numbers are those of the system's socket library (WSA numbers on Windows, errno elsewhere);
// a failing call leaves its number for LastSocketError.
#pragma once

#include <cstddef>
#include <cstdint>

namespace Kova::TesselApi::Platform {

// Wide enough for a Windows SOCKET; all bits set marks "no socket".
using SocketHandle = std::uintptr_t;
inline constexpr SocketHandle kInvalidSocket = ~SocketHandle{0};

// Waits given in milliseconds treat this value as "no limit".
inline constexpr std::uint32_t kWaitForever = 0xFFFFFFFFu;

std::uint32_t LastSocketError();

// The host resolved by name, else read as a dotted address; network byte order. An unreadable text
// gives the all-ones address, which no connect accepts.
std::uint32_t ResolveIPv4(const char* host);

// AF_INET, SOCK_STREAM, protocol 0; kInvalidSocket on failure.
SocketHandle CreateStreamSocket();
void CloseSocket(SocketHandle socket);
// Ends both directions at once: a thread blocked on the socket in another call returns.
void ShutdownSocket(SocketHandle socket);

bool SetNonBlocking(SocketHandle socket, bool on);

enum class ConnectStart { Connected, Pending, Failed };
// Address in network byte order, port in host order.
ConnectStart StartConnect(SocketHandle socket, std::uint32_t address, std::uint16_t port);

enum class WaitOutcome { Ready, TimedOut, Failed };
// Waits for a pending connect to end; Failed when the wait itself or the connect failed.
WaitOutcome WaitConnected(SocketHandle socket, std::uint32_t timeoutMs);
WaitOutcome WaitReadable(SocketHandle socket, std::uint32_t timeoutMs);

bool SetKeepAlive(SocketHandle socket, std::uint32_t idleMs, std::uint32_t intervalMs);
bool SetNoDelay(SocketHandle socket, bool on);
bool SetSendBufferSize(SocketHandle socket, std::int32_t size);
// Bounds each send; 0 or kWaitForever: no bound.
bool SetSendTimeout(SocketHandle socket, std::uint32_t timeoutMs);

// One call each, as the system answers it: a count, or negative on failure. A closed peer never
// raises a signal. A send that runs into its time-out answers what went out, possibly 0.
std::int64_t Send(SocketHandle socket, const void* bytes, std::uint32_t count);
std::int64_t Receive(SocketHandle socket, void* buffer, std::uint32_t capacity);

}  // namespace Kova::TesselApi::Platform
