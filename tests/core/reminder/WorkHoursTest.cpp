#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>

#include "fakes/FakeClock.h"
#include "reminder/WorkHours.h"

namespace vistrel::testing {
namespace {

// FakeClock's day 0 is Thursday 1970-01-01, so day 1 is a Friday and days 2 and 3 the weekend.
constexpr LocalTime at(int day, int hour, int minute) { return FakeClock::at(hour, minute, 0, day); }

WorkHours hours(std::string_view period, std::string_view days)
{
    const auto parsed = WorkHours::parse(period, days);
    EXPECT_TRUE(parsed) << period << " " << days;
    return parsed.value_or(WorkHours{});
}

TEST(WorkHours, ParsesThePeriodAndTheDaysAndRefusesAnythingElse)
{
    EXPECT_TRUE(hours("", "1234567").always());
    const WorkHours office = hours("09:00-18:00", "51234");
    EXPECT_EQ(office.hoursText(), "09:00-18:00");
    EXPECT_EQ(office.daysText(), "12345");
    for (const auto& [period, days] : {std::pair{"9:00-18:00", "1"}, {"09:00~18:00", "1"}, {"24:00-06:00", "1"},
                                       {"09:00-18:00", ""}, {"09:00-18:00", "128"}, {"09:00-18:00", "11"},
                                       {"09:00-18:00 ", "1"}})
        EXPECT_FALSE(WorkHours::parse(period, days)) << period << " / " << days;
}

TEST(WorkHours, ContainsTheDaysPeriodANightShiftAcrossMidnightAndWholeDays)
{
    struct Case {
        const char* period;
        const char* days;
        LocalTime time;
        bool inside;
    };
    const std::initializer_list<Case> cases = {
        {"09:00-18:00", "12345", at(1, 9, 0), true},    // Friday's start
        {"09:00-18:00", "12345", at(1, 17, 59), true},
        {"09:00-18:00", "12345", at(1, 18, 0), false},  // its end is outside
        {"09:00-18:00", "12345", at(1, 8, 59), false},
        {"09:00-18:00", "12345", at(2, 10, 0), false},  // Saturday
        {"22:00-06:00", "5", at(1, 23, 0), true},       // Friday night...
        {"22:00-06:00", "5", at(2, 5, 59), true},       // ...into Saturday morning
        {"22:00-06:00", "5", at(2, 6, 0), false},
        {"22:00-06:00", "5", at(2, 22, 0), false},      // Saturday night is not chosen
        {"22:00-06:00", "5", at(1, 3, 0), false},       // Thursday's night, not chosen
        {"", "67", at(2, 0, 0), true},                  // the whole weekend
        {"", "67", at(3, 23, 59), true},
        {"", "67", at(4, 0, 0), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hours(c.period, c.days).contains(c.time), c.inside)
            << c.period << " " << c.days << " day " << c.time.seconds / LocalTime::kSecondsPerDay << " "
            << c.time.hour() << ":" << c.time.minute();
}

TEST(WorkHours, NextStartIsTheFirstStartAfterTheTime)
{
    // Setting, from, start.
    for (const auto& [period, days, from, start] : {
             std::tuple{"09:00-18:00", "12345", at(1, 8, 0), at(1, 9, 0)},
             {"09:00-18:00", "12345", at(1, 18, 30), at(4, 9, 0)},  // Friday evening: Monday
             {"22:00-06:00", "5", at(2, 3, 0), at(8, 22, 0)},       // inside Friday's night: next Friday
             {"", "67", at(1, 12, 0), at(2, 0, 0)},
             {"", "67", at(2, 12, 0), at(9, 0, 0)},  // Sunday runs on from Saturday: no start at its midnight
         }) {
        const auto next = hours(period, days).nextStart(from);
        ASSERT_TRUE(next) << period << " " << days;
        EXPECT_EQ(next->seconds, start.seconds) << period << " " << days;
    }
    EXPECT_FALSE(WorkHours{}.nextStart(at(1, 12, 0)));

    for (const auto& [day, weekday] : {std::pair{-1, 3}, {0, 4}, {1, 5}, {3, 7}, {4, 1}})
        EXPECT_EQ(WorkHours::isoWeekday(at(day, 12, 0)), weekday) << day;
}

}  // namespace
}  // namespace vistrel::testing
