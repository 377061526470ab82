#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "history/StatisticsText.h"

namespace vistrel {
namespace {

using ::testing::ElementsAre;

TEST(StatisticsEnglishTest, TheWeekdayLeadsAndCountsAgreeWithTheirNumbers)
{
    const Texts english(Language::English);
    const DayLabel wednesday = dayLabel(20796, english);  // 2026-12-09
    EXPECT_EQ(wednesday.text(), "Wed 12/09");
    EXPECT_EQ(wednesday.weekday, "Wed");
    EXPECT_EQ(dayLabel(20796 + 4, english).weekday, "Sun");

    DayStats day;
    day.day = 20796;
    day.prompted = 5;
    day.restsTaken = 1;
    day.restsCompleted = 0;
    day.restsCut = 1;
    day.restsSkipped = 2;
    day.eyeBreaks = 1;
    day.eyeBreaksSkipped = 3;
    day.secondsRested = 6000;
    day.longestStretchSeconds = 2 * 3600;
    day.screenSeconds = 59;
    EXPECT_EQ(todayFigures(day, english).front().value, "1 of 5");
    EXPECT_THAT(dayDetails(day, english),
                ElementsAre("Wed 12/09", "1 rest (0 completed, 1 ended early)", "2 skipped", "1 eye break, 3 missed",
                            "Time rested: 1 h 40 min", "Longest stretch: 2 h", "Screen time: 0 min"));
}

}  // namespace
}  // namespace vistrel
