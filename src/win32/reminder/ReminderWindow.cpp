#include "reminder/ReminderWindow.h"

#include "base/LanguageChange.h"
#include "base/Twips.h"
#include "reminder/RestReminder.h"

namespace vistrel::win32 {

ReminderWindow::ReminderWindow(RestReminder& rest, const TextRenderer& text, int dpi)
    : m_rest(rest), m_text(text.fonts(), dpi > 0 ? dpi : kDefaultDpi), m_dpi(m_text.dpi())
{
}

void ReminderWindow::setDpi(int dpi)
{
    m_dpi = dpi > 0 ? dpi : kDefaultDpi;
    m_text.setDpi(m_dpi);
}

FontSpec ReminderWindow::inLanguage(FontSpec font) const
{
    if (font.charset == GB2312_CHARSET && m_rest.texts().language() == Language::English)
        font = {L"Consolas", font.points, font.bold, DEFAULT_CHARSET};
    return font;
}

ReminderWindow::~ReminderWindow()
{
    if (hwnd()) DestroyWindow(hwnd());
}

void ReminderWindow::hide()
{
    if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

LRESULT ReminderWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) return 1;
    if (message == WM_CLOSE) return 0;
    if (message == languageChangedMessage()) {
        takeTexts();
        InvalidateRect(hwnd(), nullptr, FALSE);
        return 0;
    }
    return defaultProc(message, wParam, lParam);
}

}  // namespace vistrel::win32
