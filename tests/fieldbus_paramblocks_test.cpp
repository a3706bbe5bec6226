// Argument checks of the fieldbus, parameter block and text resource exports, and what they answer
// on a context that is not open.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/open_context.h"

namespace {

using namespace KovaTest;

void IgnoreText(void*, const char*, uint32_t) {}
using FamilyExports = OpenContext;

constexpr kova_result kDisconnected = 0x100000015;

// One export of each shape: called with every pointer it needs, and with the required one left out.
// The complete call answers `unopened` on a context that is not open.
struct Case {
    const char* name;
    std::function<kova_result(kova_context)> complete;
    std::function<kova_result(kova_context)> missing;
    kova_result unopened = kNotSupported;
};

std::vector<Case> Cases() {
    static int32_t i32;
    static uint32_t u32, u32b;
    static int64_t i64;
    static double f64[4];
    static uint64_t mask;
    static uint8_t bytes[8];
    static char text[16];
    static const uint32_t indices[] = {1, 2};
    static const kova_axis_range range = {0, 2};
    return {
        {"Ethercat_GetState", [](kova_context c) { return kova_Ethercat_GetState(c, 0, &i32); },
         [](kova_context c) { return kova_Ethercat_GetState(c, 0, nullptr); }},
        {"Ethercat_GetStatusMaskAndTriggerPattern mask",
         [](kova_context c) { return kova_Ethercat_GetStatusMaskAndTriggerPattern(c, 0, 1, &u32, &u32b); },
         [](kova_context c) { return kova_Ethercat_GetStatusMaskAndTriggerPattern(c, 0, 1, nullptr, &u32b); }},
        {"Ethercat_GetStatusMaskAndTriggerPattern pattern",
         [](kova_context c) { return kova_Ethercat_GetStatusMaskAndTriggerPattern(c, 0, 1, &u32, &u32b); },
         [](kova_context c) { return kova_Ethercat_GetStatusMaskAndTriggerPattern(c, 0, 1, &u32, nullptr); }},
        {"Ethercat_GetSubDevice_ESC_Register",
         [](kova_context c) { return kova_Ethercat_GetSubDevice_ESC_Register(c, 0, 1, 0x110, 2, bytes); },
         [](kova_context c) { return kova_Ethercat_GetSubDevice_ESC_Register(c, 0, 1, 0x110, 2, nullptr); }},
        {"Ethercat_CoReadAxis_IntValue",
         [](kova_context c) { return kova_Ethercat_CoReadAxis_IntValue(c, 3, 0x603F, 0, KOVA_COE_UNSIGNED16, &i64); },
         [](kova_context c) {
             return kova_Ethercat_CoReadAxis_IntValue(c, 3, 0x603F, 0, KOVA_COE_UNSIGNED16, nullptr);
         }},
        {"SxBus_GetSliceType", [](kova_context c) { return kova_SxBus_GetSliceType(c, 0, 8, &u32); },
         [](kova_context c) { return kova_SxBus_GetSliceType(c, 0, 8, nullptr); }},
        {"SxBus_ReadSliceRegister", [](kova_context c) { return kova_SxBus_ReadSliceRegister(c, 0, 1, 2, &u32); },
         [](kova_context c) { return kova_SxBus_ReadSliceRegister(c, 0, 1, 2, nullptr); }},
        {"ParamBlockDefineVr", [](kova_context c) { return kova_ParamBlockDefineVr(c, indices, 2, &u32); },
         [](kova_context c) { return kova_ParamBlockDefineVr(c, indices, 2, nullptr); }, kDisconnected},
        {"ParamBlockFetchChangedIO",
         [](kova_context c) { return kova_ParamBlockFetchChangedIO(c, 0, 1, &mask, 1, &mask); },
         [](kova_context c) { return kova_ParamBlockFetchChangedIO(c, 0, 1, &mask, 1, nullptr); }, kDisconnected},
        {"ParamBlockFetchAllAxisParam5b",
         [](kova_context c) { return kova_ParamBlockFetchAllAxisParam5b(c, 0, &range, f64, 4); },
         [](kova_context c) { return kova_ParamBlockFetchAllAxisParam5b(c, 0, nullptr, f64, 4); }, kDisconnected},
        {"ParamBlockFetchChangedAxisParam6b",
         [](kova_context c) { return kova_ParamBlockFetchChangedAxisParam6b(c, 0, &range, f64, 4, &mask); },
         [](kova_context c) { return kova_ParamBlockFetchChangedAxisParam6b(c, 0, nullptr, f64, 4, &mask); },
         kDisconnected},
        {"ParamBlockGetProgStrValue5a",
         [](kova_context c) {
             u32 = sizeof text;
             return kova_ParamBlockGetProgStrValue5a(c, 0, 0, text, &u32);
         },
         [](kova_context c) { return kova_ParamBlockGetProgStrValue5a(c, 0, 0, text, nullptr); }},
        {"ParamBlockGetProgStrValue5b",
         [](kova_context c) { return kova_ParamBlockGetProgStrValue5b(c, 0, 0, IgnoreText, nullptr); },
         [](kova_context c) { return kova_ParamBlockGetProgStrValue5b(c, 0, 0, nullptr, nullptr); }},
    };
}

TEST_F(FamilyExports, MissingRequiredPointerIsABadArgument) {
    for (const Case& each : Cases()) EXPECT_EQ(each.missing(context), kBadArgument) << each.name;
}

TEST_F(FamilyExports, CompleteCallsOnAnUnopenedContextAreRefused) {
    for (const Case& each : Cases()) EXPECT_EQ(each.complete(context), each.unopened) << each.name;
}

TEST_F(FamilyExports, OutputsAreLeftAloneWhenTheCallFails) {
    int32_t state = 77;
    uint32_t mask = 5, pattern = 6, id = 99;
    EXPECT_NE(kova_Ethercat_GetState(context, 0, &state), 0u);
    EXPECT_NE(kova_Ethercat_GetStatusMaskAndTriggerPattern(context, 0, 0, &mask, &pattern), 0u);
    const uint32_t indices[] = {10};
    EXPECT_NE(kova_ParamBlockDefineVr(context, indices, 1, &id), 0u);
    EXPECT_EQ(state, 77);
    EXPECT_EQ(mask, 5u);
    EXPECT_EQ(pattern, 6u);
    EXPECT_EQ(id, 99u);
}

// Pointers that the caller may leave out, or that the operation itself judges, pass the export.
TEST_F(FamilyExports, OptionalPointersAndCallbacksPassTheExport) {
    double values[4] = {};
    const uint32_t axes[] = {0, 1};
    const kova_axis_range range = {0, 2};
    EXPECT_NE(kova_ParamBlockFetchChangedAxisParam6b(context, 0, &range, values, 4, nullptr), kBadArgument);
    EXPECT_NE(kova_ParamBlockFetchChangedAxisParam7a(context, 0, axes, 2, values, 4, nullptr), kBadArgument);
    EXPECT_NE(kova_ParamBlockFetchChangedAxisParam7b(context, 0, &range, 1, values, 4, nullptr), kBadArgument);
    // A closed connection is reported before the value array is looked at.
    EXPECT_NE(kova_ParamBlockFetchAllVr(context, 0, nullptr, 0), kBadArgument);
    EXPECT_NE(kova_Ethercat_StartNetwork5(context, 0, 0, nullptr, nullptr), kBadArgument);
    EXPECT_NE(kova_Ethercat_SetState(context, 0, 8, nullptr, nullptr), kBadArgument);
    EXPECT_NE(kova_SxBus_StartNetwork(context, 0, nullptr, nullptr), kBadArgument);
    EXPECT_NE(kova_GetBasicFunctionNames3(context, nullptr, nullptr), kBadArgument);
    EXPECT_NE(kova_GetBasicFunctionParamCount(context, nullptr, reinterpret_cast<uint32_t*>(values)), kBadArgument);
}

// The text lookups take no context: one callback call each, with an empty text when nothing is found.
TEST(TextResources, UnknownTextsArriveAsOneEmptyText) {
    std::vector<std::string> texts;
    kova_GetStringResourceNumKey("NoSuchKind", 1, RecordText, &texts);
    kova_GetStringResourceNumKey(nullptr, 1, RecordText, &texts);
    kova_GetStringResourceStrKey("SystemError_Title", "1", RecordText, &texts);
    kova_GetStringResourceStrKey(nullptr, nullptr, RecordText, &texts);
    kova_GetEthercatVID_Name(0xFFFFFFFFu, RecordText, &texts);
    kova_GetEthercatPID_Name(0xFFFFFFFFu, 1, RecordText, &texts);
    EXPECT_EQ(texts, std::vector<std::string>(6, ""));
}

TEST(TextResources, NullCallbackIsIgnored) {
    kova_GetStringResourceNumKey("ErrorCode_Name", kInvalidContext, nullptr, nullptr);
    kova_GetStringResourceStrKey("x", "y", nullptr, nullptr);
    kova_GetEthercatVID_Name(734, nullptr, nullptr);
    kova_GetEthercatPID_Name(734, 4097, nullptr, nullptr);
}

}  // namespace
