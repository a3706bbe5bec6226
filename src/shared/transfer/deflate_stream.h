// Raw deflate (no zlib header) of a stream that goes out block by block.
#pragma once

#include <zlib.h>

#include <cstddef>
#include <cstdint>

namespace Kova::TesselApi::Shared {

class DeflateStream {
public:
    DeflateStream() = default;
    DeflateStream(const DeflateStream&) = delete;
    DeflateStream& operator=(const DeflateStream&) = delete;
    ~DeflateStream() {
        if (started_) deflateEnd(&stream_);
    }

    // Levels above zlib's best are taken as its best. Answers zlib's code (Z_OK on success).
    int Start(std::uint32_t level) {
        const int clamped = level > Z_BEST_COMPRESSION ? Z_BEST_COMPRESSION : static_cast<int>(level);
        const int code = deflateInit2(&stream_, clamped, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
        started_ = code == Z_OK;
        return code;
    }

    // Compresses one block and flushes it completely, so that the receiver can inflate everything sent
    // so far; the last block finishes the stream. Output goes to emit(bytes, count) in pieces of at most
    // outSize bytes; emit answers false to stop. Answers Z_OK, or the first zlib error.
    template <typename Emit>
    int Compress(const std::uint8_t* bytes, std::size_t count, bool last, std::uint8_t* out, std::size_t outSize,
                 Emit&& emit) {
        stream_.next_in = const_cast<Bytef*>(bytes);
        stream_.avail_in = static_cast<uInt>(count);
        const int flush = last ? Z_FINISH : Z_FULL_FLUSH;
        for (;;) {
            stream_.next_out = out;
            stream_.avail_out = static_cast<uInt>(outSize);
            const int code = deflate(&stream_, flush);
            if (code != Z_OK && code != Z_STREAM_END && code != Z_BUF_ERROR) return code;
            const std::size_t produced = outSize - stream_.avail_out;
            if (produced > 0 && !emit(out, produced)) return Z_OK;
            // A full flush is complete when the output had room to spare; finish when the stream ended.
            if (last ? code == Z_STREAM_END : stream_.avail_out != 0) return Z_OK;
            if (code == Z_BUF_ERROR && produced == 0) return Z_BUF_ERROR;
        }
    }

private:
    z_stream stream_{};
    bool started_ = false;
};

}  // namespace Kova::TesselApi::Shared
