#pragma once
#include <optional>

#include "base/Clock.h"
#include "reminder/ReminderPause.h"
#include "reminder/WorkHours.h"
#include "settings/Profile.h"

namespace vistrel {

// Options beyond the designed reminder, kept in section `[extra]`: written when the user changes
// one, never by the exit sequence. The defaults below are what a reminder without options does.
struct ReminderOptions {
    // EyeBreak writes both its keys, WorkHours both `work_hours` and `work_days`.
    enum class Key { HoldWhenBusy, AwayCountsAsRest, PausedUntil, NoticeSeconds, EyeBreak, WorkHours, HoldInMeetings };

    static constexpr int kNoticeDefault = 60, kNoticeMin = 10, kNoticeMax = 300;
    static constexpr int kEyeBreakMinutesMin = 10, kEyeBreakMinutesMax = 60, kEyeBreakMinutesOn = 20;
    static constexpr int kEyeBreakSecondsDefault = 20, kEyeBreakSecondsMin = 10, kEyeBreakSecondsMax = 60;

    bool holdWhenBusy = false;      // a due rest waits while Windows is busy (presentation, full screen)
    bool awayCountsAsRest = false;  // no input or a locked session for the rest minutes is the rest
    std::optional<ReminderPause> pause;  // no prompt opens before it is over
    int noticeSeconds = kNoticeDefault;  // a notice this long before a rest; 0: none
    int eyeBreakMinutes = 0;             // an eye break after this much work; 0: none
    int eyeBreakSeconds = kEyeBreakSecondsDefault;  // how long an eye break lasts
    WorkHours workHours;                 // no prompt, notice or eye break outside them
    bool holdInMeetings = true;          // a due rest waits while the camera or microphone is in use

    static bool validNoticeSeconds(int s) { return s == 0 || (s >= kNoticeMin && s <= kNoticeMax); }
    static bool validEyeBreakMinutes(int m) { return m == 0 || (m >= kEyeBreakMinutesMin && m <= kEyeBreakMinutesMax); }
    static bool validEyeBreakSeconds(int s) { return s >= kEyeBreakSecondsMin && s <= kEyeBreakSecondsMax; }

    // "1" or "0" for the flags, anything else (the key's own name for a missing key included)
    // their stored defaults: hold when busy on, away off, hold in meetings on. A pause that is over
    // or is no valid time is no pause. A number that is not whole or out of its range, and working
    // hours or days that do not parse, are their defaults (the two working keys each on its own).
    static ReminderOptions read(const Profile& profile, const Clock& clock);
    // Writes one option as it stands; a pause is written as the local time it ends at.
    void write(Profile& profile, Key key) const;
};

}  // namespace vistrel
