#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "controls/Slider.h"

namespace vistrel {
namespace {

struct Recorded {
    std::vector<int> values;
    void attach(Slider& slider)
    {
        slider.addChangeListener([this](int v) { values.push_back(v); });
    }
};

TEST(Slider, StartsLikeTheCommonTrackbar)
{
    const Slider slider;
    EXPECT_EQ(slider.min(), 0);
    EXPECT_EQ(slider.max(), 100);
    EXPECT_EQ(slider.value(), 0);
}

TEST(Slider, ProgramAssignmentsNotifyOnlyRealChanges)
{
    Slider slider;
    Recorded changes;
    changes.attach(slider);
    slider.setValue(40);
    slider.setValue(40);
    slider.setValue(500);  // clamped to 100
    slider.setValue(100);
    slider.setValue(-3);  // clamped to 0
    EXPECT_EQ(changes.values, (std::vector<int>{40, 100, 0}));
    EXPECT_EQ(slider.value(), 0);
}

TEST(Slider, MovingABoundPastTheValueDragsItAlong)
{
    Slider slider;
    Recorded changes;
    changes.attach(slider);
    slider.setMin(1);  // the contrast slider's set-up: 0 is no longer allowed
    slider.setMax(100);
    slider.setValue(100);
    slider.setMax(60);
    slider.setMin(-50);  // widening never moves the value
    EXPECT_EQ(changes.values, (std::vector<int>{1, 100, 60}));
    EXPECT_EQ(slider.min(), -50);
}

TEST(Slider, CrossedBoundsKeepTheRangeNonEmpty)
{
    Slider slider;
    slider.setMin(150);
    EXPECT_EQ(slider.max(), 150);
    EXPECT_EQ(slider.value(), 150);
    slider.setMax(-10);
    EXPECT_EQ(slider.min(), -10);
    EXPECT_EQ(slider.value(), -10);
}

TEST(Slider, StepsStopAtTheEnds)
{
    Slider slider;
    slider.setMin(-50);
    slider.setMax(50);
    slider.moveBy(Slider::kLargeChange);
    slider.moveBy(-Slider::kSmallChange);
    EXPECT_EQ(slider.value(), 4);
    slider.moveBy(INT_MAX);
    EXPECT_EQ(slider.value(), 50);
    slider.moveBy(INT_MIN);
    EXPECT_EQ(slider.value(), -50);
}

TEST(Slider, ListenersRunInOrderAndMayAssignAgain)
{
    Slider slider;
    std::vector<int> order;
    slider.addChangeListener([&](int v) {
        order.push_back(v);
        if (v == 10) slider.setValue(20);  // a handler correcting the value
    });
    slider.addChangeListener([&](int v) { order.push_back(-v); });
    slider.setValue(10);
    EXPECT_EQ(slider.value(), 20);
    EXPECT_EQ(order, (std::vector<int>{10, 20, -20, -10}));
}

}  // namespace
}  // namespace vistrel
