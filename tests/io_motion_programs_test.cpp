// The controller operation families at the exported boundary: the handle is judged first, then the
// output pointers the export writes through; everything else reaches the connection. Here it is not
// open: operations the library serves fail as the closed library answers, the others are not
// offered yet.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/open_context.h"

namespace {

using namespace KovaTest;

// Counts every call of any of the caller's callbacks.
int g_callbacks = 0;
void OnText(void*, const char*, uint32_t) { ++g_callbacks; }
void OnDir(void*, const kova_file_info*, const char*) { ++g_callbacks; }
void OnProcess(void*, const kova_process_info*, const char*) { ++g_callbacks; }
void OnCompile(void*, uint32_t, const char*, uint32_t, uint32_t, const char*) { ++g_callbacks; }
void OnUpdate(void*, uint32_t, float, const char*) { ++g_callbacks; }
bool OnKey(void*, const char*) {
    ++g_callbacks;
    return true;
}

// What the stand-in library answers while no controller is open.
constexpr kova_result kClosed = kLowLevelError;

struct Case {
    const char* name;
    std::function<kova_result(kova_context)> call;
    kova_result answer = kNotSupported;
};

class ControllerFamilies : public OpenContext {
protected:
    void SetUp() override {
        OpenContext::SetUp();
        g_callbacks = 0;
    }
};

// Calls with every pointer the export writes through present.
std::vector<Case> CompleteCalls() {
    static double value;
    static bool flag;
    static uint32_t word;
    static int32_t number;
    static uint16_t crc;
    static char buffer[16];
    static uint32_t size;
    static const int32_t axes[] = {0, 1, 4};
    size = sizeof buffer;
    return {
        {"GetVrValue", [](kova_context c) { return kova_GetVrValue(c, 10, &value); }, kClosed},
        {"GetVrBit", [](kova_context c) { return kova_GetVrBit(c, 3, 100, &flag); }, kClosed},
        {"GetVrString4a", [](kova_context c) { return kova_GetVrString4a(c, 10, buffer, &size); }, kClosed},
        {"GetVrString4c", [](kova_context c) { return kova_GetVrString4c(c, 10, OnText, nullptr); }, kClosed},
        {"GetDIn4", [](kova_context c) { return kova_GetDIn4(c, 0, 31, &word); }, kClosed},
        {"ScopeOn7", [](kova_context c) { return kova_ScopeOn7(c, 0, "MPOS AXIS(0)", 0, 999, axes, 3); }},
        {"MoveAbs", [](kova_context c) { return kova_MoveAbs(c, 100.0, 2); }, kClosed},
        {"SetMultiAxisBase", [](kova_context c) { return kova_SetMultiAxisBase(c, axes, 3); }, kClosed},
        {"PSwitchMulti", [](kova_context c) { return kova_PSwitchMulti(c); }},
        {"SetFrameGroup", [](kova_context c) { return kova_SetFrameGroup(c, 1, 0, axes, 3); }},
        {"GetFrameGroup5", [](kova_context c) { return kova_GetFrameGroup5(c, 1, &number, nullptr, &size); }},
        {"RunProgram2", [](kova_context c) { return kova_RunProgram2(c, "MYPROG"); }, kClosed},
        {"Dir", [](kova_context c) { return kova_Dir(c, OnDir, nullptr); }, kClosed},
        {"Compile", [](kova_context c) { return kova_Compile(c, "MYPROG", OnCompile, nullptr); }, kClosed},
        {"GetProcessList", [](kova_context c) { return kova_GetProcessList(c, OnProcess, nullptr); }, kClosed},
        {"FileExists", [](kova_context c) { return kova_FileExists(c, "MYPROG", &word); }, kClosed},
        {"GetRemoteFileCRC", [](kova_context c) { return kova_GetRemoteFileCRC(c, "MYPROG", &crc); }, kClosed},
        {"LoadProject", [](kova_context c) { return kova_LoadProject(c, "project.xml", OnKey, nullptr); }},
        {"ProjectKeyRegistryList", [](kova_context c) { return kova_ProjectKeyRegistryList(c, OnText, nullptr); }},
        {"LockController", [](kova_context c) { return kova_LockController(c, 9999999); }},
        {"SystemUpdate", [](kova_context c) { return kova_SystemUpdate(c, "firmware.bin", OnUpdate, nullptr); }},
    };
}

// Calls that leave out a pointer the export itself writes or calls through.
std::vector<Case> MissingOutputs() {
    static int32_t number;
    static uint32_t word;
    static char buffer[16];
    return {
        {"GetVrValue", [](kova_context c) { return kova_GetVrValue(c, 10, nullptr); }},
        {"GetVrBit", [](kova_context c) { return kova_GetVrBit(c, 3, 100, nullptr); }},
        {"GetVrStringLen", [](kova_context c) { return kova_GetVrStringLen(c, 10, nullptr); }},
        {"GetVrString4a", [](kova_context c) { return kova_GetVrString4a(c, 10, buffer, nullptr); }},
        {"GetDIn3", [](kova_context c) { return kova_GetDIn3(c, 0, nullptr); }},
        {"GetInvertIN", [](kova_context c) { return kova_GetInvertIN(c, 0, nullptr); }},
        {"GetFrameGroup5 value", [](kova_context c) { return kova_GetFrameGroup5(c, 1, nullptr, nullptr, &word); }},
        {"GetFrameGroup count", [](kova_context c) { return kova_GetFrameGroup(c, 1, &number, nullptr); }},
        {"FileExists", [](kova_context c) { return kova_FileExists(c, "MYPROG", nullptr); }},
        {"GetRemoteFileCRC", [](kova_context c) { return kova_GetRemoteFileCRC(c, "MYPROG", nullptr); }},
        {"GetLocalFileCRC", [](kova_context c) { return kova_GetLocalFileCRC(c, "prog.bas", true, nullptr); }},
        {"Dir without callback", [](kova_context c) { return kova_Dir(c, nullptr, nullptr); }},
        {"GetProcessList without callback", [](kova_context c) { return kova_GetProcessList(c, nullptr, nullptr); }},
    };
}

// Callbacks and texts the operation judges for itself: at the boundary they pass, empty or null.
std::vector<Case> HandedDown() {
    return {
        {"GetVrString4b without callback", [](kova_context c) { return kova_GetVrString4b(c, 0, nullptr, nullptr); },
         kBadArgument},
        {"GetVrString4c without callback", [](kova_context c) { return kova_GetVrString4c(c, 0, nullptr, nullptr); },
         kBadArgument},
        {"CompileAll without callback", [](kova_context c) { return kova_CompileAll(c, nullptr, nullptr); }, kClosed},
        {"LoadProject without key callback",
         [](kova_context c) { return kova_LoadProject(c, nullptr, nullptr, nullptr); }},
        {"ProjectKey without key", [](kova_context c) { return kova_ProjectKey(c, nullptr, 0); }},
        {"SetVrString without text", [](kova_context c) { return kova_SetVrString(c, 10, nullptr); }, kClosed},
        {"ScopeOn6 without array", [](kova_context c) { return kova_ScopeOn6(c, 10, 0, 999, nullptr, 0); }},
        {"MoveAbsMulti without values", [](kova_context c) { return kova_MoveAbsMulti(c, nullptr, 0, 0); }, kClosed},
    };
}

TEST_F(ControllerFamilies, RefuseAMissingOutputPointer) {
    for (const Case& c : MissingOutputs()) EXPECT_EQ(c.call(context), kBadArgument) << c.name;
}

TEST_F(ControllerFamilies, AnswerWithoutCallingBack) {
    for (const Case& c : CompleteCalls()) EXPECT_EQ(c.call(context), c.answer) << c.name;
    EXPECT_EQ(g_callbacks, 0);
}

TEST_F(ControllerFamilies, HandNullCallbacksTextsAndArraysDownToTheOperation) {
    for (const Case& c : HandedDown()) EXPECT_EQ(c.call(context), c.answer) << c.name;
}

}  // namespace
