// kova dir, ps, compile, run, stop, errors, functions and project: programs and what the controller reports.
#include <CLI/CLI.hpp>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <memory>

#include "../failures.h"
#include "../terminal.h"
#include "../tool.h"

namespace KovaTool {

namespace {

struct Listing {
    Json::Array json;
    std::string plain;
};

void Dir(Tool& tool) {
    Listing listing;
    const auto entry = [](void* user, const kova_file_info* info, const char* name) {
        auto& out = *static_cast<Listing*>(user);
        char line[256];
        std::snprintf(line, sizeof line, "%-32s %4" PRIu32 " %8" PRIu32 " %6" PRIu32 " %8s\n", name, info->type,
                      info->size, info->lines,
                      info->process == 0xFFFFFFFFu ? "-" : std::to_string(info->process).c_str());
        out.plain += line;
        out.json.emplace_back(Json::Object{{"name", name},
                                           {"type", info->type},
                                           {"size", info->size},
                                           {"lines", info->lines},
                                           {"process", info->process == 0xFFFFFFFFu ? Json() : Json(info->process)},
                                           {"attributes", info->attributes}});
    };
    Check(kova_Dir(tool.Context(), entry, &listing), "list the programs");
    tool.Print(listing.json, "NAME                             TYPE     SIZE  LINES  PROCESS\n" + listing.plain);
}

void Processes(Tool& tool) {
    Listing listing;
    const auto process = [](void* user, const kova_process_info* info, const char* name) {
        auto& out = *static_cast<Listing*>(user);
        char line[256];
        std::snprintf(line, sizeof line, "%4" PRIu32 " %-32s %6" PRIu32 " %10.3f s %s\n", info->process, name,
                      info->line, info->elapsed_ms / 1000.0,
                      std::isnan(info->load) ? "-" : std::to_string(info->load).c_str());
        out.plain += line;
        out.json.emplace_back(Json::Object{{"process", info->process},
                                           {"name", name},
                                           {"priority", info->priority},
                                           {"line", info->line},
                                           {"elapsed_ms", info->elapsed_ms},
                                           {"load", info->load}});
    };
    Check(kova_GetProcessList(tool.Context(), process, &listing), "list the processes");
    tool.Print(listing.json, "PROC NAME                               LINE      ELAPSED LOAD\n" + listing.plain);
}

struct Compilation {
    bool colour;
    Json::Array json;
};

// Messages in the shape editors and terminals recognise: NAME:line: error: text (code).
void CompileMessage(void* user, uint32_t type, const char* program, uint32_t line, uint32_t code, const char* text) {
    auto& out = *static_cast<Compilation*>(user);
    static const char* const kKinds[] = {"message", "compiling", "linking", "pass", "error", "warning", "link error"};
    const char* kind = type < std::size(kKinds) ? kKinds[type] : "message";
    out.json.emplace_back(Json::Object{{"kind", kind},
                                       {"program", program ? Json(program) : Json()},
                                       {"line", line},
                                       {"code", code},
                                       {"text", text ? Json(text) : Json()}});
    const bool problem = type == KOVA_COMPILE_ERROR || type == KOVA_COMPILE_WARNING || type == KOVA_COMPILE_LINK_ERROR;
    if (type == KOVA_COMPILE_PASS) return;  // the end of the messages, nothing to tell
    if (!problem) {
        std::printf("%s %s\n", kind, program ? program : (text ? text : ""));
        return;
    }
    const char* colour = !out.colour ? "" : type == KOVA_COMPILE_WARNING ? "\x1b[35m" : "\x1b[31m";
    std::printf("%s:%" PRIu32 ": %s%s%s: %s (%" PRIu32 ")\n", program ? program : "", line, colour, kind,
                out.colour ? "\x1b[0m" : "", text ? text : "", code);
}

void Compile(Tool& tool, const std::string& name) {
    Compilation compilation{IsTerminal(stdout) && !tool.json, {}};
    const kova_result result = name.empty()
                                   ? kova_CompileAll(tool.Context(), CompileMessage, &compilation)
                                   : kova_Compile(tool.Context(), name.c_str(), CompileMessage, &compilation);
    if (tool.json) std::printf("%s\n", Json(compilation.json).Text().c_str());
    Check(result, name.empty() ? "compile all programs" : "compile " + name);
}

void Errors(Tool& tool) {
    Listing listing;
    const auto error = [](void* user, const kova_error_info* info) {
        auto& out = *static_cast<Listing*>(user);
        std::string title;
        std::string description;
        kova_GetErrorInfoString(info, KOVA_ERROR_TEXT_TITLE, AppendText, &title);
        kova_GetErrorInfoString(info, KOVA_ERROR_TEXT_DESCRIPTION, AppendText, &description);
        out.plain += title + (description.empty() ? "" : ": " + description) + "\n";
        out.json.emplace_back(Json::Object{{"kind", info->kind},
                                           {"axis", info->axis},
                                           {"slot", info->slot},
                                           {"title", title},
                                           {"description", description}});
    };
    Check(kova_EnumErrors(tool.Context(), error, &listing, 0), "read the controller's errors");
    tool.Print(listing.json, listing.plain.empty() ? "no errors\n" : listing.plain);
}

void Functions(Tool& tool, const std::string& filter) {
    Listing listing;
    const auto name = [](void* user, const char* text, uint32_t length) {
        auto& out = *static_cast<Listing*>(user);
        out.plain.append(text, length).append("\n");
        out.json.emplace_back(std::string(text, length));
    };
    Check(kova_GetBasicFunctionNames4(tool.Context(), name, &listing, filter.empty() ? nullptr : filter.c_str()),
          "list the functions");
    tool.Print(listing.json, listing.plain);
}

struct ProgramOptions {
    std::string name;
    std::int64_t process = -1;  // the controller chooses
};

void AddRunStop(CLI::App& app, Tool& tool, const char* verb, bool run) {
    auto* command = app.add_subcommand(verb, run ? "Run a program" : "Stop a program");
    auto options = std::make_shared<ProgramOptions>();
    command->add_option("NAME", options->name, "The program")->required();
    command->add_option("--proc", options->process, "On this process")->check(CLI::Range(0, 0x7FFFFFFF));
    command->callback([&tool, options, run, verb] {
        const auto process = options->process < 0 ? 0xFFFFFFFFu : static_cast<std::uint32_t>(options->process);
        const kova_context context = tool.Context();
        Check(run ? kova_RunProgram3(context, options->name.c_str(), process)
                  : kova_StopProgram3(context, options->name.c_str(), process),
              std::string(verb) + " " + options->name);
    });
}

}  // namespace

void AddProgramCommands(CLI::App& app, Tool& tool) {
    app.add_subcommand("dir", "List the controller's programs and files")->callback([&tool] { Dir(tool); });
    app.add_subcommand("ps", "List the processes that run programs")->callback([&tool] { Processes(tool); });
    app.add_subcommand("errors", "The controller's current errors with their texts")->callback([&tool] { Errors(tool); });

    auto* compile = app.add_subcommand("compile", "Compile a program, or all of them");
    auto compiling = std::make_shared<std::pair<std::string, bool>>();
    auto* program = compile->add_option("NAME", compiling->first, "The program");
    compile->add_flag("--all", compiling->second, "Compile every program")->excludes(program);
    compile->callback([&tool, compiling] {
        if (compiling->first.empty() && !compiling->second) throw UsageError("compile needs a NAME or --all");
        Compile(tool, compiling->first);
    });

    AddRunStop(app, tool, "run", true);
    AddRunStop(app, tool, "stop", false);

    auto* functions = app.add_subcommand("functions", "The controller's built-in functions");
    auto filter = std::make_shared<std::string>();
    functions->add_option("FILTER", *filter, "Only names this filter selects");
    functions->callback([&tool, filter] { Functions(tool, *filter); });

    auto* project = app.add_subcommand("project", "Projects");
    auto file = std::make_shared<std::string>();
    auto* load = project->add_subcommand("load", "Put a project file's programs and files on the controller");
    load->add_option("FILE", *file, "The project file")->required();
    load->callback([&tool, file] { Check(kova_LoadProject(tool.Context(), file->c_str(), nullptr, nullptr), "load " + *file); });
    project->require_subcommand(1);
}

}  // namespace KovaTool
