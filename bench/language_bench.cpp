// The simulated controller's language engine on its servo clock: a long program loop, and a
// servo tick that moves 16 axes while 8 processes run their slices.
#include <benchmark/benchmark.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "sim/controller.h"
#include "sim/language/process.h"
#include "sim/language/program.h"
#include "sim/motion.h"

namespace {

using Simulator::Controller;
using Simulator::MotionEngine;
using Simulator::Language::Process;
using Simulator::Language::Program;

constexpr int kSlice = 1000;   // statements a process runs per servo tick

std::shared_ptr<const Program> Compiled(const Controller& c, const std::string& source) {
    auto program = std::make_shared<Program>();
    Simulator::Language::Compile(c, source, *program);
    return program;
}

Process::State Slice(Controller& c, Process& process, std::string& reply) {
    std::lock_guard lock(c.Mutex());
    reply.clear();
    return process.Step(c, 0, kSlice, reply);
}

// A million turns of VR(1) = VR(1) + 1, a slice per tick between the ticks of the motion engine.
void ProgramLoopOfAMillion(benchmark::State& state) {
    Controller c;
    MotionEngine motion(c, MotionEngine::Clock::Manual);
    const auto program = Compiled(c, "FOR i = 1 TO 1000000\n  VR(1) = VR(1) + 1\nNEXT i");
    std::string reply;
    for (auto _ : state) {
        const double zero = 0;
        c.SetVr(1, 1, &zero);
        Process process(program);
        while (Slice(c, process, reply) == Process::State::Running) motion.Tick();
        double count = 0;
        c.GetVr(1, 1, &count);
        if (count != 1e6) state.SkipWithError("the loop did not run a million times");
    }
}
BENCHMARK(ProgramLoopOfAMillion)->Unit(benchmark::kMillisecond);

// One servo tick with 16 axes moving and 8 processes in endless loops; against SERVO_PERIOD
// 1000 us, the time per tick is the share of one core the simulation takes.
void ServoTickSixteenAxesEightProcesses(benchmark::State& state) {
    Controller c;
    MotionEngine motion(c, MotionEngine::Clock::Manual);
    std::string reply;
    for (int axis = 0; axis < 16; ++axis)
        c.Execute("SPEED AXIS(" + std::to_string(axis) + ")=10:FORWARD AXIS(" + std::to_string(axis) + ")", reply);
    std::vector<Process> processes;
    for (int i = 0; i < 8; ++i)
        processes.emplace_back(Compiled(c, "WHILE TRUE\n  VR(" + std::to_string(i) + ") = VR(" + std::to_string(i) +
                                               ") + 1\nWEND"));
    for (auto _ : state) {
        motion.Tick();
        for (Process& process : processes) Slice(c, process, reply);
    }
}
BENCHMARK(ServoTickSixteenAxesEightProcesses)->Unit(benchmark::kMicrosecond);

}  // namespace
