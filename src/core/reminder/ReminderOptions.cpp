#include "reminder/ReminderOptions.h"

#include "base/LocalDateTime.h"
#include "settings/Ini.h"
#include "settings/SettingsKeys.h"
#include "base/TextParsing.h"

namespace vistrel {
namespace {

bool readFlag(const Profile& profile, std::string_view key, bool fallback)
{
    const std::string value = readini(profile, settings::kExtra, key);
    return value == "1" ? true : value == "0" ? false : fallback;
}

std::string flag(bool on) { return on ? "1" : "0"; }

int readNumber(const Profile& profile, std::string_view key, int fallback, bool (*valid)(int))
{
    const auto value = parseInteger<int>(readini(profile, settings::kExtra, key));
    return value && valid(*value) ? *value : fallback;
}

}  // namespace

ReminderOptions ReminderOptions::read(const Profile& profile, const Clock& clock)
{
    using namespace settings;
    ReminderOptions options;
    options.holdWhenBusy = readFlag(profile, kHoldWhenBusy, true);
    options.awayCountsAsRest = readFlag(profile, kAwayCountsAsRest, false);
    options.holdInMeetings = readFlag(profile, kHoldInMeetings, true);
    options.noticeSeconds = readNumber(profile, kNoticeSeconds, kNoticeDefault, validNoticeSeconds);
    options.eyeBreakMinutes = readNumber(profile, kEyeBreakMinutes, 0, validEyeBreakMinutes);
    options.eyeBreakSeconds = readNumber(profile, kEyeBreakSeconds, kEyeBreakSecondsDefault, validEyeBreakSeconds);
    const std::string hours = readini(profile, kExtra, kWorkHours);
    const std::string days = readini(profile, kExtra, kWorkDays);
    const WorkHours always;
    if (const auto parsed = WorkHours::parse(hours, days)) options.workHours = *parsed;
    else if (const auto hoursOnly = WorkHours::parse(hours, always.daysText())) options.workHours = *hoursOnly;
    else if (const auto daysOnly = WorkHours::parse("", days)) options.workHours = *daysOnly;
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
    case Key::HoldInMeetings: writeini(profile, kExtra, kHoldInMeetings, flag(holdInMeetings)); break;
    case Key::NoticeSeconds: writeini(profile, kExtra, kNoticeSeconds, std::to_string(noticeSeconds)); break;
    case Key::EyeBreak:
        writeini(profile, kExtra, kEyeBreakMinutes, std::to_string(eyeBreakMinutes));
        writeini(profile, kExtra, kEyeBreakSeconds, std::to_string(eyeBreakSeconds));
        break;
    case Key::WorkHours:
        writeini(profile, kExtra, kWorkHours, workHours.hoursText());
        writeini(profile, kExtra, kWorkDays, workHours.daysText());
        break;
    case Key::PausedUntil:
        writeini(profile, kExtra, kPausedUntil, pause ? localDateTimeText(pause->localEnd()) : std::string());
        break;
    }
}

}  // namespace vistrel
