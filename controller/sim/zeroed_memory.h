// Controller memory that starts as zeros without touching its pages: a large calloc comes from
// fresh pages the system zeroes on first use, so a controller starts in microseconds, not in the
// milliseconds that filling half a million values takes.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>

namespace Simulator {

class ZeroedMemory {
public:
    explicit ZeroedMemory(std::size_t size)
        : values_(static_cast<double*>(std::calloc(size, sizeof(double)))), size_(size) {
        if (!values_) throw std::bad_alloc();
    }

    std::size_t size() const { return size_; }
    double* begin() { return values_.get(); }
    const double* begin() const { return values_.get(); }
    double& operator[](std::size_t i) { return values_[i]; }
    double operator[](std::size_t i) const { return values_[i]; }

private:
    struct Free {
        void operator()(double* p) const { std::free(p); }
    };
    std::unique_ptr<double[], Free> values_;
    std::size_t size_;
};

}  // namespace Simulator
