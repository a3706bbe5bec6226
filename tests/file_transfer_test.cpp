// File transfer against a peer on the loopback interface that plays the controller's file server.
#include <gtest/gtest.h>
#include <zlib.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "support/event_recorder.h"
#include "support/raw_socket.h"
#include "support/scratch_directory.h"
#include "support/transfer_framing.h"

#include "shared/transfer/crc.h"
#include "shared/transfer/file_transfer.h"

namespace {

using namespace Kova::TesselApi::Shared;
using namespace std::chrono_literals;

constexpr Result kOk = 0;
constexpr Result kTimeout = 0x8100000006;
constexpr Result kFatalFail = 0x8100000009;
constexpr Result kBadArgumentResult = 0x10000000c;
constexpr Result kSocketWrite = 0x8100000010;
constexpr Result kSystemKind = 0x200000000;
constexpr double kCurrentFirmware = 2.0350;

using KovaTest::CloseRaw;
using KovaTest::EventRecorder;
using KovaTest::LoggedEvent;
using KovaTest::kNoSocket;
using KovaTest::RawSocket;
using KovaTest::Readable;
constexpr auto Header = KovaTest::TransferHeader;
constexpr auto Escaped = KovaTest::EscapedData;

// CPU time of the whole process, every thread together.
double ProcessCpuSeconds() {
#ifdef _WIN32
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
#else
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
#endif
}

// Wall and CPU time of one piece of work.
struct Cost {
    std::chrono::duration<double> wall;
    double cpuSeconds;
};

template <typename Work>
Cost Measure(Work work) {
    const double cpu = ProcessCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    work();
    return {std::chrono::steady_clock::now() - start, ProcessCpuSeconds() - cpu};
}

// The controller's side of one transfer: listens on an ephemeral port, takes one connection and runs
// the test's script on its own thread.
class ScriptedController {
public:
    ScriptedController() : listener_(KovaTest::BoundToLoopback(2, port_)) {}
    ~ScriptedController() {
        Join();
        if (connection_ != kNoSocket) CloseRaw(connection_);
        CloseRaw(listener_);
    }

    std::uint16_t Port() const { return port_; }

    template <typename Script>
    void Run(Script script) {
        thread_ = std::thread([this, script] {
            if (!Readable(listener_, 5000)) return;
            connection_ = accept(listener_, nullptr, nullptr);
            script(*this);
        });
    }
    void Join() {
        if (thread_.joinable()) thread_.join();
    }

    // One byte, or -1 once the host closed (or nothing came within the wait).
    int Next(std::chrono::milliseconds wait = 5s) {
        if (position_ == filled_) {
            if (!Readable(connection_, static_cast<int>(wait.count()))) return -1;
            const int got = recv(connection_, buffer_, sizeof buffer_, 0);
            if (got <= 0) return -1;
            position_ = 0;
            filled_ = static_cast<std::size_t>(got);
        }
        return static_cast<unsigned char>(buffer_[position_++]);
    }
    // Everything up to and including the byte, or what came before the stream ended.
    std::string ReadThrough(char last) {
        std::string bytes;
        for (int c = Next(); c >= 0; c = Next()) {
            bytes.push_back(static_cast<char>(c));
            if (c == static_cast<unsigned char>(last)) break;
        }
        return bytes;
    }
    std::string ReadHeader() { return ReadThrough('\x02'); }
    // The data as sent, escapes included, without the closing ETX.
    std::string ReadData() {
        std::string data = ReadThrough('\x03');
        if (!data.empty() && data.back() == '\x03') data.pop_back();
        return data;
    }
    // What arrives until the host stays silent for the quiet time.
    std::string ReadUntilQuiet(std::chrono::milliseconds quiet) {
        std::string bytes;
        for (int c = Next(quiet); c >= 0; c = Next(quiet)) bytes.push_back(static_cast<char>(c));
        return bytes;
    }
    // Waits for the host to close, keeping its writes flowing.
    void DrainToClose() {
        while (Next(10s) >= 0) {
        }
    }
    void Send(const std::string& bytes) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const int sent = send(connection_, bytes.data() + done, static_cast<int>(bytes.size() - done), 0);
            if (sent <= 0) return;
            done += static_cast<std::size_t>(sent);
        }
    }
    void Message(const std::string& text) { Send("\x02" + text + "\x03"); }
    void Hangup() {
        if (connection_ != kNoSocket) CloseRaw(connection_);
        connection_ = kNoSocket;
    }

