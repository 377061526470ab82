#include "reminder/ReminderPause.h"

#include "base/LocalDateTime.h"

namespace vistrel {

ReminderPause ReminderPause::forMinutes(const Clock& clock, int minutes)
{
    // The minute the user sees on the local clock, so the end shows as a whole minute.
    const LocalTime end{startOfMinute(clock.now()).seconds + std::int64_t{minutes} * 60};
    return ReminderPause(UtcTime{end.seconds - clock.utcOffsetSeconds()}, end);
}

ReminderPause ReminderPause::untilLocalTime(LocalTime end) { return ReminderPause(std::nullopt, end); }

ReminderPause ReminderPause::readBack(const Clock& clock, LocalTime end)
{
    if (end.seconds - clock.now().seconds > std::int64_t{kLongestTimedMinutes} * 60) return untilLocalTime(end);
    return ReminderPause(UtcTime{end.seconds - clock.utcOffsetSeconds()}, end);
}

bool ReminderPause::over(const Clock& clock) const
{
    return m_realEnd ? clock.utcNow().seconds >= m_realEnd->seconds : clock.now().seconds >= m_localEnd.seconds;
}

bool ReminderPause::followClock(const Clock& clock)
{
    if (!m_realEnd) return false;
    const LocalTime end{m_realEnd->seconds + clock.utcOffsetSeconds()};
    if (end == m_localEnd) return false;
    m_localEnd = end;
    return true;
}

}  // namespace vistrel
