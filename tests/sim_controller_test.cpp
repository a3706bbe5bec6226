// The simulated controller answers command lines as the connection module expects a controller to.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <string_view>

#include "sim/controller.h"

namespace {

using Simulator::Controller;
using Simulator::Family;
namespace Errors = Simulator::Errors;

struct Answer {
    int status;
    std::string reply;
};

Answer Send(Controller& controller, std::string_view line) {
    Answer answer{-1, "untouched"};
    answer.status = controller.Execute(line, answer.reply);
    return answer;
}

TEST(SimQueries, SystemAxisProcessAndVrQueriesAnswerOneLine) {
    Controller c;
    EXPECT_EQ(Send(c, "?VERSION;").reply, "2.0350");
    EXPECT_EQ(Send(c, "?SPEED AXIS(3);").reply, "1000");
    EXPECT_EQ(Send(c, "?units axis(15)").reply, "1\r\n");
    EXPECT_EQ(Send(c, "?PROC_STATUS PROC(2);").reply, "0");
    EXPECT_EQ(Send(c, "?VR(65535);").reply, "0");
    EXPECT_EQ(Send(c, "?VERSION;").status, 0);
}

TEST(SimPrint, ArithmeticFollowsPrecedenceAndFormatsLikeTheController) {
    Controller c;
    EXPECT_EQ(Send(c, "PRINT 2+3*4").reply, "14\r\n");
    EXPECT_EQ(Send(c, "PRINT 8/2/2").reply, "2\r\n");
    EXPECT_EQ(Send(c, "PRINT -(1+2)*-2").reply, "6\r\n");
    EXPECT_EQ(Send(c, "PRINT 1/3").reply, "0.3333\r\n");
    EXPECT_EQ(Send(c, "PRINT -0").reply, "0\r\n");
    EXPECT_EQ(Send(c, "PRINT SPEED AXIS(1)*2+VR(0)").reply, "2000\r\n");
}

TEST(SimPrint, ItemsTextsAndSeveralStatements) {
    Controller c;
    EXPECT_EQ(Send(c, "PRINT \"speed=\";SPEED").reply, "speed=1000\r\n");
    EXPECT_EQ(Send(c, "PRINT 1,2").reply, "1\t2\r\n");
    EXPECT_EQ(Send(c, "VR(1)=5:PRINT VR(1):?VR(1)+1;").reply, "5\r\n6");
}

TEST(SimPrint, MalformedExpressionsAreRefused) {
    Controller c;
    EXPECT_EQ(Send(c, "PRINT 1/0").status, Errors::kDIVISION_BY_ZERO);
    EXPECT_EQ(Send(c, "PRINT 1+").status, Errors::kSTART_OF_EXPRESSION_EXPECTED);
    EXPECT_EQ(Send(c, "PRINT 1 2").status, Errors::kEXTRA_CHARS_AT_EOLN);
    EXPECT_EQ(Send(c, "PRINT " + std::string(100000, '(') + "1").status, Errors::kSTACK_OVERFLOW);
    EXPECT_EQ(Send(c, "PRINT " + std::string(100000, '-') + "1").status, Errors::kSTACK_OVERFLOW);
    EXPECT_EQ(Send(c, "PRINT " + std::string(100, '(') + "1" + std::string(100, ')')).reply, "1\r\n");
}

TEST(SimPrint, ATrailingSemicolonLeavesTheLineOpenForExactReplies) {
    Controller c;
    EXPECT_EQ(Send(c, "PRINT 1;").reply, "1");
    EXPECT_EQ(Send(c, "PRINT 1;:PRINT 2").reply, "12\r\n");
    ASSERT_EQ(Send(c, "TABLE(3)=0").status, 0);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    ASSERT_EQ(c.SetTable(3, 1, &nan), 0);
    EXPECT_EQ(Send(c, "?TABLE(3);").reply, "#INVALID_NAN");
}

TEST(SimExpressions, ComparisonsAndLogicAnswerTrueAsMinusOne) {
    Controller c;
    EXPECT_EQ(Send(c, "?1<2, 2<=1, 3=3, 3<>3, 2>=2, 1>2").reply, "-1\t0\t-1\t0\t-1\t0\r\n");
    EXPECT_EQ(Send(c, "?1 AND 2, 0 OR 0, 1 XOR 1, NOT 0, NOT 5").reply, "-1\t0\t0\t-1\t0\r\n");
    EXPECT_EQ(Send(c, "?TRUE, FALSE, ON, OFF").reply, "-1\t0\t1\t0\r\n");
    // Comparison binds looser than arithmetic, AND tighter than OR.
    EXPECT_EQ(Send(c, "?1+1=2, 1 OR 0 AND 0, NOT 1=2").reply, "-1\t-1\t-1\r\n");
    // The right side of AND is not evaluated once the left is false.
    EXPECT_EQ(Send(c, "?0 AND 1/0").reply, "0\r\n");
    EXPECT_EQ(Send(c, "?7 MOD 3, 2^10, -2^2").reply, "1\t1024\t-4\r\n");   // power before sign
    EXPECT_EQ(Send(c, "?5 MOD 0").status, Errors::kDIVISION_BY_ZERO);
}

TEST(SimExpressions, BuiltInFunctionsTakeTheirArgumentCount) {
    Controller c;
    EXPECT_EQ(Send(c, "?ABS(-2.5), SQR(16), INT(-2.7), FRAC(2.25), SGN(-3)").reply, "2.5000\t4\t-2\t0.2500\t-1\r\n");
    EXPECT_EQ(Send(c, "?MIN(3, 1), MAX(3, 1), ATAN2(1, 1)*4, cos(0)").reply, "1\t3\t3.1416\t1\r\n");
    EXPECT_EQ(Send(c, "?SQR(-1);").reply, "#INVALID_NAN");
    EXPECT_EQ(Send(c, "?ABS").status, Errors::kOPEN_BRACKET_EXPECTED);
    EXPECT_EQ(Send(c, "?ATAN2(1)").status, Errors::kCOMMA_EXPECTED);
    EXPECT_EQ(Send(c, "?ABS(1, 2)").status, Errors::kCLOSE_ROUND_BRACKET_EXPECTED);
    EXPECT_EQ(Send(c, "?ABS(\"x\")").status, Errors::kINVALID_MIX_OF_DATA_TYPES);
    EXPECT_EQ(Send(c, "?\"open").status, Errors::kQUOTES_EXPECTED);
}

TEST(SimAssignments, ValuesAreStoredPerAxisAndInVrMemory) {
    Controller c;
    ASSERT_EQ(Send(c, "SPEED AXIS(2)=250.5").status, 0);
    EXPECT_EQ(Send(c, "?SPEED AXIS(2);").reply, "250.5000");
    EXPECT_EQ(Send(c, "?SPEED AXIS(1);").reply, "1000");
    ASSERT_EQ(Send(c, "ACCEL=7").status, 0);
    EXPECT_EQ(Send(c, "?ACCEL AXIS(0);").reply, "7");
    ASSERT_EQ(Send(c, "VR(10)=VR(10)+3*2").status, 0);
    EXPECT_EQ(Send(c, "?VR(10);").reply, "6");
    double vr = 0;
    ASSERT_EQ(c.GetVr(10, 1, &vr), 0);
    EXPECT_EQ(vr, 6);
    EXPECT_EQ(Send(c, "VR(10)=1").reply, "");
}

TEST(SimAssignments, QuotedTextFillsVrsEndedByZero) {
    Controller c;
    ASSERT_EQ(Send(c, "VR(100)=\"Hi\"").status, 0);
    double vr[3] = {1, 1, 1};
    ASSERT_EQ(c.GetVr(100, 3, vr), 0);
    EXPECT_EQ(vr[0], 'H');
    EXPECT_EQ(vr[1], 'i');
    EXPECT_EQ(vr[2], 0);
    EXPECT_EQ(Send(c, "SPEED=\"fast\"").status, Errors::kINVALID_MIX_OF_DATA_TYPES);
}

TEST(SimAssignments, InitialiseRestoresParametersButKeepsVrs) {
    Controller c;
    ASSERT_EQ(Send(c, "UNITS AXIS(4)=100:VR(5)=9").status, 0);
    ASSERT_EQ(Send(c, "INITIALISE").status, 0);
    EXPECT_EQ(Send(c, "?UNITS AXIS(4);").reply, "1");
    EXPECT_EQ(Send(c, "?VR(5);").reply, "9");
    EXPECT_EQ(Send(c, "UNIT_CLEAR").status, 0);
}

TEST(SimRefusals, ReadOnlyValuesKeepTheirValue) {
    Controller c;
    EXPECT_EQ(Send(c, "VERSION=3").status, Errors::kVALUE_IS_READ_ONLY);
    EXPECT_EQ(Send(c, "PROC_STATUS PROC(1)=1").status, Errors::kVALUE_IS_READ_ONLY);
    EXPECT_EQ(Send(c, "?VERSION;").reply, "2.0350");
    EXPECT_EQ(Send(c, "?DPOS AXIS(0);").reply, "0");
}

TEST(SimRefusals, ValuesBeyondAParametersWidthKeepTheOldValue) {
    Controller c;
    ASSERT_EQ(Send(c, "LIMIT_BUFFERED=40000").status, 0);   // 16 bits, read either signed or unsigned
    EXPECT_EQ(Send(c, "LIMIT_BUFFERED=1e300").status, Errors::kPARAMETER_OUT_OF_RANGE);
    EXPECT_EQ(Send(c, "LIMIT_BUFFERED=-40000").status, Errors::kPARAMETER_OUT_OF_RANGE);
    EXPECT_EQ(Send(c, "ACCEL AXIS(0)=1e300").status, Errors::kPARAMETER_OUT_OF_RANGE);   // a 32-bit float
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(c.SetParameter(Family::System, 9, 0, nan), Errors::kPARAMETER_OUT_OF_RANGE);
    EXPECT_EQ(c.SetParameter(Family::System, 9, 0, 1e300), Errors::kPARAMETER_OUT_OF_RANGE);
    EXPECT_EQ(Send(c, "?LIMIT_BUFFERED;").reply, "40000");
    // A 64-bit float holds anything.
    EXPECT_EQ(Send(c, "UNITS AXIS(0)=1e300").status, 0);
}

TEST(SimRefusals, UnknownWordsAndBadModifiers) {
    Controller c;
    EXPECT_EQ(Send(c, "FROBNICATE").status, Errors::kCOMMAND_NOT_RECOGNISED);
    EXPECT_EQ(Send(c, "SPEED").status, Errors::kASSIGNMENT_EXPECTED);
    EXPECT_EQ(Send(c, "?VERSION AXIS(0);").status, Errors::kMODIFIER_NOT_ALLOWED);
    EXPECT_EQ(Send(c, "?SPEED AXIS 1;").status, Errors::kOPEN_BRACKET_EXPECTED);
}

TEST(SimRefusals, IndicesOutsideTheControllerAreOutOfRange) {
    Controller c;
    EXPECT_EQ(Send(c, "?SPEED AXIS(16);").status, Errors::kPARAMETER_OUT_OF_RANGE);
    EXPECT_EQ(Send(c, "?INDEVICE PROC(8);").status, Errors::kPARAMETER_OUT_OF_RANGE);
    EXPECT_EQ(Send(c, "?VR(65536);").status, Errors::kPARAMETER_OUT_OF_RANGE);
    EXPECT_EQ(Send(c, "VR(65535)=\"ab\"").status, Errors::kPARAMETER_OUT_OF_RANGE);
    EXPECT_EQ(Send(c, "?TABLE(512000);").status, Errors::kPARAMETER_OUT_OF_RANGE);
    double vr[2] = {};
    EXPECT_EQ(c.GetVr(65535, 2, vr), Errors::kPARAMETER_OUT_OF_RANGE);
    EXPECT_EQ(c.GetTable(0xFFFFFFFFu, 2, vr), Errors::kPARAMETER_OUT_OF_RANGE);
    EXPECT_EQ(c.GetVr(65535, 1, vr), 0);
}

TEST(SimMemoryAndIo, TableAndIoAreReachableByCommandLine) {
    Controller c;
    EXPECT_EQ(Send(c, "TABLE(511999)=2.5").status, 0);
    double value = 0;
    ASSERT_EQ(c.GetTable(511999, 1, &value), 0);
    EXPECT_DOUBLE_EQ(value, 2.5);
    EXPECT_EQ(Send(c, "OP(12, 1)").status, 0);
    EXPECT_EQ(Send(c, "?OP(12);OP(13)").reply, "10\r\n");
    ASSERT_EQ(c.SetInput(3, true), 0);
    ASSERT_EQ(c.SetInvertInput(4, true), 0);
    EXPECT_EQ(Send(c, "?IN(3),IN(4),IN(5)").reply, "1\t1\t0\r\n");
    ASSERT_EQ(c.SetAnalogueInput(2, -300), 0);
    EXPECT_EQ(Send(c, "?AIN(2)").reply, "-300\r\n");
}

TEST(SimCommands, AddedCommandsReceiveTheirValuesAndAxis) {
    Controller c;
    std::vector<double> values;
    int axis = 0;
    c.AddCommand("MOVE", [&](Simulator::CommandCall& call) {
        axis = call.axis;
        return call.Numbers(values) && !values.empty() ? 0 : Errors::kPARAMETER_OUT_OF_RANGE;
    });
    EXPECT_EQ(Send(c, "MOVE(10, 2*3) AXIS(4)").status, 0);
    EXPECT_EQ(values, (std::vector<double>{10, 6}));
    EXPECT_EQ(axis, 4);
    EXPECT_EQ(Send(c, "move(1)").status, 0);
    EXPECT_EQ(axis, -1);
    EXPECT_EQ(Send(c, "MOVE").status, Errors::kPARAMETER_OUT_OF_RANGE);
    EXPECT_EQ(Send(c, "MOVE(\"x\")").status, Errors::kPARAMETER_OUT_OF_RANGE);
    EXPECT_EQ(Send(c, "MOVE(1) AXIS(16)").status, Errors::kPARAMETER_OUT_OF_RANGE);
    EXPECT_EQ(Send(c, "NOT_A_COMMAND(1)").status, Errors::kCOMMAND_NOT_RECOGNISED);
}

TEST(SimCommands, AddedCommandsReceiveTextsAndWriteReplies) {
    Controller c;
    c.AddCommand("GREET", [](Simulator::CommandCall& call) {
        for (const Simulator::Argument& argument : call.arguments)
            call.reply += argument.is_text ? std::string(argument.text) : Simulator::FormatNumber(argument.number);
        call.reply += "\r\n";
        return 0;
    });
    EXPECT_EQ(Send(c, "GREET \"hello \", 1+1").reply, "hello 2\r\n");
    EXPECT_EQ(Send(c, "greet(\"a:b\"):?3").reply, "a:b\r\n3\r\n");
    EXPECT_EQ(Send(c, "GREET \"x\" 2").status, Errors::kEXTRA_CHARS_AT_EOLN);
}

TEST(SimReplies, ALineSentAgainRunsAgainOnTodaysValues) {
    Controller c;
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(Send(c, "VR(1)=VR(1)+1:?VR(1);").reply, std::to_string(i));
    EXPECT_EQ(Send(c, "?1/VR(2)").status, Errors::kDIVISION_BY_ZERO);
    ASSERT_EQ(Send(c, "VR(2)=4").status, 0);
    EXPECT_EQ(Send(c, "?1/VR(2)").reply, "0.2500\r\n");
    EXPECT_EQ(Send(c, "SHOUT").status, Errors::kCOMMAND_NOT_RECOGNISED);
    c.AddCommand("SHOUT", [](Simulator::CommandCall& call) {
        call.reply += "!";
        return 0;
    });
    EXPECT_EQ(Send(c, "SHOUT").reply, "!");
}

TEST(SimConfiguration, TheNumberOfAxesIsConfigurable) {
    Controller c(Simulator::Configuration{4});
    EXPECT_EQ(Send(c, "?LAST_AXIS").reply, "3\r\n");
    EXPECT_EQ(Send(c, "?SPEED AXIS(4)").status, Errors::kPARAMETER_OUT_OF_RANGE);
    EXPECT_EQ(Send(c, "?BAUD_RATE PORT(1)").reply, "38400\r\n");
}

TEST(SimRefusals, RefusalStopsTheLineAfterEarlierStatementsRan) {
    Controller c;
    const Answer answer = Send(c, "PRINT 1:VR(2)=4:FOO:VR(3)=5");
    EXPECT_EQ(answer.status, Errors::kCOMMAND_NOT_RECOGNISED);
    EXPECT_EQ(answer.reply, "1\r\n");
    EXPECT_EQ(Send(c, "?VR(2);").reply, "4");
    EXPECT_EQ(Send(c, "?VR(3);").reply, "0");
}

TEST(SimReplies, EveryPrintedLineEndsInCrLfAndEmptyLinesAreFine) {
    Controller c;
    EXPECT_EQ(Send(c, "").status, 0);
    EXPECT_EQ(Send(c, "").reply, "");
    EXPECT_EQ(Send(c, " : ").status, 0);
    const std::string reply = Send(c, "?1:?2:PRINT").reply;
    EXPECT_EQ(reply, "1\r\n2\r\n\r\n");
    EXPECT_EQ(Send(c, "PRINT:?1").reply, "\r\n1\r\n");
    EXPECT_EQ(Simulator::FormatNumber(std::numeric_limits<double>::infinity()), "#INVALID_INF");
}

}  // namespace
