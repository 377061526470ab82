#include <gtest/gtest.h>

#include "reminder/CountdownScreenLayout.h"
#include "reminder/EyeBreakPlacement.h"
#include "reminder/RestPromptPlacement.h"

namespace vistrel {
namespace {

TEST(RestPromptPlacement, RightEdgeOnTheScreenBottomOnTheWorkArea)
{
    // Taskbar 40 px high at the bottom: the prompt sits directly above it.
    EXPECT_EQ(RestPromptPlacement::place({1920, 1080, 1040}), (PixelRect{1594, 911, 326, 129}));
    // Taskbar on the right: the work area ends at the screen's bottom and the prompt overlaps it.
    EXPECT_EQ(RestPromptPlacement::place({1920, 1080, 1080}), (PixelRect{1594, 951, 326, 129}));
}

TEST(EyeBreakPlacement, AboveThePromptsPlaceAtEachDensityAndNeverOffTheScreen)
{
    // The prompt at 96 DPI lies at (1594, 911): the break is as wide and 8 px above it.
    EXPECT_EQ(EyeBreakPlacement::place({1920, 1080, 1040}), (PixelRect{1594, 831, 326, 72}));
    // At 144 DPI the prompt is 489 x 194 (193.5 to even) at (1431, 846); gap 12, height 108.
    EXPECT_EQ(EyeBreakPlacement::place({1920, 1080, 1040, 144}), (PixelRect{1431, 726, 489, 108}));
    EXPECT_EQ(EyeBreakPlacement::place({640, 150, 150}).top, 0);
}

TEST(CountdownScreenLayout, CoversTheScreenAndCentresAtDesignTops)
{
    const auto l = CountdownScreenLayout::forScreen(1920, 1080);
    EXPECT_EQ(l.window, (PixelRect{0, 0, 1920, 1080}));
    EXPECT_EQ(l.heading, (PixelRect{596, 104, 729, 57}));    // 1560 twips down
    EXPECT_EQ(l.panel, (PixelRect{520, 192, 881, 137}));     // 519.5 rounds to even
    EXPECT_EQ(l.closeImage, (PixelRect{930, 352, 60, 60}));  // 5280 twips down
    EXPECT_EQ(l.label, (PixelRect{0, 0, 881, 137}));
    EXPECT_EQ(l.copyPanel, (PixelRect{392, 512, 185, 41}));

    // At 120 dpi the tops in pixels change and the close picture comes at 125 %.
    const auto big = CountdownScreenLayout::forScreen(2560, 1440, 120);
    EXPECT_EQ(big.closeImage, (PixelRect{1242, 440, 75, 75}));  // 1242.5 rounds to even
    EXPECT_EQ(big.heading.top, 130);
    EXPECT_EQ(big.heading.left, 824);  // 1280 - 10935 twips / 2 at 120 DPI: 824.4
}

TEST(CountdownScreenLayout, OneWindowPerMonitorWithTheCopyPanelOnlyOnThePrimary)
{
    // A denser monitor left of the primary, listed first, and one without an area.
    const auto layouts = CountdownScreenLayout::forMonitors({{{-2560, -360, 2560, 1440}, 120, false},
                                                            {{0, 0, 0, 0}, 96, false},
                                                            {{0, 0, 1920, 1080}, 96, true}});
    ASSERT_EQ(layouts.size(), 2u);
    const auto primary = CountdownScreenLayout::forScreen(1920, 1080);
    EXPECT_EQ(layouts[0].window, primary.window) << "the primary first, as on one screen";
    EXPECT_EQ(layouts[0].copyPanel, primary.copyPanel);
    EXPECT_EQ(layouts[0].panel, primary.panel);

    const auto& other = layouts[1];
    EXPECT_EQ(other.window, (PixelRect{-2560, -360, 2560, 1440}));
    EXPECT_EQ(other.dpi, 120);
    EXPECT_EQ(other.closeImage, (PixelRect{1242, 440, 75, 75})) << "centred in its own client area";
    EXPECT_EQ(other.heading.top, 130);
    EXPECT_FALSE(other.copyPanel.has_value());

    // Without a primary mark the first monitor takes the copy panel; no monitor, no window.
    const auto unmarked = CountdownScreenLayout::forMonitors({{{0, 0, 800, 600}}, {{800, 0, 800, 600}}});
    ASSERT_EQ(unmarked.size(), 2u);
    EXPECT_EQ(unmarked[0].window.left, 0);
    EXPECT_TRUE(unmarked[0].copyPanel.has_value());
    EXPECT_FALSE(unmarked[1].copyPanel.has_value());
    EXPECT_TRUE(CountdownScreenLayout::forMonitors({}).empty());
}

}  // namespace
}  // namespace vistrel