private:
    std::uint16_t port_ = 0;  // before the listener, which sets it
    RawSocket listener_;
    RawSocket connection_ = kNoSocket;
    std::thread thread_;
    char buffer_[4096];
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
};

std::string Unescaped(const std::string& escaped) {
    std::string data;
    data.reserve(escaped.size());
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] != '\\' || i + 1 == escaped.size()) {
            data.push_back(escaped[i]);
            continue;
        }
        switch (escaped[++i]) {
            case 'h': data.push_back('\x01'); break;
            case 's': data.push_back('\x02'); break;
            case 'e': data.push_back('\x03'); break;
            default: data.push_back(escaped[i]); break;
        }
    }
    return data;
}

std::uint32_t Crc16(const std::string& bytes) {
    return Crc::Of(*FindCrcModel("CRC-16"), bytes.data(), bytes.size());
}

std::string CrcMessage(const std::string& bytes) {
    char text[16];
    std::snprintf(text, sizeof text, "CRC=%X", static_cast<unsigned>(Crc16(bytes)));
    return text;
}

std::string Inflated(const std::string& compressed) {
    z_stream stream{};
    inflateInit2(&stream, -MAX_WBITS);
    std::string out;
    char chunk[16384];
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    stream.avail_in = static_cast<uInt>(compressed.size());
    int code = Z_OK;
    while (code == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        code = inflate(&stream, Z_NO_FLUSH);
        out.append(chunk, sizeof chunk - stream.avail_out);
        if (code == Z_BUF_ERROR && stream.avail_in == 0) break;
    }
    inflateEnd(&stream);
    return code == Z_STREAM_END ? out : out + "<stream not finished>";
}

// Bytes of every kind, escapes included, and long runs that compress.
std::string SampleData(std::size_t size) {
    std::string data(size, '\0');
    std::uint32_t state = 7;
    for (std::size_t i = 0; i < size; ++i) {
        state = state * 1103515245u + 12345u;
        data[i] = (i / 512) % 2 == 0 ? static_cast<char>(state >> 24) : static_cast<char>("PRINT 1\n"[i % 8]);
    }
    return data;
}

class FileTransferProtocol : public ::testing::Test, protected KovaTest::ScratchDirectory {
protected:
    Result Transfer(const TransferRequest& request, double firmware = kCurrentFirmware) {
        const ProgressSink sink = [this](const kova_progress_info& info) {
            const std::lock_guard lock(progressMutex_);
            progress.push_back(info);
        };
        Result result;
        {
            FileTransfer transfer(&events, "127.0.0.1", peer.Port(), firmware);
            result = transfer.Run(request, sink);
        }
        peer.Join();
        return result;
    }

    // The controller's answer to a complete upload: the CRC of what arrived, unescaped.
    void AcceptUpload(std::string* header, std::string* data) {
        peer.Run([header, data](ScriptedController& c) {
            *header = c.ReadHeader();
            *data = Unescaped(c.ReadData());
            c.Message(CrcMessage(*data));
            c.DrainToClose();
        });
    }

    ScriptedController peer;
    EventRecorder events;
    std::vector<kova_progress_info> progress;
    std::mutex progressMutex_;
};

