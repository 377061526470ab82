#pragma once
#include <optional>

#include "base/Clock.h"
#include "reminder/ReminderPause.h"
#include "settings/Profile.h"

namespace vistrel {

// Options beyond the designed reminder, kept in section `[extra]`: written when the user changes
// one, never by the exit sequence. The defaults below are what a reminder without options does.
struct ReminderOptions {
    enum class Key { HoldWhenBusy, AwayCountsAsRest, PausedUntil };

    bool holdWhenBusy = false;      // a due rest waits while Windows is busy (presentation, full screen)
    bool awayCountsAsRest = false;  // no input or a locked session for the rest minutes is the rest
    std::optional<ReminderPause> pause;  // no prompt opens before it is over

    // "1" or "0" for the flags, anything else (the key's own name for a missing key included)
    // their stored defaults: hold when busy on, away off. A pause that is over or is no valid
    // time is no pause.
    static ReminderOptions read(const Profile& profile, const Clock& clock);
    // Writes one option as it stands; a pause is written as the local time it ends at.
    void write(Profile& profile, Key key) const;
};

}  // namespace vistrel
