// kova: the module's command-line client. Every command goes through the module's exports.
#include "terminal.h"
#include "tool.h"

int main(int argc, char** argv) {
    KovaTool::EnableEscapeSequences(stdout);
    KovaTool::EnableEscapeSequences(stderr);
    KovaTool::Tool tool;
    return KovaTool::RunCommand(tool, argc, argv);
}
