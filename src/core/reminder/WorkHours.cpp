#include "reminder/WorkHours.h"

namespace vistrel {
namespace {

constexpr std::int64_t kDay = LocalTime::kSecondsPerDay;

std::int64_t dayNumber(LocalTime time) { return (time.seconds - time.secondOfDay()) / kDay; }

}  // namespace

std::optional<WorkHours> WorkHours::parse(std::string_view hours, std::string_view days)
{
    WorkHours parsed;
    if (!hours.empty()) {
        if (hours.size() != 11 || hours[5] != '-') return std::nullopt;
        parsed.m_from = TimeOfDay::parse(hours.substr(0, 5));
        parsed.m_to = TimeOfDay::parse(hours.substr(6));
        if (!parsed.m_from || !parsed.m_to) return std::nullopt;
    }
    if (days.empty()) return std::nullopt;
    parsed.m_days.reset();
    for (const char c : days) {
        if (c < '1' || c > '7') return std::nullopt;
        const auto bit = static_cast<size_t>(c - '1');
        if (parsed.m_days.test(bit)) return std::nullopt;
        parsed.m_days.set(bit);
    }
    return parsed;
}

std::string WorkHours::hoursText() const { return m_from ? m_from->text() + "-" + m_to->text() : std::string(); }

std::string WorkHours::daysText() const
{
    std::string text;
    for (int day = kMonday; day <= kSunday; ++day)
        if (onDay(day)) text += static_cast<char>('0' + day);
    return text;
}

int WorkHours::isoWeekday(LocalTime time)
{
    // Day 0, 1970-01-01, was a Thursday.
    const std::int64_t r = (dayNumber(time) + 3) % 7;
    return static_cast<int>(r < 0 ? r + 7 : r) + 1;
}

bool WorkHours::contains(LocalTime time) const
{
    if (!m_from) return onDay(isoWeekday(time));
    const std::int64_t start = std::int64_t{m_from->minuteOfDay()} * 60;
    std::int64_t length = std::int64_t{m_to->minuteOfDay()} * 60 - start;
    if (length <= 0) length += kDay;
    // The period of the day `time` falls on, and the one of the day before, which may run into it.
    for (const std::int64_t back : {0, 1}) {
        const LocalTime dayStart{time.seconds - time.secondOfDay() - back * kDay};
        const std::int64_t into = time.seconds - (dayStart.seconds + start);
        if (onDay(isoWeekday(dayStart)) && into >= 0 && into < length) return true;
    }
    return false;
}

std::optional<LocalTime> WorkHours::nextStart(LocalTime time) const
{
    if (always()) return std::nullopt;
    const std::int64_t start = m_from ? std::int64_t{m_from->minuteOfDay()} * 60 : 0;
    for (int ahead = 0; ahead <= 7; ++ahead) {
        const LocalTime dayStart{time.seconds - time.secondOfDay() + ahead * kDay};
        const LocalTime begins{dayStart.seconds + start};
        // A whole chosen day that follows another chosen day does not start anew at midnight.
        const bool continues = !m_from && onDay(isoWeekday(LocalTime{dayStart.seconds - kDay}));
        if (begins.seconds > time.seconds && onDay(isoWeekday(dayStart)) && !continues) return begins;
    }
    return std::nullopt;
}

}  // namespace vistrel
