#include "shared/errors/error_info_text.h"

#include <cstdio>
#include <optional>

#include "shared/errors/error_text_source.h"

namespace Kova::TesselApi::Shared {

namespace {

std::string Decimal(std::uint64_t value) { return std::to_string(value); }

std::string Hex(std::uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, static_cast<unsigned>(value));
    return text;
}

// One attribute: its number (kNoValue for text-only attributes) and how it reads as text.
struct Attribute {
    std::uint32_t number;
    std::string text;
};

using Lookup = std::optional<Attribute> (*)(const ErrorInfo&, std::string_view, std::string_view);

// Numbers of attributes that only make sense as a text.
constexpr std::uint32_t kTextOnly = IValueByName::kNoValue;

std::optional<Attribute> AxisAttribute(const ErrorInfo& e, std::string_view name, std::string_view) {
    if (name == "AXIS") return Attribute{e.axis, Decimal(e.axis)};
    if (name == "ATYPE") return Attribute{e.axis_type, Decimal(e.axis_type)};
    if (name == "ATYPE_STR") return Attribute{kTextOnly, ErrorTextSource().Text("AxisType_Name", e.axis_type)};
    if (name == "AXISSTATUS") return Attribute{static_cast<std::uint32_t>(e.axis_status), Decimal(e.axis_status)};
    if (name == "SLOT") return Attribute{e.slot, Decimal(e.slot)};
    return std::nullopt;
}

std::optional<Attribute> DriveAttribute(const ErrorInfo& e, std::string_view name, std::string_view) {
    const IErrorTextSource& texts = ErrorTextSource();
    if (name == "VENDOR_ID") return Attribute{e.vendor_id, Hex(e.vendor_id, 8)};
    if (name == "VENDOR_ID_STR") return Attribute{kTextOnly, texts.VendorName(e.vendor_id)};
    if (name == "PRODUCT_CODE") return Attribute{e.product_code, Hex(e.product_code, 8)};
    if (name == "PRODUCT_CODE_STR") return Attribute{kTextOnly, texts.ProductName(e.vendor_id, e.product_code)};
    if (name == "SLOT") return Attribute{e.slot, Decimal(e.slot)};
    if (name == "ETHERCAT_ALIAS_ADDR") return Attribute{e.alias_address, Decimal(e.alias_address)};
    if (name == "ETHERCAT_CONFIGURED_ADDR") return Attribute{e.configured_address, Decimal(e.configured_address)};
    if (name == "ETHERCAT_DRIVE_PROFILE") return Attribute{e.drive_profile, Decimal(e.drive_profile)};
    if (name == "ETHERCAT_DRIVE_MODE") return Attribute{e.drive_mode, Decimal(e.drive_mode)};
    if (name == "ETHERCAT_ERROR") return Attribute{e.drive_error, Hex(e.drive_error, 4)};
    if (name == "ETHERCAT_ERROR_STR") return Attribute{kTextOnly, texts.DriveAlarmText(e)};
    if (name == "ETHERCAT_IS_ONLINE") return Attribute{e.is_online, Decimal(e.is_online)};
    if (name == "ETHERCAT_INDEX") return Attribute{e.ethercat_index, Decimal(e.ethercat_index)};
    return std::nullopt;
}

std::optional<Attribute> SxBusFlagsAttribute(const ErrorInfo& e, std::string_view name, std::string_view) {
    if (name == "SXBUS_ERROR_FLAGS") return Attribute{e.sxbus_error_flags, Hex(e.sxbus_error_flags, 8)};
    if (name == "SLOT") return Attribute{e.slot, Decimal(e.slot)};
    return std::nullopt;
}

std::optional<Attribute> SxBusSliceAttribute(const ErrorInfo& e, std::string_view name, std::string_view) {
    if (name == "SXBUS_SLICE_ADDRESS") return Attribute{e.sxbus_slice_address, Decimal(e.sxbus_slice_address)};
    if (name == "SXBUS_SLICE_STATUS") return Attribute{e.sxbus_slice_status, Hex(e.sxbus_slice_status, 8)};
    if (name == "SXBUS_SLICE_STATUS_EX") {
        return Attribute{e.sxbus_slice_status_ex, Hex(e.sxbus_slice_status_ex, 8)};
    }
    if (name == "SLOT") return Attribute{e.slot, Decimal(e.slot)};
    return std::nullopt;
}

std::optional<Attribute> SystemAttribute(const ErrorInfo& e, std::string_view name, std::string_view) {
    if (name == "SYSTEM_ERROR") return Attribute{e.system_error, Hex(e.system_error, 8)};
    return std::nullopt;
}

std::optional<Attribute> CommonAttribute(const ErrorInfo& e, std::string_view name, std::string_view message) {
    if (name == "ERROR_MSG") return Attribute{kTextOnly, std::string(message)};
    if (name == "ERROR_KIND") return Attribute{e.kind, Decimal(e.kind)};
    return std::nullopt;
}

struct KindAttributes {
    std::uint32_t kind;  // 0: every record
    Lookup lookup;
    // The number of the empty name, for the first kind the record carries.
    std::uint32_t (*defaultValue)(const ErrorInfo&);
};

constexpr KindAttributes kAttributeOrder[] = {
    {ErrorKindAxis, AxisAttribute, [](const ErrorInfo& e) { return static_cast<std::uint32_t>(e.axis_status); }},
    {ErrorKindDrive, DriveAttribute, [](const ErrorInfo& e) { return e.drive_error; }},
    {ErrorKindSxBusFlags, SxBusFlagsAttribute, [](const ErrorInfo& e) { return e.sxbus_error_flags; }},
    {ErrorKindSxBusSlice, SxBusSliceAttribute, [](const ErrorInfo& e) { return e.sxbus_slice_status; }},
    {ErrorKindSystem, SystemAttribute, [](const ErrorInfo& e) { return e.system_error; }},
    {0, CommonAttribute, nullptr},
};

std::optional<Attribute> FindAttribute(const ErrorInfo& info, std::string_view name, std::string_view message) {
    for (const KindAttributes& kind : kAttributeOrder) {
        if (kind.kind != 0 && (info.kind & kind.kind) == 0) continue;
        if (auto found = kind.lookup(info, name, message)) return found;
    }
    return std::nullopt;
}

}  // namespace

