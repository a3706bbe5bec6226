// The stand-in vireo_api_x64 as the module sees it: its functions called directly.
#include <gtest/gtest.h>

#include <string>

#include "support/environment.h"
#include "vireo_api.h"

namespace {

class StandInLibrary : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(vireo_api_open(nullptr, nullptr), 0); }
    void TearDown() override { vireo_api_close(); }
};

}  // namespace

TEST(StandInLibraryVersion, TellsItsLengthFirstThenTheText) {
    uint32_t length = 0;
    ASSERT_EQ(vireo_api_get_version(nullptr, 0, &length), 0);
    EXPECT_EQ(length, 22u);
    std::string text(length + 16, '#');
    ASSERT_EQ(vireo_api_get_version(text.data(), static_cast<uint32_t>(text.size()), &length), 0);
    EXPECT_STREQ(text.c_str(), "2.339005006.1570.28865");
    char small[4];
    EXPECT_NE(vireo_api_get_version(small, sizeof small, &length), 0);

    KovaTest::ScopedEnvironment environment("VIREO_SIM_VERSION", "2.1.1439.0");
    ASSERT_EQ(vireo_api_get_version(text.data(), static_cast<uint32_t>(text.size()), &length), 0);
    EXPECT_STREQ(text.c_str(), "2.1.1439.0");
}

TEST(StandInLibraryClosed, RefusesCommandsAsALibraryFailure) {
    EXPECT_EQ(vireo_api_is_open(), 0);
    EXPECT_EQ(vireo_api_execute("PRINT 1"), -1);
    vireo_api_value value{};
    EXPECT_EQ(vireo_api_get_system_parameter(55, &value), -1);
}

TEST_F(StandInLibrary, WritesNoMoreThanTheBufferHolds) {
    char reply[4] = {'#', '#', '#', '#'};
    uint32_t written = 99;
    EXPECT_EQ(vireo_api_execute2("PRINT 123456", reply, 3, &written), 0);
    EXPECT_EQ(written, 3u);
    EXPECT_EQ(std::string(reply, 4), "123#");
    EXPECT_EQ(vireo_api_execute2("NO_SUCH", reply, sizeof reply, &written), 1);
}

TEST_F(StandInLibrary, ParametersComeInTheWidthOfTheirKind) {
    vireo_api_value value{VIREO_API_INT32, {}};
    ASSERT_EQ(vireo_api_get_system_parameter(55, &value), 0);
    EXPECT_EQ(value.tag, VIREO_API_FLOAT64);
    EXPECT_DOUBLE_EQ(value.value.f64, 2.035);

    vireo_api_value accel{VIREO_API_FLOAT32, {}};
    accel.value.f32 = 250.5f;
    ASSERT_EQ(vireo_api_set_axis_parameter(0, 3, &accel), 0);   // ACCEL is identifier 0
    vireo_api_value read{VIREO_API_INT32, {}};
    ASSERT_EQ(vireo_api_get_axis_parameter(0, 3, &read), 0);
    EXPECT_EQ(read.tag, VIREO_API_FLOAT32);
    EXPECT_FLOAT_EQ(read.value.f32, 250.5f);

    EXPECT_EQ(vireo_api_set_system_parameter(55, &value), 21);   // VERSION is read only
    EXPECT_EQ(vireo_api_get_axis_parameter(0, 99, &read), 19);
    EXPECT_EQ(vireo_api_get_axis_parameter(9999, 0, &read), 1);
    vireo_api_value unknownTag{7, {}};
    EXPECT_LT(vireo_api_set_axis_parameter(0, 0, &unknownTag), 0);
}
