// The stand-in controller's file transfer port, spoken to over TCP as the module's transfer would.
// Every test here opens the stand-in and so binds port 10001.
#include <gtest/gtest.h>
#include <zlib.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "sim/file_store.h"
#include "support/environment.h"
#include "support/raw_socket.h"
#include "support/transfer_framing.h"
#include "vireo_api.h"

namespace {

constexpr char kSoh = '\x01';
constexpr char kStx = '\x02';
constexpr char kEtx = '\x03';
constexpr char kUs = '\x1F';
constexpr std::uint16_t kPort = 10001;

using KovaTest::kNoSocket;
using KovaTest::Readable;
constexpr auto Header = KovaTest::TransferHeader;
constexpr auto Escape = KovaTest::EscapedData;
using Native = KovaTest::RawSocket;
constexpr auto CloseNative = KovaTest::CloseRaw;

// Winsock needs starting in a thread of its own making sockets before the stand-in has started it.
struct SocketLibrary {
#ifdef _WIN32
    SocketLibrary() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~SocketLibrary() { WSACleanup(); }
#endif
};

sockaddr_in Loopback() {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(kPort);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// The host end of one transfer.
class Client {
public:
    Client() {
        socket_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        const sockaddr_in address = Loopback();
        connected_ = socket_ != kNoSocket &&
                     connect(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    }
    ~Client() { Close(); }
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    bool Connected() const { return connected_; }
    bool Send(const std::string& bytes) {
        std::size_t at = 0;
        while (at < bytes.size()) {
            const auto n = send(socket_, bytes.data() + at, static_cast<int>(bytes.size() - at), 0);
            if (n <= 0) return false;
            at += static_cast<std::size_t>(n);
        }
        return true;
    }
    // What arrives within the time; empty at the server's end of the connection (or time-out).
    std::string ReceiveSome(int milliseconds) {
        if (!Readable(socket_, milliseconds)) return {};
        char buffer[4096];
        const auto n = recv(socket_, buffer, sizeof buffer, 0);
        if (n <= 0) {
            ended_ = true;
            return {};
        }
        return std::string(buffer, static_cast<std::size_t>(n));
    }
    // Everything until the server closes; gives up after `milliseconds` of silence.
    std::string ReceiveAll(int milliseconds = 5000) {
        std::string all;
        while (!ended_) {
            std::string piece = ReceiveSome(milliseconds);
            if (piece.empty()) break;
            all += piece;
        }
        return all;
    }
    bool Ended() const { return ended_; }
    void EndSending() { KovaTest::ShutdownSending(socket_); }
    void Close() {
        if (socket_ != kNoSocket) CloseNative(socket_);
        socket_ = kNoSocket;
    }

private:
    SocketLibrary library_;
    Native socket_ = kNoSocket;
    bool connected_ = false;
    bool ended_ = false;
};

// What the controller sent, read as the host's receiver reads it.
struct Reply {
    std::vector<std::string> messages;
    std::string data;
};

Reply Decode(const std::string& bytes) {
    enum { Idle, Message, Data, Escape } state = Idle;
    Reply reply;
    std::string text;
    for (char b : bytes) {
        if (b == kStx) {
            text.clear();
            state = Message;
            continue;
        }
        switch (state) {
            case Idle: break;
            case Message:
                if (b == kEtx) {
                    reply.messages.push_back(text);
                    state = text == "FILE" ? Data : Idle;
                } else {
                    text += b;
                }
                break;
            case Data:
                if (b == '\\') state = Escape;
                else reply.data += b;
                break;
            case Escape:
                reply.data += b == 'h' ? '\x01' : b == 's' ? '\x02' : b == 'e' ? '\x03' : b;
                state = Data;
                break;
        }
    }
    return reply;
}

std::string CrcText(const std::string& data) {
    Simulator::Crc16 crc;
    crc.Add(data);
    char text[16];
    std::snprintf(text, sizeof text, "CRC=%04X", crc.Value());
    return text;
}

// Raw deflate in 1 KiB blocks, each ending in a full flush, the last one in finish.
std::string Deflate(const std::string& data) {
    z_stream stream{};
    EXPECT_EQ(deflateInit2(&stream, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY), Z_OK);
    std::string out;
    for (std::size_t at = 0; at < data.size(); at += 1024) {
        const std::size_t n = std::min<std::size_t>(1024, data.size() - at);
        const bool last = at + n >= data.size();
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data() + at));
        stream.avail_in = static_cast<uInt>(n);
        do {
            char piece[4096];
            stream.next_out = reinterpret_cast<Bytef*>(piece);
            stream.avail_out = sizeof piece;
            deflate(&stream, last ? Z_FINISH : Z_FULL_FLUSH);
            out.append(piece, sizeof piece - stream.avail_out);
        } while (stream.avail_out == 0);
    }
    deflateEnd(&stream);
    return out;
}

// One whole transfer: request sent, the controller's answer read to its end.
Reply Exchange(const std::string& request) {
    Client client;
    EXPECT_TRUE(client.Connected());
    EXPECT_TRUE(client.Send(request));
    return Decode(client.ReceiveAll());
}

Reply Upload(char flag, char destination, const std::string& name, const std::string& sent) {
    return Exchange(Header(flag, destination, name) + Escape(sent) + kEtx);
}

Reply Download(char destination, const std::string& name) { return Exchange(Header('3', destination, name)); }

using Messages = std::vector<std::string>;

class FileServer : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(vireo_api_open(nullptr, nullptr), 0); }
    void TearDown() override { vireo_api_close(); }
};

