#pragma once
#include <span>

#include "text/TextEntry.h"

namespace vistrel {

// Short weekday names, Monday first as ISO numbers them, for the tray menu and the statistics.
enum class WeekdayText {
    Monday,
    Tuesday,
    Wednesday,
    Thursday,
    Friday,
    Saturday,
    Sunday,
    Count
};

const TextEntry<WeekdayText>& textEntry(WeekdayText id);
std::span<const TextEntry<WeekdayText>> textTable(WeekdayText);

// The name of ISO weekday 1 (Monday) to 7 (Sunday).
constexpr WeekdayText isoWeekdayText(int isoWeekday) { return static_cast<WeekdayText>((isoWeekday + 6) % 7); }

}  // namespace vistrel
