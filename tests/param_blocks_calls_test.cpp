// Parameter blocks against the recording double: ids, limits, what each fetch reports and writes,
// every failure, and the exact library calls behind each entry.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "shared/connection/interfaces.h"
#include "support/recording_session.h"

using namespace KovaTest;

namespace {

constexpr kova_result kDisconnected = 0x100000015;
constexpr kova_result kInvalidParamBlock = 0x100000016;
constexpr kova_result kCapacityExceeded = 0x100000018;
constexpr kova_result kBufferTooSmall = 0x10000000e;
constexpr double kUntouched = -7;

class ParamBlockCalls : public OpenWithRecordingLibrary {
protected:
    uint32_t DefineVr(std::vector<uint32_t> indices) {
        uint32_t id = 99;
        EXPECT_EQ(kova_ParamBlockDefineVr(context, indices.data(), static_cast<uint32_t>(indices.size()), &id), 0u);
        return id;
    }
    uint32_t DefineNames(bool axis, std::vector<const char*> names) {
        uint32_t id = 99;
        const auto define = axis ? kova_ParamBlockDefineAxis : kova_ParamBlockDefineSystem;
        EXPECT_EQ(define(context, names.data(), static_cast<uint32_t>(names.size()), &id), 0u);
        return id;
    }
    // Fetches what changed into values that start as kUntouched.
    std::vector<double> Changed(uint32_t id, std::size_t size, uint64_t& mask) {
        std::vector<double> values(size, kUntouched);
        EXPECT_EQ(kova_ParamBlockFetchChangedVr(context, id, values.data(), static_cast<uint32_t>(size), &mask), 0u);
        return values;
    }
    void Tagged(int32_t tag, uint64_t field) {
        library.parameter.tag = tag;
        library.parameter.value.u64 = field;
    }
};

TEST_F(ParamBlockCalls, IdsAreTheLowestFreeSlotAndTheStoreHoldsSixtyFourBlocks) {
    EXPECT_EQ(DefineVr({1}), 0u);
    EXPECT_EQ(DefineVr({1}), 1u);
    EXPECT_EQ(DefineVr({1}), 2u);
    ASSERT_EQ(kova_ParamBlockDelete(context, 0), 0u);
    EXPECT_EQ(kova_ParamBlockDelete(context, 0), kInvalidParamBlock);
    EXPECT_EQ(DefineVr({1}), 0u);
    for (uint32_t expected = 3; expected < 64; ++expected) ASSERT_EQ(DefineVr({1}), expected);
    uint32_t id = 99;
    const uint32_t index = 1;
    EXPECT_EQ(kova_ParamBlockDefineVr(context, &index, 1, &id), kInvalidParamBlock);
    EXPECT_EQ(id, 99u);
    double value = 0;
    EXPECT_EQ(kova_ParamBlockFetchAllVr(context, 64, &value, 1), kInvalidParamBlock);
}

TEST_F(ParamBlockCalls, ABlockHoldsThirtyTwoEntries) {
    library.vr.assign(40, 1.0);
    std::vector<uint32_t> indices(33, 0);
    uint32_t id = 99;
    EXPECT_EQ(kova_ParamBlockDefineVr(context, indices.data(), 33, &id), kCapacityExceeded);
    EXPECT_EQ(id, 99u);
    // The refused block keeps its slot until the connection closes.
    id = DefineVr(std::vector<uint32_t>(30, 2));
    EXPECT_EQ(id, 1u);
    EXPECT_EQ(kova_ParamBlockAppendVr(context, indices.data(), 3, id), kCapacityExceeded);
    std::vector<double> values(32);
    ASSERT_EQ(kova_ParamBlockFetchAllVr(context, id, values.data(), 32), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_get_vr").size(), 30u);
    EXPECT_EQ(kova_ParamBlockAppendVr(context, indices.data(), 2, id), 0u);
}

TEST_F(ParamBlockCalls, ClosingDropsEveryBlockAndAClosedConnectionRefusesFirst) {
    DefineVr({1});
    DefineVr({2});
    ASSERT_EQ(kova_CloseConnection(context), 0u);
    uint32_t id = 99;
    double value = 0;
    uint64_t mask = 0;
    const uint32_t index = 1;
    EXPECT_EQ(kova_ParamBlockDefineVr(context, &index, 1, &id), kDisconnected);
    EXPECT_EQ(kova_ParamBlockDelete(context, 0), kDisconnected);
    EXPECT_EQ(kova_ParamBlockFetchChangedVr(context, 0, nullptr, 0, &mask), kDisconnected);
    EXPECT_EQ(id, 99u);
    ASSERT_EQ(kova_OpenConnection(context), 0u);
    EXPECT_EQ(kova_ParamBlockFetchAllVr(context, 1, &value, 1), kInvalidParamBlock);
    EXPECT_EQ(DefineVr({1}), 0u);
}

TEST_F(ParamBlockCalls, FetchArgumentsAndShapesAreCheckedBeforeAnythingIsRead) {
    library.vr.assign(8, 3.0);
    const uint32_t id = DefineVr({1, 2, 3});
    std::vector<double> values(3, kUntouched);
    uint64_t mask = 5;
    uint32_t unused = 99;
    EXPECT_EQ(kova_ParamBlockDefineVr(context, nullptr, 2, &unused), kBadArgument);
    EXPECT_EQ(kova_ParamBlockAppendIO(context, nullptr, 1, id), kBadArgument);
    EXPECT_EQ(kova_ParamBlockFetchAllVr(context, id, nullptr, 3), kBadArgument);
    EXPECT_EQ(kova_ParamBlockFetchAllVr(context, id, values.data(), 0), kBadArgument);
    EXPECT_EQ(kova_ParamBlockFetchChangedVr(context, id, values.data(), 2, &mask), kBufferTooSmall);
    EXPECT_EQ(kova_ParamBlockFetchChangedSystem(context, id, values.data(), 3, &mask), kInvalidParamBlock);
    uint64_t words[3];
    EXPECT_EQ(kova_ParamBlockFetchAllIO(context, id, 0, words, 3), kInvalidParamBlock);
    EXPECT_TRUE(library.calls.empty());
    EXPECT_EQ(values, std::vector<double>(3, kUntouched));
    EXPECT_EQ(mask, 5u);
    // A TABLE fetch reads the same indices from TABLE memory.
    library.table.assign(8, 4.0);
    ASSERT_EQ(kova_ParamBlockFetchAllTable(context, id, values.data(), 3), 0u);
    EXPECT_EQ(values, std::vector<double>(3, 4.0));
    EXPECT_EQ(library.CallsOf("vireo_api_get_table"), (std::vector<std::string>{"1, 1, ptr", "2, 1, ptr", "3, 1, ptr"}));
}

TEST_F(ParamBlockCalls, FetchChangedReportsFirstReadsAndMovesAndWritesNothingElse) {
    library.vr = {10, 11, 12, 13};
    const uint32_t id = DefineVr({0, 1, 2});
    uint64_t mask = 0;
    EXPECT_EQ(Changed(id, 3, mask), (std::vector<double>{10, 11, 12}));
    EXPECT_EQ(mask, 0b111u);
    EXPECT_EQ(Changed(id, 3, mask), std::vector<double>(3, kUntouched));
    EXPECT_EQ(mask, 0u);
    library.vr[1] = 21;
    EXPECT_EQ(Changed(id, 3, mask), (std::vector<double>{kUntouched, 21, kUntouched}));
    EXPECT_EQ(mask, 0b010u);

    // After a fetch of everything only what moved since then is reported.
    library.vr[0] = 30;
    std::vector<double> all(3);
    ASSERT_EQ(kova_ParamBlockFetchAllVr(context, id, all.data(), 3), 0u);
    library.vr[2] = 32;
    EXPECT_EQ(Changed(id, 3, mask), (std::vector<double>{kUntouched, kUntouched, 32}));

    // Appended entries are first reads; the old ones are reported only if they moved.
    const uint32_t more = 3;
    ASSERT_EQ(kova_ParamBlockAppendVr(context, &more, 1, id), 0u);
    EXPECT_EQ(Changed(id, 4, mask), (std::vector<double>{kUntouched, kUntouched, kUntouched, 13}));
    EXPECT_EQ(mask, 0b1000u);
}

TEST_F(ParamBlockCalls, ANaNIsReportedOnEveryFetch) {
    library.vr = {std::numeric_limits<double>::quiet_NaN(), 1};
    const uint32_t id = DefineVr({0, 1});
    uint64_t mask = 0;
    Changed(id, 2, mask);
    EXPECT_TRUE(std::isnan(Changed(id, 2, mask)[0]));
    EXPECT_EQ(mask, 0b01u);
}

TEST_F(ParamBlockCalls, AReadFailingPartWayKeepsWhatWasReadAndLeavesTheMasksAlone) {
    library.vr = {1, 2, 3, 4};
    const uint32_t id = DefineVr({0, 1, 2, 3});
    library.vrReadsBeforeFailure = 2;
    std::vector<double> values(4, kUntouched);
    uint64_t mask = 77;
    EXPECT_EQ(kova_ParamBlockFetchChangedVr(context, id, values.data(), 4, &mask), kLowLevelError);
    EXPECT_EQ(values, (std::vector<double>{1, 2, kUntouched, kUntouched}));
    EXPECT_EQ(mask, 77u);
    library.vrReadsBeforeFailure = -1;
    EXPECT_EQ(Changed(id, 4, mask), (std::vector<double>{1, 2, 3, 4}));
    EXPECT_EQ(mask, 0b1111u);
}

TEST_F(ParamBlockCalls, LibraryFailuresFollowEachKindsConvention) {
    library.vr = {1};
    const uint32_t vr = DefineVr({0});
    const uint32_t axis = DefineNames(true, {"MPOS"});
    const uint32_t system = DefineNames(false, {"AIN(1)", "WDOG"});
    const kova_io_range range{0, 4};
    uint32_t io = 0;
    ASSERT_EQ(kova_ParamBlockDefineIO(context, &range, 1, &io), 0u);
    double values[2];
    uint64_t words[1];

    library.Answer("vireo_api_get_vr", -2);
    EXPECT_EQ(kova_ParamBlockFetchAllVr(context, vr, values, 1), kNotSupported);
    library.Answer("vireo_api_get_vr", -5);
    EXPECT_EQ(kova_ParamBlockFetchAllVr(context, vr, values, 1), kLowLevelError);
    library.Remove("vireo_api_get_vr");
    EXPECT_EQ(kova_ParamBlockFetchAllVr(context, vr, values, 1), kNotSupported);

    library.Answer("vireo_api_get_axis_parameter", -2);
    EXPECT_EQ(kova_ParamBlockFetchAllAxisParam5a(context, axis, 0, values, 1), kLowLevelError);
    library.Answer("vireo_api_get_ain", -2);
    EXPECT_EQ(kova_ParamBlockFetchAllSystem(context, system, values, 2), kNotSupported);
    library.Answer("vireo_api_get_ain", 0);
    library.Answer("vireo_api_get_system_parameter", 3);
    EXPECT_EQ(kova_ParamBlockFetchAllSystem(context, system, values, 2), kLowLevelError);
    library.Answer("vireo_api_get_in_range", -2);
    EXPECT_EQ(kova_ParamBlockFetchAllIO(context, io, 0, words, 1), kLowLevelError);
}

TEST_F(ParamBlockCalls, TagsBecomeTypedValuesAndUnknownTagsAreRefused) {
    const uint32_t id = DefineNames(true, {"MPOS"});
    double value = 0;
    Tagged(VIREO_API_UINT64, 0xFFFFFFFFFFFFFFFFull);
    ASSERT_EQ(kova_ParamBlockFetchAllAxisParam5a(context, id, 0, &value, 1), 0u);
    EXPECT_EQ(value, 18446744073709551615.0);
    // Only the tag's width counts: the bytes above a 16-bit value are not part of it.
    Tagged(VIREO_API_INT16, 0x12340000FFFEull);
    ASSERT_EQ(kova_ParamBlockFetchAllAxisParam5a(context, id, 0, &value, 1), 0u);
    EXPECT_EQ(value, -2.0);
    library.parameter.tag = VIREO_API_FLOAT32;
    library.parameter.value.f32 = 0.5f;
    ASSERT_EQ(kova_ParamBlockFetchAllAxisParam5a(context, id, 0, &value, 1), 0u);
    EXPECT_EQ(value, 0.5);
    Tagged(110, 1);
    EXPECT_EQ(kova_ParamBlockFetchAllAxisParam5a(context, id, 0, &value, 1), kNotSupported);
    Tagged(99, 1);
    EXPECT_EQ(kova_ParamBlockFetchAllAxisParam5a(context, id, 0, &value, 1), kNotSupported);
}

TEST_F(ParamBlockCalls, AxisNamesResolveInAnyCaseAndUnknownOnesAreRefused) {
    const uint32_t id = DefineNames(true, {"mpos", "Speed"});
    double values[4];
    ASSERT_EQ(kova_ParamBlockFetchAllAxisParam5a(context, id, 3, values, 2), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_get_axis_parameter"),
              (std::vector<std::string>{"101, 3, ptr", "132, 3, ptr"}));
    const char* unknown[] = {"NO_SUCH", nullptr};
    ASSERT_EQ(kova_ParamBlockAppendAxis(context, unknown, 2, id), 0u);
    library.calls.clear();
    EXPECT_EQ(kova_ParamBlockFetchAllAxisParam5a(context, id, 3, values, 4), kBadArgument);
    EXPECT_EQ(kova_ParamBlockFetchAllAxisParam5a(context, id, 3, values, 4), kBadArgument);
    EXPECT_TRUE(library.calls.empty());
    // Names resolve for the block's own kind only.
    EXPECT_EQ(kova_ParamBlockFetchAllSystem(context, id, values, 4), kInvalidParamBlock);
}

TEST_F(ParamBlockCalls, SystemNamesReachAnalogueChannelsTheTableOrTheCommandLine) {
    library.reply = "2.5\r\n";
    library.word = -3;
    const uint32_t id = DefineNames(false, {"AIN(3)", "WDOG", "AIN0", "VR(2)", "aout(12)"});
    std::vector<double> values(5);
    Tagged(VIREO_API_UINT32, 1);
    ASSERT_EQ(kova_ParamBlockFetchAllSystem(context, id, values.data(), 5), 0u);
    EXPECT_EQ(values, (std::vector<double>{-3, 1, 2.5, 2.5, -3}));
    EXPECT_EQ(library.CallsOf("vireo_api_get_ain"), std::vector<std::string>{"3, ptr"});
    EXPECT_EQ(library.CallsOf("vireo_api_get_aout"), std::vector<std::string>{"12, ptr"});
    EXPECT_EQ(library.CallsOf("vireo_api_get_system_parameter"), std::vector<std::string>{"0, ptr"});
    EXPECT_EQ(library.CallsOf("vireo_api_execute2"),
              (std::vector<std::string>{"PRINT AIN0;, ptr, 256, ptr", "PRINT VR(2);, ptr, 256, ptr"}));
    library.Answer("vireo_api_execute2", 7);
    EXPECT_EQ(kova_ParamBlockFetchAllSystem(context, id, values.data(), 5), 0x400000007u);

    for (const char* malformed : {"NOT_A_PARAMETER", "VR(2", "VR(99999999999)"}) {
        const uint32_t bad = DefineNames(false, {malformed});
        EXPECT_EQ(kova_ParamBlockFetchAllSystem(context, bad, values.data(), 5), kBadArgument) << malformed;
        kova_ParamBlockDelete(context, bad);
    }
}

TEST_F(ParamBlockCalls, IoWordsAreSignExtendedAndCutToTheirRange) {
    const kova_io_range ranges[] = {{8, 8}, {0, 40}, {0, 64}};
    uint32_t id = 0;
    ASSERT_EQ(kova_ParamBlockDefineIO(context, ranges, 3, &id), 0u);
    library.word = -1;
    uint64_t words[3];
    ASSERT_EQ(kova_ParamBlockFetchAllIO(context, id, 1, words, 3), 0u);
    EXPECT_EQ(words[0], 0xFFu);
    EXPECT_EQ(words[1], 0xFFFFFFFFFFull);
    EXPECT_EQ(words[2], 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_get_op_range"), (std::vector<std::string>{"8, 15, ptr", "0, 39, ptr", "0, 63, ptr"}));
    EXPECT_TRUE(library.CallsOf("vireo_api_get_in_range").empty());
}

// One fetched mask per block, one cache per axis or direction.
TEST_F(ParamBlockCalls, AnotherInstancesFirstFetchComparesWithAnEmptyCache) {
    const uint32_t axis = DefineNames(true, {"MPOS", "DPOS"});
    double values[2];
    uint64_t mask = 0;
    ASSERT_EQ(kova_ParamBlockFetchChangedAxisParam6a(context, axis, 0, values, 2, &mask), 0u);
    ASSERT_EQ(kova_ParamBlockFetchChangedAxisParam6a(context, axis, 1, values, 2, &mask), 0u);
    EXPECT_EQ(mask, 0b11u);
    ASSERT_EQ(kova_ParamBlockFetchChangedAxisParam6a(context, axis, 1, values, 2, &mask), 0u);
    EXPECT_EQ(mask, 0u);

    const kova_io_range ranges[] = {{0, 4}, {0, 8}};
    uint32_t io = 0;
    ASSERT_EQ(kova_ParamBlockDefineIO(context, ranges, 2, &io), 0u);
    library.word = 0x10;
    uint64_t words[2] = {7, 7};
    ASSERT_EQ(kova_ParamBlockFetchChangedIO(context, io, 0, words, 2, &mask), 0u);
    EXPECT_EQ(mask, 0b11u);
    words[0] = words[1] = 7;
    ASSERT_EQ(kova_ParamBlockFetchChangedIO(context, io, 1, words, 2, &mask), 0u);
    EXPECT_EQ(mask, 0b10u);
    EXPECT_EQ(words[0], 7u);
    EXPECT_EQ(words[1], 0x10u);
}

TEST_F(ParamBlockCalls, SeveralAxesFollowEachOtherAndTheFirstFailureEndsTheFetch) {
    const uint32_t id = DefineNames(true, {"MPOS", "DPOS"});
    Tagged(VIREO_API_INT32, 4);
    const uint32_t axes[] = {5, 2};
    std::vector<double> values(4, kUntouched);
    uint64_t masks[2] = {9, 9};
    ASSERT_EQ(kova_ParamBlockFetchChangedAxisParam7a(context, id, axes, 2, values.data(), 4, masks), 0u);
    EXPECT_EQ(values, std::vector<double>(4, 4));
    EXPECT_EQ(masks[0], 0b11u);
    EXPECT_EQ(masks[1], 0b11u);
    EXPECT_EQ(library.CallsOf("vireo_api_get_axis_parameter"),
              (std::vector<std::string>{"101, 5, ptr", "32, 5, ptr", "101, 2, ptr", "32, 2, ptr"}));

    // Axes 7 and 8 fit, axis 9 does not: the first two keep what they delivered.
    const kova_axis_range range{7, 3};
    values.assign(5, kUntouched);
    uint64_t three[3] = {9, 9, 9};
    EXPECT_EQ(kova_ParamBlockFetchChangedAxisParam6b(context, id, &range, values.data(), 5, three), kBufferTooSmall);
    EXPECT_EQ(values, (std::vector<double>{4, 4, 4, 4, kUntouched}));
    EXPECT_EQ(three[1], 0b11u);
    EXPECT_EQ(three[2], 9u);

    // Without masks every entry is reported every time.
    const kova_axis_range ranges[] = {{0, 1}, {3, 1}};
    values.assign(4, kUntouched);
    ASSERT_EQ(kova_ParamBlockFetchChangedAxisParam7b(context, id, ranges, 2, values.data(), 4, nullptr), 0u);
    values.assign(4, kUntouched);
    ASSERT_EQ(kova_ParamBlockFetchChangedAxisParam7b(context, id, ranges, 2, values.data(), 4, nullptr), 0u);
    EXPECT_EQ(values, std::vector<double>(4, 4));
}

// The interface's container forms behave as the pointer forms of the exports.
TEST_F(ParamBlockCalls, ContainerFormsBehaveAsPointerForms) {
    auto& connection = *reinterpret_cast<Kova::TesselApi::Shared::IConnection*>(context);
    uint32_t id = 99;
    ASSERT_EQ(connection.ParamBlockDefineAxis(std::vector<std::string_view>{"MPOS"}, id), 0u);
    std::vector<double> values(2, kUntouched), none;
    EXPECT_EQ(connection.ParamBlockFetchAllAxisParam5a(id, 0, none), kBadArgument);
    // Masks are optional, but when given there must be one per axis.
    std::vector<uint64_t> masks(1);
    EXPECT_EQ(connection.ParamBlockFetchChangedAxisParam7a(id, {0, 1}, values, masks), kBadArgument);
    masks.resize(2);
    ASSERT_EQ(connection.ParamBlockFetchChangedAxisParam7a(id, {0, 1}, values, masks), 0u);
    EXPECT_EQ(masks, (std::vector<uint64_t>{1, 1}));
}

}  // namespace
