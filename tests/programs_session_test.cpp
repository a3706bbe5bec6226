// Programs, files and the function list on the stand-in controller, through the exported functions.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "support/open_context.h"
#include "support/transfer_session.h"

using namespace KovaTest;

namespace {

class ProgramsSession : public TransferSession {};

struct Description {
    std::string name;
    std::vector<uint32_t> types;
};

void RecordDescription(void* user, const char* name, uint32_t nameLength, uint32_t, const char*, uint32_t, uint32_t,
                       uint32_t count, const uint32_t* types, const char* const*, const uint32_t*) {
    static_cast<std::vector<Description>*>(user)->push_back({{name, nameLength}, {types, types + count}});
}

void RecordName(void* user, const kova_file_info*, const char* name) {
    static_cast<std::vector<std::string>*>(user)->push_back(name);
}

TEST_F(ProgramsSession, TheFunctionListAgreesWithItsParameterQueries) {
    std::vector<std::string> names;
    std::vector<Description> descriptions;
    ASSERT_EQ(kova_GetBasicFunctionNames3(context, RecordText, &names), 0u);
    ASSERT_EQ(kova_GetBasicFunctionInfos3(context, RecordDescription, &descriptions), 0u);
    ASSERT_FALSE(names.empty());
    ASSERT_EQ(descriptions.size(), names.size());
    for (const Description& d : descriptions) {
        uint32_t count = 0;
        ASSERT_EQ(kova_GetBasicFunctionParamCount(context, d.name.c_str(), &count), 0u) << d.name;
        EXPECT_EQ(count, d.types.size()) << d.name;
        for (uint32_t i = 0; i < count; ++i) {
            uint32_t type = 0;
            EXPECT_EQ(kova_GetBasicFunctionParamType(context, d.name.c_str(), i, &type), 0u) << d.name;
            EXPECT_EQ(type, d.types[i]) << d.name << " " << i;
        }
    }
}

TEST_F(ProgramsSession, AnUploadedProgramIsListedWithTheCrcOfItsText) {
    const std::string text = "' E2E\r\nVR(1)=1\r\n";
    const std::string path = Write("e2e.bas", text);
    ASSERT_EQ(kova_UploadFile(context, path.c_str(), "E2E_CRC", 0, 0, nullptr, nullptr), 0u);
    std::vector<std::string> entries;
    ASSERT_EQ(kova_Dir(context, RecordName, &entries), 0u);
    EXPECT_NE(std::find(entries.begin(), entries.end(), "E2E_CRC"), entries.end());
    uint16_t remote = 0, local = 1;
    ASSERT_EQ(kova_GetRemoteFileCRC(context, "E2E_CRC", &remote), 0u);
    ASSERT_EQ(kova_GetLocalFileCRC(context, path.c_str(), false, &local), 0u);
    EXPECT_EQ(remote, local);
    EXPECT_EQ(kova_Delete(context, "E2E_CRC", 0), 0u);
}

struct CompileLine {
    uint32_t type;
    std::string program;
    uint32_t line;
    uint32_t code;
};

void RecordCompile(void* user, uint32_t type, const char* program, uint32_t line, uint32_t code, const char*) {
    static_cast<std::vector<CompileLine>*>(user)->push_back({type, program ? program : "", line, code});
}

struct Running {
    uint32_t process;
    uint32_t line;
    int64_t elapsedMs;
    std::string name;
};

void RecordProcess(void* user, const kova_process_info* info, const char* name) {
    static_cast<std::vector<Running>*>(user)->push_back({info->process, info->line, info->elapsed_ms, name});
}

TEST_F(ProgramsSession, CompileMessagesReachTheCallbackAndTheFirstErrorIsTheResult) {
    const std::string path = Write("broken.bas", "VR(1)=1\r\nVR(2) 3\r\nGOTO away\r\n");
    ASSERT_EQ(kova_UploadFile(context, path.c_str(), "BROKEN", 0, 0, nullptr, nullptr), 0u);
    std::vector<CompileLine> lines;
    EXPECT_EQ(kova_Compile(context, "BROKEN", RecordCompile, &lines), 0x400000000u + 5);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].type, KOVA_COMPILE_COMPILING);
    EXPECT_EQ(lines[1].type, KOVA_COMPILE_ERROR);
    EXPECT_EQ(lines[1].program, "BROKEN");
    EXPECT_EQ(lines[1].line, 2u);
    EXPECT_EQ(lines[3].type, KOVA_COMPILE_LINK_ERROR);
    EXPECT_EQ(lines[3].code, 53u);
    EXPECT_EQ(lines[4].type, KOVA_COMPILE_PASS);
    EXPECT_EQ(kova_Compile(context, "ABSENT", RecordCompile, &lines), 0x400000000u + 27);
    EXPECT_EQ(kova_Delete(context, "BROKEN", 0), 0u);
}

