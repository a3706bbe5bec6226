// The TCP port against a peer on the loopback interface that each test scripts by hand.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "support/event_recorder.h"
#include "support/raw_socket.h"

#include "platform/system_error/system_error.h"
#include "shared/port/port_tcp.h"

namespace {

using namespace Kova::TesselApi::Shared;
using Kova::TesselApi::Platform::SystemErrorText;

using KovaTest::BoundToLoopback;
using KovaTest::CloseRaw;
using KovaTest::EventRecorder;
using KovaTest::LoggedEvent;
using KovaTest::kNoSocket;
using KovaTest::RawSocket;

constexpr Result kTimeout = 0x8100000006;
constexpr Result kBufferTooSmall = 0x10000000e;
constexpr Result kSystemKind = 0x200000000;

// The controller's side: listens on an ephemeral port and takes one connection.
class Peer {
public:
    explicit Peer(int backlog = 4) : listener_(BoundToLoopback(backlog, port_)) {}
    ~Peer() {
        Hangup();
        CloseRaw(listener_);
    }
    std::uint16_t Port() const { return port_; }
    void Accept() { connection_ = accept(listener_, nullptr, nullptr); }
    void Send(const std::string& bytes) const {
        ASSERT_EQ(send(connection_, bytes.data(), static_cast<int>(bytes.size()), 0), static_cast<int>(bytes.size()));
    }
    std::string Receive(std::size_t count) const {
        std::string bytes(count, '\0');
        std::size_t done = 0;
        while (done < count) {
            const int got = recv(connection_, bytes.data() + done, static_cast<int>(count - done), 0);
            if (got <= 0) break;
            done += static_cast<std::size_t>(got);
        }
        return bytes.substr(0, done);
    }
    void Hangup() {
        if (connection_ != kNoSocket) CloseRaw(connection_);
        connection_ = kNoSocket;
    }
    void StopSending() const { KovaTest::ShutdownSending(connection_); }

private:
    std::uint16_t port_ = 0;
    RawSocket listener_;
    RawSocket connection_ = kNoSocket;
};

class Recorder : public PortMonitor {
public:
    void OnBytes(const std::uint8_t* bytes, std::uint32_t count) override {
        seen.append(reinterpret_cast<const char*>(bytes), count);
    }
    std::string seen;
};

const std::uint8_t* Bytes(const std::string& text) { return reinterpret_cast<const std::uint8_t*>(text.data()); }

class PortTcp : public ::testing::Test {
protected:
    void Connect() {
        ASSERT_EQ(port.Open("127.0.0.1", peer.Port(), 2000, true), kSuccess);
        peer.Accept();
        log.Clear();
    }
    std::string Read(std::uint32_t capacity, std::uint32_t timeoutMs, Result expected = kSuccess) {
        std::string bytes(capacity, '\0');
        std::uint32_t count = 99;
        EXPECT_EQ(port.Read(reinterpret_cast<std::uint8_t*>(bytes.data()), capacity, count, timeoutMs), expected);
        return bytes.substr(0, count);
    }
    std::string ReadExact(std::uint32_t count) {
        std::string bytes(count, '\0');
        EXPECT_EQ(port.ReadExact(reinterpret_cast<std::uint8_t*>(bytes.data()), count, 2000), kSuccess);
        return bytes;
    }

    EventRecorder log;
    Peer peer;
    Port_TCP port{&log};
};

TEST_F(PortTcp, OpenAndCloseAreLoggedOnceAndThePortOpensAgain) {
    ASSERT_EQ(port.Open("127.0.0.1", peer.Port(), 2000, true), kSuccess);
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(port.GetPort(), peer.Port());
    EXPECT_EQ(port.Close(), kSuccess);
    EXPECT_EQ(port.Close(), kSuccess);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(log.Events(), (std::vector<LoggedEvent>{{2, 0, "Connected to 127.0.0.1"},
                                                   {2, 0, "Disconnected from 127.0.0.1"}}));
    ASSERT_EQ(port.Open("localhost", peer.Port(), 2000, false), kSuccess);
    EXPECT_EQ(port.GetHost(), "localhost");
}

TEST(PortTcpOpen, ARefusedConnectGivesTheSystemErrorAndLeavesThePortClosed) {
    std::uint16_t free = 0;
    CloseRaw(BoundToLoopback(-1, free));  // nobody listens there now
    EventRecorder log;
    Port_TCP port(&log);
    const Result result = port.Open("127.0.0.1", free, 2000, true);
    EXPECT_EQ(result & ~0xFFFFFFFFull, kSystemKind);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.GetPort(), 0);
    EXPECT_EQ(port.GetHost(), "");
    const auto number = static_cast<std::uint32_t>(result);
    EXPECT_EQ(log.Events(), (std::vector<LoggedEvent>{{0, result, SystemErrorText(number)}}));
}

TEST(PortTcpOpen, APeerThatNeverAnswersTimesOut) {
    // A listener whose queue is full drops further handshakes: the connect stays pending.
    Peer peer(0);
    RawSocket filler = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(peer.Port());
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EventRecorder log;
    Port_TCP port(&log);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(port.Open("127.0.0.1", peer.Port(), 300, true), kTimeout);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(250));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(log.Events(), (std::vector<LoggedEvent>{{0, kTimeout, "Timeout connecting to the port"}}));
    CloseRaw(filler);
}