TEST_F(FileServer, DownloadGivesEveryByteValueBackWithItsCrc) {
    std::string binary;
    for (int round = 0; round < 5; ++round)
        for (int b = 0; b < 256; ++b) binary += static_cast<char>(b);
    ASSERT_EQ(Upload('0', '2', "table.bin", binary).messages, Messages{CrcText(binary)});

    const Reply back = Download('2', "TABLE.BIN");
    ASSERT_EQ(back.messages, (Messages{"FILE", CrcText(binary)}));
    EXPECT_EQ(back.data, binary);
    EXPECT_EQ(Download('0', "table.bin").messages, Messages{"ABORT"}) << "stored on SD, not in RAM";
}

TEST_F(FileServer, EmptyFileTravelsBothWays) {
    EXPECT_EQ(Upload('0', '0', "empty.txt", "").messages, Messages{"CRC=0000"});
    EXPECT_EQ(Upload('1', '0', "empty2.txt", "").messages, Messages{"CRC=0000"});
    const Reply back = Download('0', "empty.txt");
    EXPECT_EQ(back.messages, (Messages{"FILE", "CRC=0000"}));
    EXPECT_TRUE(back.data.empty());
}

TEST_F(FileServer, OlderHeadersAreUnderstood) {
    // SOH "SD:" name STX: always to the SD card.
    EXPECT_EQ(Exchange(std::string(1, kSoh) + "SD:one.bas" + kStx + Escape("A\\B") + kEtx).messages,
              Messages{CrcText("A\\B")});
    EXPECT_EQ(Download('2', "one.bas").data, "A\\B");
    // SOH "00" flag destination name STX.
    EXPECT_EQ(Exchange(std::string(1, kSoh) + "000" + "1" + "two.txt" + kStx + "xyz" + kEtx).messages,
              Messages{CrcText("xyz")});
    EXPECT_EQ(Exchange(std::string(1, kSoh) + "0031two.txt" + kStx).data, "xyz");
}

TEST_F(FileServer, DataWithoutHeaderRunToTheEndOfTheConnection) {
    {
        Client client;
        ASSERT_TRUE(client.Connected());
        ASSERT_TRUE(client.Send(std::string("raw\x03\\data") + kEtx));
        client.EndSending();
        EXPECT_TRUE(client.ReceiveAll().empty()) << "nothing is answered";
    }
    EXPECT_EQ(Download('0', "UNNAMED").data, "raw\x03\\data");
}

TEST_F(FileServer, MalformedHeadersAreAborted) {
    const std::string bad[] = {
        std::string(1, kSoh) + "0X00name" + kStx,                       // count not digits
        std::string(1, kSoh) + "0070name" + kStx,                       // no such flag
        std::string(1, kSoh) + "0000" + kUs + "1name" + kStx,           // field not closed
        std::string(1, kSoh) + "00" + kStx,                             // too short
    };
    for (const std::string& header : bad) EXPECT_EQ(Exchange(header).messages, Messages{"ABORT"}) << header;
}

TEST_F(FileServer, CorruptDataAreAbortedAndNotStored) {
    EXPECT_EQ(Exchange(Header('0', '0', "esc.txt") + "ab\\q" + kEtx).messages, Messages{"ABORT"});
    EXPECT_EQ(Exchange(Header('0', '0', "stx.txt") + "ab\x01" + kEtx).messages, Messages{"ABORT"});
    EXPECT_EQ(Upload('1', '0', "bad.bas", "this is not deflate data at all").messages, Messages{"ABORT"});
    const std::string cut = Deflate(std::string(5000, 'q'));
    EXPECT_EQ(Upload('1', '0', "cut.bas", cut.substr(0, cut.size() - 4)).messages, Messages{"ABORT"});
    for (const char* name : {"esc.txt", "stx.txt", "bad.bas", "cut.bas"})
        EXPECT_EQ(Download('0', name).messages, Messages{"ABORT"}) << name;
}

