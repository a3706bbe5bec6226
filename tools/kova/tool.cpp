#include "tool.h"

#include <CLI/CLI.hpp>
#include <cstdio>

#include "failures.h"

namespace KovaTool {

namespace {

std::unique_ptr<CLI::App> MakeApp(Tool& tool) {
    auto app = std::make_unique<CLI::App>("kova: command and observe a Vireo motion controller", "kova");
    app->set_version_flag("--version", std::string("kova ") + std::to_string(KOVA_VERSION_MAJOR) + "." +
                                           std::to_string(KOVA_VERSION_MINOR) + "." +
                                           std::to_string(KOVA_VERSION_PATCH) + "." +
                                           std::to_string(KOVA_VERSION_BUILD));
    app->add_flag("-v,--verbose", tool.verbose, "Print the connection's events on standard error");
    app->add_flag("--json", tool.json, "Print results as JSON");
    app->allow_windows_style_options(false);  // "/path" is a path, on Windows too
    app->require_subcommand(1);
    app->fallthrough();
    AddInfoCommands(*app, tool);
    AddLineCommands(*app, tool);
    AddValueCommands(*app, tool);
    AddWatchCommand(*app, tool);
    AddFileCommands(*app, tool);
    AddProgramCommands(*app, tool);
    AddEthercatCommand(*app, tool);
    return app;
}

template <typename Parse>
int Run(Tool& tool, Parse parse) {
    const auto app = MakeApp(tool);
    try {
        parse(*app);
        return 0;
    } catch (const CLI::RuntimeError& e) {  // a command that reported its own failures
        return e.get_exit_code();
    } catch (const CLI::ParseError& e) {
        return app->exit(e) == 0 ? 0 : 2;
    } catch (const UsageError& e) {
        std::fprintf(stderr, "kova: %s\n", e.what());
        return 2;
    } catch (const ModuleError& e) {
        std::fprintf(stderr, "kova: %s\n", e.what());
        return 1;
    }
}

}  // namespace

kova_context Tool::Context() {
    if (!session_) session_ = std::make_unique<Session>(verbose);
    return session_->Context();
}

void Tool::Print(const Json& value, const std::string& plain) const {
    if (json)
        std::printf("%s\n", value.Text().c_str());
    else
        std::fputs(plain.c_str(), stdout);
    std::fflush(stdout);
}

int RunCommand(Tool& tool, int argc, const char* const* argv) {
    return Run(tool, [&](CLI::App& app) { app.parse(argc, argv); });
}

int RunCommand(Tool& tool, const std::string& line) {
    const bool json = tool.json;  // a shell line's --json is for that line only
    const int status = Run(tool, [&](CLI::App& app) { app.parse(line, false); });
    tool.json = json;
    return status;
}

}  // namespace KovaTool
