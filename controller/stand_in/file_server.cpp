#include "stand_in/file_server.h"

#include "stand_in/file_server_header.h"

#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace StandIn {
namespace {

using Simulator::Crc16;
using Simulator::FileStore;
using Simulator::StoredFile;

constexpr std::uint8_t kSoh = 0x01;
constexpr std::uint8_t kStx = 0x02;
constexpr std::uint8_t kEtx = 0x03;
constexpr std::uint8_t kBackslash = 0x5C;

// SOH "00" flag destination US digits US name: anything longer is not a header.
constexpr std::size_t kMaxHeader = kMaxRemoteName + 16;
constexpr std::size_t kGarbageBytes = 4096;
constexpr std::size_t kSendBlock = 1024;
constexpr int kPollMs = 50;
// Data sent without a header have no name of their own.
constexpr std::string_view kUnnamedUpload = "UNNAMED";

std::size_t SizeFromEnvironment(const char* name, std::size_t fallback) {
    const char* text = std::getenv(name);
    if (!text || !*text) return fallback;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 10);
    return *end ? fallback : static_cast<std::size_t>(value);
}

// Escapes the bytes that frame the stream: \h \s \e for SOH STX ETX, \\ for the backslash.
void AppendEscaped(std::string& out, const std::uint8_t* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t b = bytes[i];
        switch (b) {
            case kSoh: out += "\\h"; break;
            case kStx: out += "\\s"; break;
            case kEtx: out += "\\e"; break;
            case kBackslash: out += "\\\\"; break;
            default: out += static_cast<char>(b);
        }
    }
}

std::string Message(std::string_view text) {
    std::string framed;
    framed += static_cast<char>(kStx);
    framed += text;
    framed += static_cast<char>(kEtx);
    return framed;
}

std::string CrcMessage(std::uint16_t crc) {
    char text[16];
    std::snprintf(text, sizeof text, "CRC=%04X", static_cast<unsigned>(crc));
    return Message(text);
}

// Raw deflate in, file bytes out, a piece at a time as the data arrive.
class Inflater {
public:
    Inflater() { ok_ = inflateInit2(&stream_, -15) == Z_OK; }
    ~Inflater() {
        if (ok_) inflateEnd(&stream_);
    }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    // False on corrupt data, data after the end of the stream, or output beyond `limit`.
    bool Add(const std::uint8_t* bytes, std::size_t count, std::vector<std::uint8_t>& out, std::size_t limit) {
        if (!ok_) return false;
        if (count == 0) return true;
        if (ended_) return false;
        seen_ = true;
        stream_.next_in = const_cast<Bytef*>(bytes);
        stream_.avail_in = static_cast<uInt>(count);
        std::uint8_t piece[16384];
        while (true) {
            stream_.next_out = piece;
            stream_.avail_out = sizeof piece;
            const int status = inflate(&stream_, Z_NO_FLUSH);
            const std::size_t produced = sizeof piece - stream_.avail_out;
            out.insert(out.end(), piece, piece + produced);
            if (out.size() > limit) return false;
            if (status == Z_STREAM_END) {
                ended_ = true;
                return stream_.avail_in == 0;
            }
            if (status == Z_BUF_ERROR) return true;   // wants more input
            if (status != Z_OK) return false;
            if (stream_.avail_in == 0 && stream_.avail_out != 0) return true;
        }
    }
    // Complete: the stream reached its end, or nothing came at all (an empty file).
    bool Complete() const { return ok_ && (ended_ || !seen_); }

private:
    z_stream stream_{};
    bool ok_ = false;
    bool ended_ = false;
    bool seen_ = false;
};

// One connection: reads the header, then receives or sends one file.
class Transfer {
public:
    Transfer(Net::Handle socket, FileStore& store, const FileServerOptions& options, const std::atomic<bool>& stopping)
        : socket_(socket), store_(store), options_(options), stopping_(stopping) {
        // Read per transfer, so that each can misbehave differently.
        const char* fault = std::getenv("VIREO_SIM_FILE_FAULT");
        fault_ = ParseFileFault(fault != nullptr ? fault : "");
    }

