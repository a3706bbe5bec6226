// Command lines of the controller's language through vireo_api_x64, and the queries built on them.
// Every result follows the command convention: a refused line is the controller's error number.
// The texts themselves come from the formatter in line_format.h.
#pragma once

#include <cstdint>
#include <string_view>

#include "shared/callables.h"
#include "shared/reply/by_line_reply_parser.h"
#include "shared/result.h"

namespace Kova::TesselApi::Vireo::CommandLine {

// Runs a line; its reply is dropped.
Shared::Result Execute(std::string_view command);
// Runs a line, the reply into buffer; size: in the buffer's size, out the bytes written.
Shared::Result ExecuteInto(std::string_view command, char* buffer, std::uint32_t& size);
// Runs a line, each non-empty piece of the reply handed to `piece` as the library delivers it.
Shared::Result ExecuteInPieces(std::string_view command, const Shared::StringSink& piece);

using ReplyParser = Shared::ByLineReplyParser<512>;
// The reply-chunk function: each piece the library delivers goes to the line parser given as the
// user pointer. The parser decides where the reply ends; what follows is not read.
void FeedReplyChunk(void* parser, const char* data, std::uint32_t length);
// Runs a line, its reply fed to the parser as the library delivers it.
Shared::Result ExecuteFeeding(std::string_view command, ReplyParser& parser);

// "?name;" into the caller's buffer; size becomes the bytes written.
Shared::Result QueryValue(std::string_view name, char* buffer, std::uint32_t& size);
// "?name modifier(index);", e.g. an axis parameter with the modifier AXIS.
Shared::Result QueryModified(std::string_view name, std::string_view modifier, std::int32_t index, char* buffer,
                             std::uint32_t& size);
// "?name(index);" read as a number.
Shared::Result QueryIndexed(std::string_view name, std::int32_t index, double& value);
// "PRINT name;" read as a number.
Shared::Result QueryPrint(std::string_view name, double& value);

}  // namespace Kova::TesselApi::Vireo::CommandLine
