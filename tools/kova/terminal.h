// What the tool needs to know about where its output goes.
#pragma once

#include <cstdio>

namespace KovaTool {

// True when the stream is an interactive terminal (progress bars, colours, in-place refresh).
bool IsTerminal(std::FILE* stream);

// Lets escape sequences through to the console (Windows 10 and later; nothing elsewhere).
void EnableEscapeSequences(std::FILE* stream);

// Set by Ctrl-C once WatchForInterrupt ran: long-running commands end cleanly instead of dying.
bool Interrupted();
void WatchForInterrupt();

}  // namespace KovaTool
