// What the module hands to vireo_api_x64 and how it reads the answers, against a recording double.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "support/recording_session.h"
#include "vireo/command_line/command_line.h"

using namespace KovaTest;

TEST_F(OpenWithRecordingLibrary, CommandStatusesBecomeResults) {
    library.Answer("vireo_api_execute", 7);
    EXPECT_EQ(kova_Execute(context, "GO"), 0x400000007u);
    library.Answer("vireo_api_execute", -5);
    EXPECT_EQ(kova_Execute(context, "GO"), kLowLevelError);
    library.Answer("vireo_api_execute", -2);
    EXPECT_EQ(kova_Execute(context, "GO"), kNotSupported);
    library.Answer("vireo_api_execute", 0);
    EXPECT_EQ(kova_Execute(context, "GO"), 0u);

    library.Answer("vireo_api_halt", 7);
    EXPECT_EQ(kova_Halt(context), 0x400000007u);
    // The status convention has no controller errors: any other status is a failure of the link.
    library.Answer("vireo_api_cancel", 7);
    EXPECT_EQ(kova_Cancel(context, 1, 2), kLowLevelError);
    library.Answer("vireo_api_cancel", -2);
    EXPECT_EQ(kova_Cancel(context, 1, 2), kNotSupported);
}

TEST_F(OpenWithRecordingLibrary, CommandTextsReachTheLibraryWhole) {
    const std::string longLine = "VR(1)=" + std::string(3000, '1');
    EXPECT_EQ(kova_Execute(context, longLine.c_str()), 0u);
    EXPECT_EQ(kova_Execute(context, nullptr), 0u);
    EXPECT_EQ(kova_Initialise(context), 0u);
    EXPECT_EQ(kova_UnitClear(context), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_execute"),
              (std::vector<std::string>{longLine, "", "INITIALISE", "UNIT_CLEAR"}));

    EXPECT_EQ(kova_Cancel(context, 11, 22), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_cancel"), std::vector<std::string>{"22"});
    EXPECT_EQ(kova_Ex(context, 9), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_ex"), std::vector<std::string>{"9"});
}

TEST_F(OpenWithRecordingLibrary, AMissingFunctionIsNotSupportedExceptEx) {
    library.Remove("vireo_api_execute");
    library.Remove("vireo_api_halt");
    library.Remove("vireo_api_ex");
    EXPECT_EQ(kova_Execute(context, "GO"), kNotSupported);
    EXPECT_EQ(kova_Halt(context), kNotSupported);
    EXPECT_EQ(kova_Ex(context, 1), 0u);
    EXPECT_TRUE(library.calls.empty());
}

TEST_F(OpenWithRecordingLibrary, ReplyIntoABuffer) {
    library.reply = "1.5\r\n";
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    uint32_t size = sizeof buffer;
    ASSERT_EQ(kova_ExecuteWithResponse4a(context, "?SPEED", buffer, &size), 0u);
    EXPECT_EQ(size, 6u);
    EXPECT_STREQ(buffer, "1.5\r\n");
    EXPECT_EQ(library.CallsOf("vireo_api_execute2"), std::vector<std::string>{"?SPEED, ptr, 16, ptr"});

    library.Answer("vireo_api_execute2", 5);
    size = sizeof buffer;
    EXPECT_EQ(kova_ExecuteWithResponse4a(context, "?SPEED", buffer, &size), 0x400000005u);
    EXPECT_EQ(size, sizeof buffer);
}

TEST_F(OpenWithRecordingLibrary, ReplyPiecesWithoutDataAreSkipped) {
    library.reply = "abcdefghijkl";
    library.pieceSize = 5;
    std::vector<std::string> pieces;
    ASSERT_EQ(kova_ExecuteWithResponse4b(context, "LIST", RecordText, &pieces), 0u);
    EXPECT_EQ(pieces, (std::vector<std::string>{"abcde", "fghij", "kl"}));

    std::vector<std::string> whole;
    ASSERT_EQ(kova_ExecuteWithResponse4c(context, "LIST", RecordText, &whole), 0u);
    EXPECT_EQ(whole, std::vector<std::string>{"abcdefghijkl"});

    library.reply.clear();
    whole.clear();
    ASSERT_EQ(kova_ExecuteWithResponse4c(context, "LIST", RecordText, &whole), 0u);
    EXPECT_EQ(whole, std::vector<std::string>{""});

    library.Answer("vireo_api_execute_with_callback", 3);
    whole.clear();
    EXPECT_EQ(kova_ExecuteWithResponse4c(context, "LIST", RecordText, &whole), 0x400000003u);
    EXPECT_TRUE(whole.empty());
}

TEST_F(OpenWithRecordingLibrary, LibraryEventsOfKindZeroAndOneAreLogged) {
    events.clear();
    library.SendEvent(0, "started");
    library.SendEvent(1, "busy");
    library.SendEvent(2, "private");
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].type, 2u);
    EXPECT_EQ(events[0].result, 0u);
    EXPECT_EQ(events[0].text, "started");
    EXPECT_EQ(events[1].text, "busy");
}

