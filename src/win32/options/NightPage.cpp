#include "options/NightPage.h"

#include <cstdio>
#include <string>

#include "base/TimeOfDay.h"
#include "options/TimePicker.h"
#include "res/resource.h"

namespace vistrel::win32 {
namespace {

using Field = OptionsModel::Field;
using Mode = NightSettings::Mode;

constexpr int kKelvinPage = 500;  // Page Up and Page Down

struct FieldControl {
    Field field;
    int id;
};
constexpr FieldControl kFieldControls[] = {{Field::Start, IDC_START},
                                           {Field::End, IDC_END},
                                           {Field::Fade, IDC_FADE},
                                           {Field::Latitude, IDC_LATITUDE},
                                           {Field::Longitude, IDC_LONGITUDE}};

struct ModeButton {
    Mode mode;
    int id;
};
constexpr ModeButton kModeButtons[] = {
    {Mode::Off, IDC_MODE_OFF}, {Mode::Times, IDC_MODE_TIMES}, {Mode::Sun, IDC_MODE_SUN}};

using enum OptionsPageText;
constexpr OptionsPage::Label kLabels[] = {
    {IDC_MODE_GROUP, ModeGroup},
    {IDC_MODE_OFF, ModeOff},
    {IDC_MODE_TIMES, ModeTimes},
    {IDC_MODE_SUN, ModeSun},
    {IDC_TIMES_GROUP, TimesGroup},
    {IDC_START_LABEL, Start},
    {IDC_END_LABEL, End},
    {IDC_FADE_LABEL, Fade},
    {IDC_FADE_UNIT, FadeUnit},
    {IDC_SUN_GROUP, SunGroup},
    {IDC_LATITUDE_LABEL, Latitude},
    {IDC_LONGITUDE_LABEL, Longitude},
    {IDC_KELVIN_GROUP, KelvinGroup},
    {IDC_NIGHT_KELVIN_LABEL, Kelvin},
};

int controlOf(Field field)
{
    for (const auto& [f, id] : kFieldControls)
        if (f == field) return id;
    return 0;
}

}  // namespace

NightPage::NightPage(OptionsModel& model, const Texts& texts)
    : OptionsPage({IDD_OPTIONS_NIGHT, OptionsText::NightTab, kLabels}, texts), m_model(model)
{
}

void NightPage::init()
{
    for (const int id : {IDC_START, IDC_END}) initTimePicker(item(id));
    SendMessageW(item(IDC_FADE_SPIN), UDM_SETRANGE32, 0, NightSettings::kMaxFadeMinutes);
    SendMessageW(item(IDC_FADE), EM_SETLIMITTEXT, 3, 0);
    for (const int id : {IDC_LATITUDE, IDC_LONGITUDE}) SendMessageW(item(id), EM_SETLIMITTEXT, 12, 0);
    HWND bar = item(IDC_NIGHT_KELVIN);
    constexpr int step = OptionsModel::kKelvinStep;
    SendMessageW(bar, TBM_SETRANGE, FALSE,
                 MAKELPARAM(NightSettings::kMinKelvin / step, NightSettings::kMaxKelvin / step));
    SendMessageW(bar, TBM_SETPAGESIZE, 0, kKelvinPage / step);
    show();
}

void NightPage::show()
{
    for (const auto& [mode, id] : kModeButtons) check(id, m_model.mode() == mode);
    showTime(IDC_START, Field::Start);
    showTime(IDC_END, Field::End);
    for (const Field field : {Field::Fade, Field::Latitude, Field::Longitude})
        setText(controlOf(field), m_model.text(field));
    SendMessageW(item(IDC_NIGHT_KELVIN), TBM_SETPOS, TRUE,
                 (m_model.nightKelvin() + OptionsModel::kKelvinStep / 2) / OptionsModel::kKelvinStep);
    showKelvin();
    enableForMode();
    refresh();
}

void NightPage::showTime(int id, Field field)
{
    if (const auto time = TimeOfDay::parse(m_model.text(field))) win32::showTime(item(id), *time);
}

void NightPage::textsChanged()
{
    showKelvin();
    refresh();
}

void NightPage::showKelvin() { setText(IDC_NIGHT_KELVIN_TEXT, texts()(OptionsText::Kelvin, m_model.nightKelvin())); }

void NightPage::enableForMode()
{
    for (const auto& [field, id] : kFieldControls) {
        const bool on = m_model.inUse(field);
        enable(id, on);
        EnableWindow(GetWindow(item(id), GW_HWNDPREV), on);  // its label comes right before it
    }
    for (const int id : {IDC_FADE_SPIN, IDC_FADE_UNIT}) enable(id, m_model.inUse(Field::Fade));
    enable(IDC_SUN_TIMES, m_model.inUse(Field::Latitude));
}

void NightPage::refresh()
{
    if (!hwnd()) return;
    setText(IDC_SUN_TIMES, m_model.sunTimesText());
    setText(IDC_DISPLAY_STATUS, m_model.displayStatusText());
}

void NightPage::edited() { markChanged(m_model.nightChanged()); }

void NightPage::command(int id, int code)
{
    for (const auto& [mode, button] : kModeButtons) {
        if (id == button && code == BN_CLICKED) {
            m_model.setMode(mode);
            enableForMode();
            edited();
            return;
        }
    }
    if (code != EN_CHANGE) return;
    for (const auto& [field, control] : kFieldControls) {
        if (id != control) continue;
        m_model.setText(field, text(id));
        if (field == Field::Latitude || field == Field::Longitude) setText(IDC_SUN_TIMES, m_model.sunTimesText());
        edited();
    }
}

void NightPage::notify(const NMHDR& header)
{
    if (header.code != DTN_DATETIMECHANGE) return;
    const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
    const int id = static_cast<int>(header.idFrom);
    if (change.dwFlags != GDT_VALID || (id != IDC_START && id != IDC_END)) return;
    m_model.setText(id == IDC_START ? Field::Start : Field::End, timeText(change.st));
    edited();
}

void NightPage::scroll(HWND control)
{
    if (control != item(IDC_NIGHT_KELVIN)) return;
    const int kelvin = static_cast<int>(SendMessageW(control, TBM_GETPOS, 0, 0)) * OptionsModel::kKelvinStep;
    if (kelvin == m_model.nightKelvin()) return;
    m_model.setNightKelvin(kelvin);  // the screen follows the thumb
    showKelvin();
    edited();
}

bool NightPage::apply()
{
    const auto refused = m_model.applyNight();
    if (!refused) {
        edited();
        return true;
    }
    refuseAt(controlOf(*refused), m_model.error(*refused).value_or(""));
    return false;
}

}  // namespace vistrel::win32
