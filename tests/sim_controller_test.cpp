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
    EXPECT_EQ(Send(c, "?VERSION;").reply, "2.0350\r\n");
    EXPECT_EQ(Send(c, "?SPEED AXIS(3);").reply, "1000\r\n");
    EXPECT_EQ(Send(c, "?units axis(15)").reply, "1\r\n");
    EXPECT_EQ(Send(c, "?PROC_STATUS PROC(2);").reply, "0\r\n");
    EXPECT_EQ(Send(c, "?VR(65535);").reply, "0\r\n");
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
    EXPECT_EQ(Send(c, "VR(1)=5:PRINT VR(1):?VR(1)+1;").reply, "5\r\n6\r\n");
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

TEST(SimAssignments, ValuesAreStoredPerAxisAndInVrMemory) {
    Controller c;
    ASSERT_EQ(Send(c, "SPEED AXIS(2)=250.5").status, 0);
    EXPECT_EQ(Send(c, "?SPEED AXIS(2);").reply, "250.5000\r\n");
    EXPECT_EQ(Send(c, "?SPEED AXIS(1);").reply, "1000\r\n");
    ASSERT_EQ(Send(c, "ACCEL=7").status, 0);
    EXPECT_EQ(Send(c, "?ACCEL AXIS(0);").reply, "7\r\n");
    ASSERT_EQ(Send(c, "VR(10)=VR(10)+3*2").status, 0);
    EXPECT_EQ(Send(c, "?VR(10);").reply, "6\r\n");
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
    EXPECT_EQ(Send(c, "?UNITS AXIS(4);").reply, "1\r\n");
    EXPECT_EQ(Send(c, "?VR(5);").reply, "9\r\n");
    EXPECT_EQ(Send(c, "UNIT_CLEAR").status, 0);
}

TEST(SimRefusals, ReadOnlyValuesKeepTheirValue) {
    Controller c;
    EXPECT_EQ(Send(c, "VERSION=3").status, Errors::kVALUE_IS_READ_ONLY);
    EXPECT_EQ(Send(c, "PROC_STATUS PROC(1)=1").status, Errors::kVALUE_IS_READ_ONLY);
    EXPECT_EQ(Send(c, "?VERSION;").reply, "2.0350\r\n");
    EXPECT_EQ(Send(c, "?DPOS AXIS(0);").reply, "0\r\n");
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
    EXPECT_EQ(Send(c, "?LIMIT_BUFFERED;").reply, "40000\r\n");
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
    Simulator::CommandCall seen;
    c.AddCommand("MOVE", [&](const Simulator::CommandCall& call) {
        seen = call;
        return call.values.empty() ? Errors::kPARAMETER_OUT_OF_RANGE : 0;
    });
    EXPECT_EQ(Send(c, "MOVE(10, 2*3) AXIS(4)").status, 0);
    EXPECT_EQ(seen.values, (std::vector<double>{10, 6}));
    EXPECT_EQ(seen.axis, 4);
    EXPECT_EQ(Send(c, "move(1)").status, 0);
    EXPECT_EQ(seen.axis, -1);
    EXPECT_EQ(Send(c, "MOVE").status, Errors::kPARAMETER_OUT_OF_RANGE);
    EXPECT_EQ(Send(c, "MOVE(1) AXIS(16)").status, Errors::kPARAMETER_OUT_OF_RANGE);
    EXPECT_EQ(Send(c, "NOT_A_COMMAND(1)").status, Errors::kCOMMAND_NOT_RECOGNISED);
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
    EXPECT_EQ(Send(c, "?VR(2);").reply, "4\r\n");
    EXPECT_EQ(Send(c, "?VR(3);").reply, "0\r\n");
}

TEST(SimReplies, EveryPrintedLineEndsInCrLfAndEmptyLinesAreFine) {
    Controller c;
    EXPECT_EQ(Send(c, "").status, 0);
    EXPECT_EQ(Send(c, "").reply, "");
    EXPECT_EQ(Send(c, " : ").status, 0);
    const std::string reply = Send(c, "?1:?2:PRINT").reply;
    EXPECT_EQ(reply, "1\r\n2\r\n\r\n");
    EXPECT_EQ(Simulator::FormatNumber(std::numeric_limits<double>::infinity()), "#INVALID_INF");
}

}  // namespace