std::string ErrorInfoText(const ErrorInfo& info, std::uint32_t textKind) {
    static constexpr std::string_view kSystemKinds[] = {"SystemError_Title", "SystemError_Description",
                                                         "SystemError_Resolution"};
    static constexpr std::string_view kAxisKinds[] = {"AxisStatus_Short", "AxisStatus_Description"};
    static constexpr std::string_view kDriveKinds[] = {"RVError_Title", "RVError_Description", "RVError_Resolution"};

    const IErrorTextSource& texts = ErrorTextSource();
    if (info.kind & ErrorKindDrive) {
        if (textKind < std::size(kDriveKinds)) return texts.Text(kDriveKinds[textKind], info.drive_error);
    } else if (info.kind & ErrorKindAxis) {
        if (textKind < std::size(kAxisKinds)) return texts.Text(kAxisKinds[textKind], info.axis_status);
    } else if (info.kind & ErrorKindSystem) {
        if (textKind < std::size(kSystemKinds)) return texts.Text(kSystemKinds[textKind], info.system_error);
    }
    return {};
}

std::uint32_t ErrorAttributeByName::GetValue(std::string_view name) const {
    if (name.empty()) {
        for (const KindAttributes& kind : kAttributeOrder) {
            if (kind.kind != 0 && Carries(static_cast<ErrorKind>(kind.kind))) return kind.defaultValue(info_);
        }
        return kNoValue;
    }
    const auto found = FindAttribute(info_, name, message_);
    return found ? found->number : kNoValue;
}

bool ErrorAttributeByName::WriteValue(std::string_view name, std::string& output) const {
    const auto found = FindAttribute(info_, name, message_);
    if (!found) return false;
    output += found->text;
    return true;
}

}  // namespace Kova::TesselApi::Shared
