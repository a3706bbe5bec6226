// One file transfer between a host file and the controller's file store, over a TCP stream of its own.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "shared/callables.h"
#include "shared/connection/event_logger.h"
#include "shared/port/port_tcp.h"
#include "shared/result.h"
#include "shared/transfer/crc.h"
#include "shared/transfer/local_file.h"
#include "shared/transfer/transfer_decoder.h"
#include "shared/transfer/transfer_framing.h"

namespace Kova::TesselApi::Shared {

enum class TransferDirection : std::uint32_t { Upload = 0, Download = 1 };

inline constexpr std::uint32_t kTransferProtocolLevel = 3;
inline constexpr std::uint32_t kTransferCompressionLevel = 100;
inline constexpr std::uint32_t kUploadTimeoutMs = 75000;
inline constexpr std::uint32_t kDownloadTimeoutMs = 5000;
inline constexpr std::uint32_t kTransferConnectTimeoutMs = 5000;
inline constexpr std::uint32_t kDownloadFileType = 0xFFFFFFFFu;

// Upload flag bits: either compresses, the second also tells the controller the data are compressed.
inline constexpr std::uint32_t kUploadCompress = 1;
inline constexpr std::uint32_t kUploadCompressedMark = 2;

// Controllers before these versions lack the feature.
inline constexpr double kFirmwareNameExtensions = 2.0331;
inline constexpr double kFirmwareEncryptedItems = 2.0335;

struct TransferRequest {
    TransferDirection direction = TransferDirection::Upload;
    std::string localPath;
    std::string remoteName;  // may start with a destination prefix
    std::uint32_t fileType = 0;
    std::uint32_t protocolLevel = kTransferProtocolLevel;
    bool compress = false;
    bool compressedMark = false;
    std::uint32_t compressionLevel = kTransferCompressionLevel;
    bool waitForCrc = true;
    // Bounds the wait for the controller's CRC; values below 1 mean 5000.
    std::uint32_t timeoutMs = kUploadTimeoutMs;
};

TransferRequest UploadRequest(std::string_view localPath, std::string_view remoteName, std::uint32_t fileType,
                              std::uint32_t flags);
TransferRequest DownloadRequest(std::string_view localPath, std::string_view remoteName);

// A sending and a receiving thread share the stream; the caller's thread waits for both. One object
// serves one transfer: a second Run finds its port open and answers Reopen. Every wait is bounded by
// the transfer's time-out: a send that cannot go out, a controller that stays silent while nothing is
// being sent, and a missing CRC all end the transfer with a result.
class FileTransfer : private TransferDecoder::Sink {
public:
    // An empty host means the controller's factory address, port 0 its usual port.
    FileTransfer(IEventLogger* owner, std::string_view host, std::uint16_t port, double firmwareVersion);
    FileTransfer(const FileTransfer&) = delete;
    FileTransfer& operator=(const FileTransfer&) = delete;
    ~FileTransfer();

    Result Run(const TransferRequest& request, const ProgressSink& progress);

    // Status bits, which only ever gain bits during a transfer.
    enum Status : std::uint32_t {
        CrcTimedOut = 1,
        Aborted = 2,
        CrcReceived = 4,
        ThreadFinished = 8,
        ReceiverFailed = 16,
    };

private:
    Result Sender();
    Result SendUpload();
    // Sends one block unless a status bit or XOFF stops it; what went out is fed to the CRC.
    Result SendBlock(const std::uint8_t* bytes, std::size_t count, Crc& crc);
    Result WaitForCrc();
    Result SenderVerdict();
    Result Receiver();
    Result ReceiveLoop();
    bool SenderBoundsItsWait() const;
    // The receiver's side of the decoder: file data to the host file, control messages to the flags.
    Result OnData(const std::uint8_t* bytes, std::size_t count) override;
    Result OnMessage(const ControlMessage& message) override;
    Result WriteReceived();

    Result Fail(Result result, std::string_view message);
    void Report(std::uint64_t done, std::uint32_t stage);
    std::uint32_t Flags() const;
    void SetFlags(std::uint32_t bits, bool wake);
    double Seconds() const;

    IEventLogger* owner_;
    Port_TCP port_;
    std::string host_;
    std::uint16_t tcpPort_;
    double firmwareVersion_;

    TransferRequest request_;
    DestinationKind destination_ = DestinationRam;
    std::string remoteName_;
    std::uint64_t fileSize_ = 0;
    const ProgressSink* progress_ = nullptr;
    std::chrono::steady_clock::time_point start_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::uint32_t status_ = 0;
    bool senderFailed_ = false;
    bool awaitingCrc_ = false;
    bool paused_ = false;
    std::uint32_t localCrc_ = 0;
    std::uint32_t controllerCrc_ = 0;
    // Set while the sender pushes file data; a sender held by XOFF is not streaming.
    std::atomic<bool> streaming_{false};
    std::vector<std::uint8_t> escaped_;
    std::uint64_t dataBytesSent_ = 0;
    bool cutShort_ = false;
    // Bytes of the host file read (upload) or written (download) so far.
    std::atomic<std::uint64_t> done_{0};

    // The receiver's host file, written through a buffer; CRC and count follow what was written.
    LocalFile received_;
    Crc receivedCrc_;
    std::vector<std::uint8_t> receiveBuffer_;
    std::size_t buffered_ = 0;
    std::uint64_t receivedBytes_ = 0;
};

}  // namespace Kova::TesselApi::Shared
