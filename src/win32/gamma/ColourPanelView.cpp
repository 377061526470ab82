#include "gamma/ColourPanelView.h"

#include <commctrl.h>

#include <iterator>
#include <string>

#include "app/MainForm.h"
#include "base/Gdi.h"
#include "base/Text.h"
#include "gamma/ColourPanelLayout.h"
#include "text/ColourTexts.h"

namespace vistrel::win32 {
namespace {

enum ControlId { kFirstTrackbar = 301 };

constexpr COLORREF kBand = palette::kBand;
constexpr COLORREF kResetColour = palette::kLink;
const FontSpec kLabelFont{L"Consolas", 9.0, true};
const FontSpec kResetFont{L"Consolas", 9.0, false};

struct Label {
    TwipsRect place;
    ColourText text;
};
// colo elements 0, 2 and 4: white on the blue band.
constexpr Label kHeadings[] = {
    {layout::colour::kBrightnessHeading, ColourText::BrightnessHeading},
    {layout::colour::kContrastHeading, ColourText::ContrastHeading},
    {layout::colour::kGainsHeading, ColourText::GainsHeading},
};
// colo elements 5, 6 and 7.
constexpr ColourText kChannelNames[] = {ColourText::Red, ColourText::Green, ColourText::Blue};

}  // namespace

ColourPanelView::ColourPanelView(MainForm& form, TextRenderer& text)
    : SettingsPanelView(text, {[this] { m_form.closeOverlay(); }, [this] { m_form.colourPanelOk(); }}), m_form(form)
{
}

Slider& ColourPanelView::slider(size_t index)
{
    ColourAdjustment& colour = m_form.colour();
    switch (index) {
    case 0: return colour.slider1();
    case 1: return colour.slider2();
    default: return colour.slider3(index - 2);
    }
}

void ColourPanelView::createControls()
{
    // Brightness and contrast are named by their headings, the gains by their channels.
    const ColourText names[kSliders] = {kHeadings[0].text, kHeadings[1].text, kChannelNames[0], kChannelNames[1],
                                        kChannelNames[2]};
    for (size_t i = 0; i < kSliders; ++i) {
        createLabel([this, name = names[i]] { return widen(m_form.texts()(name)); });
        m_trackbars[i] = createControl({.className = TRACKBAR_CLASSW,
                                        .style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_HORZ | TBS_NOTICKS | TBS_BOTH,
                                        .id = static_cast<int>(kFirstTrackbar + i)});
        SendMessageW(m_trackbars[i], TBM_SETLINESIZE, 0, Slider::kSmallChange);
        SendMessageW(m_trackbars[i], TBM_SETPAGESIZE, 0, Slider::kLargeChange);
    }
}

void ColourPanelView::placeControls()
{
    for (size_t i = 0; i < kSliders; ++i) moveWindow(m_trackbars[i], pixels(layout::colour::kSliders[i]));
}

void ColourPanelView::syncControls()
{
    for (size_t i = 0; i < kSliders; ++i) {
        const Slider& s = slider(i);
        HWND bar = m_trackbars[i];
        if (SendMessageW(bar, TBM_GETRANGEMIN, 0, 0) != s.min() || SendMessageW(bar, TBM_GETRANGEMAX, 0, 0) != s.max())
            SendMessageW(bar, TBM_SETRANGE, TRUE, MAKELPARAM(s.min(), s.max()));
        if (SendMessageW(bar, TBM_GETPOS, 0, 0) != s.value()) SendMessageW(bar, TBM_SETPOS, TRUE, s.value());
    }
    redraw();
}

void ColourPanelView::paint(HDC dc, const RECT&)
{
    const Texts& texts = m_form.texts();
    for (const Label& h : kHeadings) {
        const RECT r = pixels(h.place);
        fillRect(dc, r, kBand);
        RECT inset = r;
        inset.left += 4;
        text().draw(dc, {kLabelFont, palette::kWhite, TextStyle::Align::Left, false, true}, widen(texts(h.text)),
                    inset);
    }
    const TextStyle label{kLabelFont, palette::kBlack, TextStyle::Align::Left, false, true};
    for (size_t c = 0; c < std::size(kChannelNames); ++c)
        text().draw(dc, label, widen(texts(kChannelNames[c])), pixels(layout::colour::kChannelNames[c]));
    const ColourAdjustment& colour = m_form.colour();
    text().draw(dc, label, widen(colour.colo1Text()), pixels(layout::colour::kBrightnessValue));
    text().draw(dc, label, widen(colour.colo3Text()), pixels(layout::colour::kContrastValue));
    text().draw(dc, {kResetFont, kResetColour, TextStyle::Align::Left, false, true}, widen(texts(ColourText::Reset)),
                pixels(layout::colour::kReset));
}

void ColourPanelView::click(POINT at)
{
    const RECT reset = pixels(layout::colour::kReset);
    if (PtInRect(&reset, at)) m_form.colour().resetClick();
}

std::optional<LRESULT> ColourPanelView::onControl(UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_HSCROLL) return std::nullopt;
    const HWND bar = reinterpret_cast<HWND>(lParam);
    for (size_t i = 0; i < kSliders; ++i) {
        if (bar == m_trackbars[i]) {
            // Every position the thumb passes is a change, dragging included.
            slider(i).setValue(static_cast<int>(SendMessageW(bar, TBM_GETPOS, 0, 0)));
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace vistrel::win32
