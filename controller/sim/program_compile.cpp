// The compiler side of Programs: COMPILE and COMPILE_ALL with their message lines.
#include <cstdio>

#include "sim/programs.h"

namespace Simulator {
namespace {

struct ErrorText {
    int number;
    std::string_view text;
};
constexpr ErrorText kErrorTexts[] = {
#define KOVA_CONTROLLER_ERROR(number, identifier, message) {number, message},
#include "kova/controller_errors.def"
#undef KOVA_CONTROLLER_ERROR
};

std::string_view TextOf(int number) {
    for (const ErrorText& error : kErrorTexts)
        if (error.number == number) return error.text;
    return "Error";
}

std::string_view KindWord(Language::CompileMessage::Kind kind) {
    switch (kind) {
    case Language::CompileMessage::Kind::Warning: return "COMPILEW";
    case Language::CompileMessage::Kind::Link: return "LINK";
    case Language::CompileMessage::Kind::Error: break;
    }
    return "COMPILE";
}

}  // namespace

bool Programs::UpToDate(const StoredFile& file) const {
    const auto found = compiled_.find(Key(file.name));
    return found != compiled_.end() && found->second.bytes == file.bytes && found->second.program->Runnable();
}

// Compiles the file unless it compiled as it stands already; adds its messages to `reply`.
std::shared_ptr<const Language::Program> Programs::CompileFile(const StoredFile& file, std::string& reply) {
    const std::string name = Key(file.name);
    Compiled& compiled = compiled_[name];
    if (!compiled.program || compiled.bytes != file.bytes) {
        auto program = std::make_shared<Language::Program>();
        Language::Compile(c_, std::string(file.bytes.begin(), file.bytes.end()), *program);
        compiled = {std::move(program), file.bytes};
    }
    Report(name, *compiled.program, reply);
    return compiled.program;
}

// "Compiling NAME", its compile messages, "Linking NAME", its link messages.
void Programs::Report(std::string_view name, const Language::Program& program, std::string& reply) const {
    const auto add = [&](bool link) {
        for (const Language::CompileMessage& message : program.messages) {
            if ((message.kind == Language::CompileMessage::Kind::Link) != link) continue;
            char place[48];
            std::snprintf(place, sizeof place, ":%d] (%d) - ", message.line, message.number);
            reply.append("%[").append(KindWord(message.kind)).append(" Line ").append(name).append(place);
            reply.append(TextOf(message.number)).append("\r\n");
        }
    };
    reply.append("Compiling ").append(name).append("\r\n");
    add(false);
    reply.append("Linking ").append(name).append("\r\n");
    add(true);
}

int Programs::CompileLocked(std::string_view name, std::string& reply) {
    if (name.empty()) name = selected_;
    if (name.empty()) return Errors::kNO_PROGRAM_SELECTED;
    const std::optional<StoredFile> file = FindProgram(name);
    if (!file) return Errors::kPROGRAM_NOT_FOUND;
    const bool runnable = CompileFile(*file, reply)->Runnable();
    reply.append(runnable ? "Pass=1\r\n" : "Pass=0\r\n");
    return 0;
}

int Programs::CompileAllLocked(std::string& reply) {
    int passed = 0;
    for (const StoredFileInfo& info : files_.List()) {
        if (info.destination != Destination::Ram || info.type != kBasicFileType) continue;
        if (const std::optional<StoredFile> file = files_.Find(Destination::Ram, info.name))
            passed += CompileFile(*file, reply)->Runnable() ? 1 : 0;
    }
    reply.append("Pass=").append(std::to_string(passed)).append("\r\n");
    return 0;
}

int Programs::Compile(std::string_view name, std::string& reply) {
    std::lock_guard lock(c_.Mutex());
    return CompileLocked(name, reply);
}

int Programs::CompileAll(std::string& reply) {
    std::lock_guard lock(c_.Mutex());
    return CompileAllLocked(reply);
}

}  // namespace Simulator
