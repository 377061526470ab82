#pragma once
#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <string_view>

#include "app/RetryTimer.h"
#include "app/TrayMenu.h"
#include "base/Window.h"

namespace vistrel::win32 {

// The hidden window `cd` that owns the notification-area icon for the whole run, and draws the
// tray menu's model as a native popup menu.
class TrayHost final : public Window {
public:
    struct Actions {
        std::function<void()> showMainWindow;  // "Display" and a left click on the icon
        std::function<void()> exit;            // "Exit", and WM_CLOSE sent to this window
        std::function<void()> iconGivenUp;     // the shell never took the icon within the retries
        std::function<void()> openOptions;     // "选项…", or turning the night colour on with no schedule yet
        std::function<void()> openStatistics;  // "休息统计"
    };

    // `noticeIcon` is the program's icon at the large size, for the notice's own picture. `texts`
    // names the notice, read at each one; the menu takes its texts as it is built.
    TrayHost(HICON icon, HICON noticeIcon, TrayMenu& menu, const Texts& texts, Actions actions);
    ~TrayHost() override;

    bool create();
    // Puts the icon into the notification area. The shell refuses it while Explorer is still
    // starting (at logon) and announces nothing when it is ready, so a refused add is tried again
    // for about two minutes, and whenever the shell announces itself (TaskbarCreated). False
    // while no icon is shown.
    bool addIcon();
    void removeIcon();
    bool iconShown() const { return m_iconShown; }
    // A notification from the icon, titled with the program's name and without a sound; a click
    // on it opens the menu. Without an icon (its add still being retried) there is nowhere to
    // show it, and it is left out.
    void showNotice(std::wstring_view text);
    // For the end-to-end tests' copy of the program only: the first adds fail as at logon.
    void failFirstAdds(int count) { m_addRetry.failFirst(count); }

private:
    static constexpr UINT kCallbackMessage = WM_APP + 1;
    static constexpr UINT kIconId = 1;

    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void act(TrayAction action);
    void showMenu();
    bool tryAddIcon();
    NOTIFYICONDATAW iconData() const;

    HICON m_icon;
    HICON m_noticeIcon;
    TrayMenu& m_menu;
    const Texts& m_texts;
    Actions m_actions;
    UINT m_taskbarCreated = 0;
    bool m_iconShown = false;
    RetryTimer m_addRetry;
};

}  // namespace vistrel::win32