TEST_F(WithRecordingLibrary, OpeningReadsVersionByIdentifierFirstThenByQuery) {
    library.parameter.tag = VIREO_API_FLOAT64;
    library.parameter.value.f64 = 2.0367;
    ASSERT_EQ(kova_OpenConnection(context), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_get_system_parameter"), std::vector<std::string>{"55, ptr"});
    EXPECT_TRUE(library.CallsOf("vireo_api_execute2").empty());
    double version = 0;
    EXPECT_EQ(kova_GetFirmwareVersionNumber(context, &version), 0u);
    EXPECT_DOUBLE_EQ(version, 2.0367);

    ASSERT_EQ(kova_CloseConnection(context), 0u);
    library.Answer("vireo_api_get_system_parameter", -1);
    library.reply = "2.0321\r\n";
    ASSERT_EQ(kova_OpenConnection(context), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_execute2"), std::vector<std::string>{"?VERSION;, ptr, 256, ptr"});
    EXPECT_EQ(kova_GetFirmwareVersionNumber(context, &version), 0u);
    EXPECT_DOUBLE_EQ(version, 2.0321);
}

TEST_F(WithRecordingLibrary, AFailedVersionReadClosesTheLibraryAgain) {
    library.Remove("vireo_api_get_system_parameter");
    library.Answer("vireo_api_execute2", 1);
    EXPECT_EQ(kova_OpenConnection(context), 0x400000001u);
    EXPECT_FALSE(kova_IsConnected(context));
    EXPECT_EQ(library.CallsOf("vireo_api_close").size(), 1u);
}

TEST_F(WithRecordingLibrary, OpenStatusesBecomeResults) {
    library.Answer("vireo_api_open", -1);
    EXPECT_EQ(kova_OpenConnection(context), kLowLevelError);
    library.Answer("vireo_api_open", 5);
    EXPECT_EQ(kova_OpenConnection(context), 0x200000005u);
    library.Answer("vireo_api_open", -3);
    EXPECT_EQ(kova_OpenConnection(context), 0xFFFFFFFFFFFFFFFDu);
    EXPECT_FALSE(kova_IsConnected(context));
    EXPECT_TRUE(library.CallsOf("vireo_api_get_system_parameter").empty());
}

TEST_F(WithRecordingLibrary, ASecondOpenDoesNotReachTheLibrary) {
    ASSERT_EQ(kova_OpenConnection(context), 0u);
    library.calls.clear();
    EXPECT_EQ(kova_OpenConnection(context), 0x10000000Du);
    EXPECT_TRUE(library.calls.empty());
}

TEST_F(WithRecordingLibrary, ClosingAsksWhetherTheLibraryIsStillOpen) {
    library.calls.clear();
    EXPECT_EQ(kova_CloseConnection(context), 0u);
    EXPECT_TRUE(library.calls.empty());
    ASSERT_EQ(kova_OpenConnection(context), 0u);
    library.Answer("vireo_api_is_open", 0);
    EXPECT_EQ(kova_CloseConnection(context), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_is_open").size(), 1u);
    EXPECT_TRUE(library.CallsOf("vireo_api_close").empty());
}

TEST_F(OpenWithRecordingLibrary, ParametersFallBackToCommandLines) {
    library.Remove("vireo_api_get_axis_parameter");
    library.Remove("vireo_api_set_axis_parameter");
    library.reply = "250\r\n";
    double accel = 0;
    ASSERT_EQ(kova_GetAxisParameter_ACCEL(context, 2, &accel), 0u);
    EXPECT_DOUBLE_EQ(accel, 250);
    EXPECT_EQ(library.CallsOf("vireo_api_execute2"), std::vector<std::string>{"?ACCEL AXIS(2);, ptr, 256, ptr"});

    EXPECT_EQ(kova_SetAxisParameter_SPEED(context, 0, 0.1234567), 0u);
    EXPECT_EQ(kova_SetAxisParameter_DATUM_IN(context, 3, -4), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_execute"),
              (std::vector<std::string>{"SPEED AXIS(0)=0.123457", "DATUM_IN AXIS(3)=-4"}));
}

TEST_F(OpenWithRecordingLibrary, ValuesBeyondAParametersWidthAreRefusedBeforeAnythingIsSent) {
    constexpr kova_result kOutOfRange = 0x100000017;
    // LIMIT_BUFFERED is held in 16 bits, ACCEL as a 32-bit float.
    EXPECT_EQ(kova_SetSystemParameterDoubleValue(context, "LIMIT_BUFFERED", 1e300), kOutOfRange);
    EXPECT_EQ(kova_SetSystemParameterDoubleValue(context, "LIMIT_BUFFERED", std::nan("")), kOutOfRange);
    EXPECT_EQ(kova_SetSystemParameterInt64Value(context, "LIMIT_BUFFERED", 70000), kOutOfRange);
    EXPECT_EQ(kova_SetAxisParameter_ACCEL(context, 0, 1e300), kOutOfRange);
    EXPECT_TRUE(library.calls.empty());

    // The width's whole range passes, read signed or unsigned (the record shows the 16 bits unsigned).
    EXPECT_EQ(kova_SetSystemParameterDoubleValue(context, "LIMIT_BUFFERED", 65535), 0u);
    EXPECT_EQ(kova_SetSystemParameterInt32Value(context, "LIMIT_BUFFERED", -32768), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_set_system_parameter"),
              (std::vector<std::string>{"9, 103:65535", "9, 103:32768"}));
}

TEST_F(OpenWithRecordingLibrary, TheLibraryDecidesAboutANullReplyBuffer) {
    uint32_t size = 10;
    EXPECT_EQ(kova_ExecuteWithResponse4a(context, "PRINT 1", nullptr, &size), 0u);
    EXPECT_EQ(kova_GetSystemParameterStringValue4a(context, "VERSION", nullptr, &size), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_execute2"),
              (std::vector<std::string>{"PRINT 1, null, 10, ptr", "?VERSION;, null, 1, ptr"}));
    EXPECT_EQ(kova_ExecuteWithResponse4a(context, "PRINT 1", nullptr, nullptr), kBadArgument);
}

TEST_F(OpenWithRecordingLibrary, QueriesSendTheControllersQuerySyntax) {
    namespace CommandLine = Kova::TesselApi::Vireo::CommandLine;
    library.reply = "-12.25\r\n";
    double value = 0;
    EXPECT_EQ(CommandLine::QueryIndexed("TABLE", 7, value), 0u);
    EXPECT_DOUBLE_EQ(value, -12.25);
    EXPECT_EQ(CommandLine::QueryPrint("VERSION", value), 0u);
    char buffer[64];
    uint32_t size = sizeof buffer;
    EXPECT_EQ(CommandLine::QueryModified("PROC_STATUS", "PROC", 3, buffer, size), 0u);
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(library.CallsOf("vireo_api_execute2"),
              (std::vector<std::string>{"?TABLE(7);, ptr, 128, ptr", "PRINT VERSION;, ptr, 256, ptr",
                                        "?PROC_STATUS PROC(3);, ptr, 64, ptr"}));

    library.calls.clear();
    EXPECT_EQ(CommandLine::QueryValue("", buffer, size), kBadArgument);
    EXPECT_EQ(CommandLine::QueryModified("SPEED", "", 0, buffer, size), kBadArgument);
    EXPECT_TRUE(library.calls.empty());

    library.reply = "#INVALID_NAN";
    EXPECT_EQ(CommandLine::QueryPrint("X", value), 0u);
    EXPECT_TRUE(std::isnan(value));
    library.reply = "ERR";
    EXPECT_EQ(CommandLine::QueryPrint("X", value), kBadArgument);
}
