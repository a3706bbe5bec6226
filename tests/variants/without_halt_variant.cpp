// The module bound to a library that lacks vireo_api_halt and vireo_api_ex.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/open_context.h"
#include "vireo_api.h"

using namespace KovaTest;

TEST(LibraryWithoutHalt, EveryNewContextReportsTheMissingFunctionOnce) {
    for (int round = 0; round < 2; ++round) {
        std::vector<Event> events;
        kova_context context = nullptr;
        ASSERT_EQ(kova_CreateContext(&kThisVersion, RecordEvent, &events, &context), 0u);
        const auto halt = std::count_if(events.begin(), events.end(), [](const Event& e) {
            return e.text == "Failed to get vireo_api_halt address";
        });
        EXPECT_EQ(halt, 1);
        for (const Event& event : events) {
            EXPECT_EQ(event.type, 1u);
            EXPECT_EQ(event.result >> 32, 2u) << event.text;
        }
        EXPECT_EQ(kova_DestroyContext(context), 0u);
    }
}

TEST(LibraryWithoutHalt, TheConnectionWorksAndHaltIsNotSupported) {
    kova_context context = nullptr;
    ASSERT_EQ(kova_CreateContext(&kThisVersion, nullptr, nullptr, &context), 0u);
    ASSERT_EQ(kova_OpenConnection(context), 0u);
    EXPECT_EQ(kova_Halt(context), kNotSupported);
    EXPECT_EQ(kova_Ex(context, 3), 0u);
    std::vector<std::string> reply;
    EXPECT_EQ(kova_ExecuteWithResponse4c(context, "PRINT 1+2", RecordText, &reply), 0u);
    EXPECT_EQ(reply, std::vector<std::string>{"3\r\n"});
    EXPECT_EQ(kova_DestroyContext(context), 0u);
    EXPECT_EQ(vireo_api_is_open(), 0);
}
