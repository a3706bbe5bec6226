// What the variable and I/O exports hand to vireo_api_x64 and how they read its answers, against
// the recording double.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "support/open_context.h"
#include "support/recording_session.h"

using namespace KovaTest;

namespace {

constexpr kova_result kBufferTooSmall = 0x10000000e;
using Calls = std::vector<std::string>;

class VariablesWithRecordingLibrary : public OpenWithRecordingLibrary {
protected:
    // A VR string of the given text at start, closed by a 0.
    void StoreText(uint32_t start, const std::string& text) {
        library.vr.assign(start + text.size() + 1, 0.0);
        for (std::size_t i = 0; i < text.size(); ++i) library.vr[start + i] = static_cast<unsigned char>(text[i]);
    }
};

std::string Text(std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) text.push_back(static_cast<char>('a' + i % 26));
    return text;
}

}  // namespace

TEST_F(VariablesWithRecordingLibrary, ValuesPassFirstAndCount) {
    library.vr = {1, 2, 3, 4, 5};
    double value = 0, values[3] = {};
    EXPECT_EQ(kova_GetVrValue(context, 4, &value), 0u);
    EXPECT_EQ(value, 5);
    EXPECT_EQ(kova_GetMultiVrValues(context, 1, 3, values), 0u);
    EXPECT_EQ(values[2], 4);
    EXPECT_EQ(kova_SetTableValue(context, 9, 3), 0u);
    EXPECT_EQ(kova_SetMultiTableValues(context, 100, 3, values), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_get_vr"), (Calls{"4, 1, ptr", "1, 3, ptr"}));
    EXPECT_EQ(library.CallsOf("vireo_api_set_table"), (Calls{"9, 1, ptr", "100, 3, ptr"}));

    library.calls.clear();
    EXPECT_EQ(kova_GetMultiVrValues(context, 0, 4, nullptr), kBadArgument);
    EXPECT_EQ(kova_SetMultiTableValues(context, 0, 1, nullptr), kBadArgument);
    EXPECT_TRUE(library.calls.empty());
}

TEST_F(VariablesWithRecordingLibrary, VrBitsGiveTheLibraryTheVrFirst) {
    EXPECT_EQ(kova_SetVrBit(context, 3, 100), 0u);
    EXPECT_EQ(kova_ClearVrBit(context, 5, 200), 0u);
    library.word = 1;
    bool bit = false;
    EXPECT_EQ(kova_GetVrBit(context, 7, 300, &bit), 0u);
    EXPECT_TRUE(bit);
    EXPECT_EQ(library.CallsOf("vireo_api_set_vr_bit"), (Calls{"100, 3, 1", "200, 5, 0"}));
    EXPECT_EQ(library.CallsOf("vireo_api_get_vr_bit"), Calls{"300, 7, ptr"});
}

TEST_F(VariablesWithRecordingLibrary, StatusesFollowTheStatusConventionAndLeaveOutputsAlone) {
    double value = 9;
    library.Answer("vireo_api_get_vr", -2);
    EXPECT_EQ(kova_GetVrValue(context, 0, &value), kNotSupported);
    library.Answer("vireo_api_get_vr", 19);
    EXPECT_EQ(kova_GetVrValue(context, 0, &value), kLowLevelError);
    EXPECT_EQ(value, 9);

    library.word = 1;
    bool state = false;
    library.Answer("vireo_api_get_in", 4);
    EXPECT_EQ(kova_GetDIn3(context, 1, &state), kLowLevelError);
    EXPECT_FALSE(state);
}

TEST_F(VariablesWithRecordingLibrary, DigitalRangeReadsOfUpTo33PointsReachTheLibrary) {
    library.word = -1;
    uint32_t states = 0;
    EXPECT_EQ(kova_GetDIn4(context, 0, 32, &states), 0u);
    EXPECT_EQ(states, 0xFFFFFFFFu);
    EXPECT_EQ(kova_GetDIn32(context, &states), 0u);
    EXPECT_EQ(kova_GetDOut32(context, &states), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_get_in_range"), (Calls{"0, 32, ptr", "0, 31, ptr"}));
    EXPECT_EQ(library.CallsOf("vireo_api_get_op_range"), Calls{"0, 31, ptr"});

    library.calls.clear();
    EXPECT_EQ(kova_GetDIn4(context, 0, 33, &states), kBadArgument);
    EXPECT_EQ(kova_GetDIn4(context, 8, 7, &states), kBadArgument);
    EXPECT_EQ(kova_GetDOut4(context, 100, 133, &states), kBadArgument);
    EXPECT_TRUE(library.calls.empty());
}

TEST_F(VariablesWithRecordingLibrary, SingleStatesAndWritesReachTheLibraryAsGiven) {
    bool state = false;
    library.word = 0x100;
    EXPECT_EQ(kova_GetInvertIN(context, 3, &state), 0u);
    EXPECT_TRUE(state);
    library.word = 0;
    EXPECT_EQ(kova_GetDOut3(context, 3, &state), 0u);
    EXPECT_FALSE(state);

    EXPECT_EQ(kova_SetDOut4(context, 0, 40, 5), 0u);   // writes are the library's to judge
    EXPECT_EQ(kova_SetDOut32(context, 6), 0u);
    EXPECT_EQ(kova_SetInvertIN(context, 4, true), 0u);
    EXPECT_EQ(kova_SetAOut(context, 2, -7), 0u);
    EXPECT_EQ(library.CallsOf("vireo_api_set_op_range"), (Calls{"0, 40, 5", "0, 31, 6"}));
    EXPECT_EQ(library.CallsOf("vireo_api_set_invert_in"), Calls{"4, 1"});
    EXPECT_EQ(library.CallsOf("vireo_api_set_aout"), Calls{"2, -7"});
}

TEST_F(VariablesWithRecordingLibrary, VrStringIsWrittenOneVrPerCharacterThenZero) {
    library.vr.assign(20, 9.0);
    EXPECT_EQ(kova_SetVrString(context, 10, "AB"), 0u);
    EXPECT_EQ(library.vr[10], 65);
    EXPECT_EQ(library.vr[11], 66);
    EXPECT_EQ(library.vr[12], 0);
    EXPECT_EQ(library.CallsOf("vireo_api_set_vr"), (Calls{"10, 1, ptr", "11, 1, ptr", "12, 1, ptr"}));
    EXPECT_EQ(kova_SetVrString(context, 0, "\xE9"), 0u);
    EXPECT_EQ(library.vr[0], 233);   // bytes count as unsigned
}

TEST_F(VariablesWithRecordingLibrary, LengthScansUntilTheFirstZeroOrRefusedRead) {
    StoreText(10, "AB");
    uint32_t length = 99;
    EXPECT_EQ(kova_GetVrStringLen(context, 10, &length), 0u);
    EXPECT_EQ(length, 2u);
    EXPECT_EQ(library.CallsOf("vireo_api_get_vr"), (Calls{"10, 1, ptr", "11, 1, ptr", "12, 1, ptr"}));

    library.vr = {65, std::nan(""), 66};   // no 0 before the end of memory
    EXPECT_EQ(kova_GetVrStringLen(context, 0, &length), kLowLevelError);
    EXPECT_EQ(length, 2u);

    library.vr = {321.7, -191, 72.99, 0};   // truncated, low byte kept
    std::vector<std::string> texts;
    EXPECT_EQ(kova_GetVrString4c(context, 0, RecordText, &texts), 0u);
    EXPECT_EQ(texts, Calls{"AAH"});
}

TEST_F(VariablesWithRecordingLibrary, IntoABufferReportsTheSizeNeeded) {
    StoreText(5, "hello");
    uint32_t size = 0;
    EXPECT_EQ(kova_GetVrString4a(context, 5, nullptr, &size), 0u);
    EXPECT_EQ(size, 6u);

    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    size = 0;
    EXPECT_EQ(kova_GetVrString4a(context, 5, buffer, &size), kBufferTooSmall);
    EXPECT_EQ(buffer[0], '#');
    EXPECT_EQ(size, 6u);
    size = 5;
    EXPECT_EQ(kova_GetVrString4a(context, 5, buffer, &size), kBufferTooSmall);
    EXPECT_STREQ(buffer, "hell");
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(kova_GetVrString4a(context, 5, buffer, &size), 0u);
    EXPECT_STREQ(buffer, "hello");
}

TEST_F(VariablesWithRecordingLibrary, InPiecesReadsBlocksOf256UntilARefusal) {
    const std::string text = Text(600);
    StoreText(1000, text);
    std::vector<std::string> pieces;
    EXPECT_EQ(kova_GetVrString4b(context, 1000, RecordText, &pieces), 0u);
    EXPECT_EQ(pieces, (Calls{text.substr(0, 256), text.substr(256, 256), text.substr(512)}));
    Calls blocks;
    for (const std::string& call : library.CallsOf("vireo_api_get_vr"))
        if (call.find(", 1, ") == std::string::npos) blocks.push_back(call);
    EXPECT_EQ(blocks, (Calls{"1000, 256, ptr", "1256, 256, ptr", "1512, 88, ptr"}));

    pieces.clear();
    library.vrReadsBeforeFailure = 601 + 1;   // the scan, then the first block
    EXPECT_EQ(kova_GetVrString4b(context, 1000, RecordText, &pieces), kLowLevelError);
    EXPECT_EQ(pieces, Calls{text.substr(0, 256)});
}

TEST_F(VariablesWithRecordingLibrary, WholeTextComesInOneCallEvenWhenEmpty) {
    StoreText(0, Text(300));
    std::vector<std::string> texts;
    EXPECT_EQ(kova_GetVrString4c(context, 0, RecordText, &texts), 0u);
    EXPECT_EQ(texts, Calls{Text(300)});

    StoreText(0, "");
    texts.clear();
    EXPECT_EQ(kova_GetVrString4c(context, 0, RecordText, &texts), 0u);
    EXPECT_EQ(texts, Calls{""});
    texts.clear();
    EXPECT_EQ(kova_GetVrString4b(context, 0, RecordText, &texts), 0u);
    EXPECT_TRUE(texts.empty());
}

TEST_F(VariablesWithRecordingLibrary, WholeTextGivesNoCallbackAfterARefusedRead) {
    StoreText(0, "abcdef");
    library.vrReadsBeforeFailure = 7 + 3;   // the scan, then three characters
    std::vector<std::string> texts;
    EXPECT_EQ(kova_GetVrString4c(context, 0, RecordText, &texts), kLowLevelError);
    EXPECT_TRUE(texts.empty());
}
