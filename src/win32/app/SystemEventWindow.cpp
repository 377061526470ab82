#include "app/SystemEventWindow.h"

#include <dbt.h>

#include "app/Win32Presence.h"
#include "base/Trace.h"

namespace vistrel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"Vistrel.SystemEvents";
constexpr UINT_PTR kSessionRetryTimer = 1;
constexpr UINT kShowHeldBoxes = WM_APP + 1;

using Hold = DeferringDesktopServices::Hold;

}  // namespace

SystemEventWindow::SystemEventWindow(DeferringDesktopServices& desktop, Options options)
    : m_desktop(desktop),
      m_options(std::move(options)),
      m_sessionRetry({.timerId = kSessionRetryTimer,
                      .what = L"WTSRegisterSessionNotification",
                      .attempt = [this] { return m_sessionRegistered = m_notifications->registerSession(); },
                      .gaveUp = {}})
{
}

SystemEventWindow::~SystemEventWindow()
{
    m_sessionRetry.stop();
    // The registrations go before the window they were made on.
    m_notifications.reset();
    if (hwnd()) DestroyWindow(hwnd());
}

bool SystemEventWindow::create()
{
    registerClass(kClassName, {.cursor = nullptr});
    // Never shown; a tool window so that not even a stray show gives it a taskbar button.
    if (!Window::create({.className = kClassName, .exStyle = WS_EX_TOOLWINDOW, .title = L"Vistrel.SystemEvents"}))
        return false;
    // Turning the display back on can reset the gamma ramps.
    m_notifications =
        std::make_unique<SessionNotifications>(hwnd(), std::initializer_list<GUID>{kConsoleDisplayState});
    m_sessionRetry.start(hwnd());
    return true;
}

void SystemEventWindow::dispatch(SystemEvent event, Hold hold)
{
    {
        const auto held = m_desktop.hold(hold);
        if (m_options.onEvent) m_options.onEvent(event);
    }
    if (m_desktop.hasHeldBoxes() && !PostMessageW(hwnd(), kShowHeldBoxes, 0, 0))
        traceLastError(L"PostMessageW for the held message boxes");
}

void SystemEventWindow::sessionLocked(bool locked)
{
    if (m_options.presence) m_options.presence->setLocked(locked);
    dispatch(locked ? SystemEvent::Lock : SystemEvent::Unlock);
}

LRESULT SystemEventWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DISPLAYCHANGE:
        dispatch(SystemEvent::DisplayChange);
        break;
    case WM_DEVICECHANGE:
        if (wParam == DBT_DEVNODES_CHANGED) dispatch(SystemEvent::DeviceChange);
        break;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) dispatch(SystemEvent::Resume);
        if (wParam == PBT_POWERSETTINGCHANGE &&
            SessionNotifications::powerSettingValue(lParam, kConsoleDisplayState).value_or(0) != 0)
            dispatch(SystemEvent::ConsoleDisplayOn);
        return TRUE;
    case WM_WTSSESSION_CHANGE:
        if (wParam == WTS_SESSION_LOCK || wParam == WTS_SESSION_UNLOCK) sessionLocked(wParam == WTS_SESSION_LOCK);
        break;
    case WM_SETTINGCHANGE:
        dispatch(SystemEvent::SettingChange);
        break;
    case WM_QUERYENDSESSION:
        // From here until the session ends or the ending is cancelled no box may open: it would
        // stop the logoff.
        if (!m_sessionEnding) m_sessionEnding.emplace(m_desktop.hold(Hold::Trace));
        break;
    case WM_ENDSESSION:
        if (wParam) {
            dispatch(SystemEvent::EndSession, Hold::Trace);
        } else {
            m_sessionEnding.reset();
            if (m_desktop.hasHeldBoxes()) PostMessageW(hwnd(), kShowHeldBoxes, 0, 0);
        }
        return 0;
    case WM_TIMER:
        if (m_sessionRetry.onTimer(wParam)) return 0;
        break;
    case kShowHeldBoxes:
        m_desktop.showHeldBoxes();
        return 0;
    default:
        break;
    }
    return defaultProc(message, wParam, lParam);
}

}  // namespace vistrel::win32
