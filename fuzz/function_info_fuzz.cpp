// The function description parser, fed in pieces of any size: the same descriptions as when fed
// whole, names and types that agree in number, and only type values the type words can give.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "shared/language/function_list_parsers.h"

namespace {

using namespace Kova::TesselApi::Shared;

struct Description {
    std::string name, word;
    std::uint32_t index, returnType;
    std::vector<std::uint32_t> types;
    std::vector<std::string> names;
    bool operator==(const Description&) const = default;
};

bool Valid(std::uint32_t type) {
    const std::uint32_t base = type & ~static_cast<std::uint32_t>(KOVA_BASIC_ARRAY);
    switch (base) {
    case KOVA_BASIC_NONE: return type == base;
    case KOVA_BASIC_STRING: case KOVA_BASIC_FLOAT: case KOVA_BASIC_INTEGER: case KOVA_BASIC_BOOLEAN:
    case KOVA_BASIC_TARGET: case KOVA_BASIC_TARGETJ: case KOVA_BASIC_TARGETE: case KOVA_BASIC_UNKNOWN:
        return true;
    default: return false;
    }
}

std::vector<Description> Parse(std::string_view reply, std::size_t piece) {
    std::vector<Description> found;
    FunctionInfoReplyParser parser([&](std::string_view name, std::uint32_t index, std::string_view word,
                                       std::uint32_t returnType, std::uint32_t count, const std::uint32_t* types,
                                       const std::string_view* names) {
        Description d{std::string(name), std::string(word), index, returnType, {types, types + count}, {}};
        for (std::uint32_t i = 0; i < count; ++i) d.names.emplace_back(names[i]);
        found.push_back(d);
    });
    for (std::size_t at = 0; at < reply.size() && !parser.Finished(); at += piece) {
        const std::string_view part = reply.substr(at, piece);
        std::uint32_t consumed = 0;
        if (parser.Feed(part.data(), static_cast<std::uint32_t>(part.size()), consumed) != kSuccess) std::abort();
    }
    return found;
}

}  // namespace

// First byte: the piece size; the rest: the reply.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t piece = data[0] % 64 + 1;
    const std::string_view reply(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::vector<Description> whole = Parse(reply, reply.size() + 1);
    if (whole != Parse(reply, piece)) std::abort();
    for (const Description& d : whole) {
        if (d.name.empty() || d.word.empty() || !Valid(d.returnType) || (d.returnType & KOVA_BASIC_ARRAY)) std::abort();
        for (std::size_t i = 0; i < d.types.size(); ++i) {
            if (!Valid(d.types[i]) || d.names[i].empty()) std::abort();
        }
    }
    return 0;
}
