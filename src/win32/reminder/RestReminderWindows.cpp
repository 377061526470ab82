#include "reminder/RestReminderWindows.h"

#include "base/Trace.h"
#include "reminder/RestReminder.h"

namespace vistrel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"Vistrel.RestReminderWindows";
constexpr UINT_PTR kDisplayOffTimer = 1;
constexpr UINT kReapMessage = WM_APP + 1;

}  // namespace

RestReminderWindows::RestReminderWindows(RestReminder& rest, TextRenderer& text, int dpi)
    : m_rest(rest), m_text(text), m_dpi(dpi)
{
}

RestReminderWindows::~RestReminderWindows()
{
    m_prompt.reset();
    m_screen.reset();
    m_eyeBreak.reset();
    m_retired.clear();
    if (hwnd()) DestroyWindow(hwnd());
}

bool RestReminderWindows::create()
{
    registerClass(kClassName, {.cursor = nullptr});
    // Never shown; a tool window so that not even a stray show gives it a taskbar button.
    return Window::create({.className = kClassName, .exStyle = WS_EX_TOOLWINDOW}) != nullptr;
}

void RestReminderWindows::sync()
{
    syncWindow(m_prompt, m_rest.prompt().isOpen());
    // Monitors came, went or changed their mode: the open screen's windows may now cover nothing
    // or lie on top of another monitor's. Open it afresh where the monitors are.
    const unsigned layout = m_rest.countdownScreen().layout();
    if (m_screen && layout != m_screenLayout) {
        m_screen->hide();
        retire(std::move(m_screen));
    }
    m_screenLayout = layout;
    syncWindow(m_screen, m_rest.countdownScreen().isOpen());
    syncWindow(m_eyeBreak, m_rest.eyeBreak().isOpen());
    syncDisplayOffTimer();
}

template <typename W>
void RestReminderWindows::syncWindow(std::unique_ptr<W>& window, bool open)
{
    if (!open) {
        if (window) {
            window->hide();
            retire(std::move(window));
        }
        return;
    }
    if (window) {
        window->sync();
        return;
    }
    auto created = std::make_unique<W>(m_rest, m_text, m_dpi);
    if (created->open()) window = std::move(created);  // else tried again at the next change
}

void RestReminderWindows::syncDisplayOffTimer()
{
    const bool armed = m_rest.prompt().displayOffArmed();
    if (armed == m_displayOffTimer || !hwnd()) return;
    if (armed) {
        m_displayOffTimer = SetTimer(hwnd(), kDisplayOffTimer, kDisplayOffTimerMilliseconds, nullptr) != 0;
        if (!m_displayOffTimer) traceLastError(L"SetTimer for the display-off delay");
    } else {
        KillTimer(hwnd(), kDisplayOffTimer);
        m_displayOffTimer = false;
    }
}

void RestReminderWindows::retire(std::shared_ptr<void> windows)
{
    m_retired.push_back(std::move(windows));
    if (hwnd()) PostMessageW(hwnd(), kReapMessage, 0, 0);
}

LRESULT RestReminderWindows::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        if (wParam == kDisplayOffTimer) {
            m_rest.displayOffTimerTick();
            return 0;
        }
        break;
    case kReapMessage:
        m_retired.clear();
        return 0;
    case WM_DESTROY:
        if (m_displayOffTimer) KillTimer(hwnd(), kDisplayOffTimer);
        m_displayOffTimer = false;
        break;
    default:
        break;
    }
    return defaultProc(message, wParam, lParam);
}

}  // namespace vistrel::win32
