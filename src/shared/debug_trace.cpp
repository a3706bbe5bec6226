#include "shared/debug_trace.h"

#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <memory>

#include "platform/debug_trace/debug_trace.h"

namespace Kova::TesselApi::Shared {

namespace {

constexpr int kStampLength = 20;          // "%Y-%m-%d %H:%M:%S "
constexpr int kFrame = kStampLength + 2;  // stamp, line feed, terminator
constexpr int kStackLine = 1024;

void WriteStamp(char* out) {
    const std::tm local = Platform::LocalTime(std::time(nullptr));
    std::strftime(out, kStampLength + 1, "%Y-%m-%d %H:%M:%S ", &local);
}

}  // namespace

void DebugTrace(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length > 0) {
        const int size = length + kFrame;
        char stackLine[kStackLine];
        std::unique_ptr<char[]> heapLine;
        char* line = stackLine;
        if (size > kStackLine) {
            heapLine = std::make_unique<char[]>(size);
            line = heapLine.get();
        }
        WriteStamp(line);
        std::vsnprintf(line + kStampLength, size - kStampLength, format, args);
        line[kStampLength + length] = '\n';
        line[kStampLength + length + 1] = '\0';
        Platform::WriteDebugLine(line);
    }
    va_end(args);
}

}  // namespace Kova::TesselApi::Shared
