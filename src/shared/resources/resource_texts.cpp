#include "shared/resources/resource_texts.h"

#include <mutex>

#include "shared/errors/error_catalogue.h"
#include "shared/resources/resource_library.h"
#include "shared/resources/resource_tables.h"

namespace Kova::TesselApi::Shared {
namespace {

constexpr std::size_t kDocumentCount = static_cast<std::size_t>(ResourceDocument::DocumentCount);

// A document's tables, read on first use; one missing then stays missing.
const TextTables& TablesOf(ResourceDocument document) {
    static std::once_flag read[kDocumentCount];
    static TextTables tables[kDocumentCount];
    const auto index = static_cast<std::size_t>(document);
    std::call_once(read[index], [&] {
        const std::string_view name = ResourceDocumentName(document);
        if (const auto bytes = ResourceDocumentBytes(name)) ReadResourceDocument(document, *bytes, tables[index]);
    });
    return tables[index];
}

std::string_view Find(ResourceDocument document, TextTable table, std::uint64_t key) {
    const auto& texts = TablesOf(document)[static_cast<std::size_t>(table)];
    const auto found = texts.find(key);
    return found == texts.end() ? std::string_view() : std::string_view(found->second);
}

using Lookup = std::string_view (*)(std::uint64_t key);

template <ResourceDocument document, TextTable table>
std::string_view FromDocument(std::uint64_t key) {
    return Find(document, table, key);
}

std::string_view ErrorName(std::uint64_t key) { return LookupError(key).name; }
std::string_view ErrorDescription(std::uint64_t key) { return LookupError(key).description; }
// The slice type table is not part of this module yet.
std::string_view NoText(std::uint64_t) { return {}; }

struct TextKind {
    std::string_view name;
    Lookup lookup;
};

using enum ResourceDocument;
using enum TextTable;

constexpr TextKind kTextKinds[] = {
    {"ErrorCode_Name", ErrorName},
    {"ErrorCode_Description", ErrorDescription},
    {"SystemError_Title", FromDocument<SystemErrors, SystemErrorTitle>},
    {"SystemError_Description", FromDocument<SystemErrors, SystemErrorDescription>},
    {"SystemError_Resolution", FromDocument<SystemErrors, SystemErrorResolution>},
    {"AxisStatus_Short", FromDocument<AxisInfo, AxisStatusShort>},
    {"AxisStatus_Description", FromDocument<AxisInfo, AxisStatusDescription>},
    {"RobotStatus_Short", FromDocument<AxisInfo, RobotStatusShort>},
    {"RobotStatus_Description", FromDocument<AxisInfo, RobotStatusDescription>},
    {"AxisType_Name", FromDocument<AxisInfo, AxisTypeName>},
    {"AxisType_Description", FromDocument<AxisInfo, AxisTypeDescription>},
    {"MotionType_Name", FromDocument<AxisInfo, MotionTypeName>},
    {"RVError_Title", FromDocument<RvAlarms, RvErrorTitle>},
    {"RVError_Description", FromDocument<RvAlarms, RvErrorDescription>},
    {"RVError_Resolution", FromDocument<RvAlarms, RvErrorResolution>},
    {"SxBusSliceType_Name", NoText},
    {"SxBusSliceType_Description", NoText},
    {"CommsType_Name", FromDocument<Comms, CommsTypeName>},
    {"StdEthercatError_Name", FromDocument<EthercatStandardAlarms, StdEthercatErrorName>},
    {"EthercatVID", FromDocument<EthercatId, EthercatVendor>},
    {"EthercatPID", FromDocument<EthercatId, EthercatProduct>},
};

}  // namespace

std::string_view ResourceText(std::string_view textKind, std::uint64_t key) {
    for (const TextKind& kind : kTextKinds) {
        if (kind.name == textKind) return kind.lookup(key);
    }
    return {};
}

std::string_view EthercatVendorName(std::uint32_t vendor) { return Find(EthercatId, EthercatVendor, vendor); }

std::string_view EthercatProductName(std::uint32_t vendor, std::uint32_t product) {
    return Find(EthercatId, EthercatProduct, (std::uint64_t{vendor} << 32) | product);
}

}  // namespace Kova::TesselApi::Shared
