#include <gtest/gtest.h>

#include "fakes/FakeClock.h"
#include "history/HistoryStats.h"

namespace vistrel {
namespace {

using testing::FakeClock;

constexpr int kDay = 20000;
constexpr std::int64_t kHour = 3600;

HistoryRecord at(int hour, int minute, HistoryEvent event, std::int64_t value = 0, int day = kDay,
                 std::int64_t offset = 0)
{
    return {FakeClock::at(hour, minute, 0, day), offset, event, value};
}

DayStats only(const std::vector<DayStats>& days, int day = kDay)
{
    for (const DayStats& stats : days)
        if (stats.day == day) return stats;
    return {};
}

TEST(HistoryStatsTest, EachEventCountsOnItsDay)
{
    using E = HistoryEvent;
    const std::vector<HistoryRecord> records = {
        at(8, 0, E::Start),
        at(8, 45, E::Prompt), at(8, 45, E::Postpone), at(8, 50, E::Prompt), at(8, 50, E::Rest, 10),
        at(9, 0, E::RestDone),                                       // stretch 08:00-08:50
        at(9, 20, E::EyeBreak), at(9, 40, E::EyeBreakSkipped), at(9, 45, E::Held),
        at(10, 0, E::Prompt), at(10, 0, E::Continue),
        at(10, 45, E::Prompt), at(10, 45, E::DisplayOff),
        at(11, 30, E::Prompt), at(11, 30, E::Rest, 10), at(11, 31, E::RestCut, 90),  // stretch 09:00-11:30
        at(12, 30, E::Away, 20),                                     // away 12:10-12:30
        at(12, 40, E::Pause, 60), at(12, 50, E::Resume),
        at(13, 0, E::Exit),
    };
    DayStats expected;
    expected.day = kDay;
    expected.prompted = 5;
    expected.restsTaken = 2;
    expected.restsCompleted = 1;
    expected.restsCut = 1;
    expected.restsSkipped = 2;
    expected.awayAsRest = 1;
    expected.postponed = 1;
    expected.held = 1;
    expected.eyeBreaks = 1;
    expected.eyeBreaksSkipped = 1;
    expected.secondsRested = 10 * 60 + 90 + 20 * 60;
    expected.screenSeconds = 5 * kHour - 20 * 60;
    expected.longestStretchSeconds = 2 * kHour + 30 * 60;
    EXPECT_EQ(only(aggregateHistory(records, FakeClock::at(23, 0, 0, kDay), 0)), expected);
}

TEST(HistoryStatsTest, MidnightSplitsTimeButARestBelongsToItsStartDay)
{
    using E = HistoryEvent;
    const std::vector<HistoryRecord> records = {
        at(22, 0, E::Start), at(23, 55, E::Rest, 10), at(0, 5, E::RestDone, 0, kDay + 1),
        // A crash: no exit, so the run ends with its last event.
        at(1, 0, E::Prompt, 0, kDay + 1),
        at(9, 0, E::Start, 0, kDay + 1),  // still open: counts up to now
    };
    const auto days = aggregateHistory(records, FakeClock::at(10, 0, 0, kDay + 1), 0);
    EXPECT_EQ(only(days).restsTaken, 1);
    EXPECT_EQ(only(days).restsCompleted, 1);
    EXPECT_EQ(only(days).secondsRested, 600);
    EXPECT_EQ(only(days).screenSeconds, 2 * kHour);
    EXPECT_EQ(only(days, kDay + 1).screenSeconds, 2 * kHour);
    EXPECT_EQ(only(days).longestStretchSeconds, kHour + 55 * 60);
    EXPECT_EQ(only(days, kDay + 1).longestStretchSeconds, kHour);
    EXPECT_EQ(lastDays(days, FakeClock::at(10, 0, 0, kDay + 3), 14).size(), 14u);
    EXPECT_EQ(lastDays(days, FakeClock::at(10, 0, 0, kDay + 3), 14)[10], only(days));
}

TEST(HistoryStatsTest, ADaylightSavingDayHasItsRealLength)
{
    // The clock goes forward an hour at 02:00: running the whole day is 23 hours of screen time.
    const std::vector<HistoryRecord> spring = {at(0, 0, HistoryEvent::Start, 0, kDay, kHour),
                                               at(0, 0, HistoryEvent::Exit, 0, kDay + 1, 2 * kHour)};
    EXPECT_EQ(only(aggregateHistory(spring, FakeClock::at(12, 0, 0, kDay + 1), 2 * kHour)).screenSeconds, 23 * kHour);
    const std::vector<HistoryRecord> autumn = {at(0, 0, HistoryEvent::Start, 0, kDay, 2 * kHour),
                                               at(23, 0, HistoryEvent::Exit, 0, kDay, kHour)};
    EXPECT_EQ(only(aggregateHistory(autumn, FakeClock::at(23, 30, 0, kDay), kHour)).screenSeconds, 24 * kHour);
}

}  // namespace
}  // namespace vistrel
