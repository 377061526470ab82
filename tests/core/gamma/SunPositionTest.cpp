#include <gtest/gtest.h>

#include "base/LocalDateTime.h"
#include "gamma/SunPosition.h"

namespace vistrel {
namespace {

struct Day {
    const char* where;
    const char* date;  // local "yyyy-mm-dd hh:mm"
    int utcOffsetMinutes;
    Place place;
};

int minuteOf(std::optional<LocalTime> t) { return t ? t->hour() * 60 + t->minute() : -1; }

// Sunrise and sunset as the NOAA solar calculator gives them (local clock time, to the minute).
TEST(SunPosition, SunriseAndSunsetAgreeWithPublishedTimesWithinTwoMinutes)
{
    struct Case {
        Day day;
        int sunrise, sunset;  // minutes of the local day
    };
    const Place london{51.5074, -0.1278};
    for (const Case& c : {
             Case{{"London, summer time", "2024-06-21 12:00", 60, london}, 4 * 60 + 43, 21 * 60 + 21},
             Case{{"London", "2024-12-21 12:00", 0, london}, 8 * 60 + 3, 15 * 60 + 53},
             Case{{"Singapore", "2024-03-20 12:00", 480, {1.3521, 103.8198}}, 7 * 60 + 8, 19 * 60 + 15},
         }) {
        const SunTimes times = sunTimes(*parseLocalDateTime(c.day.date), c.day.utcOffsetMinutes * 60, c.day.place);
        EXPECT_NEAR(minuteOf(times.sunrise), c.sunrise, 2) << c.day.where;
        EXPECT_NEAR(minuteOf(times.sunset), c.sunset, 2) << c.day.where;
    }
}

TEST(SunPosition, PolarDayAndNightNeedNoSpecialCase)
{
    const Place tromso{69.6492, 18.9553};
    const LocalTime juneMidnight = *parseLocalDateTime("2024-06-21 00:30");
    const SunTimes june = sunTimes(juneMidnight, 2 * 3600, tromso);
    EXPECT_FALSE(june.sunrise || june.sunset);
    EXPECT_GT(solarElevation(juneMidnight, 2 * 3600, tromso), 3) << "the midnight sun is day";

    const LocalTime decemberNoon = *parseLocalDateTime("2024-12-21 11:30");
    const SunTimes december = sunTimes(decemberNoon, 3600, tromso);
    EXPECT_FALSE(december.sunrise || december.sunset);
    // 90 - 69.65 - 23.44 = -3.1°: the polar night's noon is twilight, between night and day.
    EXPECT_NEAR(solarElevation(decemberNoon, 3600, tromso), -3.1, 0.5);
}

TEST(SunPosition, TheSameInstantHasTheSameSunWhicheverOffsetTheClockShows)
{
    // Berlin on the morning the clocks go forward: 01:30 winter time and 03:30 summer time an
    // hour later are one hour of real time apart, and 02:30 winter time is 03:30 summer time.
    const Place berlin{52.52, 13.405};
    EXPECT_NEAR(solarElevation(*parseLocalDateTime("2024-03-31 02:30"), 3600, berlin),
                solarElevation(*parseLocalDateTime("2024-03-31 03:30"), 7200, berlin), 1e-9);
    const SunTimes summer = sunTimes(*parseLocalDateTime("2024-03-31 12:00"), 7200, berlin);
    EXPECT_NEAR(minuteOf(summer.sunrise), 6 * 60 + 42, 2);
}

}  // namespace
}  // namespace vistrel
