// Axes that really move: motion through the exported functions against the stand-in controller.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "support/open_context.h"

using namespace KovaTest;

namespace {

class MotionSession : public OpenContext {
protected:
    void SetUp() override {
        OpenContext::SetUp();
        ASSERT_EQ(kova_OpenConnection(context), 0u);
    }

    double Dpos(int32_t axis) {
        double dpos = -1;
        EXPECT_EQ(kova_GetAxisParameter_DPOS(context, axis, &dpos), 0u);
        return dpos;
    }

    bool Idle(int32_t axis) {
        bool idle = false;
        EXPECT_EQ(kova_GetAxisParameter_IDLE(context, axis, &idle), 0u);
        return idle;
    }

    std::string Reply(const char* command) {
        std::vector<std::string> texts;
        EXPECT_EQ(kova_ExecuteWithResponse4c(context, command, RecordText, &texts), 0u);
        return texts.empty() ? "" : texts[0];
    }

    // Polls until the axis is idle; false after `limit`.
    bool WaitIdle(int32_t axis, std::chrono::milliseconds limit, std::vector<double>* seen = nullptr) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            if (seen) seen->push_back(Dpos(axis));
            if (Idle(axis)) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }
};

}  // namespace

TEST_F(MotionSession, AnAbsoluteMoveClimbsAndSettlesAtItsTargetAndABadAxisIsRefused) {
    ASSERT_EQ(kova_SetAxisParameter_SPEED(context, 0, 400), 0u);
    EXPECT_TRUE(Idle(0));
    ASSERT_EQ(kova_MoveAbs(context, 100, 0), 0u);
    std::vector<double> seen;
    ASSERT_TRUE(WaitIdle(0, std::chrono::seconds(10), &seen));
    EXPECT_DOUBLE_EQ(Dpos(0), 100);
    bool between = false;
    for (std::size_t i = 1; i < seen.size(); ++i) {
        EXPECT_GE(seen[i], seen[i - 1]);
        between = between || (seen[i] > 0 && seen[i] < 100);
    }
    EXPECT_TRUE(between) << "the axis jumped to its target";

    double byName = 0;
    EXPECT_EQ(kova_GetAxisParameterDoubleValue(context, "DPOS", 0, &byName), 0u);
    EXPECT_DOUBLE_EQ(byName, 100);
    EXPECT_EQ(Reply("?DPOS AXIS(0);"), "100");
    EXPECT_EQ(Reply("PRINT DPOS AXIS(0)"), "100\r\n");

    EXPECT_EQ(kova_MoveAbs(context, 1.0, 99), 0x8100000011u);   // the library's own refusal of the axis
    EXPECT_EQ(kova_Halt(context), 0u);
}

TEST_F(MotionSession, InterpolatedAxesArriveTogether) {
    ASSERT_EQ(kova_SetAxisBase(context, 2), 0u);
    const int32_t axes[] = {2, 3};
    ASSERT_EQ(kova_SetMultiAxisBase(context, axes, 2), 0u);
    const double targets[] = {30, -60};
    ASSERT_EQ(kova_MoveAbsMulti(context, targets, 2, 2), 0u);
    ASSERT_TRUE(WaitIdle(2, std::chrono::seconds(10)));
    EXPECT_TRUE(Idle(3));
    EXPECT_DOUBLE_EQ(Dpos(2), 30);
    EXPECT_DOUBLE_EQ(Dpos(3), -60);
}

TEST_F(MotionSession, ForwardRunsUntilCancelledAndDefPosSetsThePosition) {
    ASSERT_EQ(kova_Forward(context, 1), 0u);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(Idle(1));
    EXPECT_GT(Dpos(1), 0);
    ASSERT_EQ(kova_RapidStop(context, 0), 0u);
    ASSERT_TRUE(WaitIdle(1, std::chrono::seconds(10)));
    ASSERT_EQ(kova_DefPos(context, 5, 1), 0u);
    EXPECT_DOUBLE_EQ(Dpos(1), 5);
}
