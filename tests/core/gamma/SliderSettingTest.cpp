#include <gtest/gtest.h>

#include "gamma/SliderSetting.h"

namespace vistrel {
namespace {

TEST(SliderSetting, WholeNumbersAreClampedToTheRange)
{
    EXPECT_EQ(sliderValueFromSetting("-20", -50, 50, 0), -20);
    EXPECT_EQ(sliderValueFromSetting(" 7\t", -50, 50, 0), 7);
    EXPECT_EQ(sliderValueFromSetting("007", -50, 50, 0), 7);
    EXPECT_EQ(sliderValueFromSetting("-0", 1, 100, 100), 1);
    EXPECT_EQ(sliderValueFromSetting("300", -50, 50, 0), 50);
    EXPECT_EQ(sliderValueFromSetting("-300", -50, 50, 0), -50);
    EXPECT_EQ(sliderValueFromSetting("0", 1, 100, 100), 1);
    EXPECT_EQ(sliderValueFromSetting("99999999999999999999999", 1, 100, 100), 100);
    EXPECT_EQ(sliderValueFromSetting("-99999999999999999999999", -50, 50, 0), -50);
}

TEST(SliderSetting, AnythingElseIsNeutral)
{
    // A missing key reads as the key's own name.
    for (const char* text : {"liangdu", "", "  ", "-", "+5", "12.5", "1e2", "5 5", "0x10", "٣"})
        EXPECT_EQ(sliderValueFromSetting(text, 1, 100, 100), 100) << text;
}

}  // namespace
}  // namespace vistrel
