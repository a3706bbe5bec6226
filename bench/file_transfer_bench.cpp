// File transfer throughput against a loopback peer that plays the controller's file server, next to a
// raw TCP copy with the same 1 KiB writes and 256-byte reads.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "shared/transfer/crc.h"
#include "shared/transfer/file_transfer.h"
#include "../tests/support/raw_socket.h"

namespace {

using namespace Kova::TesselApi::Shared;

constexpr std::size_t kFileSize = 16u << 20;

// Seconds per copy of the raw loopback copy, which runs first: each transfer prints its speed as a
// share of it ("of_raw"), measured in the same run.
double rawCopySeconds = 0;

void ReportShareOfRaw(benchmark::State& state, std::chrono::steady_clock::duration elapsed) {
    const double seconds = std::chrono::duration<double>(elapsed).count() / static_cast<double>(state.iterations());
    if (rawCopySeconds > 0 && seconds > 0) state.counters["of_raw"] = rawCopySeconds / seconds;
}

// Program-like text with a sprinkle of bytes that need escaping.
const std::string& Content() {
    static const std::string content = [] {
        std::string data(kFileSize, '\0');
        std::uint32_t state = 1;
        for (std::size_t i = 0; i < data.size(); ++i) {
            state = state * 1664525u + 1013904223u;
            data[i] = (i % 4096) < 2048 ? "MOVE(10) AXIS(1)\n"[i % 17] : static_cast<char>(state >> 24);
        }
        return data;
    }();
    return content;
}

const std::string& ContentPath() {
    static const std::string path = [] {
        const std::string p = (std::filesystem::temp_directory_path() / "kova_transfer_bench.bin").string();
        std::ofstream(p, std::ios::binary) << Content();
        return p;
    }();
    return path;
}

int Connect(std::uint16_t port) {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    return s;
}

void SendAll(int s, const char* bytes, std::size_t count) {
    while (count > 0) {
        const ssize_t sent = send(s, bytes, count, MSG_NOSIGNAL);
        if (sent <= 0) return;
        bytes += sent;
        count -= static_cast<std::size_t>(sent);
    }
}

// The controller's side: takes one transfer, answers an upload with the CRC of the unescaped data and a
// download request with the file, escaped, in 1 KiB writes.
class LoopbackController {
public:
    explicit LoopbackController(bool serveDownload) {
        listener_ = KovaTest::BoundToLoopback(1, port_);
        thread_ = std::thread([this, serveDownload] { serveDownload ? Serve() : Accept(); });
    }
    ~LoopbackController() {
        thread_.join();
        close(listener_);
    }
    std::uint16_t Port() const { return port_; }

private:
    void Accept() {
        const int s = accept(listener_, nullptr, nullptr);
        Crc crc(*FindCrcModel("CRC-16"));
        char chunk[4096];
        bool header = true, escape = false, done = false;
        std::uint8_t data[4096];
        while (!done) {
            const ssize_t got = recv(s, chunk, sizeof chunk, 0);
            if (got <= 0) break;
            std::size_t pending = 0;
            for (ssize_t i = 0; i < got && !done; ++i) {
                const auto byte = static_cast<std::uint8_t>(chunk[i]);
                if (header) {
                    header = byte != 0x02;
                } else if (escape) {
                    escape = false;
                    data[pending++] = byte == 'h' ? 0x01 : byte == 's' ? 0x02 : byte == 'e' ? 0x03 : byte;
                } else if (byte == '\\') {
                    escape = true;
                } else if (byte == 0x03) {
                    done = true;
                } else {
                    data[pending++] = byte;
                }
            }
            crc.Update(data, pending);
        }
        char reply[32];
        const int length = std::snprintf(reply, sizeof reply, "\x02" "CRC=%X\x03", static_cast<unsigned>(crc.Value()));
        SendAll(s, reply, static_cast<std::size_t>(length));
        while (recv(s, chunk, sizeof chunk, 0) > 0) {
        }
        close(s);
    }

    void Serve() {
        const int s = accept(listener_, nullptr, nullptr);
        char c = 0;
        while (recv(s, &c, 1, 0) == 1 && c != 0x02) {
        }
        const std::string& content = Content();
        SendAll(s, "\x02" "FILE\x03", 6);
        char out[2048];
        std::size_t length = 0;
        for (const char byte : content) {
            const auto b = static_cast<std::uint8_t>(byte);
            if (b == 0x01 || b == 0x02 || b == 0x03 || b == 0x5C) {
                out[length++] = '\\';
                out[length++] = b == 0x01 ? 'h' : b == 0x02 ? 's' : b == 0x03 ? 'e' : '\\';
            } else {
                out[length++] = byte;
            }
            if (length >= 1024) {
                SendAll(s, out, length);
                length = 0;
            }
        }
        SendAll(s, out, length);
        char reply[32];
        const int n = std::snprintf(reply, sizeof reply, "\x02" "CRC=%X\x03",
                                    static_cast<unsigned>(Crc::Of(*FindCrcModel("CRC-16"), content.data(), content.size())));
        SendAll(s, reply, static_cast<std::size_t>(n));
        char chunk[256];
        while (recv(s, chunk, sizeof chunk, 0) > 0) {
        }
        close(s);
    }

    int listener_ = -1;
    std::uint16_t port_ = 0;
    std::thread thread_;
};

void Upload(benchmark::State& state, std::uint32_t flags) {
    const std::string& path = ContentPath();
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        LoopbackController controller(false);
        FileTransfer transfer(nullptr, "127.0.0.1", controller.Port(), 2.0350);
        if (transfer.Run(UploadRequest(path, "SD:bench.bin", 8, flags), {}) != kSuccess) state.SkipWithError("failed");
    }
    ReportShareOfRaw(state, std::chrono::steady_clock::now() - start);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFileSize));
}

void BM_UploadUncompressed(benchmark::State& state) { Upload(state, 0); }
void BM_UploadCompressed(benchmark::State& state) { Upload(state, kUploadCompress | kUploadCompressedMark); }

void BM_Download(benchmark::State& state) {
    const std::string path = (std::filesystem::temp_directory_path() / "kova_transfer_bench_down.bin").string();
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        LoopbackController controller(true);
        FileTransfer transfer(nullptr, "127.0.0.1", controller.Port(), 2.0350);
        if (transfer.Run(DownloadRequest(path, "SD:bench.bin"), {}) != kSuccess) state.SkipWithError("failed");
    }
    ReportShareOfRaw(state, std::chrono::steady_clock::now() - start);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFileSize));
    std::filesystem::remove(path);
}

// The floor: the same bytes through a plain socket pair, 1 KiB per send, 256 bytes per receive.
void BM_RawLoopbackCopy(benchmark::State& state) {
    const std::string& content = Content();
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        std::uint16_t port = 0;
        const int listener = KovaTest::BoundToLoopback(1, port);
        std::thread reader([listener] {
            const int s = accept(listener, nullptr, nullptr);
            char chunk[256];
            std::size_t total = 0;
            while (total < kFileSize) {
                const ssize_t got = recv(s, chunk, sizeof chunk, 0);
                if (got <= 0) break;
                total += static_cast<std::size_t>(got);
            }
            close(s);
        });
        const int s = Connect(port);
        for (std::size_t at = 0; at < content.size(); at += 1024) SendAll(s, content.data() + at, 1024);
        reader.join();
        close(s);
        close(listener);
    }
    rawCopySeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
                     static_cast<double>(state.iterations());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFileSize));
}

BENCHMARK(BM_RawLoopbackCopy)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_UploadUncompressed)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_UploadCompressed)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Download)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
