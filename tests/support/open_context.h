// What the tests of exported functions share: the results they expect and a fresh context per test.
#pragma once

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "kova/tesselapi.h"

namespace KovaTest {

constexpr kova_result kBadArgument = 0x10000000c;
constexpr kova_result kInvalidContext = 0x8100000004;
constexpr kova_result kNotSupported = 0x100000002;
constexpr kova_result kVersionMismatch = 0x8100000012;
constexpr kova_result kLowLevelError = 0x8100000011;

constexpr kova_version kThisVersion = {KOVA_VERSION_MAJOR, KOVA_VERSION_MINOR, KOVA_VERSION_PATCH,
                                       KOVA_VERSION_BUILD};

struct Event {
    uint32_t type;
    kova_result result;
    std::string text;
};

// Event callback; user is a std::vector<Event>. The library reports on whatever thread meets the
// event (a transfer's sender and receiver at once), so the recorder serialises them itself.
inline void RecordEvent(void* user, uint32_t type, uint64_t result, const char* text, uint64_t length) {
    static std::mutex recording;
    std::lock_guard lock(recording);
    static_cast<std::vector<Event>*>(user)->push_back({type, result, std::string(text, length)});
}

// String callback; user is a std::vector<std::string>.
inline void RecordText(void* user, const char* text, uint32_t length) {
    static_cast<std::vector<std::string>*>(user)->emplace_back(text, length);
}

// A context of its own for each test, with its events recorded; it must end cleanly.
class OpenContext : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(kova_CreateContext(&kThisVersion, RecordEvent, &events, &context), 0u); }
    void TearDown() override { EXPECT_EQ(kova_DestroyContext(context), 0u); }

    std::vector<Event> events;
    kova_context context = nullptr;
};

}  // namespace KovaTest
