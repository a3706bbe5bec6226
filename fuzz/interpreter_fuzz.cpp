// The simulated controller's language engine (lexer, parser, compiler, executor), with the motion
// engine's commands, on any input: as a command line it answers 0 or a controller error number;
// as a program it compiles with messages that carry controller error numbers and runs a bounded
// slice, also as a process of the program store on the servo clock; the controller keeps answering
// afterwards.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "sim/controller.h"
#include "sim/file_store.h"
#include "sim/language/process.h"
#include "sim/language/program.h"
#include "sim/motion.h"
#include "sim/programs.h"

namespace {

struct Simulation {
    Simulator::Controller controller;
    Simulator::MotionEngine motion{controller, Simulator::MotionEngine::Clock::Manual};
    Simulator::FileStore files;
    Simulator::Programs programs{controller, files, motion};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Simulation simulation;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    std::string reply;
    const int error = simulation.controller.Execute(line, reply);
    if (error < 0 || error > 285) std::abort();
    auto program = std::make_shared<Simulator::Language::Program>();
    Simulator::Language::Compile(simulation.controller, std::string(line), *program);
    for (const auto& message : program->messages)
        if (message.number <= 0 || message.number > 285 || message.line < 1) std::abort();
    if (program->Runnable()) {
        Simulator::Language::Process process(program);
        std::lock_guard lock(simulation.controller.Mutex());
        process.Step(simulation.controller, 0, 1000, reply);
    }
    simulation.files.Store({"FUZZ.bas", Simulator::kBasicFileType, Simulator::Destination::Ram, {data, data + size}});
    const int ran = simulation.programs.Run("FUZZ", Simulator::kAnyProcess);
    if (ran < 0 || ran > 285) std::abort();
    // Let whatever the line started move and run a little, so the engines' state is reached too.
    for (int tick = 0; tick < 4; ++tick) simulation.motion.Tick();
    if (!simulation.programs.ProcessListing().ends_with("SYSTEM\r\n")) std::abort();
    if (!simulation.programs.Directory().ends_with("OK\r\n")) std::abort();
    simulation.controller.Execute("HALT", reply);
    std::string check;
    if (simulation.controller.Execute("?VR(0)", check) != 0 || !check.ends_with("\r\n")) std::abort();
    return 0;
}
