// Texts of one current controller error (the records kova_EnumErrors hands out).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "shared/callables.h"
#include "shared/errors/value_by_name.h"

namespace Kova::TesselApi::Shared {

enum ErrorKind : std::uint32_t {
    ErrorKindSystem = 1,
    ErrorKindAxis = 4,
    ErrorKindDrive = 8,
    ErrorKindSxBusFlags = 16,
    ErrorKindSxBusSlice = 32,
};

enum ErrorTextKind : std::uint32_t {
    ErrorTextTitle = 0,
    ErrorTextDescription = 1,
    ErrorTextResolution = 2,
};

// The title, description or resolution of the error from the text resources; empty for a kind of
// record or a text kind that has no such text.
std::string ErrorInfoText(const ErrorInfo& info, std::uint32_t textKind);

// The attributes of one error by name, for templates. Each kind the record carries contributes its
// names, tried in the order axis, drive, SxBus flags, SxBus slice, system, then the common names.
class ErrorAttributeByName final : public IValueByName {
public:
    // message is the value of ERROR_MSG; both must outlive the object.
    ErrorAttributeByName(const ErrorInfo& info, std::string_view message) : info_(info), message_(message) {}

    std::uint32_t GetValue(std::string_view name) const override;
    bool WriteValue(std::string_view name, std::string& output) const override;

private:
    bool Carries(ErrorKind kind) const { return (info_.kind & kind) != 0; }

    const ErrorInfo& info_;
    std::string_view message_;
};

}  // namespace Kova::TesselApi::Shared
