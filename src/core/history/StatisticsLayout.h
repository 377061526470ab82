#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "base/Twips.h"
#include "history/HistoryStats.h"

// Where the statistics window draws, in twips of its client area.
namespace vistrel::statistics_layout {

inline constexpr int kDays = 14;  // the chart's fortnight, today last
inline constexpr int kClientWidth = 10800;
inline constexpr int kClientHeight = 7200;

// Today at a glance: four figures side by side, each a caption over its value.
inline constexpr TwipsRect kFigures{240, 180, 10320, 1080};
inline constexpr int kFigureCaptionHeight = 360;

// The chart: its frame, the plot inside it with the count axis's labels to the left, the longest
// stretch's to the right, the axes' titles above and the days' labels below.
inline constexpr TwipsRect kChart{240, 1440, 10320, 5040};
inline constexpr TwipsRect kPlot{840, 1860, 9120, 4020};
inline constexpr int kAxisLabelGap = 90;
inline constexpr int kDayLabelHeight = 270;

inline constexpr TwipsRect kLegend{240, 6615, 7200, 390};
inline constexpr int kLegendSwatch = 180;
inline constexpr TwipsRect kExportButton{9180, 6600, 1380, 420};

}  // namespace vistrel::statistics_layout

namespace vistrel {

// The chart's two vertical axes share their grid lines: counts of rests on the left, the longest
// stretch on the right, each in steps a reader can add up.
struct ChartScale {
    static constexpr int kIntervals = 4;

    int countStep = 1;
    std::int64_t stretchStepSeconds = 15 * 60;

    int maxCount() const { return countStep * kIntervals; }
    std::int64_t maxStretchSeconds() const { return stretchStepSeconds * kIntervals; }
};

// The smallest steps that hold every day's rests taken and skipped, and its longest stretch.
ChartScale chartScale(const std::vector<DayStats>& days);

// The chart's places in pixels: a column per day across the plot, the stacked bar in its middle.
class ChartGeometry {
public:
    ChartGeometry(PixelRect plot, int dayCount, ChartScale scale);

    const PixelRect& plot() const { return m_plot; }
    const ChartScale& scale() const { return m_scale; }
    PixelRect column(int day) const;
    // The bar's part from one count up to another.
    PixelRect bar(int day, int fromCount, int toCount) const;
    int columnCentre(int day) const;
    int countY(int count) const;
    int stretchY(std::int64_t seconds) const;
    int gridY(int line) const;  // 0 the plot's bottom .. ChartScale::kIntervals its top

    // The day whose column holds the point; none outside the plot.
    std::optional<int> dayAt(int x, int y) const;

private:
    int yFor(std::int64_t value, std::int64_t max) const;

    PixelRect m_plot;
    int m_days;
    ChartScale m_scale;
};

}  // namespace vistrel
