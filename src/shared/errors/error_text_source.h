// Where the texts behind an error record come from: the text resources (by text kind and key), the
// EtherCAT identity names and the drive alarm texts. Unless another source is put in place (tests
// do), they come from the resource library; a missing library or document gives empty texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "shared/callables.h"

namespace Kova::TesselApi::Shared {

class IErrorTextSource {
public:
    // The text of a numeric key under a text kind ("AxisStatus_Short", "RVError_Title", ...).
    virtual std::string Text(std::string_view textKind, std::uint64_t key) const = 0;
    virtual std::string VendorName(std::uint32_t vendor) const = 0;
    virtual std::string ProductName(std::uint32_t vendor, std::uint32_t product) const = 0;
    // The text of a drive error's alarm code, from the drive device of the error's sub-device.
    virtual std::string DriveAlarmText(const ErrorInfo& info) const = 0;

protected:
    ~IErrorTextSource() = default;
};

// The source must outlive its use; null puts the text resources back.
void SetErrorTextSource(const IErrorTextSource* source);
const IErrorTextSource& ErrorTextSource();

}  // namespace Kova::TesselApi::Shared
