// The module factory against the stand-in library: which library versions make a context.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/environment.h"
#include "support/open_context.h"

using namespace KovaTest;

namespace {

struct Created {
    kova_result result;
    std::vector<Event> events;
};

// A context with the library reporting `version`, destroyed again at once.
Created CreateWithLibraryVersion(const char* version) {
    ScopedEnvironment environment("VIREO_SIM_VERSION", version);
    Created created{};
    kova_context context = nullptr;
    created.result = kova_CreateContext(&kThisVersion, RecordEvent, &created.events, &context);
    if (context) kova_DestroyContext(context);
    return created;
}

}  // namespace

TEST(LowLevelVersion, TheExpectedVersionIsAcceptedSilently) {
    const Created created = CreateWithLibraryVersion("2.339005006.1570.28865");
    EXPECT_EQ(created.result, 0u);
    EXPECT_TRUE(created.events.empty());
}

TEST(LowLevelVersion, ALaterBuildIsAcceptedWithAWarning) {
    const Created created = CreateWithLibraryVersion("2.1.1439.0");
    EXPECT_EQ(created.result, 0u);
    ASSERT_EQ(created.events.size(), 1u);
    EXPECT_EQ(created.events[0].type, 1u);
    EXPECT_EQ(created.events[0].result, kVersionMismatch);
    EXPECT_EQ(created.events[0].text, "VIREO API version 2.1.1439.0 differs - expected 2.339005006.1570.28865");
}

TEST(LowLevelVersion, AnEarlierBuildMakesNoContext) {
    ScopedEnvironment environment("VIREO_SIM_VERSION", "2.339005006.1438.28865");
    std::vector<Event> events;
    kova_context context = nullptr;
    EXPECT_EQ(kova_CreateContext(&kThisVersion, RecordEvent, &events, &context), kVersionMismatch);
    EXPECT_EQ(context, nullptr);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, 0u);
    EXPECT_EQ(events[0].text, "VIREO API version 2.339005006.1438.28865 differs - expected 2.339005006.1570.28865");
}

TEST(LowLevelVersion, AVersionOfFewerThanFourNumbersIsRefused) {
    const Created created = CreateWithLibraryVersion("2.1");
    EXPECT_EQ(created.result, kVersionMismatch);
    ASSERT_EQ(created.events.size(), 1u);
    EXPECT_EQ(created.events[0].type, 0u);
    EXPECT_EQ(created.events[0].text, "VIREO API version has unexpected format - 2.1");
}

TEST(LowLevelVersion, TheCallersVersionIsJudgedBeforeTheLibrarys) {
    ScopedEnvironment environment("VIREO_SIM_VERSION", "2.1");
    kova_version older = kThisVersion;
    older.build -= 1;
    std::vector<Event> events;
    kova_context context = nullptr;
    EXPECT_EQ(kova_CreateContext(&older, RecordEvent, &events, &context), kVersionMismatch);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].text, "Version mismatch between modules of Tessel API");
}
