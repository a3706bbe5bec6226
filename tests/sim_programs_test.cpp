// The simulated controller's programs as an application meets them through command lines and the
// library's program functions: the store and its listing, compile messages, and processes that
// share the manual servo clock with the axes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/controller.h"
#include "sim/file_store.h"
#include "sim/motion.h"
#include "sim/programs.h"

namespace {

using Simulator::Controller;
using Simulator::Destination;
using Simulator::Family;
namespace Errors = Simulator::Errors;

class SimProgramMachine : public ::testing::Test {
protected:
    void Upload(const std::string& name, const std::string& text) {
        files.Store({name, Simulator::FileTypeOfName(name), Destination::Ram, {text.begin(), text.end()}});
    }
    int Execute(const std::string& line) { return controller.Execute(line, reply); }
    double Query(const std::string& expression) {
        EXPECT_EQ(Execute("?" + expression + ";"), 0) << expression;
        return std::stod(reply);
    }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) motion.Tick();
    }
    std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        EXPECT_EQ(start, text.size()) << "every line ends in CR LF";
        return lines;
    }

    Controller controller;
    Simulator::MotionEngine motion{controller, Simulator::MotionEngine::Clock::Manual};
    Simulator::FileStore files;
    Simulator::Programs programs{controller, files, motion};
    std::string reply;
};

class SimProgramStore : public SimProgramMachine {};

TEST_F(SimProgramStore, ListsEveryStoredFileByNameWithItsSizeLinesTypeAndState) {
    Upload("Count.bas", "VR(1)=1\r\nVR(2)=2\r\n");
    Upload("notes.txt", "one line");
    ASSERT_EQ(Execute("SELECT \"count\""), 0);
    ASSERT_EQ(Execute("COMPILE"), 0);
    const std::vector<std::string> lines = Lines(programs.Directory());
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], "Count,18,2,4294967295,0,3");   // selected and compiled
    EXPECT_EQ(lines[2], "notes,8,1,4294967295,3,0");
    EXPECT_EQ(lines[3], "OK");
}

TEST_F(SimProgramStore, NewSelectAndDeleteWorkOnProgramsByNameInAnyCase) {
    EXPECT_EQ(Execute("SELECT \"MISSING\""), Errors::kPROGRAM_NOT_FOUND);
    EXPECT_EQ(Execute("NEW \"2bad\""), Errors::kINVALID_PROGRAM_NAME);
    ASSERT_EQ(Execute("NEW \"Fresh\""), 0);
    EXPECT_EQ(programs.FileFlags("FRESH"), Simulator::kFileExists | Simulator::kFileIsProgram);
    ASSERT_EQ(programs.Compile("fresh", reply), 0);
    EXPECT_EQ(programs.FileFlags("fresh") & Simulator::kFileCompiled, Simulator::kFileCompiled);
    EXPECT_EQ(programs.Delete("FRESH", 3), Errors::kPROGRAM_NOT_FOUND);   // no text file of that name
    EXPECT_EQ(programs.Delete("FRESH", 0), 0);
    EXPECT_EQ(programs.FileFlags("fresh"), 0u);
    Upload("a.bas", "");
    Upload("b.txt", "");
    EXPECT_EQ(programs.New("ALL"), 0);
    EXPECT_EQ(files.Count(), 0u);
}

TEST_F(SimProgramStore, RemoteCrcEqualsTheTextCrcWhateverTheLineEnds) {
    Upload("Crlf.bas", "A=1\r\nB=2\r\n");
    Upload("Lf.bas", "A=1\nB=2");
    ASSERT_EQ(Execute("!CRLF,z"), 0);
    const std::string crlf = reply;
    ASSERT_EQ(Execute("!lf,Z"), 0);
    EXPECT_EQ(reply, crlf);
    EXPECT_EQ(std::stoul(reply), Simulator::TextCrc({'A', '=', '1', '\n', 'B', '=', '2', '\n'}));
    EXPECT_EQ(Execute("!NOWHERE,z"), Errors::kPROGRAM_NOT_FOUND);
    EXPECT_EQ(Execute("!CRLF"), Errors::kCOMMAND_NOT_RECOGNISED);
}

class SimCompileMessages : public SimProgramMachine {};

TEST_F(SimCompileMessages, NameEachErrorWithItsLineNumberAndText) {
    Upload("broken.bas", "' a broken program\r\nVR(1) 5\r\nGOSUB nowhere\r\nWEND\r\n");
    ASSERT_EQ(programs.Compile("BROKEN", reply), 0);
    const std::vector<std::string> expected = {
        "Compiling BROKEN",
        "%[COMPILE Line BROKEN:2] (5) - Assignment expected",
        "%[COMPILE Line BROKEN:4] (41) - WEND without previous WHILE",
        "Linking BROKEN",
        "%[LINK Line BROKEN:3] (53) - Label not found",
        "Pass=0",
    };
    EXPECT_EQ(Lines(reply), expected);
}

TEST_F(SimCompileMessages, CompileAllCountsTheProgramsThatPass) {
    Upload("good.bas", "VR(1)=1\r\n");
    Upload("bad.bas", "ENDIF\r\n");
    Upload("readme.txt", "not a program");
    ASSERT_EQ(Execute("COMPILE_ALL"), 0);
    const std::vector<std::string> lines = Lines(reply);
    EXPECT_EQ(lines.front(), "Compiling BAD");
    EXPECT_EQ(lines.back(), "Pass=1");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Compiling README"), 0);
}

