#pragma once

namespace vistrel {

// What the system tells the program while it runs, as the shell hears it. MainForm decides what
// each means for the features.
enum class SystemEvent {
    DisplayChange,     // a display came or went, or a mode changed (which resets the ramps)
    DeviceChange,      // devices were added or removed; a display may be among them
    Resume,            // the machine woke from sleep or hibernation
    ConsoleDisplayOn,  // the console's display was turned back on, or brightened from dimmed
    Lock,              // the session was locked
    Unlock,            // the session was unlocked
    SettingChange,     // a system-wide setting changed; some reset the ramps
    EndSession,        // the user logs off or Windows shuts down: the process ends after this
};

}  // namespace vistrel
