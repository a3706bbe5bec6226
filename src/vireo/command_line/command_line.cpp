#include "vireo/command_line/command_line.h"

#include <cstring>

#include "shared/reply/buffer_base.h"
#include "shared/reply/reply_parsers.h"
#include "vireo/binding/conventions.h"
#include "vireo/binding/low_level.h"
#include "vireo/command_line/line_format.h"

namespace Kova::TesselApi::Vireo::CommandLine {

using Shared::Error;
using Shared::Result;

namespace {

// Room the library may use behind the text.
constexpr std::uint32_t kCommandSlack = 17;

// A caller's text made NUL-terminated for the library; long commands go to the heap.
class TerminatedText {
public:
    explicit TerminatedText(std::string_view text) {
        buffer_.Reserve(static_cast<std::uint32_t>(text.size()) + kCommandSlack);
        if (!text.empty()) std::memcpy(buffer_.Data(), text.data(), text.size());
        buffer_.SetLength(static_cast<std::uint32_t>(text.size()));
    }
    const char* c_str() const { return buffer_.Data(); }

private:
    Shared::BufferBase<char, 1024, 32> buffer_;
};

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
