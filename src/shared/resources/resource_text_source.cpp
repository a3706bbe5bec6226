#include "shared/resources/resource_text_source.h"

#include "shared/resources/resource_texts.h"

namespace Kova::TesselApi::Shared {
namespace {

class ResourceTexts final : public IErrorTextSource {
public:
    std::string Text(std::string_view textKind, std::uint64_t key) const override {
        return std::string(ResourceText(textKind, key));
    }
    std::string VendorName(std::uint32_t vendor) const override { return std::string(EthercatVendorName(vendor)); }
    std::string ProductName(std::uint32_t vendor, std::uint32_t product) const override {
        return std::string(EthercatProductName(vendor, product));
    }
    // Drive devices and their alarm texts are not part of this module yet.
    std::string DriveAlarmText(const ErrorInfo&) const override { return {}; }
};

}  // namespace

const IErrorTextSource& ResourceTextSource() {
    static const ResourceTexts source;
    return source;
}

}  // namespace Kova::TesselApi::Shared
