#include <gtest/gtest.h>

#include "fakes/FakeClock.h"
#include "base/TimeOfDay.h"

namespace vistrel {
namespace {

using testing::FakeClock;

TEST(TimeOfDay, FormatsWithTwoDigitsAndDropsSeconds)
{
    EXPECT_EQ(TimeOfDay::of(FakeClock::at(0, 0, 0)).text(), "00:00");
    EXPECT_EQ(TimeOfDay::of(FakeClock::at(9, 5, 59)).text(), "09:05");
    EXPECT_EQ(TimeOfDay::of(FakeClock::at(23, 59, 59)).text(), "23:59");
}

TEST(TimeOfDay, AddingMinutesWrapsPastMidnightBothWays)
{
    const auto t = TimeOfDay::parse("23:50");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->plusMinutes(30).text(), "00:20");
    EXPECT_EQ(t->plusMinutes(10).text(), "00:00");
    EXPECT_EQ(t->plusMinutes(1440).text(), "23:50");
    EXPECT_EQ(t->plusMinutes(1440 + 1440 + 11).text(), "00:01");
    EXPECT_EQ(TimeOfDay::parse("00:05")->plusMinutes(-10).text(), "23:55");
}

TEST(TimeOfDay, ParsesOnlyWellFormedTimes)
{
    EXPECT_EQ(TimeOfDay::parse("12:30")->minuteOfDay(), 12 * 60 + 30);
    EXPECT_EQ(TimeOfDay::parse("00:00")->minuteOfDay(), 0);
    EXPECT_EQ(TimeOfDay::parse("23:59")->minuteOfDay(), 1439);
    for (const char* bad : {"", "1:30", "12:3", "24:00", "12:60", "12-30", " 12:30", "12:30 ", "ab:cd", "-1:30"})
        EXPECT_FALSE(TimeOfDay::parse(bad)) << bad;
}

}  // namespace
}  // namespace vistrel
