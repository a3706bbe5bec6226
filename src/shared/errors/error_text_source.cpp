#include "shared/errors/error_text_source.h"

#include <atomic>

#include "shared/resources/resource_text_source.h"

namespace Kova::TesselApi::Shared {

namespace {

// Null: the text resources.
std::atomic<const IErrorTextSource*> installed{nullptr};

}  // namespace

void SetErrorTextSource(const IErrorTextSource* source) { installed.store(source, std::memory_order_release); }

const IErrorTextSource& ErrorTextSource() {
    const IErrorTextSource* source = installed.load(std::memory_order_acquire);
    return source != nullptr ? *source : ResourceTextSource();
}

}  // namespace Kova::TesselApi::Shared
