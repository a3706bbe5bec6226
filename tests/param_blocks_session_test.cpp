// Parameter blocks through the exports against the simulated controller: moving axes, the
// controller's memory and I/O, and several threads sharing one connection's blocks.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "support/open_context.h"

using namespace KovaTest;

namespace {

class ParamBlocksSession : public OpenContext {
protected:
    void SetUp() override {
        OpenContext::SetUp();
        ASSERT_EQ(kova_OpenConnection(context), 0u);
    }
};

TEST_F(ParamBlocksSession, MovingAxesReportChangesUntilTheyStop) {
    const char* names[] = {"MPOS", "IDLE"};
    uint32_t id = 0;
    ASSERT_EQ(kova_ParamBlockDefineAxis(context, names, 2, &id), 0u);
    const uint32_t axes[] = {0, 1};
    for (uint32_t axis : axes) ASSERT_EQ(kova_SetAxisParameter_SPEED(context, static_cast<int32_t>(axis), 100), 0u);
    double values[4];
    uint64_t masks[2];
    ASSERT_EQ(kova_ParamBlockFetchChangedAxisParam7a(context, id, axes, 2, values, 4, masks), 0u);
    EXPECT_EQ(masks[0], 0b11u);
    EXPECT_EQ(masks[1], 0b11u);
    const double start0 = values[0], start1 = values[2];

    ASSERT_EQ(kova_Execute(context, "MOVE(50) AXIS(0):MOVE(-30) AXIS(1)"), 0u);
    int moving0 = 0, moving1 = 0;
    bool stopped = false;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!stopped && std::chrono::steady_clock::now() < end) {
        ASSERT_EQ(kova_ParamBlockFetchChangedAxisParam7a(context, id, axes, 2, values, 4, masks), 0u);
        moving0 += static_cast<int>(masks[0] & 1u);
        moving1 += static_cast<int>(masks[1] & 1u);
        bool idle0 = false, idle1 = false;
        ASSERT_EQ(kova_GetAxisParameter_IDLE(context, 0, &idle0), 0u);
        ASSERT_EQ(kova_GetAxisParameter_IDLE(context, 1, &idle1), 0u);
        stopped = idle0 && idle1;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_TRUE(stopped);
    EXPECT_GE(moving0, 2);
    EXPECT_GE(moving1, 2);

    ASSERT_EQ(kova_ParamBlockFetchChangedAxisParam7a(context, id, axes, 2, values, 4, masks), 0u);
    values[0] = values[2] = -1;
    ASSERT_EQ(kova_ParamBlockFetchChangedAxisParam7a(context, id, axes, 2, values, 4, masks), 0u);
    EXPECT_EQ(masks[0], 0u);
    EXPECT_EQ(masks[1], 0u);
    EXPECT_EQ(values[0], -1);
    ASSERT_EQ(kova_ParamBlockFetchAllAxisParam6a(context, id, axes, 2, values, 4), 0u);
    EXPECT_DOUBLE_EQ(values[0], start0 + 50);
    EXPECT_DOUBLE_EQ(values[2], start1 - 30);
}

TEST_F(ParamBlocksSession, MemoryIoAndSystemValuesComeFromTheController) {
    ASSERT_EQ(kova_SetVrValue(context, 7, 1.25), 0u);
    ASSERT_EQ(kova_SetTableValue(context, 9, -4), 0u);
    const uint32_t indices[] = {7, 9};
    uint32_t vr = 0, table = 0;
    ASSERT_EQ(kova_ParamBlockDefineVr(context, indices, 1, &vr), 0u);
    ASSERT_EQ(kova_ParamBlockDefineTable(context, indices + 1, 1, &table), 0u);
    double value = 0;
    ASSERT_EQ(kova_ParamBlockFetchAllVr(context, vr, &value, 1), 0u);
    EXPECT_EQ(value, 1.25);
    ASSERT_EQ(kova_ParamBlockFetchAllTable(context, table, &value, 1), 0u);
    EXPECT_EQ(value, -4);

    ASSERT_EQ(kova_SetDOut4(context, 8, 15, 0x81), 0u);
    ASSERT_EQ(kova_SetInvertIN(context, 2, true), 0u);
    const kova_io_range ranges[] = {{8, 8}, {0, 4}};
    uint32_t io = 0;
    ASSERT_EQ(kova_ParamBlockDefineIO(context, ranges, 2, &io), 0u);
    uint64_t words[2];
    ASSERT_EQ(kova_ParamBlockFetchAllIO(context, io, 1, words, 2), 0u);
    EXPECT_EQ(words[0], 0x81u);
    ASSERT_EQ(kova_ParamBlockFetchAllIO(context, io, 0, words, 2), 0u);
    EXPECT_EQ(words[1], 0x4u);
    EXPECT_EQ(kova_SetInvertIN(context, 2, false), 0u);
    EXPECT_EQ(kova_SetDOut4(context, 8, 15, 0), 0u);

    ASSERT_EQ(kova_SetAOut(context, 1, 321), 0u);
    ASSERT_EQ(kova_SetVrValue(context, 2, 6.5), 0u);
    const char* names[] = {"AOUT(1)", "SERVO_PERIOD", "VR(2)", "AIN0"};
    uint32_t system = 0;
    ASSERT_EQ(kova_ParamBlockDefineSystem(context, names, 4, &system), 0u);
    double values[4];
    ASSERT_EQ(kova_ParamBlockFetchAllSystem(context, system, values, 4), 0u);
    int32_t period = 0;
    ASSERT_EQ(kova_GetSystemParameter_SERVO_PERIOD(context, &period), 0u);
    EXPECT_EQ(values[0], 321);
    EXPECT_EQ(values[1], period);
    EXPECT_EQ(values[2], 6.5);
}

// Several threads define, fetch and delete their own blocks on one connection; each must see only
// its own values, and every block must be gone at the end.
TEST(ParamBlockThreads, DefiningFetchingAndDeletingOnOneConnectionFromSeveralThreads) {
    kova_context context = nullptr;
    ASSERT_EQ(kova_CreateContext(&kThisVersion, nullptr, nullptr, &context), 0u);
    ASSERT_EQ(kova_OpenConnection(context), 0u);
    constexpr uint32_t kThreads = 4;
    constexpr int kRounds = 150;
    for (uint32_t t = 0; t < kThreads; ++t) ASSERT_EQ(kova_SetVrValue(context, 100 + t, t), 0u);
    std::atomic<int> failures{0};
    std::vector<std::thread> threads;
    for (uint32_t t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            const uint32_t index = 100 + t;
            const char* names[] = {"MPOS", "SPEED"};
            for (int round = 0; round < kRounds; ++round) {
                uint32_t vr = 0, axis = 0;
                double values[2] = {-1, -1};
                uint64_t mask = 0;
                if (kova_ParamBlockDefineVr(context, &index, 1, &vr) != 0 ||
                    kova_ParamBlockDefineAxis(context, names, 2, &axis) != 0 ||
                    kova_ParamBlockFetchChangedVr(context, vr, values, 1, &mask) != 0 || mask != 1 ||
                    values[0] != t || kova_ParamBlockFetchChangedVr(context, vr, values, 1, &mask) != 0 || mask != 0 ||
                    kova_ParamBlockFetchChangedAxisParam6a(context, axis, t, values, 2, &mask) != 0 ||
                    kova_ParamBlockDelete(context, vr) != 0 || kova_ParamBlockDelete(context, axis) != 0)
                    ++failures;
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(failures.load(), 0);
    uint32_t id = 99;
    const uint32_t index = 0;
    ASSERT_EQ(kova_ParamBlockDefineVr(context, &index, 1, &id), 0u);
    EXPECT_EQ(id, 0u);
    EXPECT_EQ(kova_DestroyContext(context), 0u);
}

}  // namespace
