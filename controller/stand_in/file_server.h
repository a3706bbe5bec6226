// The controller's end of the file transfer port: a TCP server on 127.0.0.1:10001 that takes one
// transfer per connection, one connection at a time, and keeps what it receives in the FileStore.
//
// Upload:   SOH header STX, data (0x01 0x02 0x03 0x5C escaped as \h \s \e \\), ETX.
//           Answer STX "CRC=xxxx" ETX, the CRC-16 of the data as sent (compressed bytes when
//           compressed), or STX "ABORT" ETX. Without a header (first byte not SOH) the data run
//           unescaped to the end of the connection and nothing is answered.
// Download: SOH header STX. Answer STX "FILE" ETX, the escaped bytes, STX "CRC=xxxx" ETX; or
//           STX "ABORT" ETX for an unknown file or a header that cannot be read.
// Flow:     while more than `window` bytes wait unread, the sender gets STX "XOFF" ETX; once the
//           backlog has fallen to a quarter of it, STX "XON" ETX.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <thread>

#include "sim/file_store.h"
#include "stand_in/file_server_socket.h"

namespace StandIn {

struct FileServerOptions {
    std::uint16_t port = 10001;
    std::size_t window = 64 * 1024;    // unread bytes that make the sender pause
    std::size_t bytesPerSecond = 0;    // how fast received data are taken in; 0: as fast as they come
    std::size_t maxFileSize = 64u << 20;
    int idleLimitMs = 30000;           // a connection silent this long is dropped
};

// The defaults, with VIREO_SIM_FILE_WINDOW and VIREO_SIM_FILE_RATE (bytes, bytes per second)
// standing in for a slow storage medium.
FileServerOptions FileServerOptionsFromEnvironment();

class FileServer {
public:
    explicit FileServer(Simulator::FileStore& store) : store_(store) {}
    ~FileServer() { Stop(); }
    FileServer(const FileServer&) = delete;
    FileServer& operator=(const FileServer&) = delete;

    // 0, or the system error number of a port that cannot be had (in use by another process).
    std::int32_t Start(const FileServerOptions& options);
    // Ends a transfer under way, closes the port and joins the server's thread.
    void Stop();

private:
    void Run();
    void Serve(Net::Handle client);

    Simulator::FileStore& store_;
    FileServerOptions options_;
    std::mutex mutex_;               // guards client_ and the start/stop state
    Net::Handle listener_ = Net::kInvalid;
    Net::Handle client_ = Net::kInvalid;
    bool started_ = false;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

}  // namespace StandIn
