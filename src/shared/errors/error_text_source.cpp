#include "shared/errors/error_text_source.h"

#include <atomic>

namespace Kova::TesselApi::Shared {

namespace {

class EmptyTextSource final : public IErrorTextSource {
public:
    std::string Text(std::string_view, std::uint64_t) const override { return {}; }
    std::string VendorName(std::uint32_t) const override { return {}; }
    std::string ProductName(std::uint32_t, std::uint32_t) const override { return {}; }
    std::string DriveAlarmText(const ErrorInfo&) const override { return {}; }
};

const EmptyTextSource kEmptySource;
std::atomic<const IErrorTextSource*> installed{&kEmptySource};

}  // namespace

void SetErrorTextSource(const IErrorTextSource* source) {
    installed.store(source ? source : &kEmptySource, std::memory_order_release);
}

const IErrorTextSource& ErrorTextSource() { return *installed.load(std::memory_order_acquire); }

}  // namespace Kova::TesselApi::Shared
