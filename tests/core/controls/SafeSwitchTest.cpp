#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "controls/SafeSwitch.h"

namespace vistrel {
namespace {

using Button = SafeSwitch::MouseButton;
using Events = std::vector<std::string>;

// Records what the switch tells its painter and its host, in order.
struct Recorder {
    explicit Recorder(SafeSwitch& s) : control(s)
    {
        s.onPaint = [this] { log.push_back("paint " + std::to_string(control.cell())); };
        s.onResize = [this] { log.push_back("resize " + std::to_string(control.geometry().cellWidth)); };
        s.onClick = [this](bool v) { log.push_back(v ? "click on" : "click off"); };
        s.onMouseIn = [this] { log.push_back("in"); };
        s.onMouseOut = [this] { log.push_back("out"); };
    }
    Events take() { return std::exchange(log, {}); }

    SafeSwitch& control;
    Events log;
};

TEST(SafeSwitch, NewInstanceIsOnEnabledSkinZeroWithoutHover)
{
    SafeSwitch s;
    EXPECT_TRUE(s.value());
    EXPECT_TRUE(s.enable());
    EXPECT_EQ(s.skin(), 0);
    EXPECT_EQ(s.cell(), 0);
    EXPECT_FALSE(s.hover());
}

TEST(SafeSwitch, EveryValueAssignmentRepaintsThenRaisesClick)
{
    SafeSwitch s;
    Recorder r(s);
    s.setValue(true);  // unchanged value still counts
    EXPECT_EQ(r.take(), (Events{"paint 0", "click on"}));
    s.setValue(false);
    EXPECT_EQ(r.take(), (Events{"paint 4", "click off"}));
    s.setValue(false);
    EXPECT_EQ(r.take(), (Events{"paint 4", "click off"}));
}

TEST(SafeSwitch, ValueAssignmentFollowsTheCellRule)
{
    SafeSwitch s;
    s.poll(1, 1);
    s.setValue(false);
    EXPECT_EQ(s.cell(), SafeSwitch::kOffHover);
    s.setEnable(false);
    s.setValue(true);
    EXPECT_EQ(s.cell(), SafeSwitch::kOnDisabled);
}

TEST(SafeSwitch, CompletedLeftClickTogglesWithPressedThenHoverLook)
{
    SafeSwitch s;
    Recorder r(s);
    s.poll(10, 10);
    EXPECT_EQ(r.take(), (Events{"paint 1", "in"}));

    s.mouseDown(Button::Left);
    EXPECT_EQ(r.take(), (Events{"paint 2"}));  // pressed look of the old value
    EXPECT_TRUE(s.value());
    EXPECT_FALSE(s.pendingValue());

    s.mouseUp(Button::Left);
    EXPECT_EQ(r.take(), (Events{"paint 5", "click off"}));
    EXPECT_FALSE(s.value());

    s.mouseDown(Button::Left);
    s.mouseUp(Button::Left);
    EXPECT_EQ(r.take(), (Events{"paint 6", "paint 1", "click on"}));
    EXPECT_TRUE(s.value());
}

TEST(SafeSwitch, KeyPressTogglesLikeAClickWithoutTheCursorAndAnswersAHeldPress)
{
    SafeSwitch s;
    Recorder r(s);
    s.keyPress();  // no hover needed: the keyboard user's cursor may be anywhere
    EXPECT_EQ(r.take(), (Events{"paint 4", "click off"}));
    s.poll(5, 5);
    s.mouseDown(Button::Left);
    s.keyPress();
    s.mouseUp(Button::Left);  // its press was answered by the key: no second toggle
    EXPECT_TRUE(s.value());
    EXPECT_EQ(r.take(), (Events{"paint 5", "in", "paint 6", "paint 1", "click on"}));
    s.setEnable(false);
    r.take();
    s.keyPress();
    EXPECT_TRUE(s.value());
    EXPECT_TRUE(r.take().empty());
}

TEST(SafeSwitch, ClickBeforeTheFirstPollSawTheCursorDoesNothing)
{
    SafeSwitch s;
    Recorder r(s);
    s.mouseDown(Button::Left);
    s.mouseUp(Button::Left);
    EXPECT_TRUE(s.value());
    EXPECT_EQ(s.cell(), SafeSwitch::kOnPressed);  // stays until a poll or repaint replaces it
    EXPECT_EQ(r.take(), (Events{"paint 2"}));
}

TEST(SafeSwitch, OnlyAReleaseThatAnswersItsOwnPressCommits)
{
    SafeSwitch s;
    Recorder r(s);
    s.poll(5, 5);
    s.mouseUp(Button::Left);  // pressed elsewhere, slid onto the switch, released
    EXPECT_TRUE(s.value());
    s.mouseDown(Button::Left);
    s.mouseUp(Button::Left);
    s.mouseUp(Button::Left);  // a second release has no press left to answer
    EXPECT_FALSE(s.value());
    EXPECT_EQ(r.take(), (Events{"paint 1", "in", "paint 2", "paint 5", "click off"}));
}

TEST(SafeSwitch, ReleaseOutsideCancelsAndComingBackBeforeReleaseCommits)
{
    SafeSwitch s;
    s.setValue(false);
    Recorder r(s);
    s.poll(5, 5);
    s.mouseDown(Button::Left);
    s.poll(200, 5);
    EXPECT_EQ(s.cell(), SafeSwitch::kOffNormal);
    s.mouseUp(Button::Left);
    EXPECT_FALSE(s.value());
    EXPECT_EQ(r.take(), (Events{"paint 5", "in", "paint 6", "paint 4", "out"}));

    s.mouseDown(Button::Left);
    s.poll(200, 5);  // still outside: no repaint without a transition
    s.poll(5, 5);
    s.mouseUp(Button::Left);
    EXPECT_TRUE(s.value());
    EXPECT_EQ(r.take(), (Events{"paint 6", "paint 5", "in", "paint 1", "click on"}));
}

TEST(SafeSwitch, RightAndMiddleButtonsAndUnknownCodesDoNothing)
{
    SafeSwitch s;
    s.poll(1, 1);
    Recorder r(s);
    for (Button b : {Button::Right, Button::Middle, static_cast<Button>(0), static_cast<Button>(3)}) {
        s.mouseDown(b);
        s.mouseUp(b);
    }
    EXPECT_TRUE(r.take().empty());
    EXPECT_TRUE(s.value());
    EXPECT_EQ(s.cell(), SafeSwitch::kOnHover);
}

TEST(SafeSwitch, DisabledIgnoresMouseAndPollsButKeepsTheHoverFlag)
{
    SafeSwitch s;
    s.poll(3, 3);
    Recorder r(s);
    s.setEnable(false);
    EXPECT_EQ(r.take(), (Events{"paint 3"}));  // no event

    s.poll(500, 500);
    s.mouseDown(Button::Left);
    s.mouseUp(Button::Left);
    EXPECT_TRUE(r.take().empty());
    EXPECT_TRUE(s.hover());
    EXPECT_TRUE(s.value());

    s.setEnable(true);
    EXPECT_EQ(r.take(), (Events{"paint 1"}));
    s.poll(500, 500);
    EXPECT_EQ(r.take(), (Events{"paint 0", "out"}));

    s.setValue(false);
    s.setEnable(false);
    EXPECT_EQ(s.cell(), SafeSwitch::kOffDisabled);
    s.setEnable(true);
    EXPECT_EQ(s.cell(), SafeSwitch::kOffNormal);
}

TEST(SafeSwitch, HoverBoundsIncludeTheColumnAndRowJustBeyond)
{
    for (int skin : {0, 1, 2}) {
        SafeSwitch s;
        s.setSkin(skin);
        const int w = s.geometry().cellWidth;
        const int h = s.geometry().cellHeight;
        struct Probe {
            int x, y;
            bool inside;
        };
        for (Probe p : {Probe{0, 0, true}, Probe{w, h, true}, Probe{w, 0, true}, Probe{0, h, true},
                        Probe{w + 1, 0, false}, Probe{0, h + 1, false}, Probe{-1, 0, false}, Probe{0, -1, false},
                        Probe{-100000, 100000, false}}) {
            s.poll(p.x, p.y);
            EXPECT_EQ(s.hover(), p.inside) << "skin " << skin << " at " << p.x << "," << p.y;
        }
    }
}

TEST(SafeSwitch, PollRepaintsOnlyOnTransitions)
{
    SafeSwitch s;
    Recorder r(s);
    s.poll(100, 1);
    s.poll(1, 1);
    s.poll(2, 2);
    s.poll(78, 23);
    s.poll(79, 23);
    s.poll(80, 23);
    EXPECT_EQ(r.take(), (Events{"paint 1", "in", "paint 0", "out"}));
}

TEST(SafeSwitch, PollOutsideClearsThePressedLookToTheOldValue)
{
    SafeSwitch s;
    s.poll(1, 1);
    s.mouseDown(Button::Left);
    s.poll(-5, 1);
    EXPECT_EQ(s.cell(), SafeSwitch::kOnNormal);
    EXPECT_TRUE(s.value());
}

TEST(SafeSwitch, SkinsPickSizeStripAndMasks)
{
    EXPECT_EQ(safeSwitchSkin(0), (SafeSwitchSkin{0, 78, 23, 0, 1}));
    EXPECT_EQ(safeSwitchSkin(1), (SafeSwitchSkin{1, 74, 24, 2, 3}));
    for (int other : {2, 7, -1, 1 << 30, -2147483647 - 1})
        EXPECT_EQ(safeSwitchSkin(other), (SafeSwitchSkin{2, 36, 16, 4, 5})) << other;

    EXPECT_EQ(safeSwitchSkin(0).stripHeight(), 184);
    EXPECT_EQ(safeSwitchSkin(1).stripHeight(), 192);
    EXPECT_EQ(safeSwitchSkin(2).stripHeight(), 128);
    EXPECT_EQ(safeSwitchSkin(0).widthTwips(), 1170);
    EXPECT_EQ(safeSwitchSkin(0).heightTwips(), 345);
    EXPECT_EQ(safeSwitchSkin(1).widthTwips(), 1110);
    EXPECT_EQ(safeSwitchSkin(1).heightTwips(), 360);
    EXPECT_EQ(safeSwitchSkin(2).widthTwips(), 540);
    EXPECT_EQ(safeSwitchSkin(2).heightTwips(), 240);
    EXPECT_EQ(safeSwitchSkin(1).cellTop(7), 168);
}

TEST(SafeSwitch, SkinAssignmentResizesThenRepaintsAndKeepsTheNumber)
{
    SafeSwitch s;
    Recorder r(s);
    s.setSkin(1);
    EXPECT_EQ(r.take(), (Events{"resize 74", "paint 0"}));
    s.setSkin(7);
    EXPECT_EQ(s.skin(), 7);
    EXPECT_EQ(s.geometry().cellWidth, 36);
    s.setSkin(-1);
    EXPECT_EQ(s.geometry().cellHeight, 16);
}

TEST(SafeSwitch, ScaledSkinSizesTheControlAndItsHoverBounds)
{
    EXPECT_EQ(artScaleForDpi(96), 100);
    EXPECT_EQ(artScaleForDpi(120), 125);
    EXPECT_EQ(artScaleForDpi(144), 150);
    EXPECT_EQ(artScaleForDpi(168), 175);
    EXPECT_EQ(artScaleForDpi(288), 200);
    EXPECT_EQ(artScaleForDpi(72), 100);

    SafeSwitch s;
    Recorder r(s);
    s.setScale(150);
    EXPECT_EQ(r.take(), (Events{"resize 117", "paint 0"}));
    EXPECT_EQ(s.geometry().cellHeight, 34);  // 34.5 to even
    EXPECT_EQ(s.geometry().cellTop(2), 68);
    s.setScale(175);
    EXPECT_EQ(s.geometry().cellWidth, 136);  // 136.5 to even
    s.poll(136, 40);  // the inclusive bounds follow the drawn size
    EXPECT_TRUE(s.hover());
    s.poll(137, 40);
    EXPECT_FALSE(s.hover());
}

TEST(SafeSwitch, MaskFollowsSkinAndValue)
{
    SafeSwitch s;
    EXPECT_EQ(s.mask(), 0);
    s.setValue(false);
    EXPECT_EQ(s.mask(), 1);
    s.setSkin(1);
    EXPECT_EQ(s.mask(), 3);
    s.setValue(true);
    EXPECT_EQ(s.mask(), 2);
    s.setSkin(42);
    EXPECT_EQ(s.mask(), 4);
    s.setValue(false);
    EXPECT_EQ(s.mask(), 5);
}

TEST(SafeSwitch, LoadingAssignsValueThenEnableThenAppliesTheSkin)
{
    SafeSwitch s;
    Recorder r(s);
    s.loadProperties({{"value", "False"}, {"enable", "False"}, {"skin", "1"}});
    EXPECT_EQ(r.take(), (Events{"paint 4", "click off", "paint 7", "resize 74", "paint 7"}));
    EXPECT_FALSE(s.value());
    EXPECT_FALSE(s.enable());
    EXPECT_EQ(s.skin(), 1);
}

TEST(SafeSwitch, LoadingNothingGivesTheDefaultsAndStillRaisesClick)
{
    SafeSwitch s;
    s.setValue(false);
    s.setSkin(2);
    Recorder r(s);
    s.loadProperties({});
    EXPECT_EQ(r.take(), (Events{"paint 0", "click on", "paint 0", "resize 78", "paint 0"}));
    EXPECT_TRUE(s.value());
    EXPECT_TRUE(s.enable());
    EXPECT_EQ(s.skin(), 0);
}

TEST(SafeSwitch, StoredTextIsReadForgivingly)
{
    SafeSwitch s;
    s.loadProperties({{"value", " false "}, {"enable", "-1"}, {"skin", "  -7"}});
    EXPECT_FALSE(s.value());
    EXPECT_TRUE(s.enable());
    EXPECT_EQ(s.skin(), -7);

    s.loadProperties({{"value", "0"}, {"enable", "TRUE"}, {"skin", "+1"}});
    EXPECT_FALSE(s.value());
    EXPECT_EQ(s.skin(), 1);

    // Unreadable text falls back to the key's default instead of failing the load.
    s.loadProperties({{"value", "maybe"}, {"enable", ""}, {"skin", "99999999999"}});
    EXPECT_TRUE(s.value());
    EXPECT_TRUE(s.enable());
    EXPECT_EQ(s.skin(), 0);
    s.loadProperties({{"value", "1x"}, {"skin", "2.5"}, {"unknown", "x"}});
    EXPECT_TRUE(s.value());
    EXPECT_EQ(s.skin(), 0);
}

TEST(SafeSwitch, SavingWritesOnlyWhatDiffersFromTheDefaults)
{
    SafeSwitch s;
    EXPECT_TRUE(s.saveProperties().empty());

    s.setValue(false);
    s.setEnable(false);
    s.setSkin(-3);
    const auto stored = s.saveProperties();
    EXPECT_EQ(stored, (SafeSwitch::StoredProperties{{"value", "False"}, {"enable", "False"}, {"skin", "-3"}}));

    SafeSwitch copy;
    copy.loadProperties(stored);
    EXPECT_EQ(copy.saveProperties(), stored);
}

TEST(SafeSwitch, HandlerMayReplaceItselfAndAssignAgain)
{
    SafeSwitch s;
    int clicks = 0;
    s.onClick = [&](bool v) {
        ++clicks;
        s.onClick = nullptr;
        s.setValue(!v);
    };
    s.setValue(false);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(s.value());
}

}  // namespace
}  // namespace vistrel
