// Texts of the controller's current errors: the text kinds behind each kind of record, and templates
// that name a record's attributes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kova/tesselapi.h"
#include "shared/errors/error_text_source.h"

namespace {

using namespace Kova::TesselApi::Shared;

// Texts that say where they came from, so the test sees which kind and key were asked for.
class LabelledTexts final : public IErrorTextSource {
public:
    std::string Text(std::string_view kind, std::uint64_t key) const override {
        return std::string(kind) + ":" + std::to_string(key);
    }
    std::string VendorName(std::uint32_t vendor) const override { return "vendor" + std::to_string(vendor); }
    std::string ProductName(std::uint32_t vendor, std::uint32_t product) const override {
        return "product" + std::to_string(vendor) + "/" + std::to_string(product);
    }
    std::string DriveAlarmText(const ErrorInfo& info) const override {
        return "alarm" + std::to_string(info.drive_error);
    }
};

void RecordText(void* user, const char* text, uint32_t length) {
    static_cast<std::vector<std::string>*>(user)->emplace_back(text, length);
}

class ErrorInfoTexts : public ::testing::Test {
protected:
    void SetUp() override { SetErrorTextSource(&texts); }
    void TearDown() override { SetErrorTextSource(nullptr); }

    std::vector<std::string> Text(const kova_error_info& info, std::uint32_t textKind) {
        std::vector<std::string> calls;
        kova_GetErrorInfoString(&info, textKind, RecordText, &calls);
        return calls;
    }

    std::string Expand(const kova_error_info& info, const char* format, std::uint32_t textKind = 0) {
        std::vector<std::string> calls;
        kova_GetErrorInfoStringEx(&info, textKind, format, RecordText, &calls);
        EXPECT_EQ(calls.size(), 1u) << format;
        return calls.empty() ? std::string("<no call>") : calls.front();
    }

    static kova_error_info AxisError() {
        kova_error_info info{};
        info.kind = KOVA_ERROR_KIND_AXIS;
        info.axis = 3;
        info.axis_type = 65;
        info.axis_status = 256;
        info.slot = 1;
        return info;
    }

    static kova_error_info DriveError() {
        kova_error_info info{};
        info.kind = KOVA_ERROR_KIND_DRIVE | KOVA_ERROR_KIND_AXIS;
        info.axis = 2;
        info.axis_status = 8;
        info.drive_error = 0x7305;
        info.vendor_id = 0x21B;
        info.product_code = 0x10;
        info.configured_address = 1001;
        return info;
    }

    static kova_error_info SystemError() {
        kova_error_info info{};
        info.kind = KOVA_ERROR_KIND_SYSTEM;
        info.system_error = 0x40;
        return info;
    }

