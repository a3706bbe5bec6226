// Programs compiled and run by the simulated controller's language engine, driven directly on a
// manual clock: structure, variables, compile messages, runtime errors and WAIT.
#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "sim/controller.h"
#include "sim/language/process.h"
#include "sim/language/program.h"
#include "sim/motion.h"

namespace {

using Simulator::Controller;
using Simulator::Language::CompileMessage;
using Simulator::Language::Process;
using Simulator::Language::Program;
namespace Errors = Simulator::Errors;

std::shared_ptr<const Program> Compiled(const Controller& c, const std::string& source) {
    auto program = std::make_shared<Program>();
    Simulator::Language::Compile(c, source, *program);
    return program;
}

// One slice of `budget` statements at `now_ms`, as the servo tick gives it.
Process::State Slice(Controller& c, Process& process, std::string& reply, double now_ms = 0, int budget = 1000) {
    std::lock_guard lock(c.Mutex());
    return process.Step(c, now_ms, budget, reply);
}

// What a program prints when it runs to its end.
std::string Output(const std::string& source) {
    Controller c;
    const auto program = Compiled(c, source);
    EXPECT_TRUE(program->Runnable());
    Process process(program);
    std::string reply;
    EXPECT_EQ(Slice(c, process, reply, 0, 100000), Process::State::Stopped);
    return reply;
}

double Vr(Controller& c, std::uint32_t index) {
    double value = 0;
    EXPECT_EQ(c.GetVr(index, 1, &value), 0);
    return value;
}

struct Message {
    CompileMessage::Kind kind;
    int line;
    int number;
    bool operator==(const Message&) const = default;
};

std::vector<Message> Messages(const std::string& source) {
    Controller c;
    const auto program = Compiled(c, source);
    std::vector<Message> found;
    for (const CompileMessage& m : program->messages) found.push_back({m.kind, m.line, m.number});
    return found;
}

TEST(SimPrograms, BlockAndOneLineIfsChooseOneBranch) {
    EXPECT_EQ(Output("x = 2\n"
                     "IF x = 1 THEN\n  PRINT \"one\"\nELSEIF x = 2 THEN\n  PRINT \"two\"\nELSE\n  PRINT \"many\"\nENDIF\n"
                     "IF x > 5 THEN PRINT \"big\" ELSE PRINT \"small\": PRINT \"still small\"\n"
                     "IF x < 5 THEN PRINT \"under\"\nPRINT \"end\""),
              "two\r\nsmall\r\nstill small\r\nunder\r\nend\r\n");
}

TEST(SimPrograms, LoopsCountAsWritten) {
    EXPECT_EQ(Output("FOR i = 1 TO 3: PRINT i;: NEXT i\nPRINT\n"
                     "FOR i = 10 TO 4 STEP -3\n  PRINT i;\nNEXT\nPRINT\n"
                     "FOR i = 5 TO 1: PRINT \"never\": NEXT\n"
                     "n = 0\nWHILE n < 3\n  n = n + 1\nWEND\nPRINT n\n"
                     "REPEAT\n  n = n - 1\nUNTIL n <= 0\nPRINT n"),
              "123\r\n1074\r\n3\r\n0\r\n");
}

TEST(SimPrograms, GosubReturnsAndGotoJumpsToLabels) {
    EXPECT_EQ(Output("' labels, comments and several statements on a line\n"
                     "GOSUB twice: GOSUB twice\nGOTO done\nPRINT \"skipped\"\n"
                     "twice:\n  VR(1) = VR(1) + 2: PRINT VR(1)\n  RETURN\n"
                     "done:\nPRINT \"done\""),
              "2\r\n4\r\ndone\r\n");
}

TEST(SimPrograms, VariablesAreLocalToEachRunningInstance) {
    Controller c;
    const auto program = Compiled(c, "count = count + 1\nVR(count) = 7");
    Process first(program), second(program);
    std::string reply;
    Slice(c, first, reply);
    Slice(c, second, reply);
    EXPECT_EQ(Vr(c, 1), 7);
    EXPECT_EQ(Vr(c, 2), 0);
}

TEST(SimCompiler, BrokenProgramsGetOneMessagePerFaultWithItsLine) {
    using K = CompileMessage::Kind;
    EXPECT_EQ(Messages("PRINT 1\nENDIF\nWEND\nUNTIL 1\nNEXT"),
              (std::vector<Message>{{K::Error, 2, Errors::kELSE_ELSEIF_ENDIF_WITHOUT_PREVIOUS_IF},
                                    {K::Error, 3, Errors::kWEND_WITHOUT_PREVIOUS_WHILE},
                                    {K::Error, 4, Errors::kUNTIL_WITHOUT_PREVIOUS_REPEAT},
                                    {K::Error, 5, Errors::kNEXT_WITHOUT_FOR}}));
    EXPECT_EQ(Messages("\n' comment\nIF 1\n  PRINT (1\nENDIF\nPRINT \"open"),
              (std::vector<Message>{{K::Error, 3, Errors::kTHEN_EXPECTED_IN_IF_ELSEIF},
                                    {K::Error, 4, Errors::kCLOSE_ROUND_BRACKET_EXPECTED},
                                    {K::Error, 5, Errors::kELSE_ELSEIF_ENDIF_WITHOUT_PREVIOUS_IF},
                                    {K::Error, 6, Errors::kQUOTES_EXPECTED}}));
    EXPECT_EQ(Messages("WHILE 1\n  GOSUB nowhere\nhere:\nhere:"),
              (std::vector<Message>{{K::Error, 1, Errors::kSTRUCTURE_NESTING_ERROR},
                                    {K::Link, 2, Errors::kLABEL_NOT_FOUND},
                                    {K::Error, 4, Errors::kDUPLICATE_IDENTIFIER}}));
    EXPECT_EQ(Messages("IF 1 THEN IF 2 THEN PRINT 3\nFOR 1 = 2 TO 3\nWAIT 5"),
              (std::vector<Message>{{K::Error, 1, Errors::kCANNOT_NEST_ONE_LINE_IF},
                                    {K::Error, 2, Errors::kIDENTIFIER_EXPECTED},
                                    {K::Error, 3, Errors::kUNTIL_IDLE_LOADED_EXPECTED_AFTER_WAIT}}));
    EXPECT_EQ(Messages("1x = 2\nPRINT 1"), (std::vector<Message>{{K::Error, 1, Errors::kSTART_OF_EXPRESSION_EXPECTED}}));
    EXPECT_TRUE(Messages("start:\n  VR(0) = 1 ' set\n  GOTO start").empty());
}

TEST(SimProcesses, ARuntimeErrorStopsTheProcessAtItsLine) {
    Controller c;
    Process divide(Compiled(c, "VR(0) = 1\n\nVR(1) = 1 / VR(2)\nVR(0) = 2"));
    std::string reply;
    EXPECT_EQ(Slice(c, divide, reply), Process::State::Failed);
    EXPECT_EQ(divide.ErrorNumber(), Errors::kDIVISION_BY_ZERO);
    EXPECT_EQ(divide.Line(), 3);
    EXPECT_EQ(Vr(c, 0), 1);
    Process orphan(Compiled(c, "RETURN"));
    EXPECT_EQ(Slice(c, orphan, reply), Process::State::Failed);
    EXPECT_EQ(orphan.ErrorNumber(), Errors::kRETURN_WITHOUT_GOSUB);
    Process endless(Compiled(c, "again:\nGOSUB again"));
    EXPECT_EQ(Slice(c, endless, reply), Process::State::Failed);
    EXPECT_EQ(endless.ErrorNumber(), Errors::kTOO_MANY_NESTED_GOSUB);
}

TEST(SimProcesses, AnEndlessLoopYieldsAfterItsSlice) {
    Controller c;
    Process loop(Compiled(c, "WHILE TRUE\n  VR(0) = VR(0) + 1\nWEND"));
    std::string reply;
    EXPECT_EQ(Slice(c, loop, reply, 0, 10), Process::State::Running);
    const double first = Vr(c, 0);
    EXPECT_GT(first, 0);
    EXPECT_EQ(Slice(c, loop, reply, 0, 10), Process::State::Running);
    EXPECT_GT(Vr(c, 0), first);
}

TEST(SimWait, AWaitHoldsOnlyItsOwnProcessUntilItIsOver) {
    Controller c;
    Process waiting(Compiled(c, "WAIT UNTIL IN(3)\nVR(0) = 1\nWA(10)\nVR(0) = 2"));
    Process other(Compiled(c, "VR(1) = 1"));
    std::string reply;
    EXPECT_EQ(Slice(c, waiting, reply, 0), Process::State::Waiting);
    EXPECT_EQ(Slice(c, other, reply, 0), Process::State::Stopped);
    EXPECT_EQ(Vr(c, 1), 1);
    EXPECT_EQ(Slice(c, waiting, reply, 1), Process::State::Waiting);
    EXPECT_EQ(waiting.Line(), 1);
    ASSERT_EQ(c.SetInput(3, true), 0);
    EXPECT_EQ(Slice(c, waiting, reply, 2), Process::State::Waiting);   // now in WA(10), until 12 ms
    EXPECT_EQ(Vr(c, 0), 1);
    EXPECT_EQ(Slice(c, waiting, reply, 11.9), Process::State::Waiting);
    EXPECT_EQ(Slice(c, waiting, reply, 12), Process::State::Stopped);
    EXPECT_EQ(Vr(c, 0), 2);
}

TEST(SimWait, WaitIdleHoldsUntilTheAxisHasFinishedItsMoves) {
    Controller c;
    Simulator::MotionEngine motion(c, Simulator::MotionEngine::Clock::Manual);
    Process mover(Compiled(c, "SPEED AXIS(1) = 1000\nMOVE(10) AXIS(1)\nWAIT IDLE AXIS(1)\nVR(0) = DPOS AXIS(1)"));
    std::string reply;
    EXPECT_EQ(Slice(c, mover, reply), Process::State::Waiting);
    int ticks = 0;
    while (mover.Status() == Process::State::Waiting && ticks < 1000) {
        motion.Tick();
        Slice(c, mover, reply, ++ticks);
    }
    EXPECT_EQ(mover.Status(), Process::State::Stopped);
    EXPECT_GT(ticks, 10);
    EXPECT_DOUBLE_EQ(Vr(c, 0), 10);
}

TEST(SimCommandLine, StructureIsForProgramsOnly) {
    Controller c;
    std::string reply;
    EXPECT_EQ(c.Execute("IF 1 THEN PRINT 1", reply), Errors::kCOMMAND_IS_RUNTIME_ONLY);
    EXPECT_EQ(c.Execute("x = 1", reply), Errors::kCOMMAND_NOT_RECOGNISED);
}

}  // namespace

