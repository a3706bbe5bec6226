// The debugger output: a channel for trace lines that no application callback sees.
#pragma once

#include <ctime>

namespace Kova::TesselApi::Platform {

// Writes one complete, terminated line.
void WriteDebugLine(const char* line);

// The local time of a moment, for the trace's time stamps.
std::tm LocalTime(std::time_t moment);

}  // namespace Kova::TesselApi::Platform
