#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "history/HistoryStats.h"
#include "text/Texts.h"

namespace vistrel {

// What the statistics window writes, from a day's numbers.

// Under each day's bar: "12/09" over "周三"; on one line "12/09 周三" or "Wed 12/09".
struct DayLabel {
    std::string date;
    std::string weekday;
    std::string line;

    const std::string& text() const { return line; }
};
DayLabel dayLabel(std::int64_t day, const Texts& texts = designedTexts());

// A length of time to the minute: "0 分钟", "45 分钟", "2 小时", "1 小时 40 分".
std::string durationText(std::int64_t seconds, const Texts& texts = designedTexts());
// A tick of the longest stretch's axis: "0", "0:30", "2:00".
std::string stretchTickText(std::int64_t seconds);

// One figure of today at a glance: its caption and its value.
struct Figure {
    std::string caption;
    std::string value;
};
// Rests taken of those prompted, minutes rested, the longest stretch without a rest, screen time.
std::vector<Figure> todayFigures(const DayStats& today, const Texts& texts = designedTexts());

// The tooltip over a day's bar, one line each, the day first.
std::vector<std::string> dayDetails(const DayStats& day, const Texts& texts = designedTexts());

// "vistrel-history-2026-12-09.csv": the export's suggested name.
std::string exportFileName(LocalTime today);

}  // namespace vistrel
