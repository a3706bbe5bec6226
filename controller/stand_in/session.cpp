#include "stand_in/session.h"

#include <mutex>

namespace StandIn {
namespace {

std::mutex sessionMutex;
std::shared_ptr<Simulation> session;

}  // namespace

void Open() {
    std::lock_guard lock(sessionMutex);
    if (!session) session = std::make_shared<Simulation>();
}

void Close() {
    std::shared_ptr<Simulation> ending;
    {
        std::lock_guard lock(sessionMutex);
        ending.swap(session);
    }
    // Released outside the lock: ending a simulation may wait for its threads.
}

std::shared_ptr<Simulation> Current() {
    std::lock_guard lock(sessionMutex);
    return session;
}

}  // namespace StandIn
