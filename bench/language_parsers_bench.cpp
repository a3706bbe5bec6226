// What the compile and function-list parsers cost per line, next to the bare pattern search that
// is the heart of each: the difference is line splitting, field reading and the callback.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "shared/language/compile_reply_parser.h"
#include "shared/language/function_list_parsers.h"

namespace {

using namespace Kova::TesselApi::Shared;

constexpr int kLines = 1000;
constexpr std::uint32_t kPiece = 256;   // a typical piece a library delivers

// The compiler's output for a project: progress lines and messages of every kind.
std::vector<std::string> CompileLines() {
    std::vector<std::string> lines;
    for (int i = 0; lines.size() < kLines; ++i) {
        const std::string program = "PROG" + std::to_string(i % 17);
        lines.push_back("Compiling " + program);
        lines.push_back("%[COMPILEW Line " + program + ":" + std::to_string(i) + "] (1201) - Variable never used");
        lines.push_back("%[COMPILE Line " + program + ":" + std::to_string(i + 3) + "] (1005) - Syntax error");
        lines.push_back("Pass=" + std::to_string(i % 3 + 1));
    }
    return lines;
}

std::vector<std::string> InfoLines() {
    std::vector<std::string> lines;
    for (int i = 0; lines.size() < kLines; ++i) {
        lines.push_back("MOVE" + std::to_string(i) + "[" + std::to_string(i) +
                        "]:MOTION(DIST:FLOAT,AXIS:INTEGER,WAIT:BOOLEAN):NONE");
        lines.push_back("ABS" + std::to_string(i) + "[" + std::to_string(i) + "]:MATH(X:FLOAT):FLOAT");
        lines.push_back("TICKS" + std::to_string(i) + "[" + std::to_string(i) + "]:SYS():INTEGER");
    }
    return lines;
}

std::string Reply(const std::vector<std::string>& lines) {
    std::string reply;
    for (const std::string& line : lines) reply += line + "\r\n";
    return reply + "\r\n";
}

template <class Parser>
void Feed(Parser& parser, const std::string& reply) {
    for (std::size_t at = 0; at < reply.size(); at += kPiece) {
        std::uint32_t consumed = 0;
        const std::string_view part = std::string_view(reply).substr(at, kPiece);
        parser.Feed(part.data(), static_cast<std::uint32_t>(part.size()), consumed);
    }
}

void RawSearch(benchmark::State& state, const std::vector<std::string>& lines, const char* pattern) {
    const std::regex compiled(pattern, std::regex::ECMAScript);
    std::cmatch match;
    for (auto _ : state) {
        for (const std::string& line : lines) {
            benchmark::DoNotOptimize(std::regex_search(line.data(), line.data() + line.size(), match, compiled));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
}

void CompileLinesParsed(benchmark::State& state) {
    const std::vector<std::string> lines = CompileLines();
    const std::string reply = Reply(lines);
    std::uint64_t delivered = 0;
    for (auto _ : state) {
        CompileReplyParser parser([&](std::uint32_t, std::string_view, std::uint32_t, std::uint32_t,
                                      std::string_view) { ++delivered; });
        Feed(parser, reply);
        benchmark::DoNotOptimize(parser.FirstError());
    }
    benchmark::DoNotOptimize(delivered);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
}
BENCHMARK(CompileLinesParsed);

void CompileLinesRawSearch(benchmark::State& state) {
    RawSearch(state, CompileLines(), R"(%\[(\w+) Line (\w+):(\d+)\] \((\d+)\) - (.*))");
}
BENCHMARK(CompileLinesRawSearch);

void FunctionInfoLinesParsed(benchmark::State& state) {
    const std::vector<std::string> lines = InfoLines();
    const std::string reply = Reply(lines);
    std::uint64_t delivered = 0;
    for (auto _ : state) {
        FunctionInfoReplyParser parser([&](std::string_view, std::uint32_t, std::string_view, std::uint32_t,
                                           std::uint32_t count, const std::uint32_t*,
                                           const std::string_view*) { delivered += count; });
        Feed(parser, reply);
    }
    benchmark::DoNotOptimize(delivered);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
}
BENCHMARK(FunctionInfoLinesParsed);

void FunctionInfoLinesRawSearch(benchmark::State& state) {
    RawSearch(state, InfoLines(), R"((\w+)\[(\d+)\]:(\w+)\(((\w+):(\w+)(?:,(\w+):(\w+))*)?\):(\w+))");
}
BENCHMARK(FunctionInfoLinesRawSearch);

}  // namespace
