#pragma once
#include <optional>

#include "base/Clock.h"

namespace vistrel {

// A pause of the reminder. A pause of so many minutes lasts that long in real time, whatever the
// local clock does meanwhile (daylight saving, a new time zone); a pause until tomorrow ends when
// the local clock shows midnight.
class ReminderPause {
public:
    static constexpr int kLongestTimedMinutes = 60;  // "1 小时"

    // `minutes` of real time from the start of the current minute.
    static ReminderPause forMinutes(const Clock& clock, int minutes);
    // Until the local clock shows `end`.
    static ReminderPause untilLocalTime(LocalTime end);
    // A pause as the settings file keeps it: the local time of its end. One ending within the
    // longest timed pause was a timed one and goes on in real time; one further ahead is a
    // wall-clock end ("到明天", or a date written by hand).
    static ReminderPause readBack(const Clock& clock, LocalTime end);

    bool over(const Clock& clock) const;
    // The local time its end shows at, as the clock stood when last followed.
    LocalTime localEnd() const { return m_localEnd; }
    // Moves a real-time end's local time with the local clock; true when it moved, so that what
    // the settings file says can be written again.
    bool followClock(const Clock& clock);

private:
    ReminderPause(std::optional<UtcTime> realEnd, LocalTime localEnd) : m_realEnd(realEnd), m_localEnd(localEnd) {}

    std::optional<UtcTime> m_realEnd;  // none: the end is a wall-clock time
    LocalTime m_localEnd;
};

}  // namespace vistrel
