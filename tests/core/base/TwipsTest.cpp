#include <gtest/gtest.h>

#include "app/MainFormLayout.h"

namespace vistrel {
namespace {

TEST(Twips, ScaleByTheExactDensityHalvesToEven)
{
    const TwipsRect window{0, 0, layout::kWindowWidth, layout::kWindowHeight};
    EXPECT_EQ(toPixels(window, 96), (PixelRect{0, 0, 642, 315}));
    EXPECT_EQ(toPixels(window, 144), (PixelRect{0, 0, 963, 472}));  // 472.5
    EXPECT_EQ(toPixels(window, 192), (PixelRect{0, 0, 1284, 630}));  // 7.5 twips a pixel, not 7
    EXPECT_EQ(toPixels(window, 168), (PixelRect{0, 0, 1124, 551}));  // 1123.5 and 551.25
    EXPECT_EQ(toPixels(7, 96), 0);
    EXPECT_EQ(toPixels(-7, 144), -1);  // -0.7
    EXPECT_EQ(toPixels(-5, 144), 0);   // -0.5 goes to the even 0
}

}  // namespace
}  // namespace vistrel
