// Texts of the resource documents: how keys select a table and a number, and what an application
// gets through the exports from the resource library beside the module.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kova/tesselapi.h"
#include "platform/dynamic_symbols/dynamic_symbols.h"
#include "shared/resources/resource_tables.h"

namespace {

using Kova::TesselApi::Shared::ReadResourceDocument;
using Kova::TesselApi::Shared::ResourceDocument;
using Kova::TesselApi::Shared::TextTable;
using Kova::TesselApi::Shared::TextTables;

std::string Document(const std::string& entries) {
    return "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<root>\n"
           "  <resheader name=\"version\"><value>2.0</value></resheader>\n" +
           entries + "</root>\n";
}

std::string Entry(const std::string& key, const std::string& text) {
    return "  <data name=\"" + key + "\" xml:space=\"preserve\">\n    <value>" + text + "</value>\n  </data>\n";
}

const std::map<std::uint64_t, std::string>& Table(const TextTables& tables, TextTable table) {
    return tables[static_cast<std::size_t>(table)];
}

TEST(ResourceTables, KeysSelectTableAndNumberInTheirBase) {
    TextTables tables;
    ReadResourceDocument(ResourceDocument::SystemErrors,
                         Document(Entry("StrSysErr0x1F", "Title") + Entry("StrSysErrDescr0xa0", "What") +
                                  Entry("StrSysErrRecovery0x2", "Fix &amp; retry") + Entry("AXISSTATUS_1", "other doc") +
                                  Entry("StrSysErr0x", "no digits") + Entry("StrSysErr0xG", "not hex") +
                                  Entry("StrSysErr0x100000000", "too large")),
                         tables);
    EXPECT_EQ(Table(tables, TextTable::SystemErrorTitle), (std::map<std::uint64_t, std::string>{{0x1F, "Title"}}));
    EXPECT_EQ(Table(tables, TextTable::SystemErrorDescription).at(0xA0), "What");
    EXPECT_EQ(Table(tables, TextTable::SystemErrorResolution).at(2), "Fix & retry");
    EXPECT_TRUE(Table(tables, TextTable::AxisStatusShort).empty());

    ReadResourceDocument(ResourceDocument::RvAlarms,
                         Document(Entry("StrAlarmNo_16_Name", "Overload") + Entry("StrAlarmNo_16_Description", "Long") +
                                  Entry("StrAlarmNo_16_Correction_Measures", "Less") + Entry("StrAlarmNo_1F_Name", "hex")),
                         tables);
    EXPECT_EQ(Table(tables, TextTable::RvErrorTitle), (std::map<std::uint64_t, std::string>{{16, "Overload"}}));
    EXPECT_EQ(Table(tables, TextTable::RvErrorDescription).at(16), "Long");
    EXPECT_EQ(Table(tables, TextTable::RvErrorResolution).at(16), "Less");
}

TEST(ResourceTables, SplitTextsFeedTwoTablesAndProductsGoUnderTheirVendor) {
    TextTables tables;
    ReadResourceDocument(ResourceDocument::AxisInfo,
                         Document(Entry("AXISSTATUS_256", "FE limit (bit 8) - Axis disabled) - really") +
                                  Entry("ATYPE_3", "Encoder without description") + Entry("MTYPE_2", "MOVEABS")),
                         tables);
    EXPECT_EQ(Table(tables, TextTable::AxisStatusShort).at(256), "FE limit (bit 8)");
    EXPECT_EQ(Table(tables, TextTable::AxisStatusDescription).at(256), "Axis disabled) - really");
    EXPECT_EQ(Table(tables, TextTable::AxisTypeName).at(3), "Encoder without description");
    EXPECT_FALSE(Table(tables, TextTable::AxisTypeDescription).contains(3));
    EXPECT_EQ(Table(tables, TextTable::MotionTypeName).at(2), "MOVEABS");

    ReadResourceDocument(ResourceDocument::EthercatId,
                         Document(Entry("StrEcatVID_2DE", "Kova") + Entry("StrEcatPID_2DE_20", "Drive") +
                                  Entry("StrEcatPID_2DE", "no product") + Entry("StrEcatPID_2DE_", "empty product")),
                         tables);
    EXPECT_EQ(Table(tables, TextTable::EthercatVendor).at(0x2DE), "Kova");
    EXPECT_EQ(Table(tables, TextTable::EthercatProduct), (std::map<std::uint64_t, std::string>{{0x2DE00000020, "Drive"}}));
}

TEST(ResourceTables, UnreadableDocumentsAddNothing) {
    TextTables tables;
    ReadResourceDocument(ResourceDocument::Comms, "not a document", tables);
    ReadResourceDocument(ResourceDocument::Comms, Document(Entry("COMMSTYPE_1", "x") + "<data"), tables);
    for (const auto& table : tables) EXPECT_TRUE(table.empty());
}

void Record(void* user, const char* text, uint32_t length) {
    static_cast<std::vector<std::string>*>(user)->emplace_back(text, length);
}

std::string NumKeyText(const char* kind, uint64_t key) {
    std::vector<std::string> texts;
    kova_GetStringResourceNumKey(kind, key, Record, &texts);
    return texts.size() == 1 ? texts[0] : "<" + std::to_string(texts.size()) + " calls>";
}

TEST(ResourceTexts, ApplicationsGetTheTextsOfTheResourceLibrary) {
    EXPECT_EQ(NumKeyText("ErrorCode_Name", 0x8100000004), "InvalidContext");
    EXPECT_EQ(NumKeyText("AxisStatus_Short", 256), "Following error limit (bit 8)");
    EXPECT_EQ(NumKeyText("AxisStatus_Short", 3), "");
    EXPECT_EQ(NumKeyText("RVError_Resolution", 16), "Reduce the load or the duty cycle, or use a larger motor.");
    EXPECT_EQ(NumKeyText("axisstatus_short", 256), "");

    std::vector<std::string> names;
    kova_GetEthercatVID_Name(734, Record, &names);
    kova_GetEthercatPID_Name(734, 0x20, Record, &names);
    kova_GetEthercatPID_Name(734, 0x99, Record, &names);
    EXPECT_EQ(names, (std::vector<std::string>{"Kova", "Kova servo drive, 400 W", ""}));
}

std::string ErrorText(const kova_error_info& info, uint32_t textKind, const char* format = nullptr) {
    std::vector<std::string> texts;
    if (format == nullptr) kova_GetErrorInfoString(&info, textKind, Record, &texts);
    else kova_GetErrorInfoStringEx(&info, textKind, format, Record, &texts);
    return texts.size() == 1 ? texts[0] : "<" + std::to_string(texts.size()) + " calls>";
}

TEST(ResourceTexts, ErrorRecordsReadTheirTextsFromTheResources) {
    kova_error_info axis{};
    axis.kind = KOVA_ERROR_KIND_AXIS;
    axis.axis = 2;
    axis.axis_type = 65;
    axis.axis_status = 256;
    EXPECT_EQ(ErrorText(axis, 0), "Following error limit (bit 8)");
    EXPECT_EQ(ErrorText(axis, 1, "axis {AXIS} ({ATYPE_STR}): {ERROR_MSG}"),
              "axis 2 (Fieldbus position (type 65)): The following error passed FE_LIMIT and the axis was disabled; "
              "find the cause before enabling it again.");

    kova_error_info system{};
    system.kind = KOVA_ERROR_KIND_SYSTEM;
    system.system_error = 0x40;
    EXPECT_EQ(ErrorText(system, 2), "Check cables and device power, then restart the network.");

    kova_error_info drive{};
    drive.kind = KOVA_ERROR_KIND_DRIVE;
    drive.drive_error = 10;
    drive.vendor_id = 734;
    drive.product_code = 0x21;
    EXPECT_EQ(ErrorText(drive, 0), "Over-current");
    EXPECT_EQ(ErrorText(drive, 0, "{VENDOR_ID_STR}: {PRODUCT_CODE_STR}"), "Kova: Kova servo drive, 1 kW");
}

// The shipped module, loaded as an application loads it, finds the resource library in its folder.
TEST(ResourceTexts, ShippedModuleFindsTheLibraryBesideIt) {
    using namespace Kova::TesselApi;
    Platform::ModuleHandle module = Platform::LoadModule(KOVA_MODULE_FILE);
    ASSERT_NE(module, nullptr) << KOVA_MODULE_FILE;
    const auto numKey = reinterpret_cast<decltype(&kova_GetStringResourceNumKey)>(
        Platform::FindSymbol(module, "kova_GetStringResourceNumKey"));
    ASSERT_NE(numKey, nullptr);
    std::vector<std::string> texts;
    numKey("AxisStatus_Description", 16, Record, &texts);
    numKey("SystemError_Resolution", 1, Record, &texts);
    numKey("RVError_Title", 24, Record, &texts);
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "The forward end-of-travel input is active; move the axis back off the switch.",
                         "Read the error line of the process, correct the program and run it again.",
                         "Position deviation"}));
    Platform::ReleaseModule(module);
}

}  // namespace
