#include "gamma/ColourPanelView.h"

#include <commctrl.h>

#include <string>

#include "app/MainForm.h"
#include "app/Twips.h"
#include "base/Text.h"
#include "res/resource.h"

namespace vistrel::win32 {
namespace {

enum ControlId { kFirstTrackbar = 301, kOk = 311, kBack };

constexpr COLORREF kBackground = RGB(243, 248, 251);
constexpr COLORREF kBand = RGB(106, 189, 217);
const FontSpec kLabelFont{L"Consolas", 9.0, true};
const FontSpec kResetFont{L"Consolas", 9.0, false};

struct Heading {
    int left, top, width, height;
    const wchar_t* text;
};
// colo elements 0, 2 and 4: white on the blue band.
constexpr Heading kHeadings[] = {
    {435, 225, 3735, 255, L"\u4EAE\u5EA6"},                                                // 亮度
    {435, 945, 3735, 255, L"\u5BF9\u6BD4\u5EA6"},                                          // 对比度
    {4320, 225, 4215, 255, L"\u4E09\u539F\u8272\uFF1A\u84DD\u8272\u8D8A\u4F4E\u8D8A\u597D"},  // 三原色：蓝色越低越好
};
// colo elements 5, 6 and 7.
constexpr Heading kChannelNames[] = {
    {4320, 555, 495, 255, L"\u7EA2"},   // 红
    {4320, 915, 495, 255, L"\u7EFF"},   // 绿
    {4320, 1275, 495, 255, L"\u84DD"},  // 蓝
};
constexpr Heading kReset{2205, 2010, 1050, 270, L"\u91CD\u7F6E"};  // 重置 (Label8)
// Slider1, Slider2, Slider3 elements 0..2.
constexpr Heading kTrackbars[] = {
    {1395, 585, 2535, 255, nullptr}, {1395, 1305, 2415, 255, nullptr}, {4920, 570, 3495, 255, nullptr},
    {4920, 915, 3495, 255, nullptr}, {4920, 1275, 3495, 255, nullptr},
};
constexpr Heading kBrightnessValue{435, 585, 495, 255, nullptr};  // colo(1)
constexpr Heading kContrastValue{435, 1305, 495, 255, nullptr};   // colo(3)

}  // namespace

ColourPanelView::ColourPanelView(MainForm& form, TextRenderer& text, int twipsPerPixel)
    : m_form(form),
      m_text(text),
      m_twipsPerPixel(twipsPerPixel),
      m_panel(kBackground, {[this](HDC dc, const RECT& r) { paint(dc, r); },
                            [this](UINT m, WPARAM w, LPARAM l) { return onChild(m, w, l); },
                            [this](POINT at) { click(at); }})
{
}

RECT ColourPanelView::pixels(int left, int top, int width, int height) const
{
    const PixelRect p = toPixels(TwipsRect{left, top, width, height}, m_twipsPerPixel);
    return RECT{p.left, p.top, p.right(), p.bottom()};
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

bool ColourPanelView::create(HWND overlay, RECT b)
{
    if (!m_panel.create(overlay, b, 0)) return false;
    m_background.reset(CreateSolidBrush(kBackground));
    for (size_t i = 0; i < kSliders; ++i) {
        const Heading& t = kTrackbars[i];
        const RECT r = pixels(t.left, t.top, t.width, t.height);
        m_trackbars[i] = CreateWindowExW(0, TRACKBAR_CLASSW, L"",
                                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_HORZ | TBS_NOTICKS | TBS_BOTH,
                                         r.left, r.top, r.right - r.left, r.bottom - r.top, m_panel.hwnd(),
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstTrackbar + i)),
                                         GetModuleHandleW(nullptr), nullptr);
        SendMessageW(m_trackbars[i], TBM_SETLINESIZE, 0, Slider::kSmallChange);
        SendMessageW(m_trackbars[i], TBM_SETPAGESIZE, 0, Slider::kLargeChange);
    }
    m_back = std::make_unique<ImageButton>(m_panel.hwnd(), pixels(3345, 1770, 735, 495), IDB_BACK, L"Back", kBack);
    m_ok = std::make_unique<ImageButton>(m_panel.hwnd(), pixels(4350, 1785, 735, 495), IDB_OK, L"OK", kOk);
    m_back->onClick = [this] { m_form.closeOverlay(); };
    m_ok->onClick = [this] { m_form.colourPanelOk(); };
    sync();
    return true;
}

