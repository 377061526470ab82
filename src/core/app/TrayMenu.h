#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "base/DesktopServices.h"
#include "gamma/NightColour.h"
#include "reminder/RestReminder.h"
#include "settings/Profile.h"
#include "text/Texts.h"

namespace vistrel {

// What the shell does after the user used the tray icon or its menu.
enum class TrayAction {
    None,
    ShowMainWindow,
    OpenMenu,
    Exit,
    OpenOptions,  // the Options window, on its night colour page
    OpenStatistics,  // the statistics window "休息统计"
};

// Mouse notifications the tray icon reports, numbered as the platform's mouse messages.
enum class TrayMouse : std::uint32_t {
    Move = 0x0200,
    LeftDown = 0x0201,
    LeftUp = 0x0202,
    LeftDouble = 0x0203,
    RightDown = 0x0204,
    RightUp = 0x0205,
    RightDouble = 0x0206,
    MiddleDown = 0x0207,
    MiddleUp = 0x0208,
    ContextMenu = 0x007B,  // the keyboard or the shell asking for the icon's menu
    NoticeClick = 0x0405,  // NIN_BALLOONUSERCLICK: the user clicked the notice shown from the icon
};

// One line of the menu as the shell draws it.
struct TrayMenuItem {
    std::string text;  // empty: a separator
    unsigned id = 0;   // what the shell reports when the user chooses it; 0 for a line without an action
    bool enabled = true;
    bool checked = false;
    bool isDefault = false;  // drawn bold: what a left click on the icon does too
    std::vector<TrayMenuItem> submenu;
    std::function<TrayAction()> action;
};

struct TrayMenuPorts {
    Profile& profile;
    const Clock& clock;
    DesktopServices& desktop;  // start with Windows lives in the registry, not in the settings file
    RestReminder& rest;
    std::function<void()> about;  // the main window's about action
    NightColour* night = nullptr;  // none: the menu has no night colour group
    const Texts& texts = designedTexts();  // read at each open
};

// The tray icon and its menu `cd`: the designed "Display", "About" and "Exit", and before them a
// first line telling what comes next, the postpone item, the pause submenu, the reminder's option check items and
// start with Windows, then the night colour's group: a line telling its state, its check item,
// its pause and the Options window. The menu is built fresh each time it opens; each item carries its own
// action, and the shell draws the items and reports the one chosen.
class TrayMenu {
public:
    static constexpr int kHalfHourMinutes = 30;

    explicit TrayMenu(TrayMenuPorts ports);
    TrayMenu(const TrayMenu&) = delete;
    TrayMenu& operator=(const TrayMenu&) = delete;

    // A left-button release brings the main window back (a double click does so through its
    // releases); a right-button release, the context-menu request or a click on the notice opens
    // the menu; everything else is ignored.
    static TrayAction forMouse(std::uint32_t mouseMessage);

    // The menu as things stand; its items hold until the next open().
    const std::vector<TrayMenuItem>& open();
    // Carries out the item of the menu last opened with that id; any other id (0 when the user
    // chose nothing) does nothing.
    TrayAction choose(unsigned id);

private:
    std::vector<TrayMenuItem> build();
    std::string firstLine() const;
    std::string workHoursLine() const;
    TrayMenuItem postponeItem();
    std::string pauseEndText() const;
    TrayMenuItem pauseMenu();
    TrayMenuItem eyeBreakItem(bool on);  // "护眼小憩": on at 20 minutes / 20 seconds, or off
    TrayMenuItem startWithWindowsItem();
    std::vector<TrayMenuItem> nightGroup();
    std::string nightLine() const;
    void pause(ReminderPause pause);
    void save(ReminderOptions::Key key);

    TrayMenuPorts m_ports;
    std::vector<TrayMenuItem> m_items;
};

}  // namespace vistrel
