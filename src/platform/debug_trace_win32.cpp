#include "platform/debug_trace.h"

#include <windows.h>

namespace Kova::TesselApi::Platform {

void WriteDebugLine(const char* line) { OutputDebugStringA(line); }

}  // namespace Kova::TesselApi::Platform
