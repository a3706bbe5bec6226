#include "platform/debug_trace/debug_trace.h"

#include <cstdio>
#include <cstdlib>

namespace Kova::TesselApi::Platform {

// There is no debugger channel here; the trace goes to stderr while KOVA_DEBUG_TRACE is set, asked
// at each line so that switching it takes effect at once.
void WriteDebugLine(const char* line) {
    if (std::getenv("KOVA_DEBUG_TRACE") != nullptr) std::fputs(line, stderr);
}

std::tm LocalTime(std::time_t moment) {
    std::tm local{};
    localtime_r(&moment, &local);
    return local;
}

}  // namespace Kova::TesselApi::Platform
