#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>

#include "app/RetryTimer.h"
#include "app/SessionNotifications.h"
#include "app/SystemEvent.h"
#include "base/DeferringDesktopServices.h"
#include "base/Window.h"

namespace vistrel::win32 {

class Win32Presence;

// The one place that hears what the system says to the program: display, device, power, session
// and setting changes and the end of the session. A hidden top-level window, since only top-level
// windows hear broadcasts. It turns each message into a SystemEvent for the core and decides
// nothing itself, except how to answer: a message box asked for meanwhile waits until the sender
// has its answer, and at the end of the session it is only traced. It also owns the session and
// power-setting registrations, and retries the session's while the session is not ready (logon).
class SystemEventWindow final : public Window {
public:
    struct Options {
        std::function<void(SystemEvent)> onEvent;
        Win32Presence* presence = nullptr;  // told of the session's lock and unlock
    };

    SystemEventWindow(DeferringDesktopServices& desktop, Options options);
    ~SystemEventWindow() override;

    // Creates the window and registers it for the notifications.
    bool create();
    bool sessionRegistered() const { return m_sessionRegistered; }
    // For the end-to-end tests' copy of the program only; before create().
    void failFirstSessionRegistrations(int count) { m_sessionRetry.failFirst(count); }

private:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Runs the event while boxes are held as `hold` says, then has the held boxes shown once the
    // sender has its answer.
    void dispatch(SystemEvent event, DeferringDesktopServices::Hold hold = DeferringDesktopServices::Hold::Defer);
    void sessionLocked(bool locked);

    DeferringDesktopServices& m_desktop;
    Options m_options;
    std::unique_ptr<SessionNotifications> m_notifications;
    RetryTimer m_sessionRetry;
    bool m_sessionRegistered = false;
    std::optional<DeferringDesktopServices::Scope> m_sessionEnding;  // between the query and the end
};

}  // namespace vistrel::win32