TEST_F(FileTransferProtocol, EscapesControlBytesAndChecksTheUnescapedData) {
    const std::string content = std::string("a\x01\x02\x03\\b", 6);
    std::string header, raw;
    peer.Run([&](ScriptedController& c) {
        header = c.ReadHeader();
        raw = c.ReadData();
        c.Message(CrcMessage(Unescaped(raw)));
        c.DrainToClose();
    });
    const std::string path = Write("escapes.bin", content);

    EXPECT_EQ(Transfer(UploadRequest(path, "SD:escapes.bin", 8, 0)), kOk);
    EXPECT_EQ(header, Header('0', '2', "escapes.bin"));
    EXPECT_EQ(raw, "a\\h\\s\\e\\\\b");
    EXPECT_EQ(events.Find("Uploading ").text, "Uploading " + path + " ...");
    // Escapes count as sent bytes.
    EXPECT_EQ(events.Find("Uploaded ").text.rfind("Uploaded escapes.bin, (10 bytes), Duration ", 0), 0u);
    EXPECT_EQ(events.Find("Uploaded ").type, EventInformation);
}

TEST_F(FileTransferProtocol, XoffHoldsTheSenderUntilXon) {
    const std::string content = SampleData(4u << 20);
    std::string beforeXoff, whilePaused, rest;
    peer.Run([&](ScriptedController& c) {
        c.ReadHeader();
        c.Message("XOFF");
        beforeXoff = c.ReadUntilQuiet(300ms);
        whilePaused = c.ReadUntilQuiet(400ms);
        c.Message("XON");
        rest = c.ReadData();
        c.Message(CrcMessage(Unescaped(beforeXoff + whilePaused + rest)));
        c.DrainToClose();
    });
    const std::string path = Write("large.bin", content);

    EXPECT_EQ(Transfer(UploadRequest(path, "SD:large.bin", 8, 0)), kOk);
    EXPECT_LT(beforeXoff.size(), content.size());
    EXPECT_EQ(beforeXoff.find('\x03'), std::string::npos);
    EXPECT_EQ(whilePaused, "");
    EXPECT_EQ(Unescaped(beforeXoff + rest), content);
}

TEST_F(FileTransferProtocol, AbortEndsTheTransfer) {
    peer.Run([](ScriptedController& c) {
        c.ReadHeader();
        c.Message("ABORT");
        c.DrainToClose();
    });
    const std::string path = Write("aborted.bin", SampleData(1u << 20));

    EXPECT_EQ(Transfer(UploadRequest(path, "SD:aborted.bin", 8, 0)), kFatalFail);
    const LoggedEvent aborted = events.Find("File transfer aborted");
    EXPECT_EQ(aborted.text, "File transfer aborted by the Veltrac.");
    EXPECT_EQ(aborted.type, EventError);
    EXPECT_EQ(aborted.result, kFatalFail);
    EXPECT_EQ(events.Find("Uploaded ").text, "");
}

TEST_F(FileTransferProtocol, AWrongControllerCrcNamesBothValues) {
    const std::string content = "PRINT 1\n";
    peer.Run([](ScriptedController& c) {
        c.ReadHeader();
        c.ReadData();
        c.Message("crc=1a2B");
        c.DrainToClose();
    });
    const std::string path = Write("wrong.bas", content);

    EXPECT_EQ(Transfer(UploadRequest(path, "SD:wrong.bas", 0, 0)), kFatalFail);
    char expected[96];
    std::snprintf(expected, sizeof expected, "File transfer failed. CRC wrong (Local=$%x, Controller=$1a2b)",
                  static_cast<unsigned>(Crc16(content)));
    const LoggedEvent wrong = events.Find("File transfer failed.");
    EXPECT_EQ(wrong.text, expected);
    EXPECT_EQ(wrong.result, kFatalFail);
}

TEST_F(FileTransferProtocol, NoCrcWithinTheTimeOut) {
    peer.Run([](ScriptedController& c) {
        c.ReadHeader();
        c.ReadData();
        c.DrainToClose();
    });
    TransferRequest request = UploadRequest(Write("silent.bas", "PRINT 2\n"), "SD:silent.bas", 0, 0);
    request.timeoutMs = 150;

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Transfer(request), kTimeout);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
    const LoggedEvent timeout = events.Find("Timeout waiting");
    EXPECT_EQ(timeout.text, "Timeout waiting for CRC.");
    EXPECT_EQ(timeout.result, kTimeout);
}

