// The programs of examples/programs compile cleanly and do their job on the simulated machine,
// with the motion engine and the process sharing one manual clock.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "sim/controller.h"
#include "sim/language/process.h"
#include "sim/language/program.h"
#include "sim/motion.h"

namespace {

using Simulator::Controller;
using Simulator::Language::Process;

struct Example {
    std::string_view name;
    std::string_view text;
};
constexpr Example kExamples[] = {
#include "example_programs.inc"
};

std::string_view Source(std::string_view name) {
    for (const Example& example : kExamples)
        if (example.name == name) return example.text;
    ADD_FAILURE() << "no example program " << name;
    return {};
}

// A controller with a machine around it: each servo tick moves the axes, lets `machine` act on
// the inputs at that millisecond, then gives the process its slice.
class SimExamplePrograms : public ::testing::Test {
protected:
    // Runs the example to its end (at most a minute of machine time); false when it did not end.
    bool Run(std::string_view name, const std::function<void(int ms)>& machine = {}) {
        auto program = std::make_shared<Simulator::Language::Program>();
        Simulator::Language::Compile(c, std::string(Source(name)), *program);
        EXPECT_TRUE(program->messages.empty()) << name << " line " << program->messages.front().line;
        if (!program->Runnable()) return false;
        Process process(program);
        for (int ms = 0; ms < 60000; ++ms) {
            motion.Tick();
            if (machine) machine(ms);
            std::lock_guard lock(c.Mutex());
            const Process::State state = process.Step(c, ms, 1000, reply);
            if (state == Process::State::Failed) ADD_FAILURE() << name << ": error " << process.ErrorNumber() << " at line " << process.Line();
            if (state == Process::State::Stopped || state == Process::State::Failed) return state == Process::State::Stopped;
        }
        return false;
    }

    double Query(const std::string& value) {
        std::string answer;
        EXPECT_EQ(c.Execute("?" + value + ";", answer), 0) << value;
        return std::stod(answer);
    }

    Controller c;
    Simulator::MotionEngine motion{c, Simulator::MotionEngine::Clock::Manual};
    std::string reply;
};

TEST_F(SimExamplePrograms, HomingStopsAtTheSwitchAndCallsThatPlaceZero) {
    // The home switch closes once the axis has gone 5 units back.
    ASSERT_TRUE(Run("homing", [&](int) { c.SetInput(8, Query("DPOS AXIS(0)") <= -5); }));
    EXPECT_EQ(reply, "homed\r\n");
    EXPECT_EQ(Query("DPOS AXIS(0)"), 0);
    EXPECT_NE(Query("IDLE AXIS(0)"), 0);
}

TEST_F(SimExamplePrograms, PickAndPlaceMovesThreePartsWithBothAxes) {
    int gripperCloses = 0;
    bool closed = false;
    ASSERT_TRUE(Run("pick_and_place", [&](int) {
        const bool now = Query("OP(10)") != 0;
        if (now && !closed) {
            ++gripperCloses;
            // The gripper closes low, at the pick place.
            EXPECT_EQ(Query("DPOS AXIS(0)"), 0);
            EXPECT_EQ(Query("DPOS AXIS(1)"), -20);
        }
        closed = now;
    }));
    EXPECT_EQ(gripperCloses, 3);
    EXPECT_EQ(Query("VR(20)"), 3);
    EXPECT_EQ(Query("DPOS AXIS(0)"), 0);
    EXPECT_EQ(Query("DPOS AXIS(1)"), 0);
    EXPECT_EQ(Query("OP(10)"), 0);
}

TEST_F(SimExamplePrograms, PartCounterCountsEachPartOnceUntilToldToStop) {
    // Four parts pass, each covering the sensor for 30 ms, one every 100 ms; then the count stops.
    ASSERT_TRUE(Run("part_counter", [&](int ms) {
        c.SetInput(4, ms < 400 && ms % 100 >= 10 && ms % 100 < 40);
        const double stop = 1;
        if (ms == 500) c.SetVr(11, 1, &stop);
    }));
    EXPECT_EQ(Query("VR(10)"), 4);
    EXPECT_EQ(reply, "parts: 4\r\n");
}

}  // namespace
