#include "history/StatisticsText.h"

#include <algorithm>
#include <cstdio>

#include "base/LocalDateTime.h"
#include "text/HistoryTexts.h"
#include "text/WeekdayTexts.h"

namespace vistrel {
namespace {

std::string twoDigits(unsigned n)
{
    char text[4];
    std::snprintf(text, sizeof text, "%02u", n % 100);
    return text;
}

}  // namespace

DayLabel dayLabel(std::int64_t day, const Texts& texts)
{
    const CalendarDate date = calendarDate(LocalTime{day * LocalTime::kSecondsPerDay});
    // 1970-01-01 was a Thursday (ISO weekday 4).
    const int isoWeekday = static_cast<int>(((day + 3) % 7 + 7) % 7) + 1;
    DayLabel label{twoDigits(date.month) + "/" + twoDigits(date.day), texts(isoWeekdayText(isoWeekday)), {}};
    label.line = texts(HistoryText::DayLabel, label.date, label.weekday);
    return label;
}

std::string durationText(std::int64_t seconds, const Texts& texts)
{
    const std::int64_t minutes = std::max<std::int64_t>(seconds, 0) / 60;
    const std::int64_t hours = minutes / 60;
    if (hours == 0) return texts(HistoryText::Minutes, minutes);
    if (minutes % 60 == 0) return texts(HistoryText::Hours, hours);
    return texts(HistoryText::HoursMinutes, hours, minutes % 60);
}

std::string stretchTickText(std::int64_t seconds)
{
    if (seconds <= 0) return "0";
    const std::int64_t minutes = seconds / 60;
    return std::to_string(minutes / 60) + ":" + twoDigits(static_cast<unsigned>(minutes % 60));
}

std::vector<Figure> todayFigures(const DayStats& today, const Texts& texts)
{
    // A rest started from the main window was never prompted: it still counts as one of them.
    const int offered = std::max(today.prompted, today.restsTaken);
    return {
        {texts(HistoryText::RestsToday), texts(HistoryText::RestsOfOffered, today.restsTaken, offered)},
        {texts(HistoryText::TimeRested), durationText(today.secondsRested, texts)},
        {texts(HistoryText::LongestStretch), durationText(today.longestStretchSeconds, texts)},
        {texts(HistoryText::ScreenTime), durationText(today.screenSeconds, texts)},
    };
}

std::vector<std::string> dayDetails(const DayStats& day, const Texts& texts)
{
    using enum HistoryText;
    std::vector<std::string> lines = {dayLabel(day.day, texts).text()};
    lines.push_back(day.restsCut > 0 ? texts(RestsTakenAndCut, day.restsTaken, day.restsCompleted, day.restsCut)
                                     : texts(RestsTaken, day.restsTaken));
    lines.push_back(texts(RestsSkipped, day.restsSkipped));
    if (day.awayAsRest > 0) lines.push_back(texts(AwayAsRest, day.awayAsRest));
    if (day.postponed > 0) lines.push_back(texts(Postponed, day.postponed));
    if (day.eyeBreaks + day.eyeBreaksSkipped > 0)
        lines.push_back(texts(EyeBreaks, day.eyeBreaks, day.eyeBreaksSkipped));
    lines.push_back(texts(TimeRestedLine, durationText(day.secondsRested, texts)));
    lines.push_back(texts(LongestStretchLine, durationText(day.longestStretchSeconds, texts)));
    lines.push_back(texts(ScreenTimeLine, durationText(day.screenSeconds, texts)));
    return lines;
}

std::string exportFileName(LocalTime today)
{
    const CalendarDate date = calendarDate(today);
    return "vistrel-history-" + std::to_string(date.year) + "-" + twoDigits(date.month) + "-" + twoDigits(date.day) +
           ".csv";
}

}  // namespace vistrel
