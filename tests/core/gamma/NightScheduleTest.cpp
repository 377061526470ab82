#include <gtest/gtest.h>

#include "base/LocalDateTime.h"
#include "fakes/FakeClock.h"
#include "gamma/NightSchedule.h"

namespace vistrel {
namespace {

using testing::FakeClock;

NightSettings times(int startMinute, int endMinute, int fade)
{
    NightSettings s;
    s.mode = NightSettings::Mode::Times;
    s.start = TimeOfDay::fromMinutes(startMinute);
    s.end = TimeOfDay::fromMinutes(endMinute);
    s.fadeMinutes = fade;
    return s;
}

NightTarget at(const NightSettings& s, LocalTime local, std::optional<Place> place = std::nullopt)
{
    return nightTarget(s, {local, 0}, place);
}

TEST(NightSchedule, ChangesAreLinearInMireds)
{
    EXPECT_EQ(kelvinBetween(6500, 3600, 0), 6500);
    EXPECT_EQ(kelvinBetween(6500, 3600, 1), 3600);
    // Halfway in mireds: 10^6 / ((10^6/6500 + 10^6/3600) / 2) = 4633.7; halfway in kelvin would be 5050.
    EXPECT_EQ(kelvinBetween(6500, 3600, 0.5), 4634);
}

TEST(NightSchedule, ATimesNightAcrossMidnightFadesInAndOutAndStaysPutBetween)
{
    const NightSettings s = times(21 * 60, 7 * 60, 30);
    struct Case {
        LocalTime when;
        int kelvin;
        bool changing;
        std::int64_t steadySeconds;
    };
    for (const Case& c : {
             Case{FakeClock::at(20, 59), 6500, false, 60},
             Case{FakeClock::at(21, 15), 4634, true, 0},
             Case{FakeClock::at(21, 30), 3600, false, 9 * 3600 + 1800},
             Case{FakeClock::at(0, 0, 0, 2), 3600, false, 7 * 3600},
             Case{FakeClock::at(7, 15, 0, 2), 4634, true, 0},
             Case{FakeClock::at(7, 30, 0, 2), 6500, false, 13 * 3600 + 1800},
         }) {
        const NightTarget t = at(s, c.when);
        EXPECT_EQ(t.kelvin, c.kelvin) << c.when.hour() << ":" << c.when.minute();
        EXPECT_EQ(t.changing, c.changing) << c.when.hour() << ":" << c.when.minute();
        EXPECT_EQ(t.steadySeconds, c.steadySeconds) << c.when.hour() << ":" << c.when.minute();
    }
    EXPECT_EQ(nextNightChange(s, {FakeClock::at(23, 0), 0}, std::nullopt), FakeClock::at(7, 0, 0, 2));
    EXPECT_EQ(nextNightChange(s, {FakeClock::at(12, 0), 0}, std::nullopt), FakeClock::at(21, 0));

    // With no fade the change is a step; a start equal to the end is no night at all.
    EXPECT_EQ(at(times(21 * 60, 7 * 60, 0), FakeClock::at(21, 0)).kelvin, 3600);
    EXPECT_EQ(at(times(21 * 60, 21 * 60, 30), FakeClock::at(21, 20)).kelvin, 6500);
}

TEST(NightSchedule, ANightShorterThanItsFadeTurnsBackWithoutAJump)
{
    const NightSettings s = times(23 * 60, 23 * 60 + 10, 30);  // a third of the way, then back
    const int peak = at(s, FakeClock::at(23, 9, 59)).kelvin;
    EXPECT_EQ(peak, kelvinBetween(6500, 3600, 599.0 / 1800));
    EXPECT_NEAR(at(s, FakeClock::at(23, 10, 0)).kelvin, peak, 2);
    EXPECT_EQ(at(s, FakeClock::at(23, 20, 0)).kelvin, 6500);
    EXPECT_FALSE(at(s, FakeClock::at(23, 20, 0)).changing);
}

TEST(NightSchedule, SunModeFollowsTheElevationAtTheMomentsRealTime)
{
    NightSettings s;
    s.mode = NightSettings::Mode::Sun;
    EXPECT_EQ(at(s, FakeClock::at(0, 0)).kelvin, 6500) << "no place: no layer";

    // Berlin's evening change starts an hour later by the clock on the day summer time begins.
    const Place berlin{52.52, 13.405};
    const auto changeAt = [&](const char* noon, int offset) {
        return nextNightChange(s, {*parseLocalDateTime(noon), offset}, berlin)->secondOfDay();
    };
    const std::int64_t before = changeAt("2026-03-28 12:00", 3600);
    const std::int64_t after = changeAt("2026-03-29 12:00", 7200);
    EXPECT_NEAR(static_cast<double>(after - before), 3600 + 120, 90) << "an hour, plus the two minutes the day grows";

    // Svalbard: polar day in June and polar night in December follow from the elevation alone.
    const Place svalbard{78.22, 15.65};
    for (const char* midnight : {"2026-06-21 00:00", "2026-12-21 12:00"}) {
        const NightTarget t = nightTarget(s, {*parseLocalDateTime(midnight), 3600}, svalbard);
        EXPECT_EQ(t.kelvin, midnight[6] == '6' ? 6500 : 3600) << midnight;
        EXPECT_FALSE(t.changing) << midnight;
        EXPECT_FALSE(nextNightChange(s, {*parseLocalDateTime(midnight), 3600}, svalbard)) << midnight;
    }
}

}  // namespace
}  // namespace vistrel
