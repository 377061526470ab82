#include "app/TrayOptions.h"

#include "settings/Ini.h"
#include "base/LocalDateTime.h"
#include "settings/SettingsKeys.h"
#include "reminder/TimeOfDay.h"

namespace vistrel {
namespace {

std::string flag(bool on) { return on ? "1" : "0"; }

// "1" or "0"; anything else, the key's own name for a missing key included, is the default.
bool readFlag(const Profile& profile, std::string_view key, bool fallback)
{
    const std::string value = readini(profile, settings::kExtra, key);
    return value == "1" ? true : value == "0" ? false : fallback;
}

}  // namespace

TrayOptions::TrayOptions(Profile& profile, const Clock& clock, RestReminder& rest, DesktopServices& desktop)
    : m_profile(profile), m_clock(clock), m_rest(rest), m_desktop(desktop)
{
}

void TrayOptions::load()
{
    using namespace settings;
    m_rest.setHoldWhenBusy(readFlag(m_profile, kHoldWhenBusy, true));
    m_rest.setAwayCountsAsRest(readFlag(m_profile, kAwayCountsAsRest, false));
    const auto until = parseLocalDateTime(readini(m_profile, kExtra, kPausedUntil));
    if (until && until->seconds > m_clock.now().seconds) m_rest.pause(*until);
}

std::vector<TrayMenuItem> TrayOptions::menu() const
{
    std::string status;
    if (m_rest.xxrun() != "1")
        status = "休息提醒已关闭";
    else if (m_rest.paused())
        status = "提醒已暂停至 " + TimeOfDay::of(*m_rest.options().pausedUntil).text();
    else
        status = "下次休息 " + m_rest.text1();

    TrayMenuItem pause = TrayMenuItem::action(TrayCommand::None, "暂停提醒");
    pause.submenu = {TrayMenuItem::action(TrayCommand::PauseHalfHour, "30 分钟"),
                     TrayMenuItem::action(TrayCommand::PauseHour, "1 小时"),
                     TrayMenuItem::action(TrayCommand::PauseUntilTomorrow, "到明天")};
    if (m_rest.paused()) pause.submenu.push_back(TrayMenuItem::action(TrayCommand::ResumeReminders, "继续提醒"));

    const ReminderOptions& options = m_rest.options();
    return {
        TrayMenuItem::line(status),
        pause,
        TrayMenuItem::check(TrayCommand::HoldWhenBusy, "全屏时推迟提醒", options.holdWhenBusy),
        TrayMenuItem::check(TrayCommand::AwayCountsAsRest, "离开算作休息", options.awayCountsAsRest),
        TrayMenuItem::check(TrayCommand::StartWithWindows, "开机启动", m_desktop.startsWithWindows()),
        TrayMenuItem::separator(),
        TrayMenuItem::action(TrayCommand::Display, "Display"),
        TrayMenuItem::action(TrayCommand::About, "About"),
        TrayMenuItem::separator(),
        TrayMenuItem::action(TrayCommand::Exit, "Exit"),
    };
}

bool TrayOptions::command(TrayCommand command)
{
    using namespace settings;
    const LocalTime now = m_clock.now();
    switch (command) {
    case TrayCommand::PauseHalfHour: pause(LocalTime{startOfMinute(now).seconds + kHalfHourMinutes * 60}); return true;
    case TrayCommand::PauseHour: pause(LocalTime{startOfMinute(now).seconds + kHourMinutes * 60}); return true;
    case TrayCommand::PauseUntilTomorrow: pause(nextMidnight(now)); return true;
    case TrayCommand::ResumeReminders:
        writeini(m_profile, kExtra, kPausedUntil, std::string());
        m_rest.resumeReminders();
        return true;
    case TrayCommand::HoldWhenBusy:
        m_rest.setHoldWhenBusy(!m_rest.options().holdWhenBusy);
        writeini(m_profile, kExtra, kHoldWhenBusy, flag(m_rest.options().holdWhenBusy));
        return true;
    case TrayCommand::AwayCountsAsRest:
        m_rest.setAwayCountsAsRest(!m_rest.options().awayCountsAsRest);
        writeini(m_profile, kExtra, kAwayCountsAsRest, flag(m_rest.options().awayCountsAsRest));
        return true;
    case TrayCommand::StartWithWindows: {
        const bool on = !m_desktop.startsWithWindows();
        if (!m_desktop.setStartsWithWindows(on))
            m_desktop.messageBox(on ? "无法设置开机启动。" : "无法取消开机启动。", "Vistrel", MessageIcon::Warning);
        return true;
    }
    default: return false;
    }
}

void TrayOptions::pause(LocalTime until)
{
    writeini(m_profile, settings::kExtra, settings::kPausedUntil, localDateTimeText(until));
    m_rest.pause(until);
}

}  // namespace vistrel
