// The simulated controller that vireo_api_open starts and vireo_api_close ends, shared by every
// function of the library.
#pragma once

#include <cstdint>
#include <memory>

#include "sim/controller.h"
#include "sim/file_store.h"
#include "sim/motion.h"
#include "sim/programs.h"
#include "stand_in/file_server.h"

namespace StandIn {

// A call while no controller is open, or with arguments the library cannot take: failures of the
// library itself, not of the controller.
inline constexpr std::int32_t kNotOpen = -1;
inline constexpr std::int32_t kBadArgument = -3;

struct Simulation {
    Simulator::Controller controller;
    Simulator::MotionEngine motion{controller};   // after the controller: it ticks the controller's axes
    Simulator::FileStore files;
    Simulator::Programs programs{controller, files, motion};
    FileServer fileServer{files};                   // after the store it fills
};

// Starts the simulation unless it runs already: 0, or the system error number of a file transfer
// port that cannot be had (then nothing is started).
std::int32_t Open();
void Close();
std::shared_ptr<Simulation> Current();

// Runs `run` on the open simulation; kNotOpen when there is none. The simulation stays alive
// for the call even when another thread closes the library meanwhile.
template <typename Run>
std::int32_t WithSimulation(Run run) {
    const std::shared_ptr<Simulation> simulation = Current();
    if (!simulation) return kNotOpen;
    return run(*simulation);
}

}  // namespace StandIn
