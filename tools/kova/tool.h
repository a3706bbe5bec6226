// The state of one run of the tool and the commands it knows.
#pragma once

#include <memory>
#include <string>

#include "json.h"
#include "kova/tesselapi.h"
#include "session.h"

namespace CLI {
class App;
}

namespace KovaTool {

class Tool {
public:
    bool verbose = false;
    bool json = false;

    // The connection, opened on first use and kept for the rest of the run (a whole shell script).
    kova_context Context();

    // Prints a listing or value: its JSON with --json, else the plain text.
    void Print(const Json& json, const std::string& plain) const;

private:
    std::unique_ptr<Session> session_;
};

// Each family of commands adds its subcommands; the callbacks throw ModuleError or UsageError.
void AddInfoCommands(CLI::App& app, Tool& tool);
void AddLineCommands(CLI::App& app, Tool& tool);
void AddValueCommands(CLI::App& app, Tool& tool);
void AddWatchCommand(CLI::App& app, Tool& tool);
void AddFileCommands(CLI::App& app, Tool& tool);
void AddProgramCommands(CLI::App& app, Tool& tool);
void AddEthercatCommand(CLI::App& app, Tool& tool);

// Parses one command (argv of the process, or one tool line of the shell) and runs it.
// The exit status: 0 success, 1 a module or controller error, 2 a usage error.
int RunCommand(Tool& tool, int argc, const char* const* argv);
int RunCommand(Tool& tool, const std::string& line);

}  // namespace KovaTool
