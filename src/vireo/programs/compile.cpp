// Compiling one program or all of them: through the library's compile function when it has one,
// else through the command line; the reply lines go to the compile parser either way.
#include "shared/language/compile_reply_parser.h"
#include "vireo/binding/conventions.h"
#include "vireo/binding/low_level.h"
#include "vireo/command_line/command_line.h"
#include "vireo/command_line/line_format.h"
#include "vireo/command_line/terminated_text.h"
#include "vireo/connection_vireo.h"

namespace Kova::TesselApi::Vireo {

namespace {

// The library's answer, and when it accepted the compile, the first error among the messages.
Result CompileResult(Result sent, const Shared::CompileReplyParser& parser) {
    return sent == Shared::kSuccess ? parser.FirstError() : sent;
}

}  // namespace

Result Connection_Vireo::Compile(std::string_view name, const CompileSink& sink) {
    Shared::CompileReplyParser parser(sink);
    const LowLevelTable& library = LowLevel();
    if (Has(library.vireo_api_program_compile_with_callback)) {
        const CommandLine::TerminatedText program(name);
        return CompileResult(CommandConvention(Invoke(library.vireo_api_program_compile_with_callback,
                                                      program.c_str(), &CommandLine::FeedReplyChunk, &parser)),
                             parser);
    }
    return CompileResult(CommandLine::ExecuteFeeding(CommandLine::CompileLine(name), parser), parser);
}

Result Connection_Vireo::CompileAll(const CompileSink& sink) {
    Shared::CompileReplyParser parser(sink);
    const LowLevelTable& library = LowLevel();
    if (Has(library.vireo_api_program_compile_all_with_callback)) {
        return CompileResult(CommandConvention(Invoke(library.vireo_api_program_compile_all_with_callback,
                                                      &CommandLine::FeedReplyChunk, &parser)),
                             parser);
    }
    return CompileResult(CommandLine::ExecuteFeeding(CommandLine::kCompileAll, parser), parser);
}

}  // namespace Kova::TesselApi::Vireo
