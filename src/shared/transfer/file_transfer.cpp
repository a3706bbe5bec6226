#include "shared/transfer/file_transfer.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

#include "shared/debug_trace.h"
#include "shared/transfer/deflate_stream.h"
#include "shared/transfer/file_types.h"

namespace Kova::TesselApi::Shared {

namespace {

// Small blocks keep escaping and flow control fine-grained on the current protocol.
constexpr std::size_t kBlockSize = 1024;
constexpr std::size_t kOlderProtocolBlockSize = 32768;
constexpr std::uint32_t kReceiveChunk = 256;
constexpr std::uint32_t kReceivePollMs = 1;
// Bytes end a wait at once; its time-out only bounds how late the receiver sees the sender's end.
// After a read that found nothing it waits longer, so that an idle transfer costs next to no
// processor time.
constexpr std::uint32_t kIdlePollMs = 20;
// How long the receiver gives a sender whose write closed the port to finish with its failure.
constexpr auto kSenderFailureGrace = std::chrono::milliseconds(200);
// Received data reach the host file in pieces of this size.
constexpr std::size_t kWriteBufferSize = 64 * 1024;
constexpr std::uint32_t kDefaultTimeoutMs = 5000;
// Versions arrive as doubles read from the controller; 2.0331 must not read as just below itself.
constexpr double kVersionTolerance = 1e-6;

bool AtLeast(double version, double wanted) { return version >= wanted - kVersionTolerance; }

template <typename... Arguments>
std::string Format(const char* format, Arguments... arguments) {
    const int length = std::snprintf(nullptr, 0, format, arguments...);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, arguments...);
    return text;
}

std::string ErrnoText(int number) {
    const char* text = std::strerror(number);
    return text != nullptr ? text : "";
}

}  // namespace

TransferRequest UploadRequest(std::string_view localPath, std::string_view remoteName, std::uint32_t fileType,
                              std::uint32_t flags) {
    TransferRequest request;
    request.direction = TransferDirection::Upload;
    request.localPath.assign(localPath);
    request.remoteName.assign(remoteName);
    request.fileType = fileType;
    request.compress = (flags & (kUploadCompress | kUploadCompressedMark)) != 0;
    request.compressedMark = (flags & kUploadCompressedMark) != 0;
    request.timeoutMs = kUploadTimeoutMs;
    return request;
}

TransferRequest DownloadRequest(std::string_view localPath, std::string_view remoteName) {
    TransferRequest request;
    request.direction = TransferDirection::Download;
    request.localPath.assign(localPath);
    request.remoteName.assign(remoteName);
    request.fileType = kDownloadFileType;
    request.compress = true;
    request.compressedMark = true;
    request.timeoutMs = kDownloadTimeoutMs;
    return request;
}

FileTransfer::FileTransfer(IEventLogger* owner, std::string_view host, std::uint16_t port, double firmwareVersion)
    : owner_(owner), port_(owner), host_(host), tcpPort_(port), firmwareVersion_(firmwareVersion) {}

FileTransfer::~FileTransfer() = default;

Result FileTransfer::Fail(Result result, std::string_view message) {
    if (owner_ != nullptr) owner_->Log(EventError, result, message);
    return result;
}

void FileTransfer::Report(std::uint64_t done, std::uint32_t stage) {
    if (progress_ == nullptr || !*progress_) return;
    const kova_progress_info info{static_cast<std::uint32_t>(fileSize_), static_cast<std::uint32_t>(done), stage};
    (*progress_)(info);
}

std::uint32_t FileTransfer::Flags() const {
    const std::lock_guard lock(mutex_);
    return status_;
}

void FileTransfer::SetFlags(std::uint32_t bits, bool wake) {
    const std::lock_guard lock(mutex_);
    status_ |= bits;
    if (wake) wake_.notify_all();
}

double FileTransfer::Seconds() const {
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_);
    return static_cast<double>(elapsed.count()) / 1000.0;
}

