// Trace lines for the debugger: a time stamp, the formatted message and a line feed.
#pragma once

namespace Kova::TesselApi::Shared {

// printf-style; a message that formats to nothing writes nothing.
void DebugTrace(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace Kova::TesselApi::Shared