// The opening frame a controller gets for an upload, or "" when nothing reached it.
std::string HeaderSentFor(IEventLogger* events, const TransferRequest& request, double firmware, Result expected) {
    ScriptedController controller;
    std::string header;
    controller.Run([&](ScriptedController& p) {
        header = p.ReadHeader();
        if (header.empty()) return;
        p.Message(CrcMessage(Unescaped(p.ReadData())));
        p.DrainToClose();
    });
    {
        FileTransfer transfer(events, "127.0.0.1", controller.Port(), firmware);
        EXPECT_EQ(transfer.Run(request, {}), expected);
    }
    controller.Join();
    return header;
}

TEST_F(FileTransferProtocol, TheHeaderNamesTheStoreAndTheNameTheControllerKeeps) {
    struct Row {
        const char* remote;
        std::uint32_t type;
        std::uint32_t flags;
        double firmware;
        std::string header;
    };
    // Names for RAM gain their type's extension (older firmware: none); the other stores keep them.
    const Row rows[] = {
        {"SD:a.bas", 0, 0, kCurrentFirmware, Header('0', '2', "a.bas")},
        {"sd:dir:x", 0, 0, kCurrentFirmware, Header('0', '2', "dir:x")},
        {"FIFO:a", 0, 0, kCurrentFirmware, Header('0', '1', "a")},
        {"ram:prog", 0, 0, kCurrentFirmware, Header('0', '0', "prog.bas")},
        {"notes", 3, kUploadCompress, 2.0331, Header('0', '0', "notes.tmp")},
        {"notes", 3, kUploadCompressedMark, 2.0331, Header('1', '0', "notes.txt")},
        {"notes", 15, kUploadCompress, 2.0331, Header('0', '0', "notes.vtx")},
        {"notes", 99, 0, 2.0331, Header('0', '0', "notes.")},
        {"notes", 3, 0, 2.0330, Header('0', '0', "notes")},
        {"secret", 1, 0, 2.0335, Header('0', '0', "secret.enc")},
    };
    const std::string path = Write("a.bas", "PRINT 3\n");
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.remote) + " type " + std::to_string(row.type));
        EXPECT_EQ(HeaderSentFor(&events, UploadRequest(path, row.remote, row.type, row.flags), row.firmware, kOk),
                  row.header);
    }
}

TEST_F(FileTransferProtocol, AnUnknownStoreOrAnEncryptedTypeTooNewForTheFirmwareIsRefusedBeforeAnyByte) {
    const std::string path = Write("a.bas", "PRINT 4\n");
    for (const char* remote : {"X:a.bas", ":a.bas", "SDX:a.bas", "RAMS:a"}) {
        SCOPED_TRACE(remote);
        EXPECT_EQ(HeaderSentFor(&events, UploadRequest(path, remote, 0, 0), kCurrentFirmware, kBadArgumentResult), "");
    }
    const LoggedEvent refused = events.Find("Error in remote");
    EXPECT_EQ(refused.text, "Error in remote destination");
    EXPECT_EQ(refused.type, EventError);
    for (const std::uint32_t type : {1u, 13u, 24u, 25u, 26u}) {
        SCOPED_TRACE(type);
        EXPECT_EQ(HeaderSentFor(&events, UploadRequest(path, "secret", type, 0), 2.0330, kBadArgumentResult), "");
    }
    EXPECT_EQ(events.Find("Transferring encrypted").text,
              "Transferring encrypted items is not supported before VT f/w v2.0335");
}

// An empty file, too, must arrive as a finished stream.
TEST_F(FileTransferProtocol, CompressedUploadInflatesToTheOriginal) {
    for (const std::size_t size : {std::size_t{300000}, std::size_t{0}}) {
        SCOPED_TRACE(size);
        const std::string content = SampleData(size);
        std::string header, data;
        AcceptUpload(&header, &data);
        EXPECT_EQ(Transfer(UploadRequest(Write("packed.bin", content), "SD:packed.bin", 8, 3)), kOk);
        EXPECT_EQ(header, Header('1', '2', "packed.bin"));
        if (size > 0) {
            EXPECT_LT(data.size(), content.size());
        }
        EXPECT_EQ(Inflated(data), content);
        peer.Hangup();
    }
}