void ColourPanelView::show(bool visible) { m_panel.show(visible); }

void ColourPanelView::sync()
{
    for (size_t i = 0; i < kSliders; ++i) {
        const Slider& s = slider(i);
        HWND bar = m_trackbars[i];
        if (SendMessageW(bar, TBM_GETRANGEMIN, 0, 0) != s.min() || SendMessageW(bar, TBM_GETRANGEMAX, 0, 0) != s.max())
            SendMessageW(bar, TBM_SETRANGE, TRUE, MAKELPARAM(s.min(), s.max()));
        if (SendMessageW(bar, TBM_GETPOS, 0, 0) != s.value()) SendMessageW(bar, TBM_SETPOS, TRUE, s.value());
    }
    releaseFocusWhenHidden();
    m_panel.redraw();
}

void ColourPanelView::releaseFocusWhenHidden()
{
    // Hiding the overlay leaves the keyboard focus where it was: a trackbar nobody can see would go
    // on taking arrow keys and changing the display.
    const HWND panel = m_panel.hwnd();
    const HWND focus = GetFocus();
    if (!panel || !focus || IsWindowVisible(panel)) return;
    if (focus == panel || IsChild(panel, focus)) SetFocus(GetAncestor(panel, GA_ROOT));
}

void ColourPanelView::paint(HDC dc, const RECT&)
{
    for (const Heading& h : kHeadings) {
        const RECT r = pixels(h.left, h.top, h.width, h.height);
        UniqueBrush band(CreateSolidBrush(kBand));
        FillRect(dc, &r, band.get());
        RECT text = r;
        text.left += 4;
        m_text.draw(dc, {kLabelFont, RGB(255, 255, 255), TextStyle::Align::Left, false, true}, h.text, text);
    }
    const TextStyle label{kLabelFont, RGB(0, 0, 0), TextStyle::Align::Left, false, true};
    for (const Heading& h : kChannelNames) m_text.draw(dc, label, h.text, pixels(h.left, h.top, h.width, h.height));
    const ColourAdjustment& colour = m_form.colour();
    m_text.draw(dc, label, widen(colour.colo1Text()),
                pixels(kBrightnessValue.left, kBrightnessValue.top, kBrightnessValue.width, kBrightnessValue.height));
    m_text.draw(dc, label, widen(colour.colo3Text()),
                pixels(kContrastValue.left, kContrastValue.top, kContrastValue.width, kContrastValue.height));
    m_text.draw(dc, {kResetFont, RGB(0, 102, 204), TextStyle::Align::Left, false, true}, kReset.text,
                pixels(kReset.left, kReset.top, kReset.width, kReset.height));
}

void ColourPanelView::click(POINT at)
{
    const RECT reset = pixels(kReset.left, kReset.top, kReset.width, kReset.height);
    if (PtInRect(&reset, at)) m_form.colour().resetClick();
}

LRESULT ColourPanelView::onChild(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HSCROLL) {
        const HWND bar = reinterpret_cast<HWND>(lParam);
        for (size_t i = 0; i < kSliders; ++i) {
            if (bar == m_trackbars[i]) {
                // Every position the thumb passes is a change, dragging included.
                slider(i).setValue(static_cast<int>(SendMessageW(bar, TBM_GETPOS, 0, 0)));
                return 0;
            }
        }
    }
    if (message == WM_CTLCOLORSTATIC) {
        SetBkColor(reinterpret_cast<HDC>(wParam), kBackground);
        return reinterpret_cast<LRESULT>(m_background.get());
    }
    return DefWindowProcW(m_panel.hwnd(), message, wParam, lParam);
}

}  // namespace vistrel::win32
