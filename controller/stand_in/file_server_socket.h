// The few socket calls the file transfer server needs, the same on both systems. Sockets are
// non-blocking once accepted, so a stopping server never waits on a peer.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

namespace StandIn::Net {

using Handle = std::uintptr_t;
inline constexpr Handle kInvalid = ~Handle{0};

enum class Wait { Ready, Timeout, Failed };

// Socket library start and end, balanced (Windows needs them; elsewhere nothing happens).
int Startup();
void Cleanup();

// A listener on 127.0.0.1:port; 0 or the system's error number.
int Listen(std::uint16_t port, Handle& listener);
// A waiting connection; kInvalid when there is none after all.
Handle Accept(Handle listener);

Wait WaitReadable(Handle socket, int milliseconds);
// Bytes read; 0 at the peer's end; -1 when nothing is there yet; -2 on failure.
long Receive(Handle socket, std::uint8_t* buffer, std::size_t size);
// Writes everything unless the peer fails or `stopping` is raised meanwhile.
bool SendAll(Handle socket, const void* data, std::size_t size, const std::atomic<bool>& stopping);
// Bytes received by the system and not yet read.
std::size_t Pending(Handle socket);

void ShutdownSending(Handle socket);
void Shutdown(Handle socket);
void Close(Handle socket);

}  // namespace StandIn::Net
