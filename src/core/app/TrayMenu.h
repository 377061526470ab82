#pragma once
#include <string>
#include <utility>
#include <vector>

namespace vistrel {

// What the tray menu `cd` offers. "Display", "About" and "Exit" are the designed items; the rest
// are the options beyond them.
enum class TrayCommand {
    None,
    PauseHalfHour,
    PauseHour,
    PauseUntilTomorrow,
    ResumeReminders,
    HoldWhenBusy,
    AwayCountsAsRest,
    StartWithWindows,
    Display,
    About,
    Exit,
};

struct TrayMenuItem {
    TrayCommand command = TrayCommand::None;
    std::string text;  // empty: a separator
    bool enabled = true;
    bool checked = false;
    std::vector<TrayMenuItem> submenu;

    static TrayMenuItem action(TrayCommand command, std::string text) { return {command, std::move(text), true, false, {}}; }
    static TrayMenuItem check(TrayCommand command, std::string text, bool checked)
    {
        return {command, std::move(text), true, checked, {}};
    }
    static TrayMenuItem line(std::string text) { return {TrayCommand::None, std::move(text), false, false, {}}; }
    static TrayMenuItem separator() { return {}; }
};

}  // namespace vistrel