TEST_F(ProgramsSession, AProgramRunsOnItsProcessUntilItIsStopped) {
    const std::string path = Write("counter.bas", "WHILE TRUE\r\n  VR(20)=VR(20)+1\r\n  WA(1)\r\nWEND\r\n");
    ASSERT_EQ(kova_UploadFile(context, path.c_str(), "COUNTER", 0, 0, nullptr, nullptr), 0u);
    uint32_t flags = 0;
    ASSERT_EQ(kova_FileExists(context, "COUNTER", &flags), 0u);
    EXPECT_NE(flags, 0u);
    ASSERT_EQ(kova_RunProgram3(context, "COUNTER", 5), 0u);
    double counted = 0;
    for (int i = 0; i < 200 && counted < 5; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ASSERT_EQ(kova_GetVrValue(context, 20, &counted), 0u);
    }
    EXPECT_GE(counted, 5);
    std::vector<Running> processes;
    ASSERT_EQ(kova_GetProcessList(context, RecordProcess, &processes), 0u);
    ASSERT_EQ(processes.size(), 1u);
    EXPECT_EQ(processes[0].process, 5u);
    EXPECT_EQ(processes[0].name, "COUNTER");
    EXPECT_GE(processes[0].line, 2u);
    // The program's running time grows while it runs.
    std::vector<Running> later;
    for (int i = 0; i < 200 && (later.empty() || later[0].elapsedMs <= processes[0].elapsedMs); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        later.clear();
        ASSERT_EQ(kova_GetProcessList(context, RecordProcess, &later), 0u);
    }
    ASSERT_EQ(later.size(), 1u);
    EXPECT_GT(later[0].elapsedMs, processes[0].elapsedMs);
    EXPECT_NE(kova_RunProgram3(context, "COUNTER", 5), 0u);   // the process is taken
    ASSERT_EQ(kova_StopProgram3(context, "COUNTER", 5), 0u);
    processes.clear();
    ASSERT_EQ(kova_GetProcessList(context, RecordProcess, &processes), 0u);
    EXPECT_TRUE(processes.empty());
    EXPECT_EQ(kova_Delete(context, "COUNTER", 0), 0u);
}

struct Example {
    const char* name;
    const char* text;
};
constexpr Example kExamples[] = {
#include "example_programs.inc"
};

TEST_F(ProgramsSession, TheExampleProgramsUploadCompileAndMoveTheAxes) {
    for (const Example& example : kExamples) {
        const std::string path = Write(std::string(example.name) + ".bas", example.text);
        ASSERT_EQ(kova_UploadFile(context, path.c_str(), example.name, 0, 0, nullptr, nullptr), 0u) << example.name;
    }
    std::vector<CompileLine> lines;
    ASSERT_EQ(kova_CompileAll(context, RecordCompile, &lines), 0u);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().type, KOVA_COMPILE_PASS);
    ASSERT_EQ(kova_RunProgram2(context, "pick_and_place"), 0u);
    double parts = 0;
    for (int i = 0; i < 1000 && parts < 1; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ASSERT_EQ(kova_GetVrValue(context, 20, &parts), 0u);
    }
    EXPECT_GE(parts, 1);   // a part went from pick to place: both axes moved and were waited for
    ASSERT_EQ(kova_Halt(context), 0u);
    std::vector<Running> processes;
    ASSERT_EQ(kova_GetProcessList(context, RecordProcess, &processes), 0u);
    EXPECT_TRUE(processes.empty());
    EXPECT_EQ(kova_New(context, "ALL"), 0u);
}

}  // namespace