Result FileTransfer::Run(const TransferRequest& request, const ProgressSink& progress) {
    if (port_.IsOpen()) return Error(Reopen);
    const Result opened = port_.Open(host_, tcpPort_, kTransferConnectTimeoutMs, true);
    if (opened != kSuccess) return opened;

    request_ = request;
    if (request_.timeoutMs < 1) request_.timeoutMs = kDefaultTimeoutMs;
    // A controller that stops reading fails the send instead of holding the sender for ever.
    port_.SetSendTimeout(request_.timeoutMs);
    if (!AtLeast(firmwareVersion_, kFirmwareEncryptedItems) && IsEncryptedFileType(request_.fileType))
        return Fail(Error(BadArgument), "Transferring encrypted items is not supported before VT f/w v2.0335");
    if (!ParseDestination(request_.remoteName, destination_, remoteName_))
        return Fail(Error(BadArgument), "Error in remote destination");

    const bool upload = request_.direction == TransferDirection::Upload;
    progress_ = &progress;
    fileSize_ = upload ? LocalFileSize(request_.localPath) : 0;
    start_ = std::chrono::steady_clock::now();
    Report(0, KOVA_PROGRESS_START);

    Result senderResult = kSuccess;
    Result receiverResult = kSuccess;
    std::thread sender([&] {
        senderResult = Sender();
        const std::lock_guard lock(mutex_);
        senderFailed_ = senderResult != kSuccess;
        status_ |= ThreadFinished;
        wake_.notify_all();
    });
    std::thread receiver;
    if (request_.protocolLevel != 0) {
        try {
            receiver = std::thread([&] {
                receiverResult = Receiver();
                SetFlags(ThreadFinished, true);
            });
        } catch (...) {
            // Without a receiver nothing would ever end the sender's waits.
            SetFlags(ReceiverFailed | ThreadFinished, true);
            sender.join();
            throw;
        }
        receiver.join();
    }
    sender.join();

    Report(done_.load(), KOVA_PROGRESS_END);
    return receiverResult != kSuccess ? receiverResult : senderResult;
}

Result FileTransfer::Sender() {
    if (request_.direction == TransferDirection::Upload) return SendUpload();

    const std::string header = TransferHeader(request_.protocolLevel, true,
                                              request_.compress && request_.compressedMark, destination_, remoteName_);
    if (!header.empty()) {
        const Result written = port_.Write(reinterpret_cast<const std::uint8_t*>(header.data()),
                                           static_cast<std::uint32_t>(header.size()));
        if (written != kSuccess) return Fail(written, "Port write error");
    }
    // Without a receiver nothing arrives to wait for.
    if (request_.protocolLevel == 0) return SenderVerdict();
    {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [&] { return status_ != 0; });
    }
    return WaitForCrc();
}

