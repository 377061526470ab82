#include "reminder/EyeBreakWindow.h"

#include <utility>

#include "base/Dpi.h"
#include "base/Gdi.h"
#include "base/Text.h"
#include "base/Translucency.h"
#include "reminder/EyeBreakLayout.h"
#include "reminder/EyeBreakPlacement.h"
#include "reminder/RestReminder.h"
#include "text/ReminderTexts.h"

namespace vistrel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"Vistrel.EyeBreak";
// The rest prompt's message colours, so the two read as one program's.
constexpr COLORREF kBackground = RGB(192, 255, 255);
constexpr COLORREF kFrameColour = RGB(224, 224, 224);

const std::wstring kYaHei = L"\u5FAE\u8F6F\u96C5\u9ED1";  // not user text: the face 微软雅黑 the design names

}  // namespace

bool EyeBreakWindow::open()
{
    registerClass(kClassName, {.cursor = IDC_HAND});
    // No-activate: neither the show nor a click takes the keyboard from the user's work. A tool
    // window has no taskbar button.
    if (!create({.className = kClassName, .style = WS_POPUP,
                 .exStyle = WS_EX_NOACTIVATE | WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
                 .title = message().c_str()}))
        return false;
    placeAt(dpiForWindow(hwnd()));
    makeTranslucent(hwnd(), kAlpha);
    sync();
    ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
    return true;
}

void EyeBreakWindow::sync()
{
    if (!hwnd()) return;
    std::wstring seconds = widen(m_rest.eyeBreak().secondsText(m_rest.texts()));
    if (seconds == m_seconds) return;
    m_seconds = std::move(seconds);
    // The caption carries the seconds too, so the break can be followed from outside.
    SetWindowTextW(hwnd(), (message() + L" " + m_seconds).c_str());
    const RECT r = toRect(toPixels(layout::eyeBreak::kSeconds, m_dpi));
    InvalidateRect(hwnd(), &r, FALSE);
}

std::wstring EyeBreakWindow::message() const { return widen(m_rest.texts()(ReminderText::EyeBreakMessage)); }

TextStyle EyeBreakWindow::lineStyle(double points, bool bold) const
{
    // Centred on one line each, in the prompt's text colour.
    return {inLanguage({kYaHei, points, bold, GB2312_CHARSET}), palette::kLabelText, TextStyle::Align::Centre, false,
            true};
}

void EyeBreakWindow::takeTexts()
{
    m_seconds.clear();
    sync();
}

void EyeBreakWindow::placeAt(int dpi)
{
    setDpi(dpi);
    const PixelRect place = EyeBreakPlacement::place(
        {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), workAreaBottom(), m_dpi});
    moveWindow(hwnd(), toRect(place));
}

void EyeBreakWindow::paint(HDC dc, const RECT& client)
{
    fillRect(dc, client, kBackground);
    m_text.draw(dc, lineStyle(14.0, true), message(), toRect(toPixels(layout::eyeBreak::kMessage, m_dpi)));
    m_text.draw(dc, lineStyle(11.0, false), m_seconds, toRect(toPixels(layout::eyeBreak::kSeconds, m_dpi)));
    drawFrame(dc, client, kFrameColour);
}

LRESULT EyeBreakWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        m_pressed = true;
        SetCapture(hwnd());
        return 0;
    case WM_LBUTTONUP: {
        // Closed on the release, so that the release does not land on the window below.
        const bool pressed = std::exchange(m_pressed, false);
        if (GetCapture() == hwnd()) ReleaseCapture();
        // The reminder closes the break, which may retire this window: nothing of it is used after.
        if (pressed) m_rest.eyeBreakClick();
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd()) m_pressed = false;
        return 0;
    default:
        break;
    }
    return CornerWindow::onMessage(message, wParam, lParam);
}

}  // namespace vistrel::win32