namespace {

std::string Reply(Controller& c, const std::string& line, int expected = 0) {
    std::string reply;
    EXPECT_EQ(c.Execute(line, reply), expected) << line;
    return reply;
}

TEST(SimFunctionList, InfoLinesNameIndexGroupParametersAndResult) {
    Controller c;
    const std::string all = Reply(c, "FUNCTION_LIST");
    EXPECT_EQ(all.substr(0, all.find('\n') + 1), "ABS[0]:MATH(X:FLOAT):FLOAT\r\n");
    EXPECT_NE(all.find("\r\nATAN2[8]:MATH(Y:FLOAT,X:FLOAT):FLOAT\r\n"), std::string::npos);
    EXPECT_EQ(all, Reply(c, "FUNCTION_LIST(0)"));
    EXPECT_EQ(Reply(c, "FUNCTION_LIST(0,\"at\")"), "ATAN[7]:MATH(X:FLOAT):FLOAT\r\nATAN2[8]:MATH(Y:FLOAT,X:FLOAT):FLOAT\r\n");
    EXPECT_EQ(Reply(c, "FUNCTION_LIST(0,\"nothing\")"), "");
}

TEST(SimFunctionList, NamesFilteredAndPaged) {
    Controller c;
    EXPECT_EQ(Reply(c, "FUNCTION_LIST(1,\"A\")"), "ABS\r\nASIN\r\nACOS\r\nATAN\r\nATAN2\r\n");
    EXPECT_EQ(Reply(c, "FUNCTION_LIST(1,\"A\",1,2)"), "ASIN\r\nACOS\r\n");
    EXPECT_EQ(Reply(c, "FUNCTION_LIST(1,\"A\",4)"), "ATAN2\r\n");
    EXPECT_EQ(Reply(c, "FUNCTION_LIST(1,\"\",0,1)"), "ABS\r\n");
    Reply(c, "FUNCTION_LIST(2)", Errors::kPARAMETER_OUT_OF_RANGE);
    Reply(c, "FUNCTION_LIST(1,2)", Errors::kPARAMETER_OUT_OF_RANGE);
}

TEST(SimFunctionList, ParameterCountAndTypesOfOneFunction) {
    Controller c;
    EXPECT_EQ(Reply(c, "FUNCTION_LIST(\"atan2\")"), "2\r\n");
    EXPECT_EQ(Reply(c, "FUNCTION_LIST(\"ATAN2\",1)"), "FLOAT\r\n");
    Reply(c, "FUNCTION_LIST(\"ATAN2\",2)", Errors::kPARAMETER_OUT_OF_RANGE);
    Reply(c, "FUNCTION_LIST(\"WIDGET\")", Errors::kCOMMAND_NOT_RECOGNISED);
}

}  // namespace
