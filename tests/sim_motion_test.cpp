// The simulated controller's axes move as a machine's would: profiles within SPEED, ACCEL and
// DECEL, buffered moves in order, interpolation, gearing and stops. Ticks are driven by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sim/controller.h"
#include "sim/motion.h"

namespace {

using Simulator::Controller;
using Simulator::Family;
using Simulator::MotionEngine;
using Simulator::MoveType;
namespace Errors = Simulator::Errors;

constexpr double kPeriod = 0.001;   // the default servo period, in seconds
constexpr double kSlack = 1e-9;

class Axes : public ::testing::Test {
protected:
    double Get(std::string_view name, int axis) {
        double value = 0;
        EXPECT_EQ(controller.GetParameter(Family::Axis, Controller::Find(Family::Axis, name)->id, axis, value), 0);
        return value;
    }
    void Set(std::string_view name, int axis, double value) {
        ASSERT_EQ(controller.SetParameter(Family::Axis, Controller::Find(Family::Axis, name)->id, axis, value), 0);
    }
    void Profile(int axis, double speed, double accel, double decel) {
        Set("SPEED", axis, speed);
        Set("ACCEL", axis, accel);
        Set("DECEL", axis, decel);
    }
    int Send(std::string_view line) {
        std::string reply;
        return controller.Execute(line, reply);
    }
    // Ticks until the axis is idle; the number of ticks, or -1 when it never gets there.
    int UntilIdle(int axis, int limit = 20000) {
        for (int ticks = 1; ticks <= limit; ++ticks) {
            motion.Tick();
            if (Get("IDLE", axis) != 0) return ticks;
        }
        return -1;
    }

