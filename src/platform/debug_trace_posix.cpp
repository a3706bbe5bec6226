#include "platform/debug_trace.h"

#include <cstdio>
#include <cstdlib>

namespace Kova::TesselApi::Platform {

// There is no debugger channel here; the trace goes to stderr when KOVA_DEBUG_TRACE is set.
void WriteDebugLine(const char* line) {
    static const bool enabled = std::getenv("KOVA_DEBUG_TRACE") != nullptr;
    if (enabled) std::fputs(line, stderr);
}

}  // namespace Kova::TesselApi::Platform
