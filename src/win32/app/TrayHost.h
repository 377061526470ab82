#pragma once
#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <vector>

#include "app/RetryTimer.h"
#include "app/TrayMenu.h"
#include "base/Window.h"

namespace vistrel::win32 {

// The hidden window `cd` that owns the notification-area icon and its menu for the whole run.
class TrayHost final : public Window {
public:
    struct Actions {
        std::function<void()> showMainWindow;  // "Display" and a left click on the icon
        std::function<void()> about;
        std::function<void()> exit;  // "Exit", and WM_CLOSE sent to this window
        std::function<std::vector<TrayMenuItem>()> menu;  // the menu as it is now
        std::function<void(TrayCommand)> option;          // any other command of the menu
    };

    TrayHost(HICON icon, Actions actions);
    ~TrayHost() override;

    bool create();
    // Puts the icon into the notification area. The shell refuses it while Explorer is still
    // starting (at logon) and announces nothing when it is ready, so a refused add is tried again
    // for about two minutes, and whenever the shell announces itself (TaskbarCreated). False
    // while no icon is shown.
    bool addIcon();
    void removeIcon();
    bool iconShown() const { return m_iconShown; }
    // For the end-to-end tests' copy of the program only: the first adds fail as at logon.
    void failFirstAdds(int count) { m_addRetry.failFirst(count); }

private:
    static constexpr UINT kCallbackMessage = WM_APP + 1;
    static constexpr UINT kIconId = 1;

    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void showMenu();
    bool tryAddIcon();
    NOTIFYICONDATAW iconData() const;

    HICON m_icon;
    Actions m_actions;
    UINT m_taskbarCreated = 0;
    bool m_iconShown = false;
    RetryTimer m_addRetry;
};

}  // namespace vistrel::win32
