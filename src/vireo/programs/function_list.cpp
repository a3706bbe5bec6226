// The controller's built-in functions, listed with FUNCTION_LIST: names and descriptions through
// the line parsers, a parameter count or type from a short reply.
#include <exception>
#include <string>

#include "shared/language/basic_data_type.h"
#include "shared/language/function_list_parsers.h"
#include "shared/reply/reply_parsers.h"
#include "vireo/command_line/command_line.h"
#include "vireo/command_line/line_format.h"
#include "vireo/connection_vireo.h"

namespace Kova::TesselApi::Vireo {

namespace {

constexpr std::uint32_t kNamesMode = 1;
constexpr std::uint32_t kInfosMode = 0;
constexpr std::uint32_t kParamReplySize = 32;
// A parameter reply this short holds no answer.
constexpr std::uint32_t kShortestParamReply = 3;
// What follows the type word in a parameter-type reply.
constexpr std::uint32_t kLineEndLength = 2;

// Runs a listing line whose text is built by makeLine; a text that cannot be built is a capacity
// failure, not a fault of the library.
template <class MakeLine>
Result RunListing(MakeLine&& makeLine, CommandLine::ReplyParser& parser) {
    std::string line;
    try {
        line = makeLine();
    } catch (const std::exception&) {
        return Shared::Error(Shared::CapacityExceeded);
    }
    return CommandLine::ExecuteFeeding(line, parser);
}

}  // namespace

Result Connection_Vireo::GetBasicFunctionParamCount(std::string_view name, std::uint32_t& count) {
    char reply[kParamReplySize];
    std::uint32_t size = sizeof reply;
    const Result result = CommandLine::ExecuteInto(CommandLine::FunctionParamCountLine(name), reply, size);
    if (result != Shared::kSuccess) return result;
    if (size < kShortestParamReply) return Shared::Error(Shared::Fail);
    return Shared::ParseUnsigned(reply, reply + size, count, 10);
}

Result Connection_Vireo::GetBasicFunctionParamType(std::string_view name, std::uint32_t index, std::uint32_t& type) {
    char reply[kParamReplySize];
    std::uint32_t size = sizeof reply;
    const Result result = CommandLine::ExecuteInto(CommandLine::FunctionParamTypeLine(name, index), reply, size);
    if (result != Shared::kSuccess) return result;
    if (size < kShortestParamReply) {
        type = KOVA_BASIC_UNKNOWN;
        return Shared::kSuccess;
    }
    type = Shared::BasicDataTypeOf(std::string_view(reply, size - kLineEndLength));
    return (type & KOVA_BASIC_UNKNOWN) ? Shared::Error(Shared::Fail) : Shared::kSuccess;
}

Result Connection_Vireo::GetBasicFunctionNames6(const StringSink& sink, std::string_view filter, std::uint32_t first,
                                                std::uint32_t second) {
    Shared::FunctionNameReplyParser parser(sink);
    return RunListing([&] { return CommandLine::FunctionListLine(kNamesMode, filter, first, second); }, parser);
}

Result Connection_Vireo::GetBasicFunctionNames4(const StringSink& sink, std::string_view filter) {
    return GetBasicFunctionNames6(sink, filter, 0, 0);
}

Result Connection_Vireo::GetBasicFunctionNames3(const StringSink& sink) {
    Shared::FunctionNameReplyParser parser(sink);
    return CommandLine::ExecuteFeeding(CommandLine::kFunctionNames, parser);
}

Result Connection_Vireo::GetBasicFunctionInfos6(const FunctionInfoSink& sink, std::string_view filter,
                                                std::uint32_t first, std::uint32_t second) {
    Shared::FunctionInfoReplyParser parser(sink);
    return RunListing([&] { return CommandLine::FunctionListLine(kInfosMode, filter, first, second); }, parser);
}

Result Connection_Vireo::GetBasicFunctionInfos4(const FunctionInfoSink& sink, std::string_view filter) {
    return GetBasicFunctionInfos6(sink, filter, 0, 0);
}

Result Connection_Vireo::GetBasicFunctionInfos3(const FunctionInfoSink& sink) {
    Shared::FunctionInfoReplyParser parser(sink);
    return CommandLine::ExecuteFeeding(CommandLine::kFunctionInfos, parser);
}

}  // namespace Kova::TesselApi::Vireo
