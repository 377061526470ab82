#pragma once

namespace vistrel {

// What happened to a rest or an eye break, for the record the user can look back on.
enum class ReminderEvent {
    Prompt,           // the rest prompt opened
    Rest,             // the countdown started; value: its minutes
    RestDone,         // the countdown reached zero
    RestCut,          // the countdown screen was closed early; value: the seconds rested
    Continue,         // "继续工作"
    DisplayOff,       // "关闭显示器"
    LockDisplayOff,   // "锁屏 + 关闭显示器"
    Postpone,         // put off five minutes
    Away,             // time away counted as the rest; value: its minutes
    Held,             // a due rest waits (Windows busy, a meeting)
    EyeBreak,         // an eye break ran its time or was clicked away
    EyeBreakSkipped,  // an eye break fell due but could not open
    Pause,            // reminders paused; value: minutes until the pause ends
    Resume,           // reminders on again
};

}  // namespace vistrel