    Controller controller;
    MotionEngine motion{controller, MotionEngine::Clock::Manual};
};

TEST_F(Axes, AMoveAbsKeepsToItsProfileAndStopsExactlyOnTarget) {
    Profile(0, 200, 2000, 1000);
    ASSERT_EQ(Send("MOVEABS(100)"), 0);
    EXPECT_EQ(Get("IDLE", 0), 0);
    EXPECT_EQ(Get("MTYPE", 0), static_cast<int>(MoveType::MoveAbs));
    EXPECT_EQ(Get("ENDMOVE", 0), 100);
    EXPECT_EQ(Get("REMAIN", 0), 100);

    double previous = 0, peak = 0;
    int ticks = 0;
    while (Get("IDLE", 0) == 0 && ticks < 5000) {
        motion.Tick();
        ++ticks;
        const double speed = Get("MSPEED", 0);
        ASSERT_LE(speed, 200 + kSlack) << "tick " << ticks;
        ASSERT_LE(speed - previous, 2000 * kPeriod + kSlack) << "tick " << ticks;
        ASSERT_LE(previous - speed, 1000 * kPeriod + kSlack) << "tick " << ticks;
        ASSERT_GE(speed, 0);
        peak = std::max(peak, speed);
        previous = speed;
    }
    EXPECT_EQ(Get("DPOS", 0), 100);
    EXPECT_EQ(Get("MPOS", 0), 100);
    EXPECT_EQ(Get("FE", 0), 0);
    EXPECT_EQ(Get("MTYPE", 0), 0);
    EXPECT_EQ(Get("REMAIN", 0), 0);
    EXPECT_NEAR(peak, 200, 1e-6);
    // 0.1 s up, 0.35 s at speed, 0.2 s down.
    EXPECT_NEAR(ticks, 650, 2);
    motion.Tick();
    EXPECT_EQ(Get("MSPEED", 0), 0);
}

TEST_F(Axes, AShortMoveNeverReachesSpeedAndIsATriangle) {
    Profile(0, 1000, 1000, 1000);
    ASSERT_EQ(Send("MOVE(10)"), 0);
    double peak = 0;
    int ticks = 0;
    while (Get("IDLE", 0) == 0 && ticks < 5000) {
        motion.Tick();
        ++ticks;
        peak = std::max(peak, Get("MSPEED", 0));
    }
    EXPECT_EQ(Get("DPOS", 0), 10);
    EXPECT_NEAR(peak, 100, 1);             // sqrt(ACCEL * distance)
    EXPECT_NEAR(ticks, 200, 2);            // 2 sqrt(distance / ACCEL)
}

TEST_F(Axes, InterpolatedAxesShareTheVectorSpeedAndArriveOnTheSameTick) {
    Profile(0, 100, 1000, 1000);
    Profile(1, 5, 1, 1);   // only the first axis's profile counts
    ASSERT_EQ(Send("MOVE(30, 40)"), 0);
    int arrived0 = 0, arrived1 = 0;
    for (int tick = 1; tick < 5000 && !(arrived0 && arrived1); ++tick) {
        motion.Tick();
        const double x = Get("DPOS", 0), y = Get("DPOS", 1);
        ASSERT_NEAR(y * 3, x * 4, 1e-9);
        ASSERT_LE(std::hypot(Get("MSPEED", 0), Get("MSPEED", 1)), 100 + kSlack);
        if (!arrived0 && x == 30) arrived0 = tick;
        if (!arrived1 && y == 40) arrived1 = tick;
    }
    EXPECT_GT(arrived0, 0);
    EXPECT_EQ(arrived0, arrived1);
    EXPECT_NEAR(arrived0, 600, 2);   // 50 units: 0.1 s up, 0.4 s at speed, 0.1 s down
}

TEST_F(Axes, ForwardRunsAtSpeedUntilCancelledThenDecelerates) {
    Profile(2, 100, 1000, 500);
    ASSERT_EQ(Send("FORWARD AXIS(2)"), 0);
    for (int i = 0; i < 300; ++i) motion.Tick();
    EXPECT_NEAR(Get("MSPEED", 2), 100, 1e-6);
    EXPECT_EQ(Get("MTYPE", 2), static_cast<int>(MoveType::Forward));
    EXPECT_EQ(Get("IDLE", 2), 0);

    ASSERT_EQ(Send("CANCEL AXIS(2)"), 0);
    double previous = Get("MSPEED", 2);
    int ticks = 0;
    while (Get("IDLE", 2) == 0 && ticks < 5000) {
        motion.Tick();
        ++ticks;
        const double speed = Get("MSPEED", 2);
        ASSERT_LE(speed, previous);
        ASSERT_LE(previous - speed, 500 * kPeriod + kSlack);
        previous = speed;
    }
    EXPECT_NEAR(ticks, 200, 2);
    motion.Tick();
    EXPECT_EQ(Get("MSPEED", 2), 0);

    ASSERT_EQ(Send("REVERSE AXIS(2)"), 0);
    for (int i = 0; i < 50; ++i) motion.Tick();
    EXPECT_LT(Get("MSPEED", 2), 0);
    EXPECT_EQ(Get("MTYPE", 2), static_cast<int>(MoveType::Reverse));
}

TEST_F(Axes, BufferedMovesRunOneAfterAnother) {
    ASSERT_EQ(Send("MOVE(10)"), 0);
    ASSERT_EQ(Send("MOVEABS(-5)"), 0);
    EXPECT_EQ(Get("MTYPE", 0), static_cast<int>(MoveType::MoveRel));
    EXPECT_EQ(Get("NTYPE", 0), static_cast<int>(MoveType::MoveAbs));
    EXPECT_EQ(Get("MOVES_BUFFERED", 0), 1);

    int guard = 0;
    while (Get("MTYPE", 0) == static_cast<int>(MoveType::MoveRel) && ++guard < 5000) motion.Tick();
    EXPECT_EQ(Get("DPOS", 0), 10);   // the first move is done before the second starts
    EXPECT_EQ(Get("MTYPE", 0), static_cast<int>(MoveType::MoveAbs));
    EXPECT_EQ(Get("NTYPE", 0), 0);
    EXPECT_EQ(Get("MOVES_BUFFERED", 0), 0);
    ASSERT_GT(UntilIdle(0), 0);
    EXPECT_EQ(Get("DPOS", 0), -5);
}

TEST_F(Axes, RapidStopDropsWaitingMovesAndStopsEveryAxis) {
    ASSERT_EQ(Send("MOVE(100)"), 0);
    ASSERT_EQ(Send("MOVE(50)"), 0);
    ASSERT_EQ(Send("MOVE(20)"), 0);
    ASSERT_EQ(Send("FORWARD AXIS(1)"), 0);
    EXPECT_EQ(Get("MOVES_BUFFERED", 0), 2);
    for (int i = 0; i < 100; ++i) motion.Tick();

    ASSERT_EQ(Send("RAPIDSTOP(0)"), 0);
    EXPECT_EQ(Get("MOVES_BUFFERED", 0), 0);
    EXPECT_EQ(Get("NTYPE", 0), 0);
    EXPECT_EQ(Get("MTYPE", 0), static_cast<int>(MoveType::MoveRel));   // still decelerating
    ASSERT_GT(UntilIdle(0), 0);
    ASSERT_GT(UntilIdle(1), 0);
    const double stopped = Get("DPOS", 0);
    EXPECT_GT(stopped, 0);
    EXPECT_LT(stopped, 100);
    for (int i = 0; i < 10; ++i) motion.Tick();
    EXPECT_EQ(Get("DPOS", 0), stopped);

    EXPECT_EQ(Send("RAPIDSTOP(3)"), Errors::kPARAMETER_OUT_OF_RANGE);
    ASSERT_EQ(Send("FORWARD"), 0);
    motion.Tick();
    EXPECT_EQ(motion.Halt(), 0);
    EXPECT_GT(UntilIdle(0), 0);
}

TEST_F(Axes, AConnectedAxisFollowsItsDriverUntilCancelled) {
    ASSERT_EQ(Send("CONNECT(0.5, 0) AXIS(1)"), 0);
    EXPECT_EQ(Get("MTYPE", 1), static_cast<int>(MoveType::Connect));
    ASSERT_EQ(Send("MOVE(40) AXIS(0)"), 0);
    ASSERT_GT(UntilIdle(0), 0);
    EXPECT_NEAR(Get("DPOS", 1), 20, 1e-9);
    EXPECT_EQ(Get("IDLE", 1), 0);

    ASSERT_EQ(Send("CANCEL AXIS(1)"), 0);
    EXPECT_EQ(Get("IDLE", 1), 1);
    ASSERT_EQ(Send("MOVE(40) AXIS(0)"), 0);
    ASSERT_GT(UntilIdle(0), 0);
    EXPECT_NEAR(Get("DPOS", 1), 20, 1e-9);

    EXPECT_EQ(Send("CONNECT(1, 2) AXIS(2)"), Errors::kPARAMETER_OUT_OF_RANGE);
    EXPECT_EQ(Send("CONNECT(1, 16) AXIS(2)"), Errors::kPARAMETER_OUT_OF_RANGE);
}

TEST_F(Axes, MoveCircTravelsTheCircleAndEndsOnTheEndPoint) {
    Profile(0, 100, 1000, 1000);
    ASSERT_EQ(Send("MOVECIRC(20, 0, 10, 0, 0)"), 0);
    EXPECT_EQ(Get("MTYPE", 0), static_cast<int>(MoveType::MoveCirc));
    EXPECT_EQ(Get("MTYPE", 1), static_cast<int>(MoveType::MoveCirc));
    int ticks = 0;
    while (Get("IDLE", 0) == 0 && ticks < 5000) {
        motion.Tick();
        ++ticks;
        const double x = Get("DPOS", 0), y = Get("DPOS", 1);
        ASSERT_NEAR(std::hypot(x - 10, y), 10, 1e-9);
        ASSERT_LE(y, kSlack);   // anticlockwise from the left of the centre passes below it
        ASSERT_LE(std::hypot(Get("MSPEED", 0), Get("MSPEED", 1)), 100 + 1e-6);
    }
    EXPECT_EQ(Get("DPOS", 0), 20);
    EXPECT_EQ(Get("DPOS", 1), 0);
    EXPECT_NEAR(ticks, 10 * std::numbers::pi / 100 / kPeriod + 100, 3);   // half a turn of radius 10

    // Clockwise, ending where it starts: a whole turn.
    ASSERT_EQ(Send("MOVECIRC(0, 0, 0, 5, 1)"), 0);
    double highest = 0;
    while (Get("IDLE", 0) == 0 && ++ticks < 10000) {
        motion.Tick();
        highest = std::max(highest, Get("DPOS", 1));
    }
    EXPECT_EQ(Get("DPOS", 0), 20);
    EXPECT_EQ(Get("DPOS", 1), 0);
    EXPECT_NEAR(highest, 10, 1e-3);
    EXPECT_EQ(Send("MOVECIRC(1, 1, 0, 0, 0)"), Errors::kPARAMETER_OUT_OF_RANGE);
    EXPECT_EQ(Send("MOVECIRC(1, 1, 1, 0, 2)"), Errors::kPARAMETER_OUT_OF_RANGE);
}

TEST_F(Axes, DefPosSetsPositionsAtOnceOnIdleAxesAndWaitsBehindMoves) {
    ASSERT_EQ(Send("DEFPOS(5, -6)"), 0);
    EXPECT_EQ(Get("DPOS", 0), 5);
    EXPECT_EQ(Get("MPOS", 1), -6);
    motion.Tick();
    EXPECT_EQ(Get("MSPEED", 0), 0);   // a new origin is no movement

    ASSERT_EQ(Send("MOVE(1)"), 0);
    ASSERT_EQ(Send("DEFPOS(0)"), 0);
    EXPECT_EQ(Get("NTYPE", 0), static_cast<int>(MoveType::DefPos));
    ASSERT_GT(UntilIdle(0), 0);
    EXPECT_EQ(Get("DPOS", 0), 0);
}

TEST_F(Axes, MoveModifyMovesTheEndOfTheRunningMove) {
    Profile(0, 100, 1000, 1000);
    ASSERT_EQ(Send("MOVEABS(100)"), 0);
    for (int i = 0; i < 200; ++i) motion.Tick();
    ASSERT_EQ(Send("MOVEMODIFY(50)"), 0);
    EXPECT_EQ(Get("ENDMOVE", 0), 50);
    ASSERT_GT(UntilIdle(0), 0);
    EXPECT_EQ(Get("DPOS", 0), 50);

    // An end already passed: the axis stops, then comes back to it.
    ASSERT_EQ(Send("MOVEABS(100)"), 0);
    while (Get("DPOS", 0) < 80) motion.Tick();
    ASSERT_EQ(Send("MOVEMODIFY(60)"), 0);
    ASSERT_GT(UntilIdle(0), 0);
    EXPECT_EQ(Get("DPOS", 0), 60);
}

TEST_F(Axes, BaseArrayDecidesWhichAxesAListMoves) {
    ASSERT_EQ(Send("BASE(3, 1)"), 0);
    ASSERT_EQ(Send("MOVEABS(7, 8)"), 0);
    EXPECT_EQ(Get("IDLE", 0), 1);
    ASSERT_GT(UntilIdle(3), 0);
    EXPECT_EQ(Get("DPOS", 3), 7);
    EXPECT_EQ(Get("DPOS", 1), 8);
    EXPECT_EQ(Send("MOVE(1, 2) AXIS(1)"), Errors::kPARAMETER_OUT_OF_RANGE);   // only one base axis from 1 on
    ASSERT_EQ(Send("MOVE(1, 2) AXIS(5)"), 0);                               // not in the base array: 5, 6
    EXPECT_EQ(Get("IDLE", 6), 0);
    EXPECT_EQ(Send("BASE(2, 2)"), Errors::kPARAMETER_OUT_OF_RANGE);
    EXPECT_EQ(Send("BASE(16)"), Errors::kPARAMETER_OUT_OF_RANGE);
    EXPECT_EQ(motion.Base(), (std::vector<int>{3, 1}));
}

TEST_F(Axes, ForcedSpeedAndBufferLimitAndAcceptedFunctions) {
    Set("FORCE_SPEED", 0, 50);
    ASSERT_EQ(Send("MOVESP(100)"), 0);
    double peak = 0;
    while (Get("IDLE", 0) == 0) {
        motion.Tick();
        peak = std::max(peak, Get("MSPEED", 0));
    }
    EXPECT_NEAR(peak, 50, 1e-6);

    double one = 1;
    ASSERT_EQ(controller.SetParameter(Family::System, Controller::Find(Family::System, "LIMIT_BUFFERED")->id, 0, 2), 0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(motion.Move(4, std::span(&one, 1), Simulator::Target::Relative,
                                                      Simulator::Profile::Normal), 0);
    EXPECT_EQ(Send("MOVE(1) AXIS(4)"), Errors::kPARAMETER_OUT_OF_RANGE);

    ASSERT_EQ(motion.Complete(7, MoveType::Regist), 0);
    EXPECT_EQ(Get("MTYPE", 7), static_cast<int>(MoveType::Regist));
    motion.Tick();
    EXPECT_EQ(Get("IDLE", 7), 1);
}

TEST_F(Axes, CommandLinesRefuseWrongValuesAndDatumHomes) {
    for (const char* wrong : {"MOVE()", "MOVEABS", "FORWARD(1)", "DATUM(7)", "DATUM(1.5)", "DEFPOS", "BASE",
                              "MOVEMODIFY(1, 2)", "CONNECT(1)", "RAPIDSTOP(0, 1)"})
        EXPECT_EQ(Send(wrong), Errors::kPARAMETER_OUT_OF_RANGE) << wrong;
    ASSERT_EQ(Send("DATUM(3) AXIS(0)"), 0);
    EXPECT_EQ(Get("MTYPE", 0), static_cast<int>(MoveType::Datum));
    ASSERT_GT(UntilIdle(0), 0);
    EXPECT_EQ(Get("DPOS", 0), 0);
}

}  // namespace