TEST_F(FileTransferProtocol, UploadReportsStartEachBlockAndEnd) {
    std::string header, data;
    AcceptUpload(&header, &data);
    const std::string content = SampleData(5000);

    EXPECT_EQ(Transfer(UploadRequest(Write("five.bin", content), "SD:five.bin", 8, 0)), kOk);
    EXPECT_EQ(data, content);
    ASSERT_EQ(progress.size(), 7u);
    const std::uint32_t done[] = {0, 1024, 2048, 3072, 4096, 5000, 5000};
    for (std::size_t i = 0; i < progress.size(); ++i) {
        EXPECT_EQ(progress[i].total, 5000u) << i;
        EXPECT_EQ(progress[i].done, done[i]) << i;
        EXPECT_EQ(progress[i].stage, i == 0 ? 0u : i == 6 ? 2u : 1u) << i;
    }
}

TEST_F(FileTransferProtocol, DownloadWritesTheDataByteIdentical) {
    const std::string content = SampleData(100000);
    std::string header;
    peer.Run([&](ScriptedController& c) {
        header = c.ReadHeader();
        // Escapes split across pieces, and a message of its own for the file's start.
        const std::string escaped = Escaped(content);
        c.Message("FILE");
        for (std::size_t at = 0; at < escaped.size(); at += 777) c.Send(escaped.substr(at, 777));
        c.Message(CrcMessage(content));
        c.DrainToClose();
    });
    const std::string path = Path("fetched.bin");

    EXPECT_EQ(Transfer(DownloadRequest(path, "SD:fetched.bin")), kOk);
    EXPECT_EQ(header, Header('3', '2', "fetched.bin"));
    EXPECT_TRUE(Contents(path) == content);
    EXPECT_EQ(events.Find("Downloading ").text, "Downloading fetched.bin ...");
    EXPECT_EQ(events.Find("Downloaded ").text.rfind("Downloaded fetched.bin, (100000 bytes), Duration ", 0), 0u);

    ASSERT_GE(progress.size(), 3u);
    EXPECT_EQ(progress.front().stage, 0u);
    EXPECT_EQ(progress.back().stage, 2u);
    EXPECT_EQ(progress.back().done, 100000u);
    std::uint32_t last = 0;
    for (std::size_t i = 1; i + 1 < progress.size(); ++i) {
        EXPECT_EQ(progress[i].stage, 1u);
        EXPECT_EQ(progress[i].total, 0u);
        EXPECT_GT(progress[i].done, last);
        last = progress[i].done;
    }
}

TEST_F(FileTransferProtocol, ACrcWhileHeldByXoffEndsTheSenderWithItsVerdict) {
    peer.Run([](ScriptedController& c) {
        c.ReadHeader();
        c.Message("XOFF");
        c.ReadUntilQuiet(300ms);
        c.Message("CRC=10000");  // wider than any CRC-16
        c.DrainToClose();
    });
    const std::string path = Write("held.bin", SampleData(4u << 20));
    Result result = kOk;
    const Cost cost = Measure([&] { result = Transfer(UploadRequest(path, "SD:held.bin", 8, 0)); });
    EXPECT_EQ(result, kFatalFail);
    EXPECT_LT(cost.wall, 5s);
    EXPECT_EQ(events.Find("File transfer failed.").text.rfind("File transfer failed. CRC wrong (Local=$", 0), 0u);
}

TEST_F(FileTransferProtocol, AnEarlyCrcThatMatchesWhatWasSentStillFailsTheUpload) {
    // The controller holds the sender, then answers the CRC of exactly what it got so far.
    peer.Run([](ScriptedController& c) {
        c.ReadHeader();
        c.Message("XOFF");
        c.Message(CrcMessage(Unescaped(c.ReadUntilQuiet(300ms))));
        c.DrainToClose();
    });
    EXPECT_EQ(Transfer(UploadRequest(Write("early.bin", SampleData(4u << 20)), "SD:early.bin", 8, 0)), kFatalFail);
    EXPECT_EQ(events.Find("Error in file").text, "Error in file transfer.");
    EXPECT_EQ(events.Find("Uploaded ").text, "");
}