Result FileTransfer::SendUpload() {
    start_ = std::chrono::steady_clock::now();
    if (owner_ != nullptr)
        owner_->Log(EventInformation, kSuccess, Format("Uploading %s ...", request_.localPath.c_str()));
    LocalFile file(OpenLocalFile(request_.localPath, "rb"));
    if (!file) {
        const int error = errno;
        return Fail(SystemError(static_cast<std::uint32_t>(error)),
                    Format("Error opening %s, error(%i): %s", request_.localPath.c_str(), error, ErrnoText(error).c_str()));
    }

    DeflateStream deflater;
    if (request_.compress) {
        const int code = deflater.Start(request_.compressionLevel);
        if (code != Z_OK) return Fail(Error(Compression), Format("Data compressor initialization error: %d", code));
    }

    if (destination_ == DestinationRam && AtLeast(firmwareVersion_, kFirmwareNameExtensions))
        remoteName_ = ExtendedRemoteName(remoteName_, request_.fileType, request_.compress, request_.compressedMark);

    const std::string header = TransferHeader(request_.protocolLevel, false,
                                              request_.compress && request_.compressedMark, destination_, remoteName_);
    if (!header.empty()) {
        const Result written = port_.Write(reinterpret_cast<const std::uint8_t*>(header.data()),
                                           static_cast<std::uint32_t>(header.size()));
        if (written != kSuccess) return Fail(written, "Port write error");
    }

    Crc crc(*FindCrcModel(kTransferCrcName));
    const std::size_t blockSize = request_.protocolLevel == 3 ? kBlockSize : kOlderProtocolBlockSize;
    std::vector<std::uint8_t> input(blockSize);
    std::vector<std::uint8_t> compressed(request_.compress ? blockSize : 0);
    escaped_.resize(2 * blockSize);
    streaming_.store(true);
    // A small send buffer lets an XOFF from the controller take effect quickly.
    port_.SetSendBufferSize(0);

    std::uint64_t done = 0;
    bool finished = !request_.compress;
    Result sendResult = kSuccess;
    const auto sendOut = [&](const std::uint8_t* bytes, std::size_t count) {
        sendResult = SendBlock(bytes, count, crc);
        return sendResult == kSuccess;
    };
    while (Flags() == 0 && (done < fileSize_ || !finished)) {
        const std::size_t count = std::fread(input.data(), 1, blockSize, file.get());
        if (count < blockSize && std::ferror(file.get())) {
            const int error = errno != 0 ? errno : EIO;
            return Fail(SystemError(static_cast<std::uint32_t>(error)), ErrnoText(error));
        }
        // A file that ends early (it shrank meanwhile) ends the stream there.
        const bool last = count == 0 || done + count >= fileSize_;
        if (request_.compress) {
            const int code = deflater.Compress(input.data(), count, last, compressed.data(), compressed.size(), sendOut);
            if (sendResult != kSuccess) return Fail(sendResult, "Port write error");
            if (code != Z_OK) return Fail(Error(Compression), Format("Data compression error: %d", code));
            finished = last;
        } else if (count > 0 && !sendOut(input.data(), count)) {
            return Fail(sendResult, "Port write error");
        }
        done += count;
        done_.store(done);
        if (fileSize_ != 0 && count > 0) Report(done, KOVA_PROGRESS_BLOCK);
        if (count == 0) break;
    }
    // The controller ended the stream before the file did (an early CRC); the data are not all there,
    // whatever the CRCs say.
    cutShort_ = (done < fileSize_ || !finished) && Flags() != 0;

    const std::uint8_t end = kETX;
    const Result written = port_.Write(&end, 1);
    if (written != kSuccess) return Fail(written, "Port write error");
    {
        const std::lock_guard lock(mutex_);
        localCrc_ = crc.Value();
    }
    streaming_.store(false);
    return WaitForCrc();
}

Result FileTransfer::SendBlock(const std::uint8_t* bytes, std::size_t count, Crc& crc) {
    if (count == 0) return kSuccess;
    if (request_.protocolLevel == 0) {
        const Result written = port_.Write(bytes, static_cast<std::uint32_t>(count));
        if (written == kSuccess) {
            dataBytesSent_ += count;
            crc.Update(bytes, count);
        }
        return written;
    }
    {
        std::unique_lock lock(mutex_);
        if (status_ != 0) return kSuccess;
        if (paused_) {
            // Held by XOFF the sender streams nothing: a controller silent for the time-out ends the
            // transfer through the receiver, whose end lets the sender go to its verdict.
            streaming_.store(false);
            wake_.wait(lock, [&] { return !paused_ || status_ != 0; });
            streaming_.store(true);
        }
        if (status_ != 0) return kSuccess;
    }
    // The whole escaped block goes out in one write: escapes cost no extra round through the socket.
    if (escaped_.size() < 2 * count) escaped_.resize(2 * count);
    const std::size_t length = EscapeInto(bytes, count, escaped_.data());
    const Result written = port_.Write(escaped_.data(), static_cast<std::uint32_t>(length));
    if (written == kSuccess) {
        dataBytesSent_ += length;
        // Only what went out counts: the controller checks what it got.
        crc.Update(bytes, count);
    }
    return written;
}

Result FileTransfer::WaitForCrc() {
    if (request_.protocolLevel == 0) return SenderVerdict();
    {
        std::unique_lock lock(mutex_);
        const auto answered = [&] {
            return (status_ & (Aborted | CrcReceived | ThreadFinished | ReceiverFailed)) != 0;
        };
        // Its own time-out bounds this wait, unless XOFF holds it.
        awaitingCrc_ = request_.waitForCrc;
        if (!request_.waitForCrc) {
            wake_.wait(lock, answered);
        } else {
            // A paused controller is still working: its time does not count against it.
            while (!wake_.wait_for(lock, std::chrono::milliseconds(request_.timeoutMs), answered)) {
                if (!paused_) {
                    status_ |= CrcTimedOut;
                    lock.unlock();
                    return Fail(Error(Timeout), "Timeout waiting for CRC.");
                }
            }
        }
    }
    return SenderVerdict();
}

