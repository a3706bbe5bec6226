// Making, using and ending contexts through the exported functions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/open_context.h"

namespace {

using namespace KovaTest;
using ContextTest = OpenContext;

TEST(CreateContext, RefusesMissingVersionOrHandleWithoutTouchingTheHandle) {
    kova_context context = reinterpret_cast<kova_context>(0x1234);
    EXPECT_EQ(kova_CreateContext(nullptr, nullptr, nullptr, &context), kBadArgument);
    EXPECT_EQ(context, reinterpret_cast<kova_context>(0x1234));
    EXPECT_EQ(kova_CreateContext(&kThisVersion, nullptr, nullptr, nullptr), kBadArgument);
}

TEST(CreateContext, ReportsAVersionMismatchOnceBeforeReturning) {
    for (kova_version other : {kova_version{1, 3, 0, 1396}, kova_version{2, 3, 0, 1397}, kova_version{1, 3, 1, 1397}}) {
        std::vector<Event> events;
        kova_context context = nullptr;
        EXPECT_EQ(kova_CreateContext(&other, RecordEvent, &events, &context), kVersionMismatch);
        EXPECT_EQ(context, nullptr);
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0].type, 0u);
        EXPECT_EQ(events[0].result, kVersionMismatch);
        EXPECT_EQ(events[0].text, "Version mismatch between modules of Tessel API");
    }
}

TEST(CreateContext, AcceptsANullEventCallback) {
    kova_version other = {1, 3, 0, 1396};
    kova_context context = nullptr;
    EXPECT_EQ(kova_CreateContext(&other, nullptr, nullptr, &context), kVersionMismatch);
    ASSERT_EQ(kova_CreateContext(&kThisVersion, nullptr, nullptr, &context), 0u);
    EXPECT_EQ(kova_DestroyContext(context), 0u);
}

TEST(Factory, MakesOnlyTheVireoConnectionType) {
    kova_context context = reinterpret_cast<kova_context>(0x1234);
    for (uint32_t type : {0u, 1u, 3u, 99u}) {
        EXPECT_EQ(kta_factory(type, &kThisVersion, nullptr, &context), kInvalidContext);
        EXPECT_EQ(context, reinterpret_cast<kova_context>(0x1234));
    }
    ASSERT_EQ(kta_factory(KOVA_CONNECTION_VIREO, &kThisVersion, nullptr, &context), 0u);
    EXPECT_EQ(kova_GetConnectionType(context), 2u);
    EXPECT_EQ(kova_DestroyContext(context), 0u);
}

TEST(NullContext, AnswersWithoutLookingFurther) {
    EXPECT_FALSE(kova_IsConnected(nullptr));
    EXPECT_EQ(kova_GetConnectionType(nullptr), 0u);
}

TEST_F(ContextTest, IsANewClosedVireoConnectionWithoutEvents) {
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(kova_GetConnectionType(context), 2u);
    EXPECT_FALSE(kova_IsConnected(context));
    EXPECT_TRUE(events.empty());
}

TEST_F(ContextTest, TellsItsVersionThroughCheckedPointers) {
    uint64_t packed = 0;
    EXPECT_EQ(kova_GetApiVersion(context, &packed), 0u);
    EXPECT_NE(packed, 0u);
    EXPECT_EQ(kova_GetApiVersion(context, nullptr), kBadArgument);

    std::vector<std::string> texts;
    EXPECT_EQ(kova_GetApiVersionStr(context, RecordText, &texts), 0u);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_FALSE(texts[0].empty());
    EXPECT_EQ(kova_GetApiVersionStr(context, nullptr, nullptr), kBadArgument);
}

TEST_F(ContextTest, ConnectionParameterExportsCheckTheirOwnPointersThenAreNotOffered) {
    std::vector<std::string> texts;
    EXPECT_EQ(kova_GetTcpHostName(context, nullptr, nullptr), kBadArgument);
    EXPECT_EQ(kova_GetConnectionParameterIntValue(context, "x", nullptr), kBadArgument);
    EXPECT_EQ(kova_GetConnectionParameterStringValue4a(context, "x", nullptr, nullptr), kBadArgument);
    EXPECT_EQ(kova_GetFirmwareVersionNumber(context, nullptr), kBadArgument);
    // The port getter leaves its pointer to the operation.
    EXPECT_EQ(kova_GetTcpPort(context, nullptr), kNotSupported);
    char buffer[8] = "keep";
    uint32_t size = sizeof buffer;
    EXPECT_EQ(kova_GetConnectionParameterStringValue4a(context, "x", buffer, &size), kNotSupported);
    EXPECT_EQ(size, sizeof buffer);
    EXPECT_STREQ(buffer, "keep");
    EXPECT_EQ(kova_GetTcpHostName(context, RecordText, &texts), kNotSupported);
    EXPECT_TRUE(texts.empty());
}

}  // namespace