TEST_F(FileTransferProtocol, ASilentControllerEndsADownloadAfterTheTimeOutWaitingInTheSystem) {
    peer.Run([](ScriptedController& c) {
        c.ReadHeader();
        c.DrainToClose();
    });
    const std::string path = Path("silent.bin");
    TransferRequest request = DownloadRequest(path, "silent.bin");
    request.timeoutMs = 500;
    Result result = kOk;
    const Cost cost = Measure([&] { result = Transfer(request); });
    EXPECT_EQ(result, kTimeout);
    EXPECT_GE(cost.wall, 500ms);
    EXPECT_LT(cost.wall, 5s);
    // Waiting for the controller costs next to no processor time.
    EXPECT_LT(cost.cpuSeconds, 0.25 * cost.wall.count());
    const LoggedEvent timeout = events.Find("Data receive");
    EXPECT_EQ(timeout.text, "Data receive timeout");
    EXPECT_EQ(timeout.result, kTimeout);
    EXPECT_EQ(Contents(path), "");
}

TEST_F(FileTransferProtocol, AControllerThatStopsReadingFailsTheUploadWithinTheTimeOut) {
    std::atomic<bool> ended{false};
    peer.Run([&](ScriptedController& c) {
        c.ReadHeader();
        while (!ended) std::this_thread::sleep_for(20ms);
        c.DrainToClose();
    });
    TransferRequest request = UploadRequest(Write("stuck.bin", SampleData(16u << 20)), "SD:stuck.bin", 8, 0);
    request.timeoutMs = 1000;
    Result result = kOk;
    const Cost cost = Measure([&] {
        FileTransfer transfer(&events, "127.0.0.1", peer.Port(), kCurrentFirmware);
        result = transfer.Run(request, {});
    });
    ended = true;
    peer.Join();
    EXPECT_EQ(result, kSocketWrite);
    // Bounded, not quick: filling the controller's buffers takes a while under an emulator.
    EXPECT_LT(cost.wall, 20s);
    // Neither thread spins while the sender is blocked.
    EXPECT_LT(cost.cpuSeconds, 0.25 * cost.wall.count());
    const LoggedEvent failed = events.Find("Port write");
    EXPECT_EQ(failed.text, "Port write error");
    EXPECT_EQ(failed.result, kSocketWrite);
}

TEST_F(FileTransferProtocol, AControllerHoldingTheSenderForEverEndsTheUploadAfterTheTimeOut) {
    peer.Run([](ScriptedController& c) {
        c.ReadHeader();
        c.Message("XOFF");
        c.DrainToClose();
    });
    TransferRequest request = UploadRequest(Write("stalled.bin", SampleData(1u << 20)), "SD:stalled.bin", 8, 0);
    request.timeoutMs = 300;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Transfer(request), kTimeout);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    EXPECT_EQ(events.Find("Data receive").text, "Data receive timeout");
    EXPECT_EQ(events.Find("File transfer cancelled").text, "File transfer cancelled.");
}

TEST_F(FileTransferProtocol, ADirectoryIsRefusedLikeAFileThatCannotBeOpened) {
    std::string received = "not connected";
    peer.Run([&](ScriptedController& c) { received = c.ReadUntilQuiet(2s); });
    const std::string path = Directory();
    const Result result = Transfer(UploadRequest(path, "SD:dir.bin", 8, 0));
    EXPECT_EQ(result & ~0xFFFFFFFFull, kSystemKind);
    const int error = static_cast<int>(result & 0xFFFFFFFFu);
    EXPECT_EQ(events.Find("Error opening ").text,
              "Error opening " + path + ", error(" + std::to_string(error) + "): " + std::strerror(error));
    EXPECT_EQ(received, "");
}

}  // namespace
