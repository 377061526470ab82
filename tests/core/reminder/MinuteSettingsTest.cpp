#include <gtest/gtest.h>

#include "reminder/MinuteSettings.h"

namespace vistrel {
namespace {

TEST(ParseMinutes, AcceptsWholeNumbersWithinTheRangeOnly)
{
    EXPECT_EQ(parseMinutes("1", kWorkMinuteRange), 1);
    EXPECT_EQ(parseMinutes("1439", kWorkMinuteRange), 1439);
    EXPECT_EQ(parseMinutes(" 045\t", kWorkMinuteRange), 45);
    EXPECT_EQ(parseMinutes("555", kRestMinuteRange), 555);

    EXPECT_FALSE(parseMinutes("1440", kWorkMinuteRange));  // a whole day: the same minute again
    EXPECT_FALSE(parseMinutes("556", kRestMinuteRange));
    EXPECT_FALSE(parseMinutes("0", kRestMinuteRange));
    for (const char* junk : {"", "   ", "mei", "xiuxi", "-5", "+5", "4.5", "4,5", "1e2", "45 min", "4 5", "0x10",
                             "99999999999999999999", "\xE4\xBA\x94"})
        EXPECT_FALSE(parseMinutes(junk, kWorkMinuteRange)) << junk;
}

TEST(MinuteSettings, WarningAndHintSayTheRangesInForce)
{
    EXPECT_EQ(outOfRangeMessage(kRestMinuteRange), "休息时长必须是 1 到 555 之间的整数");
    EXPECT_EQ(minuteRangesHint(), "工作 1 - 1439 分钟，休息 1 - 555 分钟");
}

TEST(MinuteSettings, UnusableStoredValuesBecomeFirstRunDefaults)
{
    MinuteSettings s;
    s.load("mei", "xiuxi");  // no settings file: the keys' own names
    EXPECT_EQ(s.workText(), "45");
    EXPECT_EQ(s.restText(), "10");
    EXPECT_EQ(s.workMinutes(), 45);
    EXPECT_EQ(s.restMinutes(), 10);

    s.load("1440", "556");
    EXPECT_EQ(s.workText(), "45");
    EXPECT_EQ(s.restText(), "10");

    s.load(" 030", "15");
    EXPECT_EQ(s.workText(), "30");
    EXPECT_EQ(s.restMinutes(), 15);
}

TEST(MinuteSettings, JunkInABoxKeepsTheLastGoodValueInForce)
{
    MinuteSettings s;
    s.load("30", "5");
    s.setWorkText("abc");
    s.setRestText("");
    EXPECT_EQ(s.workText(), "abc");  // the box keeps what was typed
    EXPECT_EQ(s.workMinutes(), 30);
    EXPECT_EQ(s.restMinutes(), 5);
    EXPECT_EQ(s.invalidRange(), &kWorkMinuteRange);

    s.setWorkText("20");
    EXPECT_EQ(s.workMinutes(), 20);  // a corrected entry counts at once
    EXPECT_EQ(s.invalidRange(), &kRestMinuteRange);

    s.setRestText(" 07 ");
    EXPECT_EQ(s.invalidRange(), nullptr);
    s.normaliseTexts();
    EXPECT_EQ(s.restText(), "7");
}

}  // namespace
}  // namespace vistrel