    void Run() {
        using Clock = std::chrono::steady_clock;
        std::optional<Clock::time_point> start;   // of the data: a slow header is no credit
        std::size_t taken = 0;
        int idleMs = 0;
        std::uint8_t buffer[16384];
        while (!finished_ && !stopping_) {
            const Net::Wait wait = Net::WaitReadable(socket_, kPollMs);
            if (wait == Net::Wait::Failed) return;
            if (wait == Net::Wait::Timeout) {
                idleMs += kPollMs;
                if (idleMs >= options_.idleLimitMs) return;
                continue;
            }
            const long n = Net::Receive(socket_, buffer, sizeof buffer);
            if (n == -1) continue;
            if (n < 0) return;
            if (n == 0) {
                EndOfStream();
                return;
            }
            idleMs = 0;
            Feed(buffer, static_cast<std::size_t>(n));
            if (finished_) break;
            if (options_.bytesPerSecond) {
                // A slow medium: the data of the last read are taken in no faster than its rate.
                if (!start) start = Clock::now();
                taken += static_cast<std::size_t>(n);
                const auto due = *start + std::chrono::microseconds(
                                             static_cast<long long>(taken * 1000000.0 / options_.bytesPerSecond));
                while (!stopping_ && Clock::now() < due)
                    std::this_thread::sleep_for(std::min<Clock::duration>(due - Clock::now(), std::chrono::milliseconds(20)));
            }
            FlowControl();
        }
        if (finished_ && !dropped_) Linger();
    }

private:
    // Ignore: what comes is read and dropped, until the peer goes.
    enum class Stage { First, Header, Data, Escape, Raw, Ignore };

    void Feed(const std::uint8_t* bytes, std::size_t count) {
        chunk_.clear();
        for (std::size_t i = 0; i < count && !finished_; ++i) {
            const std::uint8_t b = bytes[i];
            switch (stage_) {
                case Stage::First:
                    if (b == kSoh) {
                        stage_ = Stage::Header;
                    } else {
                        stage_ = Stage::Raw;
                        request_.name = std::string(kUnnamedUpload);
                        chunk_.push_back(b);
                    }
                    break;
                case Stage::Header:
                    if (b == kStx) {
                        StartRequest();
                    } else if (header_.size() >= kMaxHeader) {
                        Abort();
                    } else {
                        header_ += static_cast<char>(b);
                    }
                    break;
                case Stage::Data:
                    if (b == kEtx) {
                        if (TakeChunk()) EndOfUpload();
                    } else if (b == kBackslash) {
                        stage_ = Stage::Escape;
                    } else if (b == kSoh || b == kStx) {
                        Abort();   // framing bytes travel escaped
                    } else {
                        chunk_.push_back(b);
                    }
                    break;
                case Stage::Escape:
                    switch (b) {
                        case 'h': chunk_.push_back(kSoh); break;
                        case 's': chunk_.push_back(kStx); break;
                        case 'e': chunk_.push_back(kEtx); break;
                        case kBackslash: chunk_.push_back(kBackslash); break;
                        default: Abort(); break;
                    }
                    stage_ = Stage::Data;
                    break;
                case Stage::Raw:
                    chunk_.push_back(b);
                    break;
                case Stage::Ignore:
                    break;
            }
        }
        if (!finished_ && (stage_ == Stage::Data || stage_ == Stage::Escape)) TakeChunk();
        if (stage_ == Stage::Raw) {
            raw_.insert(raw_.end(), chunk_.begin(), chunk_.end());
            if (raw_.size() > options_.maxFileSize + 1) finished_ = true;   // dropped, nobody to tell
        }
    }

    void StartRequest() {
        const std::optional<Request> request = ParseHeader(header_);
        if (!request) return Abort();
        request_ = *request;
        switch (fault_.fault) {
            case FileFault::Abort: return Abort();
            case FileFault::Garbage: return SendGarbage();
            case FileFault::Silent: stage_ = Stage::Ignore; return;
            default: break;
        }
        if (request_.download) return SendFile();
        stage_ = Stage::Data;
        if (fault_.fault == FileFault::Stall) {
            paused_ = Send(Message("XOFF"));
            stalled_ = true;
        } else if (fault_.fault == FileFault::EarlyCrc) {
            Send(CrcMessage(Crc16().Value()));
            stage_ = Stage::Ignore;
        }
    }

