#include "options/RestPage.h"

#include <utility>

#include "base/Text.h"
#include "options/TimePicker.h"
#include "res/resource.h"

namespace vistrel::win32 {
namespace {

using Field = RestOptionsModel::Field;
using Values = RestOptionsModel::Values;
using O = ReminderOptions;

using enum OptionsPageText;
constexpr OptionsPage::Label kLabels[] = {
    {IDC_REST_GROUP, RestGroup},
    {IDC_NOTICE_LABEL, Notice},
    {IDC_NOTICE_UNIT, NoticeUnit},
    {IDC_HOLD_IN_MEETINGS, HoldInMeetings},
    {IDC_HOLD_WHEN_BUSY, HoldWhenBusy},
    {IDC_AWAY_COUNTS_AS_REST, AwayCountsAsRest},
    {IDC_EYE_BREAK_GROUP, EyeBreakGroup},
    {IDC_EYE_BREAK, EyeBreak},
    {IDC_EYE_BREAK_MINUTES_LABEL, EyeBreakEvery},
    {IDC_EYE_BREAK_MINUTES_UNIT, Minutes},
    {IDC_EYE_BREAK_SECONDS_LABEL, EyeBreakFor},
    {IDC_EYE_BREAK_SECONDS_UNIT, Seconds},
    {IDC_WORK_HOURS_GROUP, WorkHoursGroup},
    {IDC_WORK_HOURS, WorkHoursOnly},
    {IDC_WORK_FROM_LABEL, WorkFrom},
    {IDC_WORK_TO_LABEL, WorkTo},
    {IDC_MONDAY, Monday},
    {IDC_MONDAY + 1, Tuesday},
    {IDC_MONDAY + 2, Wednesday},
    {IDC_MONDAY + 3, Thursday},
    {IDC_MONDAY + 4, Friday},
    {IDC_MONDAY + 5, Saturday},
    {IDC_MONDAY + 6, Sunday},
    {IDC_HISTORY_GROUP, HistoryGroup},
    {IDC_RECORD_HISTORY, RecordHistory},
    {IDC_CLEAR_HISTORY, ClearHistory},
};

struct FieldControl {
    Field field;
    int id;
};
constexpr FieldControl kFieldControls[] = {{Field::NoticeSeconds, IDC_NOTICE_SECONDS},
                                           {Field::EyeBreakMinutes, IDC_EYE_BREAK_MINUTES},
                                           {Field::EyeBreakSeconds, IDC_EYE_BREAK_SECONDS},
                                           {Field::WorkFrom, IDC_WORK_FROM},
                                           {Field::WorkTo, IDC_WORK_TO},
                                           {Field::WorkDays, IDC_MONDAY}};

struct Flag {
    bool Values::*value;
    int id;
};
constexpr Flag kFlags[] = {{&Values::holdInMeetings, IDC_HOLD_IN_MEETINGS},
                           {&Values::holdWhenBusy, IDC_HOLD_WHEN_BUSY},
                           {&Values::awayCountsAsRest, IDC_AWAY_COUNTS_AS_REST},
                           {&Values::eyeBreak, IDC_EYE_BREAK},
                           {&Values::workHoursOnly, IDC_WORK_HOURS},
                           {&Values::recordHistory, IDC_RECORD_HISTORY}};

struct Text {
    std::string Values::*value;
    int id;
};
constexpr Text kTexts[] = {{&Values::noticeSeconds, IDC_NOTICE_SECONDS},
                           {&Values::eyeBreakMinutes, IDC_EYE_BREAK_MINUTES},
                           {&Values::eyeBreakSeconds, IDC_EYE_BREAK_SECONDS}};

// A check box turns on the controls that follow it in the template: the eye break's label, box,
// up-down and unit twice; the hours' label and picker twice.
constexpr int kEyeBreakControls = 8;
constexpr int kWorkHoursControls = 4;

int controlOf(Field field)
{
    for (const auto& [f, id] : kFieldControls)
        if (f == field) return id;
    return 0;
}

std::string pickedTime(HWND picker)
{
    SYSTEMTIME time{};
    return SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) == GDT_VALID ? timeText(time)
                                                                                                   : std::string();
}

}  // namespace

RestPage::RestPage(RestOptionsModel& model, const Texts& texts)
    : OptionsPage({IDD_OPTIONS_REST, OptionsText::RestTab, kLabels}, texts), m_model(model)
{
}

