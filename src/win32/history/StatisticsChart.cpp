#include "history/StatisticsChart.h"

#include <string>

#include "base/Gdi.h"
#include "base/Text.h"
#include "history/StatisticsText.h"

namespace vistrel::win32 {
namespace {

namespace layout = statistics_layout;

// The main window's frame and figures, the colour panel's band for the rests taken, the rest
// prompt's grey for the skipped ones and its link blue for the longest stretch.
constexpr COLORREF kFrameColour = palette::kFrame;
constexpr COLORREF kGridColour = RGB(232, 237, 241);
constexpr COLORREF kHoverColour = RGB(232, 243, 249);
constexpr COLORREF kFigureColour = palette::kStrongText;
constexpr COLORREF kCaptionColour = palette::kQuietText;
constexpr COLORREF kTakenColour = palette::kBand;
constexpr COLORREF kSkippedColour = RGB(192, 192, 192);
constexpr COLORREF kStretchColour = palette::kLink;

const FontSpec kLabelFont{L"Segoe UI", 9.0, false};
const FontSpec kTodayFont{L"Segoe UI", 9.0, true};
const FontSpec kFigureFont{L"Segoe UI", 15.0, true};

}  // namespace

std::wstring StatisticsChart::text(HistoryText id) const { return widen(m_texts(id)); }

RECT StatisticsChart::pixels(const TwipsRect& r) const { return toRect(toPixels(r, m_text.dpi())); }

int StatisticsChart::scaled(int pixelsAt96) const { return MulDiv(pixelsAt96, m_text.dpi(), kDefaultDpi); }

ChartGeometry StatisticsChart::geometry(const std::vector<DayStats>& days) const
{
    return {toPixels(layout::kPlot, m_text.dpi()), static_cast<int>(days.size()), chartScale(days)};
}

void StatisticsChart::paint(HDC dc, const RECT& client, const StatisticsView& view)
{
    fillRect(dc, client, palette::kWindowBackground);
    // Without history today's figures would all be zeros, screen time too while the program runs.
    if (view.anyHistory && !view.days.empty()) paintFigures(dc, view.days.back());

    const RECT frame = pixels(layout::kChart);
    fillRect(dc, frame, palette::kWhite);
    drawFrame(dc, frame, kFrameColour);
    if (!view.anyHistory || view.days.empty()) {
        RECT inside = frame;
        InflateRect(&inside, -scaled(24), 0);
        m_text.draw(dc, {kLabelFont, palette::kLabelText, TextStyle::Align::Centre, true, true},
                    text(HistoryText::NoHistory), inside);
        return;
    }
    const ChartGeometry chart = geometry(view.days);
    paintDays(dc, chart, view);
    paintAxes(dc, chart);
    paintStretchLine(dc, chart, view.days);
    paintLegend(dc);
}

void StatisticsChart::paintFigures(HDC dc, const DayStats& today)
{
    const std::vector<Figure> figures = todayFigures(today, m_texts);
    const RECT area = pixels(layout::kFigures);
    const int count = static_cast<int>(figures.size());
    const int gap = scaled(8);
    const int pad = scaled(10);
    const int captionHeight = toPixels(layout::kFigureCaptionHeight, m_text.dpi());
    for (int i = 0; i < count; ++i) {
        const RECT tile{area.left + i * (area.right - area.left + gap) / count, area.top,
                        area.left + (i + 1) * (area.right - area.left + gap) / count - gap, area.bottom};
        fillRect(dc, tile, palette::kWhite);
        drawFrame(dc, tile, kFrameColour);
        const Figure& figure = figures[static_cast<size_t>(i)];
        m_text.draw(dc, {kLabelFont, kCaptionColour}, widen(figure.caption),
                    {tile.left + pad, tile.top + pad / 2, tile.right - pad, tile.top + pad / 2 + captionHeight});
        m_text.draw(dc, {kFigureFont, kFigureColour, TextStyle::Align::Left, false, true}, widen(figure.value),
                    {tile.left + pad, tile.top + captionHeight, tile.right - pad, tile.bottom});
    }
}

void StatisticsChart::drawRightAligned(HDC dc, const TextStyle& style, std::wstring_view text, RECT box)
{
    box.left = std::max(box.left, box.right - static_cast<LONG>(m_text.measure(dc, style.font, text).cx));
    m_text.draw(dc, style, text, box);
}

void StatisticsChart::paintAxes(HDC dc, const ChartGeometry& chart)
{
    const PixelRect& plot = chart.plot();
    const RECT frame = pixels(layout::kChart);
    const int gap = toPixels(layout::kAxisLabelGap, m_text.dpi());
    const int lineHeight = toPixels(layout::kDayLabelHeight, m_text.dpi());
    const TextStyle axis{kLabelFont, palette::kLabelText, TextStyle::Align::Left, false, true};
    for (int line = 0; line <= ChartScale::kIntervals; ++line) {
        const int y = chart.gridY(line);
        if (line > 0) fillRect(dc, {plot.left, y, plot.right(), y + 1}, kGridColour);
        const int top = y - lineHeight / 2;
        drawRightAligned(dc, axis, std::to_wstring(line * chart.scale().countStep),
                         {frame.left, top, plot.left - gap, top + lineHeight});
        const std::string tick = stretchTickText(line * chart.scale().stretchStepSeconds);
        m_text.draw(dc, {kLabelFont, kStretchColour, TextStyle::Align::Left, false, true}, widen(tick),
                    {plot.right() + gap, top, frame.right, top + lineHeight});
    }
    fillRect(dc, {plot.left, plot.bottom() - 1, plot.right(), plot.bottom()}, kFrameColour);

    const int titleTop = plot.top - lineHeight - scaled(10);
    m_text.draw(dc, axis, text(HistoryText::CountAxis),
                {frame.left + gap, titleTop, plot.right(), titleTop + lineHeight});
    drawRightAligned(dc, {kLabelFont, kStretchColour, TextStyle::Align::Left, false, true},
                     text(HistoryText::LongestStretch),
                     {plot.left, titleTop, frame.right - gap, titleTop + lineHeight});
}

void StatisticsChart::paintDays(HDC dc, const ChartGeometry& chart, const StatisticsView& view)
{
    const int lineHeight = toPixels(layout::kDayLabelHeight, m_text.dpi());
    const int count = static_cast<int>(view.days.size());
    for (int i = 0; i < count; ++i) {
        const DayStats& day = view.days[static_cast<size_t>(i)];
        const PixelRect column = chart.column(i);
        if (view.hoveredDay == i) fillRect(dc, toRect(column), kHoverColour);
        const int taken = day.restsTaken;
        if (taken > 0) fillRect(dc, toRect(chart.bar(i, 0, taken)), kTakenColour);
        if (day.restsSkipped > 0) fillRect(dc, toRect(chart.bar(i, taken, taken + day.restsSkipped)), kSkippedColour);

        // Today's label in bold: the day the figures above are about.
        const DayLabel label = dayLabel(day.day, m_texts);
        const bool today = i == count - 1;
        const TextStyle style{today ? kTodayFont : kLabelFont, today ? palette::kBlack : palette::kLabelText,
                              TextStyle::Align::Centre};
        const int top = column.bottom() + scaled(4);
        m_text.draw(dc, style, widen(label.date), {column.left - scaled(4), top, column.right() + scaled(4), top + lineHeight});
        m_text.draw(dc, style, widen(label.weekday),
                    {column.left, top + lineHeight, column.right(), top + 2 * lineHeight});
    }
}

void StatisticsChart::paintStretchLine(HDC dc, const ChartGeometry& chart, const std::vector<DayStats>& days)
{
    const UniquePen pen(CreatePen(PS_SOLID, scaled(2), kStretchColour));
    const UniqueBrush dot(CreateSolidBrush(palette::kWhite));
    if (!pen || !dot) return;
    const SelectObjectScope penScope(dc, pen.get());
    const SelectObjectScope brushScope(dc, dot.get());
    const int r = scaled(3);
    // Broken over days the program did not run: no stretch was measured there, not one of zero.
    std::vector<POINT> run;
    for (size_t i = 0; i <= days.size(); ++i) {
        if (i < days.size() && days[i].screenSeconds > 0) {
            run.push_back({chart.columnCentre(static_cast<int>(i)), chart.stretchY(days[i].longestStretchSeconds)});
            continue;
        }
        Polyline(dc, run.data(), static_cast<int>(run.size()));
        for (const POINT& p : run) Ellipse(dc, p.x - r, p.y - r, p.x + r + 1, p.y + r + 1);
        run.clear();
    }
}

void StatisticsChart::paintLegend(HDC dc)
{
    const RECT area = pixels(layout::kLegend);
    const int swatch = toPixels(layout::kLegendSwatch, m_text.dpi());
    const int gap = scaled(6);
    const int middle = (area.top + area.bottom) / 2;
    int x = area.left;
    const auto entry = [&](std::wstring_view text, int markWidth, const auto& drawMark) {
        drawMark(RECT{x, middle - swatch / 2, x + markWidth, middle - swatch / 2 + swatch});
        x += markWidth + gap;
        m_text.draw(dc, {kLabelFont, palette::kLabelText, TextStyle::Align::Left, false, true}, text,
                    {x, area.top, area.right, area.bottom});
        x += m_text.measure(dc, kLabelFont, text).cx + 3 * gap;
    };
    entry(text(HistoryText::TakenLegend), swatch, [&](const RECT& r) { fillRect(dc, r, kTakenColour); });
    entry(text(HistoryText::SkippedLegend), swatch, [&](const RECT& r) { fillRect(dc, r, kSkippedColour); });
    entry(text(HistoryText::LongestStretch), 2 * swatch, [&](const RECT& r) {
        fillRect(dc, {r.left, middle - scaled(1), r.right, middle + scaled(1)}, kStretchColour);
    });
}

}  // namespace vistrel::win32
