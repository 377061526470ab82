#include "history/StatisticsLayout.h"

#include <algorithm>

namespace vistrel {

ChartScale chartScale(const std::vector<DayStats>& days)
{
    int mostRests = 0;
    std::int64_t longest = 0;
    for (const DayStats& day : days) {
        mostRests = std::max(mostRests, day.restsTaken + day.restsSkipped);
        longest = std::max(longest, day.longestStretchSeconds);
    }
    ChartScale scale;
    // 1, 2, 5, 10, 20, 50, ...
    for (int decade = 1; scale.maxCount() < mostRests; decade *= 10) {
        for (const int step : {1, 2, 5}) {
            scale.countStep = step * decade;
            if (scale.maxCount() >= mostRests) break;
        }
    }
    // Quarter hours, half hours, whole hours, then hours that divide a day.
    constexpr std::int64_t kMinute = 60;
    for (const std::int64_t minutes : {15, 30, 60, 120, 180, 240, 360}) {
        scale.stretchStepSeconds = minutes * kMinute;
        if (scale.maxStretchSeconds() >= longest) return scale;
    }
    while (scale.maxStretchSeconds() < longest) scale.stretchStepSeconds *= 2;
    return scale;
}

ChartGeometry::ChartGeometry(PixelRect plot, int dayCount, ChartScale scale)
    : m_plot(plot), m_days(std::max(dayCount, 1)), m_scale(scale)
{
}

PixelRect ChartGeometry::column(int day) const
{
    const int left = m_plot.left + day * m_plot.width / m_days;
    const int right = m_plot.left + (day + 1) * m_plot.width / m_days;
    return {left, m_plot.top, right - left, m_plot.height};
}

int ChartGeometry::columnCentre(int day) const
{
    const PixelRect c = column(day);
    return c.left + c.width / 2;
}

PixelRect ChartGeometry::bar(int day, int fromCount, int toCount) const
{
    const PixelRect c = column(day);
    const int width = std::max(2, c.width * 3 / 5);
    const int top = countY(toCount);
    return {c.left + (c.width - width) / 2, top, width, countY(fromCount) - top};
}

int ChartGeometry::yFor(std::int64_t value, std::int64_t max) const
{
    const std::int64_t clamped = std::clamp<std::int64_t>(value, 0, max);
    // To the nearest pixel.
    const std::int64_t rise = (2 * clamped * m_plot.height + max) / (2 * max);
    return m_plot.bottom() - static_cast<int>(rise);
}

int ChartGeometry::countY(int count) const { return yFor(count, m_scale.maxCount()); }

int ChartGeometry::stretchY(std::int64_t seconds) const { return yFor(seconds, m_scale.maxStretchSeconds()); }

int ChartGeometry::gridY(int line) const { return yFor(line, ChartScale::kIntervals); }

std::optional<int> ChartGeometry::dayAt(int x, int y) const
{
    if (x < m_plot.left || x >= m_plot.right() || y < m_plot.top || y >= m_plot.bottom()) return std::nullopt;
    // The inverse of column(): the last column starting at or before x.
    int day = static_cast<int>(std::int64_t{x - m_plot.left} * m_days / m_plot.width);
    while (day > 0 && column(day).left > x) --day;
    while (day + 1 < m_days && column(day + 1).left <= x) ++day;
    return day;
}

}  // namespace vistrel
