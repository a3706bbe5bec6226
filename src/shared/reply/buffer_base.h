// A growable buffer that keeps its first N elements inside the object, so short replies never
// touch the heap. Heap blocks grow in steps of G elements; the content is always NUL-terminated.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>

namespace Kova::TesselApi::Shared {

template <typename T, std::uint32_t N, std::uint32_t G>
class BufferBase {
    static_assert(sizeof(T) == 1, "reply buffers hold bytes");
    static_assert(N > 0 && G > 0);

public:
    BufferBase() { inline_[0] = T{0}; }
    BufferBase(const BufferBase&) = delete;
    BufferBase& operator=(const BufferBase&) = delete;
    virtual ~BufferBase() { ReleaseHeap(); }

    // Grows to at least n elements (rounded up to the step), or moves back inside when n fits
    // there again, cutting the content to N - 1 elements.
    virtual void Reserve(std::uint32_t n) {
        if (n > capacity_) {
            const std::uint64_t rounded = (std::uint64_t{n} + G - 1) / G * G;
            if (rounded > std::numeric_limits<std::uint32_t>::max()) throw std::bad_alloc();
            T* block = new T[rounded];
            std::memcpy(block, data_, length_);
            block[length_] = T{0};
            ReleaseHeap();
            data_ = block;
            capacity_ = static_cast<std::uint32_t>(rounded);
        } else if (n <= N && data_ != inline_) {
            const std::uint32_t kept = std::min(length_, N - 1);
            std::memcpy(inline_, data_, kept);
            inline_[kept] = T{0};
            ReleaseHeap();
            capacity_ = N;
            length_ = kept;
        }
    }

    virtual void Clear() {
        ReleaseHeap();
        capacity_ = N;
        length_ = 0;
        inline_[0] = T{0};
    }

    T* Data() { return data_; }
    const T* Data() const { return data_; }
    std::uint32_t Capacity() const { return capacity_; }
    std::uint32_t Length() const { return length_; }
    bool OnHeap() const { return data_ != inline_; }

    // Sets the content length after writing into Data(); a length the capacity cannot hold with
    // its terminator is cut.
    void SetLength(std::uint32_t length) {
        length_ = std::min(length, capacity_ - 1);
        data_[length_] = T{0};
    }

private:
    void ReleaseHeap() {
        if (data_ != inline_) delete[] data_;
        data_ = inline_;
    }

    T* data_ = inline_;
    std::uint32_t capacity_ = N;
    std::uint32_t length_ = 0;
    T inline_[N];
};

}  // namespace Kova::TesselApi::Shared
