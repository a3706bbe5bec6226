// kova exec and kova shell: command lines of the controller's language.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>

#include "../failures.h"
#include "../line_reader.h"
#include "../terminal.h"
#include "../tool.h"

namespace KovaTool {

namespace {

// Runs one command line and prints the controller's reply as it is.
void Execute(kova_context context, const std::string& line) {
    std::string reply;
    const kova_result result = kova_ExecuteWithResponse4c(context, line.c_str(), AppendText, &reply);
    std::fputs(reply.c_str(), stdout);
    std::fflush(stdout);
    Check(result, line);
}

std::string Trimmed(const std::string& line) {
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

struct ShellOptions {
    std::string script;
    bool echo = false;
    bool keepGoing = false;
};

// Each line is a command line for the controller, a tool command after a dot (".upload x.bas"),
// a comment after "#", or ".quit". A script stops at its first failure unless told to keep going.
int Shell(Tool& tool, const ShellOptions& options) {
    std::ifstream file;
    if (!options.script.empty()) {
        file.open(options.script);
        if (!file) throw UsageError("cannot read " + options.script);
    }
    const bool interactive = options.script.empty() && IsTerminal(stdin);
    LineReader reader(options.script.empty() ? std::cin : file, interactive);
    int status = 0;
    for (std::string raw; reader.Next("kova> ", raw);) {
        const std::string line = Trimmed(raw);
        if (line.empty()) continue;
        if (options.echo) std::printf("%s%s\n", line.front() == '#' ? "" : "> ", line.c_str());
        if (line.front() == '#') continue;
        if (line == ".quit" || line == ".exit") break;
        if (line.front() == '.') {
            status = RunCommand(tool, line.substr(1));
        } else {
            try {
                Execute(tool.Context(), line);
                status = 0;
            } catch (const ModuleError& e) {
                std::fprintf(stderr, "kova: %s\n", e.what());
                status = 1;
            }
        }
        if (status != 0 && !interactive && !options.keepGoing) return status;
    }
    return interactive ? 0 : status;
}

}  // namespace

void AddLineCommands(CLI::App& app, Tool& tool) {
    auto* exec = app.add_subcommand("exec", "Send command lines and print the replies");
    auto lines = std::make_shared<std::vector<std::string>>();
    exec->add_option("LINE", *lines, "A command line, e.g. \"PRINT VR(1)\"")->required();
    exec->callback([&tool, lines] {
        for (const std::string& line : *lines) Execute(tool.Context(), line);
    });

    auto* shell = app.add_subcommand("shell", "Run command lines interactively, from a script or from standard input");
    auto options = std::make_shared<ShellOptions>();
    shell->add_option("SCRIPT", options->script, "A file of lines to run (default: standard input)");
    shell->add_flag("--echo", options->echo, "Print each line before its reply");
    shell->add_flag("--keep-going", options->keepGoing, "Go on after a failing line of a script");
    shell->callback([&tool, options] {
        const int status = Shell(tool, *options);
        if (status != 0) throw CLI::RuntimeError(status);
    });
}

}  // namespace KovaTool