TEST_F(SimCompileMessages, RefuseWhatCannotBeCompiled) {
    EXPECT_EQ(programs.Compile("ABSENT", reply), Errors::kPROGRAM_NOT_FOUND);
    EXPECT_EQ(Execute("COMPILE"), Errors::kNO_PROGRAM_SELECTED);
    EXPECT_EQ(Execute("COMPILE 3"), Errors::kPARAMETER_OUT_OF_RANGE);
}

class SimProcessTable : public SimProgramMachine {};

TEST_F(SimProcessTable, ProgramsRunSideBySideOnTheServoClock) {
    Upload("count.bas", "WHILE TRUE\r\nVR(1)=VR(1)+1\r\nWA(1)\r\nWEND\r\n");
    Upload("mover.bas", "MOVE(100) AXIS(2)\r\nWAIT IDLE AXIS(2)\r\nVR(2)=MPOS AXIS(2)\r\n");
    ASSERT_EQ(programs.Run("COUNT", 3), 0);
    ASSERT_EQ(Execute("RUN \"mover\""), 0);
    EXPECT_EQ(Query("PROC_STATUS PROC(3)"), 1);
    Ticks(20);
    const double counted = Query("VR(1)");
    EXPECT_GE(counted, 9);
    EXPECT_LE(counted, 21);
    Ticks(2000);
    EXPECT_EQ(Query("VR(2)"), 100);   // the mover waited for its axis and ended
    EXPECT_EQ(Query("PROC_STATUS PROC(7)"), 0);
    EXPECT_EQ(Query("PROC_STATUS PROC(3)"), 1);
    ASSERT_EQ(Execute("STOP \"count\""), 0);
    EXPECT_EQ(Query("PROC_STATUS PROC(3)"), 0);
    EXPECT_EQ(programs.Stop("count", Simulator::kAnyProcess), Errors::kPROGRAM_NOT_RUNNING);
}

TEST_F(SimProcessTable, ListsRunningProgramsWithLineAndElapsedTime) {
    Upload("idle.bas", "' waits\r\n\r\nWAIT UNTIL VR(9)\r\n");
    ASSERT_EQ(programs.Run("idle", 2), 0);
    Ticks(1500);
    const std::vector<std::string> lines = Lines(programs.ProcessListing());
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1], "2,1,IDLE,3,0.0:0:1.500,*,BASIC");
    EXPECT_NE(lines.back().find(",SYSTEM"), std::string::npos);
    EXPECT_EQ(Query("PROC_LINE PROC(2)"), 3);
}

TEST_F(SimProcessTable, RuntimeErrorStopsTheProcessAndIsKept) {
    Upload("divide.bas", "VR(1)=1\r\nVR(2)=VR(1)/0\r\n");
    ASSERT_EQ(programs.Run("divide", 1), 0);
    Ticks(1);
    EXPECT_EQ(Query("PROC_STATUS PROC(1)"), 0);
    EXPECT_EQ(Query("RUN_ERROR PROC(1)"), Errors::kDIVISION_BY_ZERO);
    EXPECT_EQ(Query("ERROR_LINE PROC(1)"), 2);
}

TEST_F(SimProcessTable, RefusesWhatCannotRun) {
    Upload("loop.bas", "WHILE 1\r\nWEND\r\n");
    Upload("broken.bas", "NEXT\r\n");
    EXPECT_EQ(programs.Run("nothing", Simulator::kAnyProcess), Errors::kPROGRAM_NOT_FOUND);
    EXPECT_EQ(programs.Run("broken", Simulator::kAnyProcess), Errors::kPROGRAM_FAILED_TO_RUN);
    EXPECT_EQ(programs.Run("loop", Simulator::kProcessCount), Errors::kPARAMETER_OUT_OF_RANGE);
    ASSERT_EQ(programs.Run("loop", 0), 0);
    EXPECT_EQ(programs.Run("loop", 0), Errors::kPROCESS_IN_USE);
    EXPECT_EQ(programs.Stop("loop", 1), Errors::kPROGRAM_NOT_RUNNING_ON_THIS_PROCESS);
    EXPECT_EQ(programs.Delete("loop", 0), Errors::kPROGRAMS_RUNNING);
    for (int i = 1; i < Simulator::kProcessCount; ++i) ASSERT_EQ(programs.Run("loop", Simulator::kAnyProcess), 0);
    EXPECT_EQ(programs.Run("loop", Simulator::kAnyProcess), Errors::kNO_PROCESS_AVAILABLE);
}

TEST_F(SimProcessTable, HaltStopsProgramsAndAxes) {
    Upload("spin.bas", "FORWARD AXIS(0)\r\nWAIT UNTIL FALSE\r\n");
    ASSERT_EQ(programs.Run("spin", Simulator::kAnyProcess), 0);
    Ticks(50);
    ASSERT_NE(Query("MSPEED AXIS(0)"), 0);
    ASSERT_EQ(Execute("HALT"), 0);
    Ticks(2000);
    EXPECT_EQ(Query("MSPEED AXIS(0)"), 0);
    EXPECT_TRUE(Lines(programs.ProcessListing()).back().find("BASIC") == std::string::npos);
}

TEST_F(SimProcessTable, AProgramCanStopItself) {
    Upload("self.bas", "VR(5)=1\r\nSTOP \"self\"\r\nVR(5)=2\r\n");
    ASSERT_EQ(programs.Run("self", 4), 0);
    Ticks(3);
    EXPECT_EQ(Query("VR(5)"), 1);
    EXPECT_EQ(Query("PROC_STATUS PROC(4)"), 0);
}

}  // namespace
