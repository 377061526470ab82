#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "base/TextRenderer.h"
#include "history/HistoryStats.h"
#include "history/StatisticsLayout.h"
#include "text/HistoryTexts.h"
#include "text/Texts.h"

namespace vistrel::win32 {

// What the statistics window shows: the fortnight's days, today last.
struct StatisticsView {
    std::vector<DayStats> days;
    bool anyHistory = false;       // false: a sentence instead of empty axes
    std::optional<int> hoveredDay;  // index into days
};

// Draws the statistics window's client area with GDI at the renderer's density: today's figures,
// the fortnight's stacked bars with the longest stretch as a line over them, and the legend.
class StatisticsChart {
public:
    // `texts` is read at each paint.
    StatisticsChart(TextRenderer& text, const Texts& texts) : m_text(text), m_texts(texts) {}

    // The chart's places for these days at the renderer's density, for painting and hit-testing.
    ChartGeometry geometry(const std::vector<DayStats>& days) const;
    void paint(HDC dc, const RECT& client, const StatisticsView& view);

private:
    RECT pixels(const TwipsRect& r) const;
    int scaled(int pixelsAt96) const;
    void paintFigures(HDC dc, const DayStats& today);
    void paintAxes(HDC dc, const ChartGeometry& chart);
    void paintDays(HDC dc, const ChartGeometry& chart, const StatisticsView& view);
    void paintStretchLine(HDC dc, const ChartGeometry& chart, const std::vector<DayStats>& days);
    void paintLegend(HDC dc);
    void drawRightAligned(HDC dc, const TextStyle& style, std::wstring_view text, RECT box);

    std::wstring text(HistoryText id) const;

    TextRenderer& m_text;
    const Texts& m_texts;
};

}  // namespace vistrel::win32
