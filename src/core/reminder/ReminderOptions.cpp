#include "reminder/ReminderOptions.h"

#include "base/LocalDateTime.h"
#include "settings/Ini.h"
#include "settings/SettingsKeys.h"

namespace vistrel {
namespace {

bool readFlag(const Profile& profile, std::string_view key, bool fallback)
{
    const std::string value = readini(profile, settings::kExtra, key);
    return value == "1" ? true : value == "0" ? false : fallback;
}

std::string flag(bool on) { return on ? "1" : "0"; }

}  // namespace

ReminderOptions ReminderOptions::read(const Profile& profile, const Clock& clock)
{
    using namespace settings;
    ReminderOptions options;
    options.holdWhenBusy = readFlag(profile, kHoldWhenBusy, true);
    options.awayCountsAsRest = readFlag(profile, kAwayCountsAsRest, false);
    if (const auto end = parseLocalDateTime(readini(profile, kExtra, kPausedUntil))) {
        const ReminderPause pause = ReminderPause::readBack(clock, *end);
        if (!pause.over(clock)) options.pause = pause;
    }
    return options;
}

void ReminderOptions::write(Profile& profile, Key key) const
{
    using namespace settings;
    switch (key) {
    case Key::HoldWhenBusy: writeini(profile, kExtra, kHoldWhenBusy, flag(holdWhenBusy)); break;
    case Key::AwayCountsAsRest: writeini(profile, kExtra, kAwayCountsAsRest, flag(awayCountsAsRest)); break;
    case Key::PausedUntil:
        writeini(profile, kExtra, kPausedUntil, pause ? localDateTimeText(pause->localEnd()) : std::string());
        break;
    }
}

}  // namespace vistrel