Result FileTransfer::SenderVerdict() {
    std::uint32_t flags = 0;
    std::uint32_t local = 0;
    std::uint32_t controller = 0;
    {
        const std::lock_guard lock(mutex_);
        flags = status_;
        local = localCrc_;
        controller = controllerCrc_;
    }
    // An abort also marks the receiver failed; the abort is the cause worth naming.
    if ((flags & Aborted) != 0) return Fail(Error(FatalFail), "File transfer aborted by the Veltrac.");
    if ((flags & ReceiverFailed) != 0) return Fail(Error(FatalFail), "File transfer cancelled.");
    if ((flags & CrcReceived) != 0 && local != controller)
        return Fail(Error(FatalFail), Format("File transfer failed. CRC wrong (Local=$%lx, Controller=$%lx)",
                                             static_cast<unsigned long>(local), static_cast<unsigned long>(controller)));
    if (cutShort_ || ((flags & CrcReceived) == 0 && (flags & ~static_cast<std::uint32_t>(ThreadFinished)) != 0))
        return Fail(Error(FatalFail), "Error in file transfer.");
    if (request_.direction == TransferDirection::Upload && owner_ != nullptr)
        owner_->Log(EventInformation, kSuccess,
                    Format("Uploaded %s, (%llu bytes), Duration %lf sec", remoteName_.c_str(),
                           static_cast<unsigned long long>(dataBytesSent_), Seconds()));
    return kSuccess;
}

Result FileTransfer::Receiver() {
    const bool download = request_.direction == TransferDirection::Download;
    Result result = kSuccess;
    if (download) {
        if (owner_ != nullptr)
            owner_->Log(EventInformation, kSuccess, Format("Downloading %s ...", remoteName_.c_str()));
        received_.Reset(OpenLocalFile(request_.localPath, "wb"));
        if (!received_) {
            const int error = errno;
            result = Fail(SystemError(static_cast<std::uint32_t>(error)), ErrnoText(error));
        }
        receiveBuffer_.resize(kWriteBufferSize);
    }
    if (result == kSuccess) result = ReceiveLoop();
    // What arrived stays on the host, whatever ended the transfer.
    const Result written = WriteReceived();
    if (result == kSuccess) result = written;
    const int closeError = received_.Close();
    if (result == kSuccess && closeError != 0)
        result = Fail(SystemError(static_cast<std::uint32_t>(closeError)), ErrnoText(closeError));

    const std::uint64_t received = receivedBytes_;
    bool crcMatches = true;
    {
        const std::lock_guard lock(mutex_);
        if (result != kSuccess) status_ |= ReceiverFailed;
        if ((status_ & Aborted) != 0) {
            result = Error(FatalFail);
            status_ |= ReceiverFailed;
        } else if (download && received > 0) {
            localCrc_ = receivedCrc_.Value();
        }
        crcMatches = (status_ & CrcReceived) == 0 || localCrc_ == controllerCrc_;
        if ((status_ & (CrcReceived | ReceiverFailed)) != 0) wake_.notify_all();
    }
    if (download && result == kSuccess && crcMatches && owner_ != nullptr)
        owner_->Log(EventInformation, kSuccess,
                    Format("Downloaded %s, (%llu bytes), Duration %lf sec", remoteName_.c_str(),
                           static_cast<unsigned long long>(received), Seconds()));
    return result;
}

