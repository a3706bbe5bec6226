// A session with the stand-in controller through the exported functions, as an application has it.
#include <gtest/gtest.h>

#include <cstring>

#include "support/open_context.h"

using namespace KovaTest;

namespace {

constexpr kova_result kReopen = 0x10000000D;
constexpr kova_result kDisconnected = 0x100000015;

std::string Reply(kova_context context, const char* command, kova_result& result) {
    std::vector<std::string> texts;
    result = kova_ExecuteWithResponse4c(context, command, RecordText, &texts);
    return texts.size() == 1 ? texts[0] : std::to_string(texts.size()) + " calls";
}

std::string ErrorNameOf(kova_result result) {
    std::vector<std::string> texts;
    kova_GetErrorName(result, RecordText, &texts);
    return texts.empty() ? "" : texts[0];
}

class Session : public OpenContext {
protected:
    void SetUp() override {
        OpenContext::SetUp();
        ASSERT_EQ(kova_OpenConnection(context), 0u);
    }
};

}  // namespace

TEST_F(OpenContext, OpeningReadsTheFirmwareVersionAndClosingForgetsIt) {
    double version = -1;
    EXPECT_EQ(kova_GetFirmwareVersionNumber(context, &version), kDisconnected);
    EXPECT_EQ(kova_GetConnectionType(context), 2u);

    ASSERT_EQ(kova_OpenConnection(context), 0u);
    EXPECT_TRUE(kova_IsConnected(context));
    EXPECT_EQ(kova_GetConnectionType(context), 2u);
    EXPECT_EQ(kova_GetFirmwareVersionNumber(context, &version), 0u);
    EXPECT_DOUBLE_EQ(version, 2.035);
    EXPECT_EQ(kova_OpenConnection(context), kReopen);

    EXPECT_EQ(kova_CloseConnection(context), 0u);
    EXPECT_FALSE(kova_IsConnected(context));
    EXPECT_EQ(kova_GetFirmwareVersionNumber(context, &version), kDisconnected);
    EXPECT_EQ(kova_CloseConnection(context), 0u);
}

TEST_F(OpenContext, TheControllersStartUpMessagesArriveAsInformation) {
    ASSERT_EQ(kova_OpenConnection(context), 0u);
    ASSERT_FALSE(events.empty());
    for (const Event& event : events) {
        EXPECT_EQ(event.type, 2u);
        EXPECT_EQ(event.result, 0u);
        EXPECT_FALSE(event.text.empty());
    }
}

TEST_F(Session, CommandLinesRunAndAnswer) {
    kova_result result = 1;
    EXPECT_EQ(Reply(context, "PRINT 1+2", result), "3\r\n");
    EXPECT_EQ(result, 0u);
    EXPECT_EQ(kova_Execute(context, "VR(7)=42"), 0u);
    EXPECT_EQ(Reply(context, "?VR(7)", result), "42\r\n");
    EXPECT_EQ(Reply(context, "VR(8)=1", result), "");
    EXPECT_EQ(result, 0u);
    EXPECT_EQ(kova_Execute(context, nullptr), 0u);
}

TEST_F(Session, ARefusedLineAnswersTheControllersErrorNumber) {
    EXPECT_EQ(kova_Execute(context, "FROBNICATE"), 0x400000001u);
    EXPECT_EQ(ErrorNameOf(0x400000001u), "ControllerError_COMMAND_NOT_RECOGNISED");
    EXPECT_EQ(kova_Execute(context, "VERSION=3"), 0x400000015u);
    kova_result result = 0;
    EXPECT_EQ(Reply(context, "PRINT VR(99999)", result), "0 calls");
    EXPECT_EQ(result, 0x400000013u);
}

TEST_F(Session, ReplyIntoABufferIsTerminatedWhenThereIsRoom) {
    char buffer[10];
    std::memset(buffer, '#', sizeof buffer);
    uint32_t size = sizeof buffer;
    ASSERT_EQ(kova_ExecuteWithResponse4a(context, "PRINT 12", buffer, &size), 0u);
    EXPECT_EQ(size, 5u);
    EXPECT_STREQ(buffer, "12\r\n");

    std::memset(buffer, '#', sizeof buffer);
    size = sizeof buffer;
    ASSERT_EQ(kova_ExecuteWithResponse4a(context, "PRINT 12345678", buffer, &size), 0u);
    EXPECT_EQ(size, 11u);
    EXPECT_EQ(std::string(buffer, sizeof buffer), "12345678\r\n");

    EXPECT_EQ(kova_ExecuteWithResponse4a(context, "PRINT 1", buffer, nullptr), kBadArgument);
}

TEST_F(Session, ReplyInPiecesAddsUpToTheWholeReply) {
    std::vector<std::string> pieces;
    ASSERT_EQ(kova_ExecuteWithResponse4b(context, "PRINT 1234567890123", RecordText, &pieces), 0u);
    EXPECT_GT(pieces.size(), 1u);
    std::string whole;
    for (const std::string& piece : pieces) whole += piece;
    EXPECT_EQ(whole, "1234567890123\r\n");

    EXPECT_EQ(kova_ExecuteWithResponse4b(context, "PRINT 1", nullptr, nullptr), kBadArgument);
    EXPECT_EQ(kova_ExecuteWithResponse4c(context, "PRINT 1", nullptr, nullptr), kBadArgument);
}

TEST_F(Session, InitialiseRestoresTheStartValues) {
    EXPECT_EQ(kova_Execute(context, "SPEED AXIS(1)=5"), 0u);
    EXPECT_EQ(kova_Initialise(context), 0u);
    kova_result result = 1;
    EXPECT_EQ(Reply(context, "?SPEED AXIS(1)", result), "1000\r\n");
    EXPECT_EQ(kova_UnitClear(context), 0u);
    EXPECT_EQ(kova_Ex(context, 1), 0u);
    EXPECT_EQ(kova_Cancel(context, 0, 1), 0u);
}

TEST_F(OpenContext, DestroyingAnOpenContextClosesTheController) {
    ASSERT_EQ(kova_OpenConnection(context), 0u);
    kova_result result = 1;
    EXPECT_EQ(kova_Execute(context, "VR(1)=5"), 0u);
    EXPECT_EQ(kova_DestroyContext(context), 0u);
    ASSERT_EQ(kova_CreateContext(&kThisVersion, nullptr, nullptr, &context), 0u);
    ASSERT_EQ(kova_OpenConnection(context), 0u);
    EXPECT_EQ(Reply(context, "?VR(1)", result), "0\r\n");
}
