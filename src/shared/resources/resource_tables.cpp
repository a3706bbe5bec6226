#include "shared/resources/resource_tables.h"

#include <optional>

#include "shared/xml/xml_document.h"

namespace Kova::TesselApi::Shared {
namespace {

enum class KeyForm {
    Number,       // prefix, digits, suffix
    Split,        // the same; the text is "short) - description" and feeds two tables
    VendorProduct,  // prefix, vendor digits, '_', product digits
};

struct KeyScheme {
    ResourceDocument document;
    std::string_view prefix;
    std::string_view suffix;
    unsigned base;
    KeyForm form;
    TextTable table;
    TextTable secondTable;  // the description of a split text
};

using enum ResourceDocument;
using enum TextTable;

// A document's schemes are tried in order; the first whose prefix and suffix fit reads the key.
constexpr KeyScheme kSchemes[] = {
    {SystemErrors, "StrSysErr0x", "", 16, KeyForm::Number, SystemErrorTitle, SystemErrorTitle},
    {SystemErrors, "StrSysErrDescr0x", "", 16, KeyForm::Number, SystemErrorDescription, SystemErrorDescription},
    {SystemErrors, "StrSysErrRecovery0x", "", 16, KeyForm::Number, SystemErrorResolution, SystemErrorResolution},
    {AxisInfo, "AXISSTATUS_", "", 10, KeyForm::Split, AxisStatusShort, AxisStatusDescription},
    {AxisInfo, "ROBOTSTATUS_", "", 10, KeyForm::Split, RobotStatusShort, RobotStatusDescription},
    {AxisInfo, "ATYPE_", "", 10, KeyForm::Split, AxisTypeName, AxisTypeDescription},
    {AxisInfo, "MTYPE_", "", 10, KeyForm::Number, MotionTypeName, MotionTypeName},
    {Comms, "COMMSTYPE_", "", 10, KeyForm::Number, CommsTypeName, CommsTypeName},
    {EthercatId, "StrEcatVID_", "", 16, KeyForm::Number, EthercatVendor, EthercatVendor},
    {EthercatId, "StrEcatPID_", "", 16, KeyForm::VendorProduct, EthercatProduct, EthercatProduct},
    {EthercatStandardAlarms, "StrAlarmNo_", "", 16, KeyForm::Number, StdEthercatErrorName, StdEthercatErrorName},
    {RvAlarms, "StrAlarmNo_", "_Name", 10, KeyForm::Number, RvErrorTitle, RvErrorTitle},
    {RvAlarms, "StrAlarmNo_", "_Description", 10, KeyForm::Number, RvErrorDescription, RvErrorDescription},
    {RvAlarms, "StrAlarmNo_", "_Correction_Measures", 10, KeyForm::Number, RvErrorResolution, RvErrorResolution},
};

constexpr std::string_view kDocumentNames[] = {
    "SystemErrors.resx", "AxisInfo.resx", "Comms.resx", "EthercatID.resx", "EthercatStandardAlarms.resx",
    "RVAlarms.resx",
};

// Between the short text and the description of a split text; the ')' stays with the short text.
constexpr std::string_view kSplit = ") - ";

// Every byte a digit of the base, at least one, and no more than 32 bits of value.
std::optional<std::uint32_t> ParseDigits(std::string_view digits, unsigned base) {
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : digits) {
        unsigned digit = 0;
        if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f') digit = static_cast<unsigned>(c - 'a' + 10);
        else if (base == 16 && c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
        else return std::nullopt;
        if (digit >= base) return std::nullopt;
        value = value * base + digit;
        if (value > 0xFFFFFFFFu) return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::optional<std::uint64_t> ReadKey(const KeyScheme& scheme, std::string_view key) {
    if (!key.starts_with(scheme.prefix) || !key.ends_with(scheme.suffix) ||
        key.size() < scheme.prefix.size() + scheme.suffix.size()) {
        return std::nullopt;
    }
    const std::string_view digits =
        key.substr(scheme.prefix.size(), key.size() - scheme.prefix.size() - scheme.suffix.size());
    if (scheme.form != KeyForm::VendorProduct) return ParseDigits(digits, scheme.base);
    const std::size_t separator = digits.find('_');
    if (separator == std::string_view::npos) return std::nullopt;
    const auto vendor = ParseDigits(digits.substr(0, separator), scheme.base);
    const auto product = ParseDigits(digits.substr(separator + 1), scheme.base);
    if (!vendor || !product) return std::nullopt;
    return (std::uint64_t{*vendor} << 32) | *product;
}

void Store(const KeyScheme& scheme, std::uint64_t number, std::string_view text, TextTables& tables) {
    auto& first = tables[static_cast<std::size_t>(scheme.table)];
    const std::size_t split = scheme.form == KeyForm::Split ? text.find(kSplit) : std::string_view::npos;
    if (split == std::string_view::npos) {
        first[number] = std::string(text);
        return;
    }
    first[number] = std::string(text.substr(0, split + 1));
    tables[static_cast<std::size_t>(scheme.secondTable)][number] = std::string(text.substr(split + kSplit.size()));
}

}  // namespace

std::string_view ResourceDocumentName(ResourceDocument document) {
    return kDocumentNames[static_cast<std::size_t>(document)];
}

void ReadResourceDocument(ResourceDocument document, std::string_view text, TextTables& tables) {
    XmlDocument xml;
    if (!xml.Parse(text)) return;
    for (const XmlNode& data : xml.Root().Children()) {
        if (data.Name() != "data") continue;
        const std::string_view* key = data.FindAttribute("name");
        const XmlNode* value = data.FindChild("value");
        if (key == nullptr || value == nullptr) continue;
        for (const KeyScheme& scheme : kSchemes) {
            if (scheme.document != document) continue;
            if (const auto number = ReadKey(scheme, *key)) {
                Store(scheme, *number, value->Content(), tables);
                break;
            }
        }
    }
}

}  // namespace Kova::TesselApi::Shared
