#include "app/TrayMenu.h"

#include <iterator>
#include <utility>

#include "app/Autostart.h"
#include "base/LocalDateTime.h"
#include "base/TimeOfDay.h"
#include "text/TrayTexts.h"
#include "text/WeekdayTexts.h"

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
    const Texts& texts = m_ports.texts;
    TrayMenuItem display = item(texts(TrayText::Display), [] { return TrayAction::ShowMainWindow; });
    display.isDefault = true;
    std::vector<TrayMenuItem> items = {
        line(firstLine()),
        postponeItem(),
        pauseMenu(),
        check(texts(TrayText::HoldWhenBusy), options.holdWhenBusy, inPlace([this, on = !options.holdWhenBusy] {
                  m_ports.rest.setHoldWhenBusy(on);
                  save(Key::HoldWhenBusy);
              })),
        check(texts(TrayText::AwayCountsAsRest), options.awayCountsAsRest,
              inPlace([this, on = !options.awayCountsAsRest] {
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
    items.push_back(item(texts(TrayText::About), inPlace([this] {
                             if (m_ports.about) m_ports.about();
                         })));
    items.push_back(separator());
    items.push_back(item(texts(TrayText::Exit), [] { return TrayAction::Exit; }));
    return items;
}

std::vector<TrayMenuItem> TrayMenu::nightGroup()
{
    NightColour& night = *m_ports.night;
    const bool on = night.on();
    const bool paused = night.paused();
    const Texts& texts = m_ports.texts;
    TrayMenuItem pause = check(texts(TrayText::NightPauseHours, 1), paused, inPlace([&night, paused] {
                                   if (paused) night.resume();
                                   else night.pauseForAnHour();
                               }));
    pause.enabled = on;
    return {
        line(nightLine()),
        check(texts(TrayText::NightColour), on, [&night, on] {
            if (on) night.turnOff();
            // No schedule was ever chosen: the user picks one.
            else if (!night.turnOn()) return TrayAction::OpenOptions;
            return TrayAction::None;
        }),
        std::move(pause),
        item(texts(TrayText::Statistics), [] { return TrayAction::OpenStatistics; }),
        item(texts(TrayText::Options), [] { return TrayAction::OpenOptions; }),
    };
}

std::string TrayMenu::nightLine() const
{
    const NightColour& night = *m_ports.night;
    const Texts& texts = m_ports.texts;
    if (!night.on()) return texts(TrayText::NightOff);
    if (night.needsPlace()) return texts(TrayText::NightNeedsPlace);
    if (const std::optional<LocalTime> end = night.pauseEnd())
        return texts(TrayText::NightPausedUntil, TimeOfDay::of(*end).text());
    const NightTarget now = night.scheduled();
    const std::string kelvin = std::to_string(now.kelvin) + " K";
    if (now.changing) return texts(now.towardNight ? TrayText::Warming : TrayText::TurningToDay, kelvin);
    const std::string state = now.towardNight                 ? texts(TrayText::NightState, kelvin)
                              : now.kelvin == kNeutralKelvin ? texts(TrayText::DayState)
                                                              : texts(TrayText::DayStateKelvin, kelvin);
    const std::optional<LocalTime> next = night.nextChange();
    if (!next) return state;
    return texts(now.towardNight ? TrayText::StateThenDay : TrayText::StateThenWarming, state,
                 TimeOfDay::of(*next).text());
}

std::string TrayMenu::firstLine() const
{
    const RestReminder& rest = m_ports.rest;
    const Texts& texts = m_ports.texts;
    if (rest.xxrun() != "1") return texts(TrayText::RestOff);
    if (rest.paused()) return texts(TrayText::PausedUntil, pauseEndText());
    // A rest the user took before the hours ended runs on; the line says so.
    if (rest.outsideWorkHours() && !rest.countdown().running()) return workHoursLine();
    // The next rest time has passed while the rest waits.
    if (rest.held()) return texts(TrayText::HeldUntilFree);
    // The next rest is scheduled only when this one ends: its time would be one already past.
    if (rest.countdown().running()) return texts(TrayText::Resting);
    if (rest.prompt().isOpen()) return texts(TrayText::RestDue);
    return texts(TrayText::NextRest, rest.text1());
}

std::string TrayMenu::workHoursLine() const
{
    const Texts& texts = m_ports.texts;
    const std::optional<LocalTime> start = m_ports.rest.options().workHours.nextStart(m_ports.clock.now());
    if (!start) return texts(TrayText::OffHours);
    return texts(TrayText::OffHoursUntil, texts(isoWeekdayText(WorkHours::isoWeekday(*start))),
                 TimeOfDay::of(*start).text());
}

TrayMenuItem TrayMenu::postponeItem()
{
    RestReminder& rest = m_ports.rest;
    if (rest.postponesInARow() >= RestReminder::kMostPostpones)
        return line(m_ports.texts(TrayText::PostponedMost, RestReminder::kMostPostpones));
    TrayMenuItem postpone = item(m_ports.texts(TrayText::Postpone, RestReminder::kPostponeMinutes),
                                 inPlace([&rest] { rest.postpone(); }));
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
    return m_ports.texts(TrayText::PauseEndDate, date.month, date.day, time);
}

TrayMenuItem TrayMenu::pauseMenu()
{
    const Texts& texts = m_ports.texts;
    TrayMenuItem menu = item(texts(TrayText::PauseMenu), nullptr);
    menu.submenu = {
        item(texts(TrayText::PauseMinutes, kHalfHourMinutes),
             inPlace([this] { pause(ReminderPause::forMinutes(m_ports.clock, kHalfHourMinutes)); })),
        item(texts(TrayText::PauseHours, ReminderPause::kLongestTimedMinutes / 60), inPlace([this] {
                 pause(ReminderPause::forMinutes(m_ports.clock, ReminderPause::kLongestTimedMinutes));
             })),
        item(texts(TrayText::PauseTomorrow),
             inPlace([this] { pause(ReminderPause::untilLocalTime(nextMidnight(m_ports.clock.now()))); })),
    };
    if (m_ports.rest.paused()) {
        menu.submenu.push_back(item(texts(TrayText::ResumeReminders), inPlace([this] {
                                        m_ports.rest.resumeReminders();
                                        save(Key::PausedUntil);
                                    })));
    }
    return menu;
}

TrayMenuItem TrayMenu::eyeBreakItem(bool on)
{
    using Options = ReminderOptions;
    return check(m_ports.texts(TrayText::EyeBreaks), on, inPlace([this, on] {
                     // Off keeps the length the user chose; on is the common 20 minutes / 20 seconds.
                     if (on) m_ports.rest.setEyeBreaks(0, m_ports.rest.options().eyeBreakSeconds);
                     else m_ports.rest.setEyeBreaks(Options::kEyeBreakMinutesOn, Options::kEyeBreakSecondsDefault);
                     save(Key::EyeBreak);
                 }));
}

TrayMenuItem TrayMenu::startWithWindowsItem()
{
    const bool on = m_ports.desktop.startsWithWindows();
    return check(m_ports.texts(TrayText::StartWithWindows), on,
                 inPlace([this, turnOn = !on] { autostart::change(m_ports.desktop, turnOn, m_ports.texts); }));
}

void TrayMenu::pause(ReminderPause pause)
{
    m_ports.rest.pause(pause);
    save(Key::PausedUntil);
}

void TrayMenu::save(Key key) { m_ports.rest.options().write(m_ports.profile, key); }

}  // namespace vistrel