Result FileTransfer::ReceiveLoop() {
    using Clock = std::chrono::steady_clock;
    TransferDecoder decoder;
    std::uint8_t chunk[kReceiveChunk];
    const auto timeout = std::chrono::milliseconds(request_.timeoutMs);
    // Set at the first empty read after bytes arrived or while the sender streamed.
    bool idle = false;
    Clock::time_point idleSince;
    std::uint32_t pollMs = kReceivePollMs;

    for (;;) {
        if ((Flags() & (Aborted | CrcReceived | ThreadFinished)) != 0) return kSuccess;
        if (!port_.IsOpen()) {
            // A failed send closes the port: that failure is the transfer's, not this side's.
            std::unique_lock lock(mutex_);
            if (wake_.wait_for(lock, kSenderFailureGrace, [&] { return senderFailed_; })) return kSuccess;
        }
        std::uint32_t count = 0;
        const Result read = port_.Read(chunk, kReceiveChunk, count, pollMs);
        if (read != kSuccess && read != Error(Timeout)) return read;
        pollMs = count == 0 ? kIdlePollMs : kReceivePollMs;
        if (count == 0) {
            // A controller that says nothing ends the transfer, unless the sender's own wait is
            // bounded: its writes while it streams, its wait for the CRC while not held by XOFF.
            if (SenderBoundsItsWait()) {
                idle = false;
            } else if (!idle) {
                idle = true;
                idleSince = Clock::now();
            } else if (Clock::now() - idleSince >= timeout) {
                return Fail(Error(Timeout), "Data receive timeout");
            }
            continue;
        }
        idle = false;

        const std::uint64_t before = receivedBytes_;
        if (const Result decoded = decoder.Feed(chunk, count, *this); decoded != kSuccess) return decoded;
        if (receivedBytes_ != before) {
            done_.store(receivedBytes_);
            Report(receivedBytes_, KOVA_PROGRESS_BLOCK);
        }
    }
}

bool FileTransfer::SenderBoundsItsWait() const {
    if (streaming_.load()) return true;
    const std::lock_guard lock(mutex_);
    return awaitingCrc_ && !paused_;
}

Result FileTransfer::OnData(const std::uint8_t* bytes, std::size_t count) {
    // Data of an upload's answer have no file to go to.
    if (!received_) return kSuccess;
    receivedBytes_ += count;
    while (count > 0) {
        if (buffered_ == receiveBuffer_.size()) {
            if (const Result written = WriteReceived(); written != kSuccess) return written;
        }
        const std::size_t piece = std::min(count, receiveBuffer_.size() - buffered_);
        std::memcpy(receiveBuffer_.data() + buffered_, bytes, piece);
        buffered_ += piece;
        bytes += piece;
        count -= piece;
    }
    return kSuccess;
}

Result FileTransfer::WriteReceived() {
    if (buffered_ == 0 || !received_) return kSuccess;
    const std::size_t count = buffered_;
    buffered_ = 0;
    if (std::fwrite(receiveBuffer_.data(), 1, count, received_.get()) != count) {
        const int error = errno != 0 ? errno : EIO;
        return Fail(SystemError(static_cast<std::uint32_t>(error)), ErrnoText(error));
    }
    receivedCrc_.Update(receiveBuffer_.data(), count);
    return kSuccess;
}

Result FileTransfer::OnMessage(const ControlMessage& message) {
    DebugTrace("Received: %.*s", static_cast<int>(message.text.size()), message.text.data());
    switch (message.word) {
        case ControlWord::Crc: {
            // Everything before this message counts in the local CRC.
            if (const Result written = WriteReceived(); written != kSuccess) return written;
            const std::lock_guard lock(mutex_);
            controllerCrc_ = message.crc;
            if (request_.direction == TransferDirection::Download && receivedBytes_ > 0)
                localCrc_ = receivedCrc_.Value();
            status_ |= CrcReceived;
            // A sender held by XOFF goes on to its verdict.
            wake_.notify_all();
            return kSuccess;
        }
        case ControlWord::Abort:
            SetFlags(Aborted, true);
            return kSuccess;
        case ControlWord::Xon: {
            const std::lock_guard lock(mutex_);
            paused_ = false;
            wake_.notify_all();
            return kSuccess;
        }
        case ControlWord::Xoff: {
            const std::lock_guard lock(mutex_);
            paused_ = true;
            return kSuccess;
        }
        default:
            return kSuccess;
    }
}

}  // namespace Kova::TesselApi::Shared