    LabelledTexts texts;
};

using Calls = std::vector<std::string>;

TEST_F(ErrorInfoTexts, EachKindOfRecordReadsItsOwnTextKinds) {
    EXPECT_EQ(Text(AxisError(), 0), Calls{"AxisStatus_Short:256"});
    EXPECT_EQ(Text(AxisError(), 1), Calls{"AxisStatus_Description:256"});
    EXPECT_EQ(Text(SystemError(), 0), Calls{"SystemError_Title:64"});
    EXPECT_EQ(Text(SystemError(), 2), Calls{"SystemError_Resolution:64"});
    // A drive error that is also an axis error reads the drive's texts.
    EXPECT_EQ(Text(DriveError(), 0), Calls{"RVError_Title:29445"});
    EXPECT_EQ(Text(DriveError(), 2), Calls{"RVError_Resolution:29445"});
}

TEST_F(ErrorInfoTexts, CombinationsWithoutTextGiveOneEmptyCall) {
    EXPECT_EQ(Text(AxisError(), 2), Calls{""});
    EXPECT_EQ(Text(SystemError(), 3), Calls{""});
    kova_error_info none{};
    EXPECT_EQ(Text(none, 0), Calls{""});
    kova_error_info slice{};
    slice.kind = KOVA_ERROR_KIND_SXBUS_SLICE;
    EXPECT_EQ(Text(slice, 1), Calls{""});
}

TEST_F(ErrorInfoTexts, NullRecordOrCallbackGivesNoCall) {
    const kova_error_info info = AxisError();
    std::vector<std::string> calls;
    kova_GetErrorInfoString(nullptr, 0, RecordText, &calls);
    kova_GetErrorInfoString(&info, 0, nullptr, &calls);
    kova_GetErrorInfoStringEx(nullptr, 0, "{AXIS}", RecordText, &calls);
    kova_GetErrorInfoStringEx(&info, 0, "{AXIS}", nullptr, &calls);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(Expand(info, nullptr), "");
}

TEST_F(ErrorInfoTexts, PlaceholdersAreReplacedByTheRecordsAttributes) {
    EXPECT_EQ(Expand(AxisError(), "Axis {AXIS} (ATYPE {ATYPE}, {ATYPE_STR}) status {AXISSTATUS} slot {SLOT}"),
              "Axis 3 (ATYPE 65, AxisType_Name:65) status 256 slot 1");
    EXPECT_EQ(Expand(AxisError(), "{ERROR_MSG}!", 1), "AxisStatus_Description:256!");
    EXPECT_EQ(Expand(DriveError(), "{VENDOR_ID_STR} {PRODUCT_CODE_STR} at {ETHERCAT_CONFIGURED_ADDR}: "
                                   "{ETHERCAT_ERROR_STR}"),
              "vendor539 product539/16 at 1001: alarm29445");
    EXPECT_EQ(Expand(DriveError(), "axis {AXIS}"), "axis 2");
    EXPECT_EQ(Expand(SystemError(), "{ERROR_MSG}", 2), "SystemError_Resolution:64");
    EXPECT_EQ(Expand(SystemError(), "no placeholders"), "no placeholders");
    EXPECT_EQ(Expand(SystemError(), ""), "");
}

// One row per rule of the templates; the fuzz target holds the expander to a reference on any text.
TEST_F(ErrorInfoTexts, MissingAttributesDropTheirSectionOrCutTheTextOutsideOne) {
    const std::pair<const char*, const char*> rows[] = {
        {"Axis {AXIS}[ drive {ETHERCAT_ERROR}], status {AXISSTATUS}", "Axis 3, status 256"},
        {"Axis {AXIS}, drive {ETHERCAT_ERROR}, status {AXISSTATUS}", "Axis 3, drive "},
        {"[{axis}]{ AXIS}", ""},                      // names are taken exactly as written
        {"[a{AXIS]b", "b"},                           // an unclosed brace is a missing attribute
        {"<[x[{VENDOR_ID}][ok]]>", "<xok>"},          // success comes from a nested section...
        {"<[a[b[{VENDOR_ID}]c]d]>", "<>"},            // ... or a placeholder, at every depth
        {"a[b[{AXIS}]", "a[b3"},                      // unbalanced brackets are text
        {"\\[{AXIS}\\]a\\\\b\\", "[3]a\\b"},        // a backslash quotes the next character
    };
    for (const auto& [format, expected] : rows) EXPECT_EQ(Expand(AxisError(), format), expected) << format;
}

TEST_F(ErrorInfoTexts, SectionsNestAsDeepAsTheTextGoesInLinearTime) {
    // A million levels: deeper than any call stack holds, and out of reach of a quadratic scan.
    constexpr std::size_t kDepth = 1'000'000;
    const auto nested = [](std::string_view inside) {
        std::string text(kDepth, '[');
        text.append(inside).append(kDepth, ']').append("!");
        return text;
    };
    EXPECT_EQ(Expand(AxisError(), nested("{AXIS}").c_str()), "3!");
    EXPECT_EQ(Expand(AxisError(), nested("{VENDOR_ID}").c_str()), "!");
    const std::string unbalanced(kDepth, '[');
    EXPECT_EQ(Expand(AxisError(), unbalanced.c_str()), unbalanced);
}

TEST(ErrorInfoTextsWithoutResources, TextsAreEmptyButPlaceholdersStillWork) {
    kova_error_info info{};
    info.kind = KOVA_ERROR_KIND_AXIS;
    info.axis = 7;
    std::vector<std::string> calls;
    kova_GetErrorInfoString(&info, 0, RecordText, &calls);
    kova_GetErrorInfoStringEx(&info, 0, "[{ERROR_MSG}: ]axis {AXIS}", RecordText, &calls);
    EXPECT_EQ(calls, (std::vector<std::string>{"", ": axis 7"}));
}

}  // namespace
