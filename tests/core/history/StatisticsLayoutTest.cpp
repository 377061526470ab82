#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "history/StatisticsLayout.h"
#include "history/StatisticsText.h"

namespace vistrel {
namespace {

using ::testing::ElementsAre;

constexpr std::int64_t kWednesday = 20796;  // 2026-12-09

DayStats day(int taken, int skipped, std::int64_t longestMinutes)
{
    DayStats stats;
    stats.restsTaken = taken;
    stats.restsSkipped = skipped;
    stats.longestStretchSeconds = longestMinutes * 60;
    return stats;
}

TEST(StatisticsTextTest, DaysAndLengthsReadAsTheWindowShowsThem)
{
    EXPECT_EQ(dayLabel(kWednesday).text(), "12/09 周三");
    EXPECT_EQ(dayLabel(kWednesday + 4).text(), "12/13 周日");
    EXPECT_EQ(dayLabel(kWednesday + 23).text(), "01/01 周五") << "across the new year";
    for (const auto& [seconds, text] : {std::pair{0, "0 分钟"}, {59, "0 分钟"}, {45 * 60 + 30, "45 分钟"},
                                        {7200, "2 小时"}, {6000, "1 小时 40 分"}, {-5, "0 分钟"}})
        EXPECT_EQ(durationText(seconds), text) << seconds;
    EXPECT_EQ(stretchTickText(0), "0");
    EXPECT_EQ(stretchTickText(90 * 60), "1:30");
    EXPECT_EQ(exportFileName(LocalTime{kWednesday * LocalTime::kSecondsPerDay + 3600}),
              "vistrel-history-2026-12-09.csv");
}

TEST(StatisticsTextTest, TodayCountsRestsOfThosePromptedAndTheTooltipOnlyWhatHappened)
{
    DayStats today = day(3, 2, 100);
    today.day = kWednesday;
    today.prompted = 5;
    today.secondsRested = 25 * 60;
    today.screenSeconds = 5 * 3600 + 120;
    EXPECT_EQ(todayFigures(today).front().value, "3 / 5 次");
    EXPECT_EQ(todayFigures(today).back().value, "5 小时 2 分");
    today.prompted = 1;  // rests started from the main window were not prompted
    EXPECT_EQ(todayFigures(today).front().value, "3 / 3 次");

    today.restsCompleted = 2;
    today.restsCut = 1;
    EXPECT_THAT(dayDetails(today), ElementsAre("12/09 周三", "休息 3 次（完成 2，提前结束 1）", "跳过 2 次",
                                               "休息时长 25 分钟", "最长连续工作 1 小时 40 分", "屏幕时间 5 小时 2 分"));
}

TEST(StatisticsLayoutTest, ScalesHoldTheBusiestDayInReadableSteps)
{
    struct Case {
        std::vector<DayStats> days;
        int countStep;
        std::int64_t stretchMinutes;
    };
    for (const Case& c : {Case{{}, 1, 15}, Case{{day(3, 1, 60)}, 1, 15}, Case{{day(3, 2, 61)}, 2, 30},
                          Case{{day(1, 0, 0), day(15, 6, 0)}, 10, 15}, Case{{day(0, 0, 16 * 60)}, 1, 240},
                          Case{{day(0, 0, 25 * 60)}, 1, 720}}) {
        const ChartScale scale = chartScale(c.days);
        EXPECT_EQ(scale.countStep, c.countStep);
        EXPECT_EQ(scale.stretchStepSeconds, c.stretchMinutes * 60);
    }
}

TEST(StatisticsLayoutTest, EveryPixelOfThePlotHitsTheDayWhoseColumnHoldsIt)
{
    // 601 pixels do not divide into 14 columns evenly.
    const ChartGeometry chart({50, 20, 601, 200}, 14, ChartScale{2, 1800});
    for (int x = 50; x < 651; ++x) {
        const std::optional<int> hit = chart.dayAt(x, 100);
        ASSERT_TRUE(hit) << x;
        const PixelRect column = chart.column(*hit);
        EXPECT_TRUE(x >= column.left && x < column.right()) << x;
    }
    EXPECT_EQ(chart.column(13).right(), 651);
    for (const auto& [x, y] : {std::pair{49, 100}, {651, 100}, {100, 19}, {100, 220}})
        EXPECT_FALSE(chart.dayAt(x, y)) << x << "," << y;

    // Stacked parts meet without a gap, and a count past the axis stays inside the plot.
    EXPECT_EQ(chart.bar(3, 0, 3).top, chart.bar(3, 3, 5).bottom());
    EXPECT_EQ(chart.bar(3, 0, 8).height, 200);
    EXPECT_EQ(chart.countY(100), 20);
    EXPECT_EQ(chart.stretchY(1800), 170);
}

}  // namespace
}  // namespace vistrel
