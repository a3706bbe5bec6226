// The simulated controller's language engine (lexer, parser, executor), with the motion engine's
// commands, on any line: it answers 0 or a controller error number, and the controller keeps
// answering afterwards.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sim/controller.h"
#include "sim/motion.h"

namespace {

struct Simulation {
    Simulator::Controller controller;
    Simulator::MotionEngine motion{controller, Simulator::MotionEngine::Clock::Manual};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Simulation simulation;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    std::string reply;
    const int error = simulation.controller.Execute(line, reply);
    if (error < 0 || error > 285) std::abort();
    // Let whatever the line started move a little, so the engine's state is reached too.
    for (int tick = 0; tick < 4; ++tick) simulation.motion.Tick();
    std::string check;
    if (simulation.controller.Execute("?VR(0)", check) != 0 || !check.ends_with("\r\n")) std::abort();
    return 0;
}
