// The by-name index of each parameter family.
#include <gtest/gtest.h>

#include "vireo/parameters/parameter_name_map.h"

namespace {

using Kova::TesselApi::Vireo::ParameterEntry;
using Kova::TesselApi::Vireo::ParameterFamily;
using Kova::TesselApi::Vireo::ParameterNameMap;
using Kova::TesselApi::Vireo::ParameterNames;

TEST(ParameterNameMap, FindsEveryNameOfItsFamilyExactly) {
    const ParameterEntry* accel = ParameterNames(ParameterFamily::Axis).Find("ACCEL");
    ASSERT_NE(accel, nullptr);
    EXPECT_EQ(accel->identifier, 0u);
    EXPECT_EQ(accel->kind, KOVA_PARAMETER_KIND_Float32);
    const ParameterEntry* version = ParameterNames(ParameterFamily::System).Find("VERSION");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->identifier, 55u);
    EXPECT_EQ(ParameterNames(ParameterFamily::System).Find("AIN0")->identifier, 0xFFFFFFFFu);
    EXPECT_NE(ParameterNames(ParameterFamily::Port).Find("BAUD_RATE"), nullptr);

    // Case matters, a family does not see another's names, and lengths past the longest miss.
    EXPECT_EQ(ParameterNames(ParameterFamily::Axis).Find("accel"), nullptr);
    EXPECT_EQ(ParameterNames(ParameterFamily::System).Find("ACCEL"), nullptr);
    EXPECT_EQ(ParameterNames(ParameterFamily::Axis).Find(std::string(300, 'A')), nullptr);
    EXPECT_EQ(ParameterNames(ParameterFamily::Axis).Find(""), nullptr);
}

TEST(ParameterNameMap, SeparatesNamesOfOneLengthAndFirstLetterAndHonoursTheTag) {
    const ParameterNameMap map({{"ABC", 1, 10, KOVA_PARAMETER_KIND_Float64},
                                {"ABD", 2, 11, KOVA_PARAMETER_KIND_Float32},
                                {"XBC", 1, 12, KOVA_PARAMETER_KIND_Float64},
                                {"AB", 3, 13, KOVA_PARAMETER_KIND_Int64}});
    EXPECT_EQ(map.Find("ABD")->identifier, 11u);
    EXPECT_EQ(map.Find("XBC")->identifier, 12u);
    EXPECT_EQ(map.Find("AB")->identifier, 13u);
    EXPECT_EQ(map.Find("ABE"), nullptr);
    EXPECT_EQ(map.Find("YBC"), nullptr);
    EXPECT_EQ(map.Find("ABC", 1)->identifier, 10u);
    EXPECT_EQ(map.Find("ABC", 2), nullptr);
}

}  // namespace
