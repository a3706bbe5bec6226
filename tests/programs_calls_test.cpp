// What the program, file, process, compile and function-list exports hand to vireo_api_x64 and
// how they read its answers, against the recording double.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "support/open_context.h"
#include "support/recording_session.h"

using namespace KovaTest;

namespace {

using Calls = std::vector<std::string>;

constexpr kova_result kFail = 0x100000001;
constexpr kova_result kOutOfRange = 0x100000017;
constexpr kova_result kBadResponse = 0x810000000b;

struct Message {
    uint32_t type;
    std::string program;   // "null" for a null pointer
    uint32_t line;
    uint32_t code;
    std::string text;
    bool operator==(const Message&) const = default;
};

std::string TextOf(const char* text) { return text ? text : "null"; }

void RecordMessage(void* user, uint32_t type, const char* program, uint32_t line, uint32_t code, const char* text) {
    static_cast<std::vector<Message>*>(user)->push_back({type, TextOf(program), line, code, TextOf(text)});
}

void RecordEntry(void* user, const kova_file_info* info, const char* name) {
    static_cast<std::vector<std::string>*>(user)->push_back(std::string(name) + ":" + std::to_string(info->size));
}

void RecordProcess(void* user, const kova_process_info* info, const char* name) {
    static_cast<std::vector<std::string>*>(user)->push_back(std::string(name) + ":" +
                                                            std::to_string(info->elapsed_ms));
}

struct Info {
    std::string name;
    uint32_t index;
    std::string word;
    uint32_t returnType;
    std::vector<uint32_t> types;
    std::vector<std::string> names;
    bool operator==(const Info&) const = default;
};

void RecordInfo(void* user, const char* name, uint32_t nameLength, uint32_t index, const char* word,
                uint32_t wordLength, uint32_t returnType, uint32_t count, const uint32_t* types,
                const char* const* names, const uint32_t* nameLengths) {
    Info info{{name, nameLength}, index, {word, wordLength}, returnType, {types, types + count}, {}};
    for (uint32_t i = 0; i < count; ++i) info.names.emplace_back(names[i], nameLengths[i]);
    static_cast<std::vector<Info>*>(user)->push_back(info);
}

class ProgramCalls : public OpenWithRecordingLibrary {};

TEST_F(ProgramCalls, RunStopAndTheStoreCallOneFunctionWithTheName) {
    EXPECT_EQ(kova_RunProgram3(context, "MAIN", 4), 0u);
    EXPECT_EQ(kova_RunProgram2(context, "AUX"), 0u);
    EXPECT_EQ(kova_StopProgram3(context, "MAIN", 4), 0u);
    EXPECT_EQ(kova_StopProgram2(context, "MAIN"), 0u);
    EXPECT_EQ(kova_New(context, "NEWPROG"), 0u);
    EXPECT_EQ(kova_Select(context, "NEWPROG", 7), 0u);
    EXPECT_EQ(kova_Delete(context, "OLD", 3), 0u);
    EXPECT_EQ(kova_ClearVariables(context), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_run_program"), (Calls{"MAIN, 4", "AUX, -1"}));
    EXPECT_EQ(library.CallsOf("vireo_api_stop_program"), (Calls{"MAIN, 4", "MAIN, -1"}));
    EXPECT_EQ(library.CallsOf("vireo_api_program_new"), Calls{"NEWPROG"});
    EXPECT_EQ(library.CallsOf("vireo_api_program_select"), Calls{"NEWPROG, 7"});
    EXPECT_EQ(library.CallsOf("vireo_api_program_delete"), Calls{"OLD, 3"});
    EXPECT_EQ(library.CallsOf("vireo_api_clear"), Calls{""});
}

TEST_F(ProgramCalls, RunAndStopReadStatusesTheStoreReadsControllerErrors) {
    library.Answer("vireo_api_run_program", 5);
    library.Answer("vireo_api_stop_program", -2);
    library.Answer("vireo_api_program_new", 5);
    library.Answer("vireo_api_program_select", -3);
    EXPECT_EQ(kova_RunProgram3(context, "MAIN", 1), kLowLevelError);
    EXPECT_EQ(kova_StopProgram2(context, "MAIN"), kNotSupported);
    EXPECT_EQ(kova_New(context, "MAIN"), 0x400000005u);
    EXPECT_EQ(kova_Select(context, "MAIN", 0), kLowLevelError);
    library.Remove("vireo_api_program_delete");
    EXPECT_EQ(kova_Delete(context, "MAIN", 0), kNotSupported);
}

TEST_F(ProgramCalls, FileExistsStoresTheFlagsOnlyOnSuccess) {
    library.word = 0x15;
    uint32_t flags = 0;
    EXPECT_EQ(kova_FileExists(context, "MAIN", &flags), 0u);
    EXPECT_EQ(flags, 0x15u);
    library.Answer("vireo_api_is_file", 1);
    flags = 9;
    EXPECT_EQ(kova_FileExists(context, "MAIN", &flags), kLowLevelError);
    EXPECT_EQ(flags, 9u);
    EXPECT_EQ(library.CallsOf("vireo_api_is_file"), (Calls{"MAIN, ptr", "MAIN, ptr"}));
}

TEST_F(ProgramCalls, RemoteCrcAsksTheControllerAndReadsADecimalReply) {
    struct Row {
        const char* reply;
        kova_result result;
        uint16_t crc;
    };
    const Row rows[] = {{"123\r\n", 0, 123}, {"70000", kOutOfRange, 0}, {"crc?", kBadArgument, 0}};
    for (const Row& row : rows) {
        library.reply = row.reply;
        uint16_t crc = 77;
        EXPECT_EQ(kova_GetRemoteFileCRC(context, "MYPROG", &crc), row.result) << row.reply;
        EXPECT_EQ(crc, row.crc) << row.reply;
    }
    EXPECT_EQ(library.CallsOf("vireo_api_execute2").front(), "!MYPROG,z, ptr, 64, ptr");
    library.Answer("vireo_api_execute2", 12);
    uint16_t crc = 77;
    EXPECT_EQ(kova_GetRemoteFileCRC(context, "MYPROG", &crc), 0x40000000cu);
    EXPECT_EQ(crc, 0u);
}

TEST_F(ProgramCalls, CompileDeliversEveryMessageAndAnswersTheFirstError) {
    library.reply =
        "Compiling MAIN\r\n%[COMPILEW Line MAIN:2] (3) - unused\r\n%[COMPILE Line MAIN:12] (1005) - Syntax error\r\n"
        "%[COMPILE Line MAIN:13] (1006) - later\r\nPass=1\r\n";
    std::vector<Message> messages;
    EXPECT_EQ(kova_Compile(context, "MAIN", RecordMessage, &messages), 0x4000003EDu);
    const std::vector<Message> expected = {
        {KOVA_COMPILE_COMPILING, "MAIN", 0, 0, "null"}, {KOVA_COMPILE_WARNING, "MAIN", 2, 3, "unused"},
        {KOVA_COMPILE_ERROR, "MAIN", 12, 1005, "Syntax error"}, {KOVA_COMPILE_ERROR, "MAIN", 13, 1006, "later"},
        {KOVA_COMPILE_PASS, "null", 0, 0, "null"},
    };
    EXPECT_EQ(messages, expected);
    EXPECT_EQ(library.CallsOf("vireo_api_program_compile_with_callback"), (Calls{"MAIN, ptr, ptr"}));

    library.reply = "Compiling A\n%[COMPILE Line A:1] (2) - e\n";
    EXPECT_EQ(kova_CompileAll(context, nullptr, nullptr), 0x400000002u);
    EXPECT_EQ(library.CallsOf("vireo_api_program_compile_all_with_callback"), (Calls{"ptr, ptr"}));
    EXPECT_TRUE(library.CallsOf("vireo_api_execute_with_callback").empty());
}

TEST_F(ProgramCalls, CompileFallsBackToTheCommandLineThenToNotSupported) {
    library.Remove("vireo_api_program_compile_with_callback");
    library.Remove("vireo_api_program_compile_all_with_callback");
    library.reply = "Compiling MAIN\n";
    std::vector<Message> messages;
    EXPECT_EQ(kova_Compile(context, "MAIN", RecordMessage, &messages), 0u);
    EXPECT_EQ(kova_CompileAll(context, RecordMessage, &messages), 0u);
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(library.CallsOf("vireo_api_execute_with_callback"),
              (Calls{"COMPILE \"MAIN\", ptr, ptr", "COMPILE_ALL, ptr, ptr"}));

    library.Answer("vireo_api_execute_with_callback", 31);
    library.reply = "%[COMPILE Line MAIN:1] (2) - e\n";
    EXPECT_EQ(kova_Compile(context, "MAIN", nullptr, nullptr), 0x40000001fu);
    library.Remove("vireo_api_execute_with_callback");
    EXPECT_EQ(kova_Compile(context, "MAIN", nullptr, nullptr), kNotSupported);
    EXPECT_EQ(kova_CompileAll(context, nullptr, nullptr), kNotSupported);
}

TEST_F(ProgramCalls, DirAndProcessListAskForTheirListingsAndReadThem) {
    library.reply = "Name,Size\r\nMAIN,1200,45,3,0,7\r\nOK\r\n";
    std::vector<std::string> entries;
    EXPECT_EQ(kova_Dir(context, RecordEntry, &entries), 0u);
    EXPECT_EQ(entries, Calls{"MAIN:1200"});
    EXPECT_EQ(library.CallsOf("vireo_api_dir"), Calls{"B, ptr, 2048, ptr"});

    library.reply = "1,1,MAIN,3,0.0:0:1.5,*,BASIC\n2,1,SYS,0,0.0:0:0,*,SYSTEM\nOK\n";
    std::vector<std::string> processes;
    EXPECT_EQ(kova_GetProcessList(context, RecordProcess, &processes), 0u);
    EXPECT_EQ(processes, Calls{"MAIN:1500"});
    EXPECT_EQ(library.CallsOf("vireo_api_process"), Calls{"X1, ptr, 2048, ptr"});

    library.reply = "heading\nTABLE,1,1,1,1,1\n";
    EXPECT_EQ(kova_Dir(context, RecordEntry, &entries), kBadResponse);
    library.Answer("vireo_api_dir", 8);
    library.Answer("vireo_api_process", 8);
    EXPECT_EQ(kova_Dir(context, RecordEntry, &entries), 0x400000008u);
    EXPECT_EQ(kova_GetProcessList(context, RecordProcess, &processes), kLowLevelError);
}

class FunctionListCalls : public OpenWithRecordingLibrary {};

TEST_F(FunctionListCalls, ListingsSendTheirExactLines) {
    std::vector<std::string> names;
    std::vector<Info> infos;
    EXPECT_EQ(kova_GetBasicFunctionNames3(context, RecordText, &names), 0u);
    EXPECT_EQ(kova_GetBasicFunctionNames4(context, RecordText, &names, "MO"), 0u);
    EXPECT_EQ(kova_GetBasicFunctionNames6(context, RecordText, &names, nullptr, 0, 0), 0u);
    EXPECT_EQ(kova_GetBasicFunctionNames6(context, RecordText, &names, "A", 5, 0), 0u);
    EXPECT_EQ(kova_GetBasicFunctionNames6(context, RecordText, &names, "A", 0, 9), 0u);
    EXPECT_EQ(kova_GetBasicFunctionInfos3(context, RecordInfo, &infos), 0u);
    EXPECT_EQ(kova_GetBasicFunctionInfos4(context, RecordInfo, &infos, "MO"), 0u);
    EXPECT_EQ(kova_GetBasicFunctionInfos6(context, RecordInfo, &infos, "MO", 4294967295u, 1), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_execute_with_callback"),
              (Calls{"FUNCTION_LIST(1), ptr, ptr", "FUNCTION_LIST(1,\"MO\"), ptr, ptr",
                     "FUNCTION_LIST(1,\"\"), ptr, ptr", "FUNCTION_LIST(1,\"A\",5), ptr, ptr",
                     "FUNCTION_LIST(1,\"A\",0,9), ptr, ptr", "FUNCTION_LIST, ptr, ptr",
                     "FUNCTION_LIST(0,\"MO\"), ptr, ptr", "FUNCTION_LIST(0,\"MO\",4294967295,1), ptr, ptr"}));
}

TEST_F(FunctionListCalls, ListingsHandEachNameAndDescriptionToTheCaller) {
    library.reply = "ABS\r\nTICKS\r\n\r\n";
    std::vector<std::string> names;
    EXPECT_EQ(kova_GetBasicFunctionNames3(context, RecordText, &names), 0u);
    EXPECT_EQ(names, (Calls{"ABS", "TICKS"}));

    library.reply = "ABS[3]:MATH(X:FLOAT):FLOAT\r\nnot a description\r\nMOVE[9]:AX(D:FLOAT(),N:INTEGER):NONE\r\n"
                    "SETV[4]:IO(V:STRING,N:INTEGER):BOOLEAN\r\n";
    std::vector<Info> infos;
    EXPECT_EQ(kova_GetBasicFunctionInfos3(context, RecordInfo, &infos), 0u);
    const std::vector<Info> expected = {
        {"ABS", 3, "MATH", KOVA_BASIC_FLOAT, {KOVA_BASIC_FLOAT}, {"X"}},
        {"SETV", 4, "IO", KOVA_BASIC_BOOLEAN, {KOVA_BASIC_STRING, KOVA_BASIC_INTEGER}, {"V", "N"}},
    };
    EXPECT_EQ(infos, expected);

    library.Answer("vireo_api_execute_with_callback", 77);
    EXPECT_EQ(kova_GetBasicFunctionInfos3(context, nullptr, nullptr), 0x40000004du);
    library.Remove("vireo_api_execute_with_callback");
    EXPECT_EQ(kova_GetBasicFunctionNames3(context, RecordText, &names), kNotSupported);
}

TEST_F(FunctionListCalls, ParameterCountAndTypeReadShortReplies) {
    uint32_t count = 99;
    library.reply = "3\r\n";
    EXPECT_EQ(kova_GetBasicFunctionParamCount(context, "ABS", &count), 0u);
    EXPECT_EQ(count, 3u);
    library.reply = "3\n";
    EXPECT_EQ(kova_GetBasicFunctionParamCount(context, "ABS", &count), kFail);
    library.reply = "x\r\n";
    EXPECT_EQ(kova_GetBasicFunctionParamCount(context, "ABS", &count), kBadArgument);
    library.reply = "99999999999\r\n";
    EXPECT_EQ(kova_GetBasicFunctionParamCount(context, "ABS", &count), kOutOfRange);

    struct Row {
        const char* reply;
        kova_result result;
        uint32_t type;
    };
    const Row rows[] = {{"BOOLEAN()\r\n", 0, 34 + 512}, {"FLOAT\r\n", 0, 16}, {"WIDGET\r\n", kFail, 1024},
                        {"", 0, 1024}, {"X\n", 0, 1024}};
    for (const Row& row : rows) {
        library.reply = row.reply;
        uint32_t type = 7;
        EXPECT_EQ(kova_GetBasicFunctionParamType(context, "ABS", 2, &type), row.result) << row.reply;
        EXPECT_EQ(type, row.type) << row.reply;
    }
    const Calls sent = library.CallsOf("vireo_api_execute2");
    EXPECT_EQ(sent.front(), "FUNCTION_LIST(\"ABS\"), ptr, 32, ptr");
    EXPECT_EQ(sent.back(), "FUNCTION_LIST(\"ABS\",2), ptr, 32, ptr");
    library.Answer("vireo_api_execute2", 3);
    EXPECT_EQ(kova_GetBasicFunctionParamType(context, "ABS", 0, nullptr), kBadArgument);
    EXPECT_EQ(kova_GetBasicFunctionParamCount(context, "ABS", nullptr), kBadArgument);
    EXPECT_EQ(kova_GetBasicFunctionParamCount(context, "ABS", &count), 0x400000003u);
}

}  // namespace
