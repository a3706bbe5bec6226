#include "vireo/command_line/command_line.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "shared/reply/reply_parsers.h"
#include "vireo/binding/conventions.h"
#include "vireo/binding/low_level.h"

namespace Kova::TesselApi::Vireo {

using Shared::Error;
using Shared::Result;

namespace {

// Room the library may use behind the text.
constexpr std::uint32_t kCommandSlack = 17;

void DeliverPiece(void* user, const char* data, std::uint32_t length) {
    if (data && length) (*static_cast<const Shared::StringSink*>(user))(std::string_view(data, length));
}

Result QueryNumber(const std::string& command, char* buffer, std::uint32_t size, double& value) {
    const Result sent = ExecuteInto(command, buffer, size);
    if (sent != Shared::kSuccess) return sent;
    return Shared::ParseDouble(buffer, buffer + size, value);
}

}  // namespace

CommandText::CommandText(std::string_view text) {
    buffer_.Reserve(static_cast<std::uint32_t>(text.size()) + kCommandSlack);
    if (!text.empty()) std::memcpy(buffer_.Data(), text.data(), text.size());
    buffer_.SetLength(static_cast<std::uint32_t>(text.size()));
}

Result Execute(std::string_view command) {
    const CommandText text(command);
    return CommandConvention(Invoke(LowLevel().vireo_api_execute, text.c_str()));
}

Result ExecuteInto(std::string_view command, char* buffer, std::uint32_t& size) {
    const CommandText text(command);
    std::uint32_t written = 0;
    const Result result = CommandConvention(Invoke(LowLevel().vireo_api_execute2, text.c_str(), buffer, size, &written));
    if (result == Shared::kSuccess) size = written;
    return result;
}

Result ExecuteInPieces(std::string_view command, const Shared::StringSink& piece) {
    const CommandText text(command);
    return CommandConvention(Invoke(LowLevel().vireo_api_execute_with_callback, text.c_str(), &DeliverPiece,
                                    const_cast<Shared::StringSink*>(&piece)));
}

Result QueryValue(std::string_view name, char* buffer, std::uint32_t& size) {
    if (name.empty()) return Error(Shared::BadArgument);
    return ExecuteInto("?" + std::string(name) + ";", buffer, size);
}

Result QueryModified(std::string_view name, std::string_view modifier, std::int32_t index, char* buffer,
                     std::uint32_t& size) {
    if (name.empty() || modifier.empty()) return Error(Shared::BadArgument);
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, "(%d);", index);
    return ExecuteInto("?" + std::string(name) + " " + std::string(modifier) + suffix, buffer, size);
}

Result QueryIndexed(std::string_view name, std::int32_t index, double& value) {
    char reply[128];
    return QueryNumber("?" + std::string(name) + "(" + std::to_string(index) + ");", reply, sizeof reply, value);
}

Result QueryPrint(std::string_view name, double& value) {
    char reply[256];
    return QueryNumber("PRINT " + std::string(name) + ";", reply, sizeof reply, value);
}

}  // namespace Kova::TesselApi::Vireo
