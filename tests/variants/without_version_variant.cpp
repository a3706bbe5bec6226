// The module bound to a library that cannot tell its version.
#include <gtest/gtest.h>

#include "support/open_context.h"
#include "vireo_api.h"

using namespace KovaTest;

TEST(LibraryWithoutVersion, NoContextIsMade) {
    std::vector<Event> events;
    kova_context context = nullptr;
    EXPECT_EQ(kova_CreateContext(&kThisVersion, RecordEvent, &events, &context), kVersionMismatch);
    EXPECT_EQ(context, nullptr);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].type, 1u);
    EXPECT_EQ(events[0].text, "Failed to get vireo_api_get_version address");
    EXPECT_EQ(events[1].type, 0u);
    EXPECT_EQ(events[1].result, kVersionMismatch);
    EXPECT_EQ(events[1].text, "VIREO API get version failed");
    EXPECT_EQ(vireo_api_is_open(), 0);
}
