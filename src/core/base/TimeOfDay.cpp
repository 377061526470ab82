#include "base/TimeOfDay.h"

namespace vistrel {

namespace {

std::optional<int> twoDigits(char tens, char units)
{
    if (tens < '0' || tens > '9' || units < '0' || units > '9') return std::nullopt;
    return (tens - '0') * 10 + (units - '0');
}

}  // namespace

std::optional<TimeOfDay> TimeOfDay::parse(std::string_view text)
{
    if (text.size() != 5 || text[2] != ':') return std::nullopt;
    const auto hour = twoDigits(text[0], text[1]);
    const auto minute = twoDigits(text[3], text[4]);
    if (!hour || !minute || *hour > 23 || *minute > 59) return std::nullopt;
    return TimeOfDay(*hour * 60 + *minute);
}

std::string TimeOfDay::text() const
{
    const int hour = m_minuteOfDay / 60;
    const int minute = m_minuteOfDay % 60;
    return std::string{static_cast<char>('0' + hour / 10), static_cast<char>('0' + hour % 10), ':',
                       static_cast<char>('0' + minute / 10), static_cast<char>('0' + minute % 10)};
}

}  // namespace vistrel
