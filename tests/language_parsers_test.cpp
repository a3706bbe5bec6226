// The compiler's messages and the function list as an editor receives them, from replies that come
// in pieces of any size.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "shared/language/basic_data_type.h"
#include "shared/language/compile_reply_parser.h"
#include "shared/language/function_list_parsers.h"

namespace {

using namespace Kova::TesselApi::Shared;

struct Message {
    std::uint32_t type;
    std::string program;
    std::uint32_t line;
    std::uint32_t code;
    std::string text;
    bool operator==(const Message&) const = default;
};

struct Info {
    std::string name;
    std::uint32_t index;
    std::string word;
    std::uint32_t returnType;
    std::vector<std::uint32_t> types;
    std::vector<std::string> names;
    bool operator==(const Info&) const = default;
};

// The reply fed in pieces of `piece` bytes, as the library may cut it.
void FeedAll(ByLineReplyParser<512>& parser, std::string_view reply, std::size_t piece) {
    for (std::size_t at = 0; at < reply.size(); at += piece) {
        const std::string_view part = reply.substr(at, piece);
        std::uint32_t consumed = 0;
        ASSERT_EQ(parser.Feed(part.data(), static_cast<std::uint32_t>(part.size()), consumed), kSuccess);
        if (parser.Finished()) return;
    }
}

struct Compiled {
    std::vector<Message> messages;
    Result firstError;
};

Compiled Compile(std::string_view reply, std::size_t piece = 3) {
    Compiled compiled;
    CompileReplyParser parser([&](std::uint32_t type, std::string_view program, std::uint32_t line,
                                  std::uint32_t code, std::string_view text) {
        compiled.messages.push_back({type, std::string(program), line, code, std::string(text)});
    });
    FeedAll(parser, reply, piece);
    compiled.firstError = parser.FirstError();
    return compiled;
}

std::vector<Info> Infos(std::string_view reply, std::size_t piece = 7) {
    std::vector<Info> infos;
    FunctionInfoReplyParser parser([&](std::string_view name, std::uint32_t index, std::string_view word,
                                       std::uint32_t returnType, std::uint32_t count, const std::uint32_t* types,
                                       const std::string_view* names) {
        Info info{std::string(name), index, std::string(word), returnType, {types, types + count}, {}};
        for (std::uint32_t i = 0; i < count; ++i) info.names.emplace_back(names[i]);
        infos.push_back(info);
    });
    FeedAll(parser, reply, piece);
    return infos;
}

TEST(CompileReplyParser, TypesEveryKindOfLineAndPassesOverTheRest) {
    const Compiled compiled = Compile(
        "Compiling MAIN\r\n"
        "%[COMPILEW Line MAIN:4] (3) - Variable never used\r\n"
        "%[COMPILE Line MAIN:12] (1005) - Syntax error\r\n"
        "Linking MAIN\n"
        "Pass=2\n"
        "%[RUN Line MAIN:3] (7) - text\n"
        "Compiling \n"
        "Pass=\n"
        "compiling MAIN\n"
        "  %[LINK Line LIB_2:x] (99999999999) - at the end: - [] ()\n");
    const std::vector<Message> expected = {
        {KOVA_COMPILE_COMPILING, "MAIN", 0, 0, ""},
        {KOVA_COMPILE_WARNING, "MAIN", 4, 3, "Variable never used"},
        {KOVA_COMPILE_ERROR, "MAIN", 12, 1005, "Syntax error"},
        {KOVA_COMPILE_LINKING, "MAIN", 0, 0, ""},
        {KOVA_COMPILE_PASS, "", 0, 0, ""},
        {KOVA_COMPILE_MESSAGE, "MAIN", 3, 7, "text"},
    };
    EXPECT_EQ(compiled.messages, expected);
    EXPECT_EQ(compiled.firstError, 0x4000003EDu);
}

TEST(CompileReplyParser, OnlyTheFirstErrorDecidesAndEveryLaterMessageIsStillDelivered) {
    const Compiled compiled = Compile(
        "%[COMPILEW Line A:1] (5) - w\n"
        "%[LINK Line A:2] (40) - first\n"
        "%[COMPILE Line A:3] (41) - second\n"
        "%[LINK Line A:4] (42) - third\n");
    ASSERT_EQ(compiled.messages.size(), 4u);
    EXPECT_EQ(compiled.messages[1].type, static_cast<std::uint32_t>(KOVA_COMPILE_LINK_ERROR));
    EXPECT_EQ(compiled.firstError, 0x400000028u);
    EXPECT_EQ(Compile("%[COMPILEW Line A:1] (5) - w\n%[X Line A:1] (6) - t\n").firstError, kSuccess);
}

TEST(CompileReplyParser, NumbersThatDoNotFitReadAsZeroAndLongTextsStayWhole) {
    const std::string text(3000, 'x');
    const Compiled compiled = Compile("%[COMPILE Line MAIN:99999999999] (4294967296) - " + text + "\n", 512);
    ASSERT_EQ(compiled.messages.size(), 1u);
    EXPECT_EQ(compiled.messages[0].line, 0u);
    EXPECT_EQ(compiled.messages[0].code, 0u);
    EXPECT_EQ(compiled.messages[0].text, text);
    EXPECT_EQ(compiled.firstError, 0x400000000u);
}

TEST(CompileReplyParser, WithoutASinkStillKeepsTheFirstError) {
    CompileReplyParser parser{CompileSink()};
    FeedAll(parser, "%[COMPILE Line MAIN:1] (9) - x\n", 4);
    EXPECT_EQ(parser.FirstError(), 0x400000009u);
}

TEST(FunctionInfoReplyParser, ReadsNameIndexWordTypesAndParameters) {
    const std::vector<Info> infos = Infos(
        "ABS[3]:MATH(X:FLOAT):FLOAT\r\n"
        "TICKS[7]:SYS():INTEGER\r\n"
        "listing: MOVE[12]:AXIS(DIST:FLOAT,AX:INTEGER,ON:BOOLEAN,W:WIDGET):NONE and more\n");
    const std::vector<Info> expected = {
        {"ABS", 3, "MATH", KOVA_BASIC_FLOAT, {KOVA_BASIC_FLOAT}, {"X"}},
        {"TICKS", 7, "SYS", KOVA_BASIC_INTEGER, {}, {}},
        {"MOVE", 12, "AXIS", KOVA_BASIC_NONE,
         {KOVA_BASIC_FLOAT, KOVA_BASIC_INTEGER, KOVA_BASIC_BOOLEAN, KOVA_BASIC_UNKNOWN}, {"DIST", "AX", "ON", "W"}},
    };
    EXPECT_EQ(infos, expected);
}

TEST(FunctionInfoReplyParser, DropsLinesWithoutADescription) {
    const std::vector<Info> infos = Infos(
        "F[1]:W(A:FLOAT, B:FLOAT):FLOAT\n"
        "F[99999999999]:W():FLOAT\n"
        "F[1]W():FLOAT\n"
        "G[2]:W(A:STRING()):FLOAT\n"
        "H[4]:W(A:STRING,B:FLOAT):INTEGER\n");
    ASSERT_EQ(infos.size(), 1u);
    EXPECT_EQ(infos[0], (Info{"H", 4, "W", KOVA_BASIC_INTEGER, {KOVA_BASIC_STRING, KOVA_BASIC_FLOAT}, {"A", "B"}}));
}

TEST(FunctionNameReplyParser, HandsOnEachLineWholeUntilTheReplyEnds) {
    std::vector<std::string> names;
    FunctionNameReplyParser parser([&](std::string_view name) { names.emplace_back(name); });
    FeedAll(parser, std::string_view("ABS\r\nMOVE ABS\nTICKS\n\nAFTER\n", 27), 2);
    EXPECT_EQ(names, (std::vector<std::string>{"ABS", "MOVE ABS", "TICKS"}));
}

TEST(BasicDataType, KnowsTheControllersWordsExactly) {
    struct Row {
        const char* word;
        std::uint32_t type;
    };
    // Suffixes and case are exact: anything else is unknown, keeping its array mark.
    const Row rows[] = {{"BOOLEAN()", 34 + 512}, {"float", 1024}, {"NONE()", 1024 + 512}, {"INTEGER ", 1024}};
    for (const Row& row : rows) EXPECT_EQ(BasicDataTypeOf(row.word), row.type) << row.word;
}

}  // namespace
