#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "controls/ProgButton.h"

namespace vistrel {
namespace {

// 8 pixels per byte, font 16 high: enough to check centring without a real font.
ProgButtonTextSize fakeMeasure(std::string_view text)
{
    return {static_cast<int>(text.size()) * 8, 16};
}

ProgButtonDisplay show(const ProgButton& button, int width = 297, int height = 41)
{
    return button.display(width, height, fakeMeasure);
}

ProgButtonDisplay progress(std::int32_t min, std::int32_t max, std::int32_t value, int width = 297)
{
    ProgButton button;
    button.setMin(min);
    button.setMax(max);
    button.setValue(value);
    return show(button, width);
}

TEST(ProgButtonProgress, SmallPercentageShowsTwoDecimalsButNoFill)
{
    const ProgButtonDisplay d = progress(0, 300, 1);
    EXPECT_EQ(d.text, "0.33%");
    EXPECT_EQ(d.fillWidth, 0);
    EXPECT_EQ(d.bands.size(), 2u);  // the face only
}

TEST(ProgButtonProgress, FullBarStopsOneColumnShortOfTheFace)
{
    const ProgButtonDisplay d = progress(0, 100, 100);
    EXPECT_EQ(d.text, "100.00%");
    EXPECT_EQ(d.fillWidth, 296);
    ASSERT_EQ(d.bands.size(), 4u);
    EXPECT_EQ(d.bands[0].rect, (ProgButtonRect{0, 0, 297, 20}));
    EXPECT_EQ(d.bands[1].rect, (ProgButtonRect{0, 20, 297, 41}));
    EXPECT_EQ(d.bands[2].rect, (ProgButtonRect{0, 0, 296, 20}));
    EXPECT_EQ(d.bands[3].rect, (ProgButtonRect{0, 20, 296, 41}));
    EXPECT_EQ(d.outline, (ProgButtonRect{0, 0, 296, 40}));
}

TEST(ProgButtonProgress, FillUsesTheRoundedPercentageAndRoundsHalvesToEven)
{
    // 37.5 % of 296 columns: the percentage rounds to 38 (half to even), 38 * 296 / 100 = 112.48.
    EXPECT_EQ(progress(0, 8, 3).text, "37.50%");
    EXPECT_EQ(progress(0, 8, 3).fillWidth, 112);
    // 50 % of 5 columns is 2.5 -> 2; of 7 columns 3.5 -> 4.
    EXPECT_EQ(progress(0, 2, 1, 6).fillWidth, 2);
    EXPECT_EQ(progress(0, 2, 1, 8).fillWidth, 4);
    // 0.5 % rounds to 0 and 1.5 % to 2; an exact tie in the text rounds to even too.
    EXPECT_EQ(progress(0, 200, 1, 101).fillWidth, 0);
    EXPECT_EQ(progress(0, 200, 3, 101).fillWidth, 2);
    EXPECT_EQ(progress(0, 800, 1).text, "0.12%");
}

TEST(ProgButtonProgress, HalvesSplitAtTheEvenRow)
{
    EXPECT_EQ(show(ProgButton{}, 297, 41).halfHeight, 20);
    EXPECT_EQ(show(ProgButton{}, 297, 43).halfHeight, 22);
    EXPECT_EQ(show(ProgButton{}, 297, 42).halfHeight, 21);
}

TEST(ProgButtonProgress, EmptyRangeShowsNothingRatherThanDividingByZero)
{
    for (std::int32_t value : {-5, 7, 12}) {
        ProgButton button;
        button.readProperties([value](std::string_view key, std::string_view fallback) {
            if (key == ProgButton::kValueKey) return std::to_string(value);
            if (key == ProgButton::kMinKey || key == ProgButton::kMaxKey) return std::string("7");
            return std::string(fallback);
        });
        const ProgButtonDisplay d = show(button);
        EXPECT_EQ(d.fillWidth, 0) << value;
        EXPECT_EQ(d.text, "") << value;
        EXPECT_EQ(d.bands.size(), 2u) << value;
    }
}

TEST(ProgButtonProgress, ValuesFarOutsideTheRangeKeepTheFillOnTheFace)
{
    ProgButton button;
    button.setMin(INT_MIN);
    button.setMax(INT_MAX);
    button.setValue(INT_MAX);
    EXPECT_EQ(show(button).text, "100.00%");
    EXPECT_EQ(show(button).fillWidth, 296);

    button.setMax(INT_MIN + 1);  // Value is left far above the new range
    EXPECT_EQ(show(button).fillWidth, 296);
    EXPECT_EQ(show(button).text, "429496729500.00%");

    button.setMin(0);
    button.setMax(1);
    button.setValue(-3);  // limited to 0
    button.setMin(10);
    button.setMax(20);  // Value 0 now lies below the range
    EXPECT_EQ(show(button).text, "-100.00%");
    EXPECT_EQ(show(button).fillWidth, 0);
    EXPECT_EQ(show(button).bands.size(), 2u);
}

TEST(ProgButtonProgress, DegenerateSizesDrawNothingOutside)
{
    ProgButton button;
    button.setValue(100);
    for (auto [w, h] : {std::pair{0, 0}, std::pair{1, 1}, std::pair{-4, 30}}) {
        const ProgButtonDisplay d = button.display(w, h, fakeMeasure);
        for (const ProgButtonBand& band : d.bands) {
            EXPECT_GE(band.rect.left, 0);
            EXPECT_LE(band.rect.right, std::max(w, 0));
            EXPECT_LE(band.rect.bottom, std::max(h, 0));
        }
    }
}

TEST(ProgButtonProperties, ValueIsLimitedByMaxThenMin)
{
    ProgButton button;
    button.setValue(150);
    EXPECT_EQ(button.value(), 100);
    button.setValue(-1);
    EXPECT_EQ(button.value(), 0);

    button.setMin(10);
    button.setMax(5);
    EXPECT_EQ(button.value(), 0);  // Min and Max do not re-limit Value
    for (std::int32_t v : {INT_MIN, 0, 7, 10, INT_MAX}) {
        button.setValue(v);
        EXPECT_EQ(button.value(), 10) << v;
    }
}

TEST(ProgButtonProperties, EverySetterRedraws)
{
    ProgButton button;
    int redraws = 0;
    button.onRedraw = [&] { ++redraws; };
    button.setValue(1);
    button.setMin(0);
    button.setMax(5);
    button.setCaption("x");
    button.setStyle(1);
    button.setColor(3);
    button.setPicture(42);
    EXPECT_EQ(redraws, 7);
    EXPECT_EQ(std::any_cast<int>(button.picture()), 42);
}

TEST(ProgButtonProperties, AccessKeyComesFromTheLastMarkingAmpersand)
{
    ProgButton button;
    EXPECT_EQ(button.accessKey(), "");
    button.setCaption("Plain");
    EXPECT_EQ(button.accessKey(), "");

    button.setCaption("&Rest");
    EXPECT_EQ(button.accessKey(), "R");
    button.setCaption("No marker");  // leaves the key
    EXPECT_EQ(button.accessKey(), "R");
    button.setCaption("&One &Two");
    EXPECT_EQ(button.accessKey(), "T");
    button.setCaption("End&");
    EXPECT_EQ(button.accessKey(), "");

    button.setCaption("&a");
    button.setCaption("Fish && Chips");  // a doubled ampersand is a literal, not a marker
    EXPECT_EQ(button.accessKey(), "a");
    button.setCaption("Save && E&xit");
    EXPECT_EQ(button.accessKey(), "x");
    button.setCaption("&&&Q");
    EXPECT_EQ(button.accessKey(), "Q");
    button.setCaption("休息&时间");  // a whole character, not a byte of it
    EXPECT_EQ(button.accessKey(), "时");
    EXPECT_EQ(button.caption(), "休息&时间");
}

TEST(ProgButtonProperties, ColourSchemesAndInvalidNumbers)
{
    const ProgButtonColorSet black{};

    ProgButton fresh;
    fresh.redraw();  // the platform control redraws when it is created
    EXPECT_EQ(fresh.colors(), kProgButtonSchemes[0]);

    for (const char* stored : {"0", "10"}) {
        ProgButton loaded;  // no redraw before loading: no scheme was ever loaded
        loaded.readProperties([stored](std::string_view key, std::string_view fallback) {
            return key == ProgButton::kColorKey ? std::string(stored) : std::string(fallback);
        });
        const ProgButtonDisplay d = show(loaded);
        EXPECT_EQ(d.outlineColor, ProgButtonColor{}) << stored;
        for (const ProgButtonBand& band : d.bands) {
            EXPECT_EQ(band.top, ProgButtonColor{});
            EXPECT_EQ(band.bottom, ProgButtonColor{});
        }
        EXPECT_EQ(loaded.colors(), black);
    }

    ProgButton button;
    button.setColor(8);
    for (std::int32_t invalid : {0, -1, 10, 40000, INT_MIN}) button.setColor(invalid);
    EXPECT_EQ(button.colors(), kProgButtonSchemes[7]);
    const ProgButtonDisplay d = show(button);
    EXPECT_EQ(d.bands[0].top, (ProgButtonColor{250, 253, 254}));
    EXPECT_EQ(d.bands[1].bottom, (ProgButtonColor{237, 247, 253}));
    EXPECT_EQ(d.outlineColor, (ProgButtonColor{23, 139, 211}));
}

TEST(ProgButtonProperties, StoredPropertiesRoundTripWithoutLimiting)
{
    std::map<std::string, std::string, std::less<>> bag{
        {"Value", "500"}, {"MyMin", "-3"}, {"MyMax", " 40 "}, {"MyCaption", "&Go"}, {"MyType", "1"}, {"MyStyle", "4"}};
    std::vector<std::string> readOrder;
    ProgButton button;
    int redraws = 0;
    button.onRedraw = [&] { ++redraws; };
    button.readProperties([&](std::string_view key, std::string_view fallback) {
        readOrder.emplace_back(key);
        const auto it = bag.find(key);
        return it == bag.end() ? std::string(fallback) : it->second;
    });
    EXPECT_EQ(readOrder, (std::vector<std::string>{"Value", "MyMin", "MyMax", "MyCaption", "MyType", "MyStyle"}));
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(button.value(), 500);  // stored as it stands
    EXPECT_EQ(button.min(), -3);
    EXPECT_EQ(button.max(), 40);
    EXPECT_EQ(button.caption(), "&Go");
    EXPECT_EQ(button.accessKey(), "");  // loading sets no access key
    EXPECT_EQ(button.style(), 1);
    EXPECT_EQ(button.color(), 4);

    std::vector<std::pair<std::string, std::string>> written;
    button.writeProperties([&](std::string_view key, std::string_view value) { written.emplace_back(key, value); });
    EXPECT_EQ(written, (std::vector<std::pair<std::string, std::string>>{
                           {"Value", "500"}, {"MyMin", "-3"}, {"MyMax", "40"}, {"MyCaption", "&Go"}, {"MyType", "1"}, {"MyStyle", "4"}}));
}

TEST(ProgButtonProperties, DefaultsAreNotWrittenAndBadNumbersFallBack)
{
    ProgButton button;
    button.readProperties([](std::string_view key, std::string_view fallback) {
        if (key == ProgButton::kValueKey) return std::string("12abc");
        if (key == ProgButton::kMaxKey) return std::string("99999999999");
        if (key == ProgButton::kColorKey) return std::string("");
        return std::string(fallback);
    });
    EXPECT_EQ(button.value(), 0);
    EXPECT_EQ(button.max(), 100);
    EXPECT_EQ(button.color(), 1);
    EXPECT_EQ(button.caption(), "Command");  // the stored default, unlike a new control's empty caption

    std::vector<std::string> keys;
    button.writeProperties([&](std::string_view key, std::string_view) { keys.emplace_back(key); });
    EXPECT_TRUE(keys.empty());

    ProgButton fresh;  // a new control's empty caption differs from the stored default
    fresh.writeProperties([&](std::string_view key, std::string_view value) {
        keys.emplace_back(key);
        EXPECT_EQ(value, "");
    });
    EXPECT_EQ(keys, std::vector<std::string>{"MyCaption"});
}

struct EventLog {
    std::vector<std::string> events;

