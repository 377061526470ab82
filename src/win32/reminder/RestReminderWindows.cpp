#include "reminder/RestReminderWindows.h"

#include "reminder/RestReminder.h"

namespace vistrel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"Vistrel.RestReminderWindows";
constexpr UINT_PTR kDisplayOffTimer = 1;
constexpr UINT kReapMessage = WM_APP + 1;

}  // namespace

RestReminderWindows::RestReminderWindows(RestReminder& rest, TextRenderer& text, int twipsPerPixel)
    : m_rest(rest), m_text(text), m_twipsPerPixel(twipsPerPixel)
{
}

RestReminderWindows::~RestReminderWindows()
{
    m_prompt.reset();
    m_screen.reset();
    m_retired.clear();
    if (hwnd()) DestroyWindow(hwnd());
}

bool RestReminderWindows::create()
{
    registerClass(kClassName, {.cursor = nullptr});
    return Window::create(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr) != nullptr;
}

void RestReminderWindows::sync()
{
    syncPrompt();
    syncCountdownScreen();
    syncDisplayOffTimer();
}

void RestReminderWindows::syncPrompt()
{
    if (!m_rest.prompt().isOpen()) {
        if (m_prompt) {
            m_prompt->hide();
            retire(std::move(m_prompt));
        }
        return;
    }
    if (m_prompt) {
        m_prompt->sync();
        return;
    }
    auto prompt = std::make_unique<RestPromptWindow>(m_rest, m_text, m_twipsPerPixel);
    if (prompt->open()) m_prompt = std::move(prompt);  // else tried again at the next change
}

void RestReminderWindows::syncCountdownScreen()
{
    if (!m_rest.countdownScreen().isOpen()) {
        if (m_screen) {
            m_screen->hide();
            retire(std::move(m_screen));
        }
        return;
    }
    if (m_screen) {
        m_screen->sync();
        return;
    }
    auto screen = std::make_unique<CountdownScreenWindow>(m_rest, m_text, m_twipsPerPixel);
    if (screen->open()) m_screen = std::move(screen);
}

void RestReminderWindows::syncDisplayOffTimer()
{
    const bool armed = m_rest.prompt().displayOffArmed();
    if (armed == m_displayOffTimer || !hwnd()) return;
    if (armed)
        m_displayOffTimer = SetTimer(hwnd(), kDisplayOffTimer, kDisplayOffTimerMilliseconds, nullptr) != 0;
    else
        m_displayOffTimer = !KillTimer(hwnd(), kDisplayOffTimer);
}

void RestReminderWindows::retire(std::unique_ptr<Window> window)
{
    m_retired.push_back(std::move(window));
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
