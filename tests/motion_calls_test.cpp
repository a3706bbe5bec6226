// What the motion operations hand to vireo_api_x64, against a recording double.
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "support/open_context.h"
#include "support/recording_session.h"
#include "vireo/binding/low_level.h"

using namespace KovaTest;
using Kova::TesselApi::Vireo::LowLevel;

namespace {

using Calls = std::vector<std::string>;

using MotionCalls = OpenWithRecordingLibrary;

// What a multi-axis function last received, besides what the double records.
struct Received {
    const double* pointer = nullptr;
    std::vector<double> values;
};
Received received;
decltype(&::vireo_api_moveabs) recordMoveAbs = nullptr;
decltype(&::vireo_api_defpos) recordDefPos = nullptr;

template <auto& Next>
std::int32_t Keep(int32_t base, int32_t count, const double* values) {
    received = {values, values ? std::vector<double>(values, values + count) : std::vector<double>{}};
    return Next(base, count, values);
}

decltype(&::vireo_api_execute) recordExecute = nullptr;
// Command lines assigning ACCEL fail with controller error 7.
std::int32_t AccelRefused(const char* command) {
    const std::int32_t status = recordExecute(command);
    return std::string(command).rfind("ACCEL", 0) == 0 ? 7 : status;
}

}  // namespace

