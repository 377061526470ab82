#include "app/RestOptionsModel.h"

#include <algorithm>
#include <utility>

#include "base/TextParsing.h"
#include "base/TimeOfDay.h"
#include "settings/Ini.h"
#include "settings/SettingsKeys.h"
#include "text/OptionsTexts.h"

namespace vistrel {
namespace {

using Field = RestOptionsModel::Field;
using Values = RestOptionsModel::Values;
using Key = ReminderOptions::Key;

// What the hours show while every hour counts: an office day, for the user to adjust.
constexpr const char* kOfficeFrom = "09:00";
constexpr const char* kOfficeTo = "18:00";

// Calls `f` with a pointer to each of the values, so each can be judged on its own.
template <typename F>
void eachValue(F&& f)
{
    f(&Values::noticeSeconds);
    f(&Values::eyeBreak);
    f(&Values::eyeBreakMinutes);
    f(&Values::eyeBreakSeconds);
    f(&Values::workHoursOnly);
    f(&Values::workFrom);
    f(&Values::workTo);
    f(&Values::workDays);
    f(&Values::holdInMeetings);
    f(&Values::holdWhenBusy);
    f(&Values::awayCountsAsRest);
    f(&Values::recordHistory);
}

std::optional<int> parseIn(const std::string& text, bool (*valid)(int))
{
    const auto number = parseInteger<int>(text);
    return number && valid(*number) ? number : std::nullopt;
}

std::optional<int> parseNotice(const std::string& text) { return parseIn(text, ReminderOptions::validNoticeSeconds); }
std::optional<int> parseEyeMinutes(const std::string& text)
{
    // Off is the check box's to say, so the box itself wants a period.
    const auto minutes = parseIn(text, ReminderOptions::validEyeBreakMinutes);
    return minutes == 0 ? std::nullopt : minutes;
}
std::optional<int> parseEyeSeconds(const std::string& text)
{
    return parseIn(text, ReminderOptions::validEyeBreakSeconds);
}
std::optional<TimeOfDay> parseTime(const std::string& text) { return TimeOfDay::parse(trim(text)); }

std::string daysText(const std::array<bool, RestOptionsModel::kDays>& days)
{
    std::string text;
    for (int day = 0; day < RestOptionsModel::kDays; ++day)
        if (days[static_cast<size_t>(day)]) text += static_cast<char>('1' + day);
    return text;
}

}  // namespace

RestOptionsModel::RestOptionsModel(RestOptionsModelPorts ports) : m_ports(ports) { m_values = m_read = live(); }

Values RestOptionsModel::live() const
{
    const ReminderOptions& options = m_ports.rest.options();
    const WorkHours& hours = options.workHours;
    Values v;
    v.noticeSeconds = std::to_string(options.noticeSeconds);
    v.eyeBreak = options.eyeBreakMinutes != 0;
    v.eyeBreakMinutes = std::to_string(v.eyeBreak ? options.eyeBreakMinutes : ReminderOptions::kEyeBreakMinutesOn);
    v.eyeBreakSeconds = std::to_string(options.eyeBreakSeconds);
    v.workHoursOnly = hours.from().has_value();
    v.workFrom = hours.from() ? hours.from()->text() : kOfficeFrom;
    v.workTo = hours.to() ? hours.to()->text() : kOfficeTo;
    for (int day = 0; day < kDays; ++day) v.workDays[static_cast<size_t>(day)] = hours.onDay(WorkHours::kMonday + day);
    v.holdInMeetings = options.holdInMeetings;
    v.holdWhenBusy = options.holdWhenBusy;
    v.awayCountsAsRest = options.awayCountsAsRest;
    v.recordHistory = !m_ports.history || m_ports.history->recording();
    return v;
}

void RestOptionsModel::refresh()
{
    const Values now = live();
    eachValue([&](auto member) {
        if (m_values.*member == m_read.*member) m_values.*member = now.*member;
    });
    m_read = now;
}

bool RestOptionsModel::inUse(Field field) const
{
    switch (field) {
    case Field::EyeBreakMinutes:
    case Field::EyeBreakSeconds: return m_values.eyeBreak;
    case Field::WorkFrom:
    case Field::WorkTo: return m_values.workHoursOnly;
    case Field::NoticeSeconds:
    case Field::WorkDays: return true;
    }
    return false;
}

std::optional<std::string> RestOptionsModel::error(Field field) const
{
    using O = ReminderOptions;
    const Values& v = m_values;
    const Texts& texts = m_ports.texts;
    switch (field) {
    case Field::NoticeSeconds:
        if (!parseNotice(v.noticeSeconds)) return texts(OptionsText::NoticeRange, O::kNoticeMin, O::kNoticeMax);
        break;
    case Field::EyeBreakMinutes:
        if (!parseEyeMinutes(v.eyeBreakMinutes))
            return texts(OptionsText::EyeBreakMinutesRange, O::kEyeBreakMinutesMin, O::kEyeBreakMinutesMax);
        break;
    case Field::EyeBreakSeconds:
        if (!parseEyeSeconds(v.eyeBreakSeconds))
            return texts(OptionsText::EyeBreakSecondsRange, O::kEyeBreakSecondsMin, O::kEyeBreakSecondsMax);
        break;
    case Field::WorkFrom:
        if (!parseTime(v.workFrom)) return texts(OptionsText::StartTimeRange);
        break;
    case Field::WorkTo:
        if (!parseTime(v.workTo)) return texts(OptionsText::EndTimeRange);
        break;
    case Field::WorkDays:
        if (std::ranges::none_of(v.workDays, std::identity{})) return texts(OptionsText::NoWorkDay);
        break;
    }
    return std::nullopt;
}

std::optional<Field> RestOptionsModel::refusal() const
{
    for (const Field field : kFields)
        if (inUse(field) && error(field)) return field;
    return std::nullopt;
}

ReminderOptions RestOptionsModel::pending(const ReminderOptions& live) const
{
    // A field out of use may hold anything; only a valid one replaces the value in force.
    const Values& v = m_values;
    ReminderOptions o = live;
    o.pause.reset();  // not this page's: it stays as it is
    o.noticeSeconds = parseNotice(v.noticeSeconds).value_or(live.noticeSeconds);
    o.eyeBreakSeconds = parseEyeSeconds(v.eyeBreakSeconds).value_or(live.eyeBreakSeconds);
    o.eyeBreakMinutes = v.eyeBreak ? parseEyeMinutes(v.eyeBreakMinutes).value_or(live.eyeBreakMinutes) : 0;
    const auto from = parseTime(v.workFrom);
    const auto to = parseTime(v.workTo);
    const std::string hours = v.workHoursOnly && from && to ? from->text() + "-" + to->text() : std::string();
    o.workHours = WorkHours::parse(hours, daysText(v.workDays)).value_or(live.workHours);
    o.holdInMeetings = v.holdInMeetings;
    o.holdWhenBusy = v.holdWhenBusy;
    o.awayCountsAsRest = v.awayCountsAsRest;
    return o;
}

std::optional<Field> RestOptionsModel::apply()
{
    // Only what the user changed here: a value the tray changed meanwhile stays as the tray left it.
    // It may bring a field into use, so the verdict comes after it.
    refresh();
    if (const auto field = refusal()) return field;
    const ReminderOptions now = m_ports.rest.options();
    const ReminderOptions next = pending(now);
    const std::pair<Key, bool> keys[] = {
        {Key::NoticeSeconds, next.noticeSeconds != now.noticeSeconds},
        {Key::EyeBreak, next.eyeBreakMinutes != now.eyeBreakMinutes || next.eyeBreakSeconds != now.eyeBreakSeconds},
        {Key::WorkHours, next.workHours != now.workHours},
        {Key::HoldInMeetings, next.holdInMeetings != now.holdInMeetings},
        {Key::HoldWhenBusy, next.holdWhenBusy != now.holdWhenBusy},
        {Key::AwayCountsAsRest, next.awayCountsAsRest != now.awayCountsAsRest},
    };
    if (std::ranges::any_of(keys, [](const auto& key) { return key.second; })) m_ports.rest.setOptions(next);
    if (m_ports.history && m_values.recordHistory != m_ports.history->recording()) {
        m_ports.history->setEnabled(m_values.recordHistory);
        writeini(m_ports.profile, settings::kExtra, settings::kRecordHistory, m_values.recordHistory ? "1" : "0");
    }
    // A file that did not take a write has told the user so; the run goes on with the options.
    for (const auto& [key, changed] : keys)
        if (changed) next.write(m_ports.profile, key);
    m_values = m_read = live();
    return std::nullopt;
}

int RestOptionsModel::noticeStep(int seconds, int delta)
{
    using O = ReminderOptions;
    int next = std::clamp(seconds + delta, 0, O::kNoticeMax);
    if (next > 0 && next < O::kNoticeMin) next = delta > 0 ? O::kNoticeMin : 0;
    return next;
}

}  // namespace vistrel