TEST(FileServerPort, OpenFailsWithTheSystemErrorWhileAnotherListenerHoldsThePort) {
    [[maybe_unused]] SocketLibrary library;
    const Native other = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    const sockaddr_in address = Loopback();
#ifndef _WIN32
    // Past transfers leave the port in TIME_WAIT; the listener itself is what must keep the stand-in out.
    int reuse = 1;
    setsockopt(other, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
#endif
    ASSERT_EQ(bind(other, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(other, 1), 0);

    EXPECT_GT(vireo_api_open(nullptr, nullptr), 0);
    EXPECT_EQ(vireo_api_is_open(), 0);
    CloseNative(other);

    EXPECT_EQ(vireo_api_open(nullptr, nullptr), 0);
    EXPECT_EQ(vireo_api_is_open(), 1);
    vireo_api_close();
}

TEST(FileServerPort, CloseWithAClientMidTransferReturnsPromptlyAndTheServerComesBack) {
    ASSERT_EQ(vireo_api_open(nullptr, nullptr), 0);
    Client client;
    ASSERT_TRUE(client.Connected());
    ASSERT_TRUE(client.Send(Header('0', '0', "half.txt") + "part of it"));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));

    const auto start = std::chrono::steady_clock::now();
    vireo_api_close();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_TRUE(client.ReceiveAll(2000).empty());
    EXPECT_TRUE(client.Ended()) << "the controller ended the connection";

    ASSERT_EQ(vireo_api_open(nullptr, nullptr), 0) << "the port is free again at once";
    EXPECT_EQ(Upload('0', '0', "after.txt", "ok").messages, Messages{CrcText("ok")});
    EXPECT_EQ(Download('0', "half.txt").messages, Messages{"ABORT"}) << "nothing kept of the cut transfer";
    vireo_api_close();
}

TEST(FileServerPort, FilesLastOnlyAsLongAsTheSession) {
    ASSERT_EQ(vireo_api_open(nullptr, nullptr), 0);
    EXPECT_EQ(Upload('0', '0', "keep.txt", "k").messages, Messages{CrcText("k")});
    vireo_api_close();
    ASSERT_EQ(vireo_api_open(nullptr, nullptr), 0);
    EXPECT_EQ(Download('0', "keep.txt").messages, Messages{"ABORT"});
    vireo_api_close();
}

// A controller that takes data in slower than they come pauses the sender and lets it go on.
TEST(FileServerFlow, SlowControllerSendsXoffThenXonAndTheFileArrivesWhole) {
    KovaTest::ScopedEnvironment window("VIREO_SIM_FILE_WINDOW", "4096");
    KovaTest::ScopedEnvironment rate("VIREO_SIM_FILE_RATE", "393216");
    ASSERT_EQ(vireo_api_open(nullptr, nullptr), 0);

    std::string data;
    for (int i = 0; i < 96 * 1024; ++i) data += static_cast<char>('A' + (i * 7) % 26);

    Client client;
    ASSERT_TRUE(client.Connected());
    std::mutex mutex;
    std::condition_variable resumed;
    bool paused = false;
    bool done = false;
    int blocksWhilePaused = 0;
    std::string answer;
    std::thread receiver([&] {
        std::string pending;
        while (true) {
            std::string piece = client.ReceiveSome(10000);
            if (piece.empty()) break;
            answer += piece;
            std::lock_guard lock(mutex);
            const Messages messages = Decode(answer).messages;
            paused = !messages.empty() && messages.back() == "XOFF";
            if (!paused) resumed.notify_all();
        }
        std::lock_guard lock(mutex);
        done = true;
        paused = false;
        resumed.notify_all();
    });

    ASSERT_TRUE(client.Send(Header('0', '0', "flow.txt")));
    for (std::size_t at = 0; at < data.size(); at += 1024) {
        std::unique_lock lock(mutex);
        if (paused) {
            resumed.wait(lock, [&] { return !paused || done; });
        }
        lock.unlock();
        if (!client.Send(data.substr(at, 1024))) break;
        std::lock_guard again(mutex);
        if (paused) ++blocksWhilePaused;
    }
    client.Send(std::string(1, kEtx));
    receiver.join();
    vireo_api_close();

    const Messages messages = Decode(answer).messages;
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), CrcText(data));
    int xoff = 0;
    int xon = 0;
    for (const std::string& message : messages) {
        xoff += message == "XOFF";
        xon += message == "XON";
    }
    EXPECT_GE(xoff, 1);
    EXPECT_EQ(xon, xoff) << "every pause is lifted before the CRC";
    EXPECT_LT(blocksWhilePaused, 4 * xoff + 1) << "only blocks under way when XOFF came";
}

}  // namespace