void RestPage::init()
{
    for (const int id : {IDC_WORK_FROM, IDC_WORK_TO}) initTimePicker(item(id));
    SendMessageW(item(IDC_NOTICE_SPIN), UDM_SETRANGE32, 0, O::kNoticeMax);
    SendMessageW(item(IDC_EYE_BREAK_MINUTES_SPIN), UDM_SETRANGE32, O::kEyeBreakMinutesMin, O::kEyeBreakMinutesMax);
    SendMessageW(item(IDC_EYE_BREAK_SECONDS_SPIN), UDM_SETRANGE32, O::kEyeBreakSecondsMin, O::kEyeBreakSecondsMax);
    for (const auto& [value, id] : kTexts) SendMessageW(item(id), EM_SETLIMITTEXT, 3, 0);
    show();
}

void RestPage::refresh()
{
    if (!hwnd()) return;
    m_model.refresh();
    show();
}

void RestPage::show()
{
    m_showing = true;
    const Values& v = m_model.values();
    for (const auto& [value, id] : kFlags) check(id, v.*value);
    for (const auto& [value, id] : kTexts) setText(id, v.*value);
    for (const auto& [time, id] : {std::pair{&v.workFrom, IDC_WORK_FROM}, std::pair{&v.workTo, IDC_WORK_TO}})
        if (const auto parsed = TimeOfDay::parse(*time)) showTime(item(id), *parsed);
    for (size_t day = 0; day < v.workDays.size(); ++day) check(IDC_MONDAY + static_cast<int>(day), v.workDays[day]);
    m_showing = false;
    enableInUse();
    markChanged(m_model.changed());
}

void RestPage::enableInUse()
{
    const auto enableFollowing = [this](int id, int count, bool on) {
        HWND control = item(id);
        for (int i = 0; i < count && control; ++i) {
            control = GetWindow(control, GW_HWNDNEXT);
            EnableWindow(control, on);
        }
    };
    enableFollowing(IDC_EYE_BREAK, kEyeBreakControls, m_model.inUse(Field::EyeBreakMinutes));
    enableFollowing(IDC_WORK_HOURS, kWorkHoursControls, m_model.inUse(Field::WorkFrom));
    // Nothing is recorded this run when the settings folder takes no writes.
    EnableWindow(item(IDC_RECORD_HISTORY), m_model.historyAvailable());
    EnableWindow(item(IDC_CLEAR_HISTORY), m_model.historyAvailable());
}

void RestPage::edited()
{
    Values v = m_model.values();
    for (const auto& [value, id] : kFlags) v.*value = checked(id);
    for (const auto& [value, id] : kTexts) v.*value = text(id);
    v.workFrom = pickedTime(item(IDC_WORK_FROM));
    v.workTo = pickedTime(item(IDC_WORK_TO));
    for (size_t day = 0; day < v.workDays.size(); ++day) v.workDays[day] = checked(IDC_MONDAY + static_cast<int>(day));
    m_model.setValues(v);
    enableInUse();
    markChanged(m_model.changed());
}

void RestPage::command(int id, int code)
{
    if (id == IDC_CLEAR_HISTORY) {
        if (code == BN_CLICKED) clearHistory();
        return;
    }
    if (!m_showing && (code == BN_CLICKED || code == EN_CHANGE)) edited();
}

void RestPage::clearHistory()
{
    const auto warn = [this](OptionsText text, UINT type) {
        return MessageBoxW(GetParent(hwnd()), widen(texts()(text)).c_str(),
                           widen(texts()(OptionsText::MessageTitle)).c_str(), type | MB_ICONWARNING);
    };
    if (warn(OptionsText::ClearHistoryQuestion, MB_YESNO | MB_DEFBUTTON2) == IDYES && !m_model.clearHistory())
        warn(OptionsText::ClearHistoryFailed, MB_OK);
}

void RestPage::notify(const NMHDR& header)
{
    if (header.code == DTN_DATETIMECHANGE && !m_showing) edited();
    if (header.code == UDN_DELTAPOS && header.idFrom == IDC_NOTICE_SPIN) {
        // The up-down steps by the delta its notification holds when it returns, so it can be bent
        // past the seconds no notice can have.
        auto& step = const_cast<NMUPDOWN&>(reinterpret_cast<const NMUPDOWN&>(header));
        step.iDelta = RestOptionsModel::noticeStep(step.iPos, step.iDelta) - step.iPos;
    }
}

bool RestPage::apply()
{
    const auto refused = m_model.apply();
    show();  // what the tray changed meanwhile, too
    if (!refused) return true;
    refuseAt(controlOf(*refused), m_model.error(*refused).value_or(""));
    return false;
}

}  // namespace vistrel::win32
