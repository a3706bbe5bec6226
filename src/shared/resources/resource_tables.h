// The texts of the resource documents, as tables from a number to a text. A document's key names
// both the table its text goes to and the number it stands under.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace Kova::TesselApi::Shared {

enum class ResourceDocument { SystemErrors, AxisInfo, Comms, EthercatId, EthercatStandardAlarms, RvAlarms, DocumentCount };

// The file name the resource library knows a document by.
std::string_view ResourceDocumentName(ResourceDocument document);

enum class TextTable {
    SystemErrorTitle,
    SystemErrorDescription,
    SystemErrorResolution,
    AxisStatusShort,
    AxisStatusDescription,
    RobotStatusShort,
    RobotStatusDescription,
    AxisTypeName,
    AxisTypeDescription,
    MotionTypeName,
    CommsTypeName,
    EthercatVendor,
    EthercatProduct,  // numbered vendor * 2^32 + product
    StdEthercatErrorName,
    RvErrorTitle,
    RvErrorDescription,
    RvErrorResolution,
    TableCount,
};

using TextTables = std::array<std::map<std::uint64_t, std::string>, static_cast<std::size_t>(TextTable::TableCount)>;

// Adds the texts of one document's text to the tables. Keys of no scheme of that document, and a
// text that is not a readable document, add nothing.
void ReadResourceDocument(ResourceDocument document, std::string_view text, TextTables& tables);

}  // namespace Kova::TesselApi::Shared
