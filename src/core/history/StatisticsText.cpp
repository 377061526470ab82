#include "history/StatisticsText.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "base/LocalDateTime.h"

namespace vistrel {
namespace {

std::string twoDigits(unsigned n)
{
    char text[4];
    std::snprintf(text, sizeof text, "%02u", n % 100);
    return text;
}

std::string count(int n, const char* unit) { return std::to_string(n) + " " + unit; }

}  // namespace

DayLabel dayLabel(std::int64_t day)
{
    static constexpr std::array<const char*, 7> kWeekdays = {"周日", "周一", "周二", "周三", "周四", "周五", "周六"};
    const CalendarDate date = calendarDate(LocalTime{day * LocalTime::kSecondsPerDay});
    // 1970-01-01 was a Thursday.
    const std::int64_t weekday = ((day + 4) % 7 + 7) % 7;
    return {twoDigits(date.month) + "/" + twoDigits(date.day), kWeekdays[static_cast<size_t>(weekday)]};
}

std::string durationText(std::int64_t seconds)
{
    const std::int64_t minutes = std::max<std::int64_t>(seconds, 0) / 60;
    const std::int64_t hours = minutes / 60;
    if (hours == 0) return std::to_string(minutes) + " 分钟";
    if (minutes % 60 == 0) return std::to_string(hours) + " 小时";
    return std::to_string(hours) + " 小时 " + std::to_string(minutes % 60) + " 分";
}

std::string stretchTickText(std::int64_t seconds)
{
    if (seconds <= 0) return "0";
    const std::int64_t minutes = seconds / 60;
    return std::to_string(minutes / 60) + ":" + twoDigits(static_cast<unsigned>(minutes % 60));
}

std::vector<Figure> todayFigures(const DayStats& today)
{
    // A rest started from the main window was never prompted: it still counts as one of them.
    const int offered = std::max(today.prompted, today.restsTaken);
    return {
        {"今天休息", std::to_string(today.restsTaken) + " / " + count(offered, "次")},
        {"休息时长", durationText(today.secondsRested)},
        {"最长连续工作", durationText(today.longestStretchSeconds)},
        {"屏幕时间", durationText(today.screenSeconds)},
    };
}

std::vector<std::string> dayDetails(const DayStats& day)
{
    std::vector<std::string> lines = {dayLabel(day.day).text(), "休息 " + count(day.restsTaken, "次")};
    if (day.restsCut > 0)
        lines.back() += "（完成 " + std::to_string(day.restsCompleted) + "，提前结束 " + std::to_string(day.restsCut) + "）";
    lines.push_back("跳过 " + count(day.restsSkipped, "次"));
    if (day.awayAsRest > 0) lines.push_back("离开算作休息 " + count(day.awayAsRest, "次"));
    if (day.postponed > 0) lines.push_back("推迟 " + count(day.postponed, "次"));
    if (day.eyeBreaks + day.eyeBreaksSkipped > 0)
        lines.push_back("眼睛休息 " + count(day.eyeBreaks, "次") + "，错过 " + count(day.eyeBreaksSkipped, "次"));
    lines.push_back("休息时长 " + durationText(day.secondsRested));
    lines.push_back("最长连续工作 " + durationText(day.longestStretchSeconds));
    lines.push_back("屏幕时间 " + durationText(day.screenSeconds));
    return lines;
}

std::string exportFileName(LocalTime today)
{
    const CalendarDate date = calendarDate(today);
    return "vistrel-history-" + std::to_string(date.year) + "-" + twoDigits(date.month) + "-" + twoDigits(date.day) +
           ".csv";
}

}  // namespace vistrel
