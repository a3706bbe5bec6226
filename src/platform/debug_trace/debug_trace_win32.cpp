#include "platform/debug_trace/debug_trace.h"

#include <windows.h>

namespace Kova::TesselApi::Platform {

void WriteDebugLine(const char* line) { OutputDebugStringA(line); }

std::tm LocalTime(std::time_t moment) {
    std::tm local{};
    localtime_s(&local, &moment);
    return local;
}

}  // namespace Kova::TesselApi::Platform
