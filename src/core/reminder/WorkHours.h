#pragma once
#include <bitset>
#include <optional>
#include <string>
#include <string_view>

#include "base/Clock.h"
#include "base/TimeOfDay.h"

namespace vistrel {

// The hours in which the reminder works: a daily period ("09:00-18:00") on chosen weekdays. A period
// that ends at or before its start runs past midnight and belongs to the day it starts on, so
// "22:00-06:00" on Friday covers Friday night into Saturday morning. Without a period every hour
// of a chosen day counts.
class WorkHours {
public:
    static constexpr int kMonday = 1;
    static constexpr int kSunday = 7;

    // Every hour of every day.
    WorkHours() { m_days.set(); }
    // `hours` "hh:mm-hh:mm" or empty (all day); `days` the digits 1..7 for Monday..Sunday, each at
    // most once, in any order, at least one. Anything else is no value.
    static std::optional<WorkHours> parse(std::string_view hours, std::string_view days);

    bool always() const { return !m_from && m_days.all(); }
    std::optional<TimeOfDay> from() const { return m_from; }
    std::optional<TimeOfDay> to() const { return m_to; }
    bool onDay(int isoWeekday) const { return m_days.test(static_cast<size_t>(isoWeekday - 1)); }
    std::string hoursText() const;  // as stored: "hh:mm-hh:mm", or empty
    std::string daysText() const;   // as stored: "1234567", ascending

    bool contains(LocalTime time) const;
    // The first moment after `time` at which a period starts; none when that never happens (always
    // working has no start).
    std::optional<LocalTime> nextStart(LocalTime time) const;

    // 1 for Monday .. 7 for Sunday.
    static int isoWeekday(LocalTime time);

    friend bool operator==(const WorkHours&, const WorkHours&) = default;

private:
    std::optional<TimeOfDay> m_from;  // both set or neither
    std::optional<TimeOfDay> m_to;
    std::bitset<7> m_days;  // bit 0 Monday
};

}  // namespace vistrel