    // Bytes that frame nothing in particular, the same each time, then the end of the connection.
    void SendGarbage() {
        std::string bytes(kGarbageBytes, '\0');
        std::uint32_t state = 12345;
        for (char& c : bytes) {
            state = state * 1103515245u + 12345u;
            c = static_cast<char>(state >> 24);
        }
        Send(bytes);
        Drop();
    }

    void Drop() {
        finished_ = true;
        dropped_ = true;
    }

    // The unescaped bytes of this read: counted in the CRC as sent, then taken in.
    bool TakeChunk() {
        if (fault_.fault == FileFault::Drop && taken_ + chunk_.size() > fault_.bytes) {
            Drop();
            return false;
        }
        taken_ += chunk_.size();
        crc_.Add(chunk_.data(), chunk_.size());
        bool ok = true;
        if (request_.compressed) {
            ok = inflater_.Add(chunk_.data(), chunk_.size(), data_, options_.maxFileSize);
        } else {
            data_.insert(data_.end(), chunk_.begin(), chunk_.end());
            ok = data_.size() <= options_.maxFileSize;
        }
        chunk_.clear();
        if (!ok) Abort();
        return ok;
    }

    void EndOfUpload() {
        if (request_.compressed && !inflater_.Complete()) return Abort();
        Store(request_.name, std::move(data_));
        Resume();
        Send(CrcMessage(Answered(crc_.Value())));
        finished_ = true;
    }

    std::uint16_t Answered(std::uint16_t crc) const {
        return fault_.fault == FileFault::BadCrc ? static_cast<std::uint16_t>(crc + 1) : crc;
    }

    void EndOfStream() {
        if (stage_ != Stage::Raw || raw_.size() > options_.maxFileSize + 1) return;
        // The sender closes headerless data with an ETX of its own.
        if (!raw_.empty() && raw_.back() == kEtx) raw_.pop_back();
        Store(request_.name, std::move(raw_));
    }

    void Store(const std::string& name, std::vector<std::uint8_t> bytes) {
        StoredFile file;
        file.name = name;
        file.type = Simulator::FileTypeOfName(name);
        file.destination = request_.destination;
        file.bytes = std::move(bytes);
        store_.Store(std::move(file));
    }

    void SendFile() {
        finished_ = true;
        const std::optional<StoredFile> file = store_.Find(request_.destination, request_.name);
        if (!file) return Abort();
        if (!Send(Message("FILE"))) return;
        const std::size_t size = file->bytes.size();
        // Where a faulty server stops sending data.
        std::size_t end = size;
        if (fault_.fault == FileFault::Drop) end = std::min(size, fault_.bytes);
        if (fault_.fault == FileFault::Stall) end = std::min(size, kSendBlock);
        if (fault_.fault == FileFault::EarlyCrc) end = size / 2;
        Crc16 crc;
        std::string escaped;
        for (std::size_t at = 0; at < end; at += kSendBlock) {
            const std::size_t n = std::min(kSendBlock, end - at);
            escaped.clear();
            AppendEscaped(escaped, file->bytes.data() + at, n);
            crc.Add(file->bytes.data() + at, n);
            if (!Send(escaped)) return;
        }
        switch (fault_.fault) {
            case FileFault::Drop: return Drop();
            case FileFault::Stall:
                Send(Message("XOFF"));
                // Silence from here on, until the peer gives up.
                finished_ = false;
                stage_ = Stage::Ignore;
                return;
            case FileFault::EarlyCrc: crc.Add(file->bytes.data() + end, size - end); break;
            default: break;
        }
        Send(CrcMessage(Answered(crc.Value())));
    }

    void Abort() {
        finished_ = true;
        Send(Message("ABORT"));
    }

    // XOFF while the system holds more unread data than the window; XON once a quarter is left.
    void FlowControl() {
        const std::size_t pending = Net::Pending(socket_);
        if (!paused_ && pending > options_.window) {
            paused_ = Send(Message("XOFF"));
        } else if (paused_ && pending <= options_.window / 4) {
            Resume();
        }
    }