TEST_F(MotionCalls, SingleAxisMovesPassOneValueAfterTheAxis) {
    EXPECT_EQ(kova_MoveAbsSp(context, 12.5, 3), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_moveabs_sp"), Calls{"3, 1, ptr"});
    EXPECT_EQ(kova_MoveModify(context, 2.5, 5), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_movemodify"), Calls{"5, 2.5"});
}

TEST_F(MotionCalls, MultiAxisMovesPassACopyOfEveryValue) {
    recordMoveAbs = LowLevel().vireo_api_moveabs.load();
    LowLevel().vireo_api_moveabs.store(&Keep<recordMoveAbs>);
    std::vector<double> values(200);
    std::iota(values.begin(), values.end(), 1.0);
    for (std::uint32_t count : {0u, 3u, 128u, 129u, 200u}) {
        EXPECT_EQ(kova_MoveAbsMulti(context, values.data(), count, 2), 0u) << count;
        EXPECT_NE(received.pointer, values.data()) << count;
        EXPECT_EQ(received.values, std::vector<double>(values.begin(), values.begin() + count)) << count;
    }
    EXPECT_EQ(library.CallsOf("vireo_api_moveabs"),
              (Calls{"2, 0, ptr", "2, 3, ptr", "2, 128, ptr", "2, 129, ptr", "2, 200, ptr"}));

    EXPECT_EQ(kova_MoveRelSpMulti(context, values.data(), 2, 1), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_moverel_sp"), Calls{"1, 2, ptr"});
    // Without values the library is the one to refuse.
    EXPECT_EQ(kova_MoveRelMulti(context, nullptr, 2, 1), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_moverel"), Calls{"1, 2, null"});
}

TEST_F(MotionCalls, DefiningSeveralPositionsPassesTheCallersArray) {
    recordDefPos = LowLevel().vireo_api_defpos.load();
    LowLevel().vireo_api_defpos.store(&Keep<recordDefPos>);
    const double positions[] = {1, 2, 3};
    EXPECT_EQ(kova_DefPosMulti(context, positions, 3, 4), 0u);
    EXPECT_EQ(received.pointer, positions);
    EXPECT_EQ(library.CallsOf("vireo_api_defpos"), Calls{"4, 3, ptr"});
}

TEST_F(MotionCalls, InterpolatedMovesKeepTheCallersOrder) {
    EXPECT_EQ(kova_MoveCircSp(context, 1, 2, 3, 4, 5, 6, 7, 8), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_movecircular_sp"), Calls{"1, 2, 3, 4, 5, 6, 7, 8"});
}

TEST_F(MotionCalls, LinkedMoveTakesTheLinkAxisThird) {
    EXPECT_EQ(kova_MoveLink(context, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_movelink"), Calls{"1, 2, 6, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14"});
}

TEST_F(MotionCalls, CouplingPutsTheAxisFirst) {
    EXPECT_EQ(kova_Connect(context, 0.5, 2, 3, 4), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_connect2"), Calls{"4, 0.5, 2, 3"});
    EXPECT_EQ(kova_CamBox(context, 1, 2, 3, 4, 5, 6, 7, 8, 9), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_cambox"), Calls{"9, 1, 2, 3, 4, 5, 6, 7, 8"});
    EXPECT_EQ(kova_Regist9(context, 1, 2, 3, 4, 5, 6, 7, 8), 0u);
    EXPECT_EQ(kova_Regist3(context, 2, 1), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_regist"), (Calls{"8, 1, 2, 3, 4, 5, 6, 7", "1, 2, 0, 0, 0, 0, 0, 0"}));
}

TEST_F(MotionCalls, ShortFormsFillInTheirDefaults) {
    EXPECT_EQ(kova_AddAx2(context, 3), 0u);
    EXPECT_EQ(kova_AddAx3(context, 2, 3), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_addax"), (Calls{"-1, 3", "2, 3"}));
    EXPECT_EQ(kova_Backlash(context, 1.5, 2, 3, 4), 0u);
    EXPECT_EQ(kova_BacklashDisable(context, 4), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_backlash"), (Calls{"4, 1, 1.5, 2, 3", "4, 0, 0, 0, 0"}));
    EXPECT_EQ(kova_SetAxisBase(context, 7), 0u);
    const int32_t axes[] = {0, 1, 2};
    EXPECT_EQ(kova_SetMultiAxisBase(context, axes, 3), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_set_base"), (Calls{"1, ptr", "3, ptr"}));
}

TEST_F(MotionCalls, PositionSwitchAlwaysSetsBitZeroAndClearsBitsOneAndTwo) {
    EXPECT_EQ(kova_PSwitch(context, 1, 6, 2, 3, 1, 10.5, 20), 0u);
    EXPECT_EQ(kova_PSwitch(context, 1, 8, 2, 3, 0, 10.5, 20), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_pswitch"), (Calls{"1, 1, 2, 3, 1, 10.5, 20", "1, 9, 2, 3, 0, 10.5, 20"}));
    EXPECT_EQ(kova_PSwitchOff(context, 4, 1), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_pswitch_off"), Calls{"4, 1"});
}

TEST_F(MotionCalls, SpeedProfilesWriteNamedParametersInOrder) {
    library.Remove("vireo_api_set_axis_parameter");
    EXPECT_EQ(kova_SetMotion4(context, 2, 100, 200), 0u);
    EXPECT_EQ(kova_SetMotionSp5(context, 1, 10, 20, 30), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_execute"),
              (Calls{"SPEED AXIS(2)=100", "ACCEL AXIS(2)=200", "FORCE_SPEED AXIS(1)=10", "STARTMOVE_SPEED AXIS(1)=20",
                     "ENDMOVE_SPEED AXIS(1)=30"}));
    library.calls.clear();
    EXPECT_EQ(kova_SetMotionSp9(context, 0, 1, 2, 3, 4, 5, 6, 7), 0u);
    ASSERT_EQ(library.CallsOf("vireo_api_execute").size(), 7u);
    EXPECT_EQ(library.CallsOf("vireo_api_execute").back(), "FORCE_RAMP AXIS(0)=7");
}

TEST_F(MotionCalls, SpeedProfileStopsAtTheFirstFailedWrite) {
    library.Remove("vireo_api_set_axis_parameter");
    recordExecute = LowLevel().vireo_api_execute.load();
    LowLevel().vireo_api_execute.store(&AccelRefused);
    EXPECT_EQ(kova_SetMotion5(context, 3, 100, 200, 300), 0x400000007u);
    EXPECT_EQ(library.CallsOf("vireo_api_execute"), (Calls{"SPEED AXIS(3)=100", "ACCEL AXIS(3)=200"}));
}

TEST_F(MotionCalls, FullProfilesAreOneCall) {
    EXPECT_EQ(kova_SetMotion6(context, 1, 2, 3, 4, 5), 0u);
    EXPECT_EQ(library.CallsOf("vireo_set_motion"), Calls{"1, 2, 3, 4, 5"});
    EXPECT_EQ(kova_SetMotionSp10(context, 1, 2, 3, 4, 5, 6, 7, 8, 9), 0u);
    EXPECT_EQ(library.CallsOf("vireo_set_motion_sp"), Calls{"1, 2, 3, 4, 5, 6, 7, 8, 9"});
    EXPECT_TRUE(library.CallsOf("vireo_api_set_axis_parameter").empty());
}

TEST_F(MotionCalls, StatusesHaveNoControllerErrors) {
    library.Answer("vireo_api_moveabs", 7);
    const double values[] = {1, 2};
    EXPECT_EQ(kova_MoveAbsMulti(context, values, 2, 0), kLowLevelError);
    library.Remove("vireo_api_reverse");
    EXPECT_EQ(kova_Reverse(context, 1), kNotSupported);
    EXPECT_TRUE(library.CallsOf("vireo_api_reverse").empty());
}
