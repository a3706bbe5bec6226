// VR and TABLE memory, VR strings and bits, digital and analogue I/O on the stand-in controller,
// through the exported functions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/open_context.h"

using namespace KovaTest;

namespace {

constexpr uint32_t kLastVr = 65535;
constexpr uint32_t kLastTable = 511999;

class Variables : public OpenContext {
protected:
    void SetUp() override {
        OpenContext::SetUp();
        ASSERT_EQ(kova_OpenConnection(context), 0u);
    }
};

}  // namespace

TEST_F(Variables, VrAndTableValuesRoundTripUpToTheLastIndex) {
    double value = 0;
    EXPECT_EQ(kova_SetVrValue(context, kLastVr, 42), 0u);
    EXPECT_EQ(kova_GetVrValue(context, kLastVr, &value), 0u);
    EXPECT_EQ(value, 42);
    EXPECT_EQ(kova_GetVrValue(context, kLastVr + 1, &value), kLowLevelError);
    EXPECT_EQ(kova_SetTableValue(context, kLastTable, 0.125), 0u);
    EXPECT_EQ(kova_GetTableValue(context, kLastTable, &value), 0u);
    EXPECT_EQ(value, 0.125);
    EXPECT_EQ(kova_SetTableValue(context, kLastTable + 1, 1), kLowLevelError);

    const double written[3] = {1, -2.25, 1e300};
    double read[3] = {};
    EXPECT_EQ(kova_SetMultiVrValues(context, kLastVr - 2, 3, written), 0u);
    EXPECT_EQ(kova_GetMultiVrValues(context, kLastVr - 2, 3, read), 0u);
    EXPECT_EQ(read[1], -2.25);
    EXPECT_EQ(kova_GetMultiVrValues(context, kLastVr - 1, 3, read), kLowLevelError);
    EXPECT_EQ(kova_SetMultiTableValues(context, 1000, 3, written), 0u);
    EXPECT_EQ(kova_GetMultiTableValues(context, 1000, 3, read), 0u);
    EXPECT_EQ(read[2], 1e300);
    EXPECT_EQ(kova_SetMultiTableValues(context, kLastTable, 2, written), kLowLevelError);
}

TEST_F(Variables, VrStringsRoundTrip) {
    ASSERT_EQ(kova_SetVrString(context, 200, "Pallet 7 ready"), 0u);
    uint32_t length = 0;
    EXPECT_EQ(kova_GetVrStringLen(context, 200, &length), 0u);
    EXPECT_EQ(length, 14u);
    char buffer[32];
    uint32_t size = sizeof buffer;
    EXPECT_EQ(kova_GetVrString4a(context, 200, buffer, &size), 0u);
    EXPECT_STREQ(buffer, "Pallet 7 ready");
    EXPECT_EQ(size, 15u);
    std::vector<std::string> texts;
    EXPECT_EQ(kova_GetVrString4c(context, 200, RecordText, &texts), 0u);
    EXPECT_EQ(texts, std::vector<std::string>{"Pallet 7 ready"});
}

TEST_F(Variables, VrBitsAndClearingVariables) {
    ASSERT_EQ(kova_SetVrValue(context, 30, 0), 0u);
    EXPECT_EQ(kova_SetVrBit(context, 4, 30), 0u);
    EXPECT_EQ(kova_SetVrBit(context, 0, 30), 0u);
    double value = 0;
    EXPECT_EQ(kova_GetVrValue(context, 30, &value), 0u);
    EXPECT_EQ(value, 17);
    EXPECT_EQ(kova_ClearVrBit(context, 0, 30), 0u);
    bool bit = true;
    EXPECT_EQ(kova_GetVrBit(context, 0, 30, &bit), 0u);
    EXPECT_FALSE(bit);
    EXPECT_EQ(kova_GetVrBit(context, 4, 30, &bit), 0u);
    EXPECT_TRUE(bit);

    EXPECT_EQ(kova_ClearVariables(context), 0u);
    EXPECT_EQ(kova_GetVrValue(context, 30, &value), 0u);
    EXPECT_EQ(value, 0);
}

TEST_F(Variables, OutputsReadBackAsSet) {
    bool state = false;
    EXPECT_EQ(kova_SetDOut3(context, 40, 1), 0u);
    EXPECT_EQ(kova_GetDOut3(context, 40, &state), 0u);
    EXPECT_TRUE(state);

    uint32_t states = 0;
    EXPECT_EQ(kova_SetDOut4(context, 100, 107, 0xA5), 0u);
    EXPECT_EQ(kova_GetDOut4(context, 100, 107, &states), 0u);
    EXPECT_EQ(states, 0xA5u);
    EXPECT_EQ(kova_GetDOut3(context, 102, &state), 0u);
    EXPECT_TRUE(state);
    EXPECT_EQ(kova_SetDOut32(context, 0x80000001u), 0u);
    EXPECT_EQ(kova_GetDOut32(context, &states), 0u);
    EXPECT_EQ(states, 0x80000001u);

    // The stand-in keeps to one word: 33 points pass the module's check but not the library's.
    EXPECT_EQ(kova_GetDOut4(context, 0, 32, &states), kLowLevelError);
    EXPECT_EQ(kova_SetDOut3(context, 256, 1), kLowLevelError);
}

TEST_F(Variables, InvertedInputsAndAnalogueOutputs) {
    bool state = false;
    EXPECT_EQ(kova_SetInvertIN(context, 3, true), 0u);
    EXPECT_EQ(kova_GetInvertIN(context, 3, &state), 0u);
    EXPECT_TRUE(state);
    EXPECT_EQ(kova_GetDIn3(context, 3, &state), 0u);
    EXPECT_TRUE(state);
    uint32_t states = 0;
    EXPECT_EQ(kova_GetDIn4(context, 2, 4, &states), 0u);
    EXPECT_EQ(states, 0x2u);
    EXPECT_EQ(kova_SetInvertIN(context, 3, false), 0u);
    EXPECT_EQ(kova_GetDIn3(context, 3, &state), 0u);
    EXPECT_FALSE(state);

    int32_t value = 0;
    EXPECT_EQ(kova_SetAOut(context, 2, -2048), 0u);
    EXPECT_EQ(kova_GetAOut(context, 2, &value), 0u);
    EXPECT_EQ(value, -2048);
    EXPECT_EQ(kova_GetAIn(context, 8, &value), kLowLevelError);
}
