#include "shared/transfer/local_file_crc.h"

#include <cerrno>
#include <cstring>

#include "shared/transfer/crc.h"
#include "shared/transfer/local_file.h"

namespace Kova::TesselApi::Shared {

namespace {

constexpr std::size_t kBinaryBlock = 1024;
constexpr std::size_t kTextBlock = 4096;

// Feeds text blocks line by line. A CR is held back until the next byte shows whether it ends a line.
class TextLineFeeder {
public:
    explicit TextLineFeeder(Crc& crc) : crc_(crc) {}

    void Feed(const std::uint8_t* bytes, std::size_t count) {
        std::size_t start = 0;
        if (heldCr_ && count > 0) {
            heldCr_ = false;
            if (bytes[0] != '\n') crc_.Update("\r", 1);
        }
        while (start < count) {
            const void* found = std::memchr(bytes + start, '\n', count - start);
            if (found == nullptr) {
                std::size_t end = count;
                if (bytes[end - 1] == '\r') {
                    heldCr_ = true;
                    --end;
                }
                crc_.Update(bytes + start, end - start);
                lineOpen_ = lineOpen_ || end > start || heldCr_;
                return;
            }
            const std::size_t newline = static_cast<std::size_t>(static_cast<const std::uint8_t*>(found) - bytes);
            std::size_t end = newline;
            if (end > start && bytes[end - 1] == '\r') --end;
            crc_.Update(bytes + start, end - start);
            EndLine();
            start = newline + 1;
        }
    }

    void Finish() {
        if (heldCr_) crc_.Update("\r", 1);
        heldCr_ = false;
        if (lineOpen_) EndLine();
    }

private:
    void EndLine() {
        crc_.Update(&kLineEndCrcByte, 1);
        lineOpen_ = false;
    }

    Crc& crc_;
    bool heldCr_ = false;
    bool lineOpen_ = false;
};

}  // namespace

Result LocalFileCrc(const std::string& path, bool binary, std::uint16_t& crc) {
    LocalFile file(OpenLocalFile(path, "rb"));
    if (!file) return SystemError(static_cast<std::uint32_t>(errno));

    Crc engine(*FindCrcModel(kTransferCrcName));
    std::uint8_t block[kTextBlock];
    TextLineFeeder lines(engine);
    const std::size_t blockSize = binary ? kBinaryBlock : kTextBlock;
    for (;;) {
        const std::size_t count = std::fread(block, 1, blockSize, file.get());
        if (count > 0) {
            if (binary)
                engine.Update(block, count);
            else
                lines.Feed(block, count);
        }
        if (count < blockSize) {
            if (std::ferror(file.get())) return SystemError(static_cast<std::uint32_t>(errno != 0 ? errno : EIO));
            break;
        }
    }
    if (!binary) lines.Finish();
    crc = static_cast<std::uint16_t>(engine.Value());
    return kSuccess;
}

}  // namespace Kova::TesselApi::Shared