    void Resume() {
        if (paused_ && !stalled_ && Send(Message("XON"))) paused_ = false;
    }

    bool Send(const std::string& bytes) { return Net::SendAll(socket_, bytes.data(), bytes.size(), stopping_); }

    // Lets the peer read the answer before the connection goes: no more sending, then take in what
    // it still sends (the rest of an aborted upload) until it closes, falls silent for a moment, or
    // the idle limit has passed.
    void Linger() {
        Net::ShutdownSending(socket_);
        std::uint8_t sink[4096];
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(options_.idleLimitMs);
        for (int silent = 0; silent < 1000 && !stopping_ && std::chrono::steady_clock::now() < end;) {
            const Net::Wait wait = Net::WaitReadable(socket_, kPollMs);
            if (wait == Net::Wait::Failed) return;
            if (wait == Net::Wait::Timeout) {
                silent += kPollMs;
                continue;
            }
            silent = 0;
            const long n = Net::Receive(socket_, sink, sizeof sink);
            if (n == 0 || n < -1) return;
        }
    }

    Net::Handle socket_;
    FileStore& store_;
    const FileServerOptions& options_;
    const std::atomic<bool>& stopping_;

    Stage stage_ = Stage::First;
    std::string header_;
    Request request_;
    std::vector<std::uint8_t> chunk_;
    std::vector<std::uint8_t> data_;
    std::vector<std::uint8_t> raw_;
    Inflater inflater_;
    Crc16 crc_;
    bool paused_ = false;
    bool finished_ = false;
    FileFaultMode fault_;
    std::size_t taken_ = 0;    // file data received so far
    bool stalled_ = false;     // paused for good
    bool dropped_ = false;     // ends without a word
};

}  // namespace

FileServerOptions FileServerOptionsFromEnvironment() {
    FileServerOptions options;
    options.window = SizeFromEnvironment("VIREO_SIM_FILE_WINDOW", options.window);
    options.bytesPerSecond = SizeFromEnvironment("VIREO_SIM_FILE_RATE", options.bytesPerSecond);
    return options;
}

std::int32_t FileServer::Start(const FileServerOptions& options) {
    std::lock_guard lock(mutex_);
    if (started_) return 0;
    if (const int error = Net::Startup(); error != 0) return error;
    Net::Handle listener = Net::kInvalid;
    if (const int error = Net::Listen(options.port, listener); error != 0) {
        Net::Cleanup();
        return error;
    }
    options_ = options;
    listener_ = listener;
    stopping_ = false;
    started_ = true;
    thread_ = std::thread([this] { Run(); });
    return 0;
}

void FileServer::Stop() {
    {
        std::lock_guard lock(mutex_);
        if (!started_) return;
        stopping_ = true;
        if (client_ != Net::kInvalid) Net::Shutdown(client_);
        // Wakes the accept loop at once where the system allows it (Linux), so a close does not
        // wait out the poll.
        Net::Shutdown(listener_);
    }
    if (thread_.joinable()) thread_.join();
    std::lock_guard lock(mutex_);
    Net::Close(listener_);
    listener_ = Net::kInvalid;
    Net::Cleanup();
    started_ = false;
}

void FileServer::Run() {
    while (!stopping_) {
        const Net::Wait wait = Net::WaitReadable(listener_, kPollMs);
        if (wait != Net::Wait::Ready) {
            if (wait == Net::Wait::Failed) std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
            continue;
        }
        const Net::Handle client = Net::Accept(listener_);
        if (client == Net::kInvalid) continue;
        {
            std::lock_guard lock(mutex_);
            client_ = client;
        }
        if (!stopping_) Serve(client);
        std::lock_guard lock(mutex_);
        client_ = Net::kInvalid;
        Net::Close(client);
    }
}

void FileServer::Serve(Net::Handle client) {
    try {
        Transfer(client, store_, options_, stopping_).Run();
    } catch (const std::exception&) {
        // Out of memory for a file: the connection ends, the server goes on.
    }
}

}  // namespace StandIn