    void attach(ProgButton& button)
    {
        button.onMouseDown = [this, &button](const ProgButton::MouseArgs& a) {
            events.push_back("down " + std::to_string(a.button) + (button.pressed() ? " pressed" : ""));
        };
        button.onMouseUp = [this, &button](const ProgButton::MouseArgs&) {
            events.push_back(std::string("up") + (button.pressed() ? " pressed" : ""));
        };
        button.onMouseMove = [this](const ProgButton::MouseArgs&) { events.emplace_back("move"); };
        button.onClick = [this] { events.emplace_back("click"); };
        button.onDblClick = [this] { events.emplace_back("dblclick"); };
        button.onFocusRequest = [this] { events.emplace_back("focus"); };
    }
};

TEST(ProgButtonInput, MouseRaisesEventsBeforeTheStateChangesInBothModes)
{
    for (std::int32_t style : {0, 1, 2}) {
        ProgButton button;
        button.setStyle(style);
        EventLog log;
        log.attach(button);
        button.mouseDown({1, 0, 5.0F, 6.0F});
        EXPECT_TRUE(button.pressed());
        button.mouseMove({1, 0, 7.0F, 6.0F});
        button.mouseUp({1, 0, 7.0F, 6.0F});
        EXPECT_FALSE(button.pressed());
        button.click();
        button.dblClick();
        EXPECT_EQ(log.events, (std::vector<std::string>{"down 1", "move", "up pressed", "click", "dblclick"}))
            << style;
    }
}

TEST(ProgButtonInput, KeyboardClicksOnlyInStyleOne)
{
    for (std::int32_t style : {0, 2, -1}) {
        ProgButton button;
        button.setStyle(style);
        button.setCaption("&Go");
        EventLog log;
        log.attach(button);
        EXPECT_FALSE(button.keyDown(ProgButton::kEnterKey));
        EXPECT_FALSE(button.keyDown(ProgButton::kSpaceKey));
        EXPECT_FALSE(button.accessKeyPressed("G"));
        EXPECT_TRUE(log.events.empty()) << style;
    }

    ProgButton button;
    button.setStyle(1);
    button.setCaption("&Go");
    EventLog log;
    log.attach(button);
    EXPECT_TRUE(button.keyDown(ProgButton::kEnterKey));
    EXPECT_TRUE(button.keyDown(ProgButton::kSpaceKey));
    EXPECT_FALSE(button.keyDown(9));  // Tab belongs to the dialog navigation
    EXPECT_TRUE(button.accessKeyPressed("g"));
    EXPECT_FALSE(button.accessKeyPressed("o"));
    EXPECT_EQ(log.events, (std::vector<std::string>{"click", "focus", "click", "focus", "click"}));

    button.setCaption("End&");  // an empty key matches nothing
    EXPECT_FALSE(button.accessKeyPressed(""));
}

TEST(ProgButtonInput, AHandlerMayDestroyTheControl)
{
    auto button = std::make_unique<ProgButton>();
    button->setStyle(1);
    button->onMouseDown = [&](const ProgButton::MouseArgs&) { button.reset(); };
    button->mouseDown({});
    EXPECT_EQ(button, nullptr);

    button = std::make_unique<ProgButton>();
    button->setStyle(1);
    button->onClick = [&] { button.reset(); };
    EXPECT_TRUE(button->keyDown(ProgButton::kEnterKey));
    EXPECT_EQ(button, nullptr);
}

TEST(ProgButtonLayout, ButtonModeDrawsCaptionPressedFaceAndFocus)
{
    ProgButton button;
    button.setStyle(2);
    button.setCaption("&Rest");
    button.setValue(100);  // Value plays no part in button mode

    ProgButtonDisplay d = show(button);
    EXPECT_EQ(d.text, "&Rest");
    EXPECT_FALSE(d.fillWidth.has_value());
    EXPECT_EQ(d.bands.size(), 2u);
    EXPECT_FALSE(d.focusRect.has_value());

    button.mouseDown({});
    button.setFocused(true);
    d = show(button);
    ASSERT_EQ(d.bands.size(), 4u);
    EXPECT_EQ(d.bands[2].rect, (ProgButtonRect{0, 0, 296, 20}));
    EXPECT_EQ(d.bands[3].rect, (ProgButtonRect{0, 20, 296, 41}));
    EXPECT_EQ(d.focusRect, (ProgButtonRect{3, 3, 293, 37}));

    button.mouseUp({});
    button.setFocused(false);
    d = show(button);
    EXPECT_EQ(d.bands.size(), 2u);
    EXPECT_FALSE(d.focusRect.has_value());
}

TEST(ProgButtonLayout, ProgressModeIgnoresPressAndFocus)
{
    ProgButton button;
    button.mouseDown({});
    button.setFocused(true);
    const ProgButtonDisplay d = show(button);
    EXPECT_EQ(d.bands.size(), 2u);
    EXPECT_FALSE(d.focusRect.has_value());
}

TEST(ProgButtonLayout, TextIsCentredOnTheMeasuredSize)
{
    ProgButton button;
    button.setValue(50);  // "50.00%": 48 x 16 with the fake font
    ProgButtonDisplay d = show(button);
    EXPECT_EQ(d.textRect, (ProgButtonRect{124, 12, 172, 28}));
    EXPECT_EQ((d.textRect.left + d.textRect.right) / 2, 148);
    EXPECT_EQ((d.textRect.top + d.textRect.bottom) / 2, 20);
    EXPECT_EQ(d.textColor, ProgButtonColor{});

    // Half pixels round to even: right / 2 - 5 / 2 = 145.5 -> 146, bottom / 2 - 7 / 2 = 16.5 -> 16.
    d = button.display(297, 41, [](std::string_view) { return ProgButtonTextSize{5, 7}; });
    EXPECT_EQ(d.textRect, (ProgButtonRect{146, 16, 151, 23}));
}

}  // namespace
}  // namespace vistrel
