#include "vireo/command_line/command_line.h"

#include "shared/reply/reply_parsers.h"
#include "vireo/binding/conventions.h"
#include "vireo/binding/low_level.h"
#include "vireo/command_line/line_format.h"
#include "vireo/command_line/terminated_text.h"

namespace Kova::TesselApi::Vireo::CommandLine {

using Shared::Error;
using Shared::Result;

namespace {

void DeliverPiece(void* user, const char* data, std::uint32_t length) {
    if (data && length) (*static_cast<const Shared::StringSink*>(user))(std::string_view(data, length));
}

Result QueryNumber(std::string_view command, char* buffer, std::uint32_t size, double& value) {
    const Result sent = ExecuteInto(command, buffer, size);
    if (sent != Shared::kSuccess) return sent;
    return Shared::ParseDouble(buffer, buffer + size, value);
}

}  // namespace

Result Execute(std::string_view command) {
    const TerminatedText text(command);
    return CommandConvention(Invoke(LowLevel().vireo_api_execute, text.c_str()));
}

Result ExecuteInto(std::string_view command, char* buffer, std::uint32_t& size) {
    const TerminatedText text(command);
    std::uint32_t written = 0;
    const Result result = CommandConvention(Invoke(LowLevel().vireo_api_execute2, text.c_str(), buffer, size, &written));
    if (result == Shared::kSuccess) size = written;
    return result;
}

Result ExecuteInPieces(std::string_view command, const Shared::StringSink& piece) {
    const TerminatedText text(command);
    return CommandConvention(Invoke(LowLevel().vireo_api_execute_with_callback, text.c_str(), &DeliverPiece,
                                    const_cast<Shared::StringSink*>(&piece)));
}

void FeedReplyChunk(void* parser, const char* data, std::uint32_t length) {
    std::uint32_t consumed = 0;
    static_cast<ReplyParser*>(parser)->Feed(data, length, consumed);
}

Result ExecuteFeeding(std::string_view command, ReplyParser& parser) {
    const TerminatedText text(command);
    return CommandConvention(Invoke(LowLevel().vireo_api_execute_with_callback, text.c_str(), &FeedReplyChunk, &parser));
}

Result QueryValue(std::string_view name, char* buffer, std::uint32_t& size) {
    if (name.empty()) return Error(Shared::BadArgument);
    return ExecuteInto(QueryLine(name), buffer, size);
}

Result QueryModified(std::string_view name, std::string_view modifier, std::int32_t index, char* buffer,
                     std::uint32_t& size) {
    if (name.empty() || modifier.empty()) return Error(Shared::BadArgument);
    return ExecuteInto(ModifiedQueryLine(name, modifier, index), buffer, size);
}

Result QueryIndexed(std::string_view name, std::int32_t index, double& value) {
    char reply[128];
    return QueryNumber(IndexedQueryLine(name, index), reply, sizeof reply, value);
}

Result QueryPrint(std::string_view name, double& value) {
    char reply[256];
    return QueryNumber(PrintLine(name), reply, sizeof reply, value);
}

}  // namespace Kova::TesselApi::Vireo::CommandLine
