#include "base/LocalDateTime.h"

#include <chrono>
#include <cstdio>

namespace vistrel {
namespace {

// A fixed-width run of digits, or nothing.
std::optional<int> digits(std::string_view text, std::size_t from, std::size_t count)
{
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

std::optional<LocalTime> parseLocalDateTime(std::string_view text)
{
    // yyyy-mm-dd hh:mm
    if (text.size() != 16 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':')
        return std::nullopt;
    const auto year = digits(text, 0, 4), month = digits(text, 5, 2), day = digits(text, 8, 2);
    const auto hour = digits(text, 11, 2), minute = digits(text, 14, 2);
    if (!year || !month || !day || !hour || !minute || *hour > 23 || *minute > 59) return std::nullopt;
    using namespace std::chrono;
    const year_month_day date{std::chrono::year{*year}, std::chrono::month{static_cast<unsigned>(*month)},
                              std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok()) return std::nullopt;
    const std::int64_t days = sys_days(date).time_since_epoch().count();
    return LocalTime{days * LocalTime::kSecondsPerDay + *hour * 3600 + *minute * 60};
}

std::string localDateTimeText(LocalTime time)
{
    const CalendarDate date = calendarDate(time);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d", date.year, date.month, date.day, time.hour(),
                  time.minute());
    return text;
}

CalendarDate calendarDate(LocalTime time)
{
    using namespace std::chrono;
    const std::int64_t days = (time.seconds - time.secondOfDay()) / LocalTime::kSecondsPerDay;
    const year_month_day date{sys_days{std::chrono::days{days}}};
    return {static_cast<int>(date.year()), static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day())};
}

}  // namespace vistrel