TEST_F(PortTcp, ReadJoinsBufferedBytesWithOneReceive) {
    Connect();
    Recorder monitor;
    port.SetReadMonitor(&monitor);
    ASSERT_EQ(port.PushBack(Bytes("ab"), 2), kSuccess);
    peer.Send("cd");
    EXPECT_EQ(Read(10, 2000), "abcd");
    EXPECT_EQ(monitor.seen, "cd");  // only what came off the wire
}

TEST_F(PortTcp, ReadWaitsForTheTimeOut) {
    Connect();
    EXPECT_EQ(Read(10, 0), "");
    EXPECT_EQ(Read(10, 50, kTimeout), "");
    EXPECT_TRUE(port.IsOpen());
    EXPECT_TRUE(log.Events().empty());
}

TEST_F(PortTcp, ReadExactKeepsTheSurplusForTheNextRead) {
    Connect();
    peer.Send("0123456789");
    EXPECT_EQ(ReadExact(4), "0123");
    // Room before the read position takes the pushed-back bytes.
    ASSERT_EQ(port.PushBack(Bytes("xy"), 2), kSuccess);
    EXPECT_EQ(Read(100, 0), "xy456789");
}

TEST_F(PortTcp, ReadExactGathersManyReceivesAcrossTheBuffer) {
    Connect();
    std::string data(10000, '\0');
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7 % 251);
    std::thread sender([&] { peer.Send(data); });
    const std::string first = ReadExact(5000);
    const std::string second = ReadExact(5000);
    sender.join();
    EXPECT_EQ(first + second, data);
}

TEST_F(PortTcp, PushBackBeyondTheBufferChangesNothing) {
    ASSERT_EQ(port.PushBack(Bytes("tail"), 4), kSuccess);
    const std::string big(kPortBufferSize - 4, 'h');
    ASSERT_EQ(port.PushBack(Bytes(big), static_cast<std::uint32_t>(big.size())), kSuccess);
    EXPECT_EQ(port.PushBack(Bytes("x"), 1), kBufferTooSmall);
    EXPECT_EQ(Read(kPortBufferSize, kPortWaitForever), big + "tail");
}

TEST_F(PortTcp, WriteSendsEverythingAndShowsItToTheMonitor) {
    Connect();
    Recorder monitor;
    port.SetWriteMonitor(&monitor);
    ASSERT_EQ(port.Write(Bytes("ping"), 4), kSuccess);
    EXPECT_EQ(peer.Receive(4), "ping");
    EXPECT_EQ(monitor.seen, "ping");
    port.SetWriteMonitor(nullptr);
    ASSERT_EQ(port.Write(Bytes("!"), 1), kSuccess);
    EXPECT_EQ(monitor.seen, "ping");
}

TEST_F(PortTcp, OneThreadWritesWhileAnotherWaitsToRead) {
    Connect();
    std::string reply;
    std::thread reader([&] { reply = Read(10, 5000); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(port.Write(Bytes("ping"), 4), kSuccess);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(peer.Receive(4), "ping");
    peer.Send("pong");
    reader.join();
    EXPECT_EQ(reply, "pong");
}

TEST_F(PortTcp, APeerThatHangsUpEndsTheReadingThenReadsFail) {
    Connect();
    peer.Hangup();
    EXPECT_EQ(Read(10, 2000), "");
    EXPECT_FALSE(port.IsOpen());
    ASSERT_EQ(log.Events(), (std::vector<LoggedEvent>{{2, 0, "Disconnected from 127.0.0.1"}}));

    const Result again = [&] {
        std::uint8_t byte = 0;
        std::uint32_t count = 0;
        return port.Read(&byte, 1, count, 100);
    }();
    EXPECT_EQ(again & ~0xFFFFFFFFull, kSystemKind);
    EXPECT_EQ(log.Events().back(), (LoggedEvent{0, again, SystemErrorText(static_cast<std::uint32_t>(again))}));
    const Result write = port.Write(Bytes("x"), 1);
    EXPECT_EQ(write & ~0xFFFFFFFFull, kSystemKind);
}

TEST_F(PortTcp, TheReaderSeeingThePeerGoEndsAWriteBlockedOnTheSameSocket) {
    Connect();
    // The peer reads nothing: the write fills every buffer on the way and blocks.
    const std::string data(32u << 20, 'w');
    std::atomic<bool> written{false};
    Result result = kSuccess;
    std::thread writer([&] {
        result = port.Write(Bytes(data), static_cast<std::uint32_t>(data.size()));
        written = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_FALSE(written);

    peer.StopSending();
    // The reader sees the end (under Wine the writer may see it first: then the read fails).
    std::uint8_t byte = 0;
    std::uint32_t count = 0;
    port.Read(&byte, 1, count, 2000);
    EXPECT_EQ(count, 0u);
    EXPECT_FALSE(port.IsOpen());
    const auto start = std::chrono::steady_clock::now();
    while (!written && std::chrono::steady_clock::now() - start < std::chrono::seconds(3))
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(written);
    peer.Hangup();  // frees a writer that is still blocked
    writer.join();
    EXPECT_NE(result, kSuccess);
}

TEST(PortTcpOwner, APortWithoutOwnerWorksSilently) {
    Peer peer;
    Port_TCP port(nullptr);
    ASSERT_EQ(port.Open("127.0.0.1", peer.Port(), 2000, true), kSuccess);
    peer.Accept();
    peer.Hangup();
    std::uint8_t byte = 0;
    std::uint32_t count = 1;
    EXPECT_EQ(port.Read(&byte, 1, count, 2000), kSuccess);
    EXPECT_EQ(count, 0u);
    EXPECT_FALSE(port.IsOpen());
}

}  // namespace
