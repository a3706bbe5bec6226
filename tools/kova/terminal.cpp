#include "terminal.h"

#include <atomic>
#include <csignal>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace KovaTool {

namespace {
std::atomic<bool> interrupted{false};
extern "C" void OnInterrupt(int) { interrupted = true; }
}  // namespace

bool IsTerminal(std::FILE* stream) {
#ifdef _WIN32
    return _isatty(_fileno(stream)) != 0;
#else
    return isatty(fileno(stream)) != 0;
#endif
}

void EnableEscapeSequences([[maybe_unused]] std::FILE* stream) {
#ifdef _WIN32
    HANDLE console = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (GetConsoleMode(console, &mode)) SetConsoleMode(console, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
#endif
}

bool Interrupted() { return interrupted; }

void WatchForInterrupt() { std::signal(SIGINT, OnInterrupt); }

}  // namespace KovaTool
