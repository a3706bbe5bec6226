// The debugger output: a channel for trace lines that no application callback sees.
#pragma once

namespace Kova::TesselApi::Platform {

// Writes one complete, terminated line.
void WriteDebugLine(const char* line);

}  // namespace Kova::TesselApi::Platform
