#include "line_reader.h"

#include <cstdio>
#include <cstdlib>

#ifdef KOVA_TOOL_LINE_EDITING
#include <editline/readline.h>
#endif

namespace KovaTool {

bool LineReader::Next(const char* prompt, std::string& line) {
#ifdef KOVA_TOOL_LINE_EDITING
    if (interactive_) {
        char* read = readline(prompt);
        if (!read) return false;
        line = read;
        std::free(read);
        if (!line.empty()) add_history(line.c_str());
        return true;
    }
#endif
    if (interactive_) {
        std::fputs(prompt, stdout);
        std::fflush(stdout);
    }
    return static_cast<bool>(std::getline(input_, line));
}

}  // namespace KovaTool
