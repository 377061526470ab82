#include "app/TrayMenu.h"

#include <iterator>
#include <utility>

#include "app/Autostart.h"
#include "base/LocalDateTime.h"
#include "base/TimeOfDay.h"

namespace vistrel {
namespace {

using Key = ReminderOptions::Key;

TrayMenuItem item(std::string text, std::function<TrayAction()> action)
{
    TrayMenuItem item;
    item.text = std::move(text);
    item.action = std::move(action);
    return item;
}

TrayMenuItem check(std::string text, bool checked, std::function<TrayAction()> action)
{
    TrayMenuItem check = item(std::move(text), std::move(action));
    check.checked = checked;
    return check;
}

TrayMenuItem line(std::string text)
{
    TrayMenuItem line = item(std::move(text), nullptr);
    line.enabled = false;
    return line;
}

TrayMenuItem separator() { return {}; }

// An action after which the shell has nothing to do.
std::function<TrayAction()> inPlace(std::function<void()> action)
{
    return [action = std::move(action)] {
        action();
        return TrayAction::None;
    };
}

// Ids from 1, depth first, for the items that do something.
void number(std::vector<TrayMenuItem>& items, unsigned& last)
{
    for (TrayMenuItem& item : items) {
        if (item.action) item.id = ++last;
        number(item.submenu, last);
    }
}

const TrayMenuItem* find(const std::vector<TrayMenuItem>& items, unsigned id)
{
    for (const TrayMenuItem& item : items) {
        if (item.id == id) return &item;
        if (const TrayMenuItem* found = find(item.submenu, id)) return found;
    }
    return nullptr;
}

}  // namespace

TrayMenu::TrayMenu(TrayMenuPorts ports) : m_ports(std::move(ports)) {}

TrayAction TrayMenu::forMouse(std::uint32_t mouseMessage)
{
    switch (static_cast<TrayMouse>(mouseMessage)) {
    case TrayMouse::LeftUp:
        return TrayAction::ShowMainWindow;
    case TrayMouse::RightUp:
    case TrayMouse::ContextMenu:
    case TrayMouse::NoticeClick:  // the notice says the menu can postpone the rest
        return TrayAction::OpenMenu;
    default:
        return TrayAction::None;
    }
}

const std::vector<TrayMenuItem>& TrayMenu::open()
{
    m_items = build();
    unsigned last = 0;
    number(m_items, last);
    return m_items;
}

TrayAction TrayMenu::choose(unsigned id)
{
    const TrayMenuItem* chosen = id == 0 ? nullptr : find(m_items, id);
    if (!chosen || !chosen->enabled) return TrayAction::None;
    // A copy: a message box inside the action lets the user open the menu again meanwhile.
    const auto action = chosen->action;
    return action();
}

std::vector<TrayMenuItem> TrayMenu::build()
{
    // The check items act on what the user saw when the menu opened.
    const ReminderOptions& options = m_ports.rest.options();
    TrayMenuItem display = item("Display", [] { return TrayAction::ShowMainWindow; });
    display.isDefault = true;
    std::vector<TrayMenuItem> items = {
        line(firstLine()),
        postponeItem(),
        pauseMenu(),
        check("全屏时推迟提醒", options.holdWhenBusy, inPlace([this, on = !options.holdWhenBusy] {
                  m_ports.rest.setHoldWhenBusy(on);
                  save(Key::HoldWhenBusy);
              })),
        check("离开算作休息", options.awayCountsAsRest, inPlace([this, on = !options.awayCountsAsRest] {
                  m_ports.rest.setAwayCountsAsRest(on);
                  save(Key::AwayCountsAsRest);
              })),
        eyeBreakItem(options.eyeBreakMinutes != 0),
        startWithWindowsItem(),
        separator(),
    };
    if (m_ports.night) {
        std::vector<TrayMenuItem> night = nightGroup();
        std::move(night.begin(), night.end(), std::back_inserter(items));
        items.push_back(separator());
    }
    items.push_back(std::move(display));
    items.push_back(item("About", inPlace([this] {
                             if (m_ports.about) m_ports.about();
                         })));
    items.push_back(separator());
    items.push_back(item("Exit", [] { return TrayAction::Exit; }));
    return items;
}

std::vector<TrayMenuItem> TrayMenu::nightGroup()
{
    NightColour& night = *m_ports.night;
    const bool on = night.on();
    const bool paused = night.paused();
    TrayMenuItem pause = check("暂停 1 小时", paused, inPlace([&night, paused] {
                                   if (paused) night.resume();
                                   else night.pauseForAnHour();
                               }));
    pause.enabled = on;
    return {
        line(nightLine()),
        check("夜间护眼", on, [&night, on] {
            if (on) night.turnOff();
            // No schedule was ever chosen: the user picks one.
            else if (!night.turnOn()) return TrayAction::OpenOptions;
            return TrayAction::None;
        }),
        std::move(pause),
        item("休息统计", [] { return TrayAction::OpenStatistics; }),
        item("选项…", [] { return TrayAction::OpenOptions; }),
    };
}

std::string TrayMenu::nightLine() const
{
    const NightColour& night = *m_ports.night;
    if (!night.on()) return "夜间护眼已关闭";
    if (night.needsPlace()) return "夜间护眼：请在选项中设置位置";
    if (const std::optional<LocalTime> end = night.pauseEnd()) return "夜间护眼已暂停至 " + TimeOfDay::of(*end).text();
    const NightTarget now = night.scheduled();
    const std::string kelvin = std::to_string(now.kelvin) + " K";
    if (now.changing) return (now.towardNight ? "正在转暖，现为 " : "正在转为日间，现为 ") + kelvin;
    std::string state = now.towardNight ? "夜间 " + kelvin : now.kelvin == kNeutralKelvin ? "日间" : "日间 " + kelvin;
    if (const std::optional<LocalTime> next = night.nextChange())
        state += "，" + TimeOfDay::of(*next).text() + (now.towardNight ? " 转为日间" : " 开始转暖");
    return state;
}

std::string TrayMenu::firstLine() const
{
    const RestReminder& rest = m_ports.rest;
    if (rest.xxrun() != "1") return "休息提醒已关闭";
    if (rest.paused()) return "提醒已暂停至 " + pauseEndText();
    // A rest the user took before the hours ended runs on; the line says so.
    if (rest.outsideWorkHours() && !rest.countdown().running()) return workHoursLine();
    // The next rest time has passed while the rest waits.
    if (rest.held()) return "休息已推迟，等待空闲";
    // The next rest is scheduled only when this one ends: its time would be one already past.
    if (rest.countdown().running()) return "正在休息";
    if (rest.prompt().isOpen()) return "该休息了";
    return "下次休息 " + rest.text1();
}

std::string TrayMenu::workHoursLine() const
{
    static constexpr std::string_view kWeekdays[] = {"周一", "周二", "周三", "周四", "周五", "周六", "周日"};
    const std::optional<LocalTime> start = m_ports.rest.options().workHours.nextStart(m_ports.clock.now());
    if (!start) return "非工作时间";
    return "非工作时间，" + std::string(kWeekdays[WorkHours::isoWeekday(*start) - 1]) + " " +
           TimeOfDay::of(*start).text() + " 开始提醒";
}

TrayMenuItem TrayMenu::postponeItem()
{
    RestReminder& rest = m_ports.rest;
    if (rest.postponesInARow() >= RestReminder::kMostPostpones)
        return line("已推迟 " + std::to_string(RestReminder::kMostPostpones) + " 次");
    TrayMenuItem postpone =
        item("推迟 " + std::to_string(RestReminder::kPostponeMinutes) + " 分钟", inPlace([&rest] { rest.postpone(); }));
    postpone.enabled = rest.canPostpone();
    return postpone;
}

std::string TrayMenu::pauseEndText() const
{
    const LocalTime end = m_ports.rest.options().pause->localEnd();
    const std::string time = TimeOfDay::of(end).text();
    // A pause read from the settings file may end on any day; a time alone reads as today's.
    if (end.seconds - m_ports.clock.now().seconds <= LocalTime::kSecondsPerDay) return time;
    const CalendarDate date = calendarDate(end);
    return std::to_string(date.month) + "月" + std::to_string(date.day) + "日 " + time;
}

TrayMenuItem TrayMenu::pauseMenu()
{
    TrayMenuItem menu = item("暂停提醒", nullptr);
    menu.submenu = {
        item("30 分钟", inPlace([this] { pause(ReminderPause::forMinutes(m_ports.clock, kHalfHourMinutes)); })),
        item("1 小时", inPlace([this] {
                 pause(ReminderPause::forMinutes(m_ports.clock, ReminderPause::kLongestTimedMinutes));
             })),
        item("到明天", inPlace([this] { pause(ReminderPause::untilLocalTime(nextMidnight(m_ports.clock.now()))); })),
    };
    if (m_ports.rest.paused()) {
        menu.submenu.push_back(item("继续提醒", inPlace([this] {
                                        m_ports.rest.resumeReminders();
                                        save(Key::PausedUntil);
                                    })));
    }
    return menu;
}

TrayMenuItem TrayMenu::eyeBreakItem(bool on)
{
    using Options = ReminderOptions;
    return check("护眼小憩", on, inPlace([this, on] {
                     // Off keeps the length the user chose; on is the common 20 minutes / 20 seconds.
                     if (on) m_ports.rest.setEyeBreaks(0, m_ports.rest.options().eyeBreakSeconds);
                     else m_ports.rest.setEyeBreaks(Options::kEyeBreakMinutesOn, Options::kEyeBreakSecondsDefault);
                     save(Key::EyeBreak);
                 }));
}

TrayMenuItem TrayMenu::startWithWindowsItem()
{
    const bool on = m_ports.desktop.startsWithWindows();
    return check("开机启动", on, inPlace([this, turnOn = !on] { autostart::change(m_ports.desktop, turnOn); }));
}

void TrayMenu::pause(ReminderPause pause)
{
    m_ports.rest.pause(pause);
    save(Key::PausedUntil);
}

void TrayMenu::save(Key key) { m_ports.rest.options().write(m_ports.profile, key); }

}  // namespace vistrel
