#pragma once
#include <vector>

#include "base/Clock.h"
#include "base/DesktopServices.h"
#include "settings/Profile.h"
#include "app/TrayMenu.h"
#include "reminder/RestReminder.h"

namespace vistrel {

// The reminder's options beyond the designed ones, as the tray menu offers them and section
// `[extra]` keeps them: hold while Windows is busy, time away counts as a rest, a timed pause; and
// start with Windows, which the user's Run entry in the registry keeps. A
// change is written at once; the exit sequence never writes them. A missing or unreadable value
// is its default, a pause that has ended or is no valid time is no pause.
class TrayOptions {
public:
    static constexpr int kHalfHourMinutes = 30;
    static constexpr int kHourMinutes = 60;

    TrayOptions(Profile& profile, const Clock& clock, RestReminder& rest, DesktopServices& desktop);

    // Reads `[extra]` into the reminder; runs after the main window's load sequence.
    void load();

    // The menu `cd`, first line telling the next rest, then the pause submenu and the option
    // check items, then "Display", "About" and "Exit".
    std::vector<TrayMenuItem> menu() const;
    // Carries out an option command; false for the commands the shell carries out itself.
    bool command(TrayCommand command);

private:
    void pause(LocalTime until);

    Profile& m_profile;
    const Clock& m_clock;
    RestReminder& m_rest;
    DesktopServices& m_desktop;  // start with Windows lives in the registry, not in the settings file
};

}  // namespace vistrel
