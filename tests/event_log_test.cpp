// Events reach the application's callback; debug trace lines go to their own channel.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "shared/debug_trace.h"
#include "support/environment.h"
#include "vireo/connection_vireo.h"

namespace {

using namespace Kova::TesselApi;

TEST(EventLog, HandsEachEventToTheEventFunctionOnce) {
    struct Seen {
        std::uint32_t type;
        Shared::Result result;
        std::string text;
    };
    std::vector<Seen> seen;
    Vireo::Connection_Vireo connection(
        [&](std::uint32_t type, Shared::Result result, std::string_view text) { seen.push_back({type, result, std::string(text)}); });
    Shared::IEventLogger& log = connection;
    log.Log(Shared::EventWarning, 0x200000002, "Failed to get vireo_api_halt address");
    log.Event(Shared::EventInformation, 0, "");
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].type, 1u);
    EXPECT_EQ(seen[0].result, 0x200000002u);
    EXPECT_EQ(seen[0].text, "Failed to get vireo_api_halt address");
    EXPECT_EQ(seen[1].type, 2u);
    EXPECT_EQ(seen[1].text, "");
}

#if !defined(_WIN32)
// On Linux the trace goes to stderr while KOVA_DEBUG_TRACE is set.
TEST(DebugTrace, WritesATimeStampedLineAndNothingForAnEmptyMessage) {
    const KovaTest::ScopedEnvironment trace("KOVA_DEBUG_TRACE", "1");
    testing::internal::CaptureStderr();
    Shared::DebugTrace("%s", "");
    Shared::DebugTrace("sent %d bytes to %s", 12, "controller");
    Shared::DebugTrace("%s", std::string(2000, 'y').c_str());
    const std::string out = testing::internal::GetCapturedStderr();
    const std::regex line(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d sent 12 bytes to controller\n)"
                          R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d y{2000}\n)");
    EXPECT_TRUE(std::regex_match(out, line)) << out.substr(0, 200);
}
#endif

}  // namespace
