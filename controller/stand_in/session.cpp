#include "stand_in/session.h"

#include <mutex>

namespace StandIn {
namespace {

std::mutex sessionMutex;
std::shared_ptr<Simulation> session;

}  // namespace

std::int32_t Open() {
    std::lock_guard lock(sessionMutex);
    if (session) return 0;
    auto starting = std::make_shared<Simulation>();
    if (const std::int32_t error = starting->fileServer.Start(FileServerOptionsFromEnvironment()); error != 0)
        return error;
    session = std::move(starting);
    return 0;
}

void Close() {
    std::shared_ptr<Simulation> ending;
    {
        std::lock_guard lock(sessionMutex);
        ending.swap(session);
        // The port goes now, even while a call still holds the simulation, and before another
        // open may bind it again.
        if (ending) ending->fileServer.Stop();
    }
    // Released outside the lock: ending a simulation may wait for its threads.
}

std::shared_ptr<Simulation> Current() {
    std::lock_guard lock(sessionMutex);
    return session;
}

}  // namespace StandIn
