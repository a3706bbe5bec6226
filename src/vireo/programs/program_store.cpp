// The program store and single files: each operation is one library call on a terminated copy of
// the name, or the one command line of the remote CRC.
#include <cstdint>

#include "shared/reply/reply_parsers.h"
#include "vireo/binding/conventions.h"
#include "vireo/binding/low_level.h"
#include "vireo/command_line/command_line.h"
#include "vireo/command_line/line_format.h"
#include "vireo/command_line/terminated_text.h"
#include "vireo/connection_vireo.h"

namespace Kova::TesselApi::Vireo {

using CommandLine::TerminatedText;

namespace {

// Lets the controller choose the process.
constexpr std::uint32_t kAnyProcess = 0xFFFFFFFF;
constexpr std::uint32_t kCrcReplySize = 64;

}  // namespace

Result Connection_Vireo::RunProgram3(std::string_view name, std::uint32_t process) {
    const TerminatedText program(name);
    return StatusConvention(
        Invoke(LowLevel().vireo_api_run_program, program.c_str(), static_cast<std::int32_t>(process)));
}

Result Connection_Vireo::RunProgram2(std::string_view name) { return RunProgram3(name, kAnyProcess); }

Result Connection_Vireo::StopProgram3(std::string_view name, std::uint32_t process) {
    const TerminatedText program(name);
    return StatusConvention(
        Invoke(LowLevel().vireo_api_stop_program, program.c_str(), static_cast<std::int32_t>(process)));
}

Result Connection_Vireo::StopProgram2(std::string_view name) { return StopProgram3(name, kAnyProcess); }

Result Connection_Vireo::New(std::string_view name) {
    const TerminatedText program(name);
    return CommandConvention(Invoke(LowLevel().vireo_api_program_new, program.c_str()));
}

Result Connection_Vireo::Select(std::string_view name, std::uint32_t number) {
    const TerminatedText program(name);
    return CommandConvention(Invoke(LowLevel().vireo_api_program_select, program.c_str(), number));
}

Result Connection_Vireo::Delete(std::string_view name, std::uint8_t type) {
    const TerminatedText file(name);
    return CommandConvention(Invoke(LowLevel().vireo_api_program_delete, file.c_str(), type));
}

Result Connection_Vireo::FileExists(std::string_view name, std::uint32_t& flags) {
    const TerminatedText file(name);
    std::uint32_t found = 0;
    const Result result = StatusConvention(Invoke(LowLevel().vireo_api_is_file, file.c_str(), &found));
    if (result == Shared::kSuccess) flags = found;
    return result;
}

Result Connection_Vireo::GetRemoteFileCRC(std::string_view name, std::uint16_t& crc) {
    crc = 0;
    char reply[kCrcReplySize];
    std::uint32_t size = sizeof reply;
    Result result = CommandLine::ExecuteInto(CommandLine::RemoteCrcLine(name), reply, size);
    std::uint64_t value = 0;
    if (result == Shared::kSuccess) result = Shared::ParseUnsigned(reply, reply + size, value, 10);
    if (result == Shared::kSuccess && value > UINT16_MAX) result = Shared::Error(Shared::OutOfRange);
    if (result == Shared::kSuccess) crc = static_cast<std::uint16_t>(value);
    return result;
}

}  // namespace Kova::TesselApi::Vireo
