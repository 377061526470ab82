#include "app/OptionsModel.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "app/Autostart.h"
#include "base/TextParsing.h"
#include "base/TimeOfDay.h"
#include "text/OptionsTexts.h"

namespace vistrel {
namespace {

using Mode = NightSettings::Mode;
using Field = OptionsModel::Field;
using General = OptionsModel::General;

// Degrees as a person writes them: up to four decimals (about ten metres), no trailing zeros.
std::string degreesText(double degrees)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", degrees);
    std::string result = text;
    result.erase(result.find_last_not_of('0') + 1);
    if (result.back() == '.') result.pop_back();
    return result == "-0" ? "0" : result;
}

std::optional<TimeOfDay> parseTime(const std::string& text) { return TimeOfDay::parse(trim(text)); }

}  // namespace

OptionsModel::OptionsModel(OptionsModelPorts ports) : m_ports(std::move(ports))
{
    m_general = m_generalRead = liveGeneral();
    loadNight();
}

// --- 常规 ---

OptionsModel::General OptionsModel::liveGeneral() const
{
    return {m_ports.desktop.startsWithWindows(), m_ports.texts.language()};
}

void OptionsModel::refreshGeneral()
{
    const General live = liveGeneral();
    if (m_general == m_generalRead) m_general = live;
    m_generalRead = live;
}

bool OptionsModel::applyGeneral()
{
    // Only what the user changed here: a value the tray changed meanwhile stays as the tray left it.
    refreshGeneral();
    const General live = m_generalRead;
    bool applied = true;
    if (m_general.startWithWindows != live.startWithWindows)
        applied = autostart::change(m_ports.desktop, m_general.startWithWindows, m_ports.texts);
    // Last: the change is announced to every window, this one included, which then reads it live.
    if (m_general.language != live.language && m_ports.setLanguage) m_ports.setLanguage(m_general.language);
    m_general = m_generalRead = liveGeneral();
    return applied;
}

// --- 夜间护眼 ---

void OptionsModel::loadNight()
{
    m_stored = NightSettings::read(m_ports.profile);
    m_mode = m_stored.mode;
    m_nightK = m_stored.nightK;
    std::optional<Place> place;
    if (m_stored.latitude && m_stored.longitude) place = Place{*m_stored.latitude, *m_stored.longitude};
    m_placeFromHomeRegion = !place && m_ports.homeRegion;
    if (!place) place = m_ports.homeRegion;
    m_texts = {m_stored.start.text(), m_stored.end.text(), std::to_string(m_stored.fadeMinutes),
               place ? degreesText(place->latitude) : "", place ? degreesText(place->longitude) : ""};
    m_textsRead = m_texts;
}

void OptionsModel::setText(Field field, std::string text)
{
    std::string& current = m_texts[index(field)];
    if (text == current) return;  // a control echoing what the page put in it is no edit
    if (field == Field::Latitude || field == Field::Longitude) m_placeFromHomeRegion = false;
    current = std::move(text);
}

bool OptionsModel::inUse(Field field) const
{
    switch (field) {
    case Field::Start:
    case Field::End:
    case Field::Fade: return m_mode == Mode::Times;
    case Field::Latitude:
    case Field::Longitude: return m_mode == Mode::Sun;
    }
    return false;
}

std::optional<std::string> OptionsModel::error(Field field) const
{
    const std::string& typed = text(field);
    const Texts& texts = m_ports.texts;
    switch (field) {
    case Field::Start:
        if (!parseTime(typed)) return texts(OptionsText::StartTimeRange);
        break;
    case Field::End:
        if (!parseTime(typed)) return texts(OptionsText::EndTimeRange);
        break;
    case Field::Fade:
        if (!NightSettings::parseFadeMinutes(typed))
            return texts(OptionsText::FadeRange, 0, NightSettings::kMaxFadeMinutes);
        break;
    case Field::Latitude:
        if (!NightSettings::parseLatitude(typed)) return texts(OptionsText::LatitudeRange);
        break;
    case Field::Longitude:
        if (!NightSettings::parseLongitude(typed)) return texts(OptionsText::LongitudeRange);
        break;
    }
    return std::nullopt;
}

std::optional<Field> OptionsModel::refusal() const
{
    for (const Field field : kFields)
        if (inUse(field) && error(field)) return field;
    return std::nullopt;
}

void OptionsModel::setNightKelvin(int kelvin)
{
    const int stepped = (kelvin + kKelvinStep / 2) / kKelvinStep * kKelvinStep;
    m_nightK = std::clamp(stepped, NightSettings::kMinKelvin, NightSettings::kMaxKelvin);
    if (m_ports.night.preview) {
        m_ports.night.preview(m_nightK);
        m_previewing = true;
    }
}

void OptionsModel::endPreview()
{
    if (!std::exchange(m_previewing, false)) return;
    if (m_ports.night.endPreview) m_ports.night.endPreview();
}

std::string OptionsModel::sunTimesText() const
{
    SunTimes times;
    const auto latitude = NightSettings::parseLatitude(text(Field::Latitude));
    const auto longitude = NightSettings::parseLongitude(text(Field::Longitude));
    if (latitude && longitude && m_ports.night.sunTimes) times = m_ports.night.sunTimes(Place{*latitude, *longitude});
    const auto timeText = [this](const std::optional<LocalTime>& time) {
        return time ? TimeOfDay::of(*time).text() : m_ports.texts(OptionsText::UnknownTime);
    };
    return m_ports.texts(OptionsText::SunTimes, timeText(times.sunset), timeText(times.sunrise));
}

std::string OptionsModel::displayStatusText() const
{
    if (!m_ports.night.displayStatus) return {};
    std::string joined;
    for (const NightDisplayStatus& status : m_ports.night.displayStatus()) {
        if (status.state == NightDisplayStatus::State::Normal) continue;
        // "\\.\DISPLAY2" is how Windows names it; "DISPLAY2" is what a user can match to Settings.
        std::string_view name = status.display;
        if (name.starts_with("\\\\.\\")) name.remove_prefix(4);
        if (!joined.empty()) joined += m_ports.texts(OptionsText::ListSeparator);
        joined += status.state == NightDisplayStatus::State::Hdr
                      ? m_ports.texts(OptionsText::DisplayHdr, name)
                      : m_ports.texts(OptionsText::DisplayLimit, name, status.limitKelvin);
    }
    return joined;
}

bool OptionsModel::nightChanged() const
{
    return m_mode != m_stored.mode || m_nightK != m_stored.nightK || m_texts != m_textsRead;
}

NightSettings OptionsModel::pendingNight() const
{
    // A field not in use may hold anything; only a valid one replaces what is stored.
    NightSettings s = m_stored;
    s.mode = m_mode;
    s.nightK = m_nightK;
    s.start = parseTime(text(Field::Start)).value_or(s.start);
    s.end = parseTime(text(Field::End)).value_or(s.end);
    s.fadeMinutes = NightSettings::parseFadeMinutes(text(Field::Fade)).value_or(s.fadeMinutes);
    const auto latitude = NightSettings::parseLatitude(text(Field::Latitude));
    const auto longitude = NightSettings::parseLongitude(text(Field::Longitude));
    // Windows' guess at the place becomes the user's only when the sun is what the night follows.
    const bool placeChosen = !m_placeFromHomeRegion || m_mode == Mode::Sun;
    if (latitude && longitude && placeChosen) {
        s.latitude = latitude;
        s.longitude = longitude;
    }
    return s;
}

std::optional<Field> OptionsModel::applyNight()
{
    if (const auto field = refusal()) return field;
    if (!nightChanged()) return std::nullopt;
    const NightSettings settings = pendingNight();
    endPreview();
    // A file that did not take the write has told the user so; the run goes on with the settings.
    settings.write(m_ports.profile);
    m_stored = settings;
    m_textsRead = m_texts;
    m_placeFromHomeRegion = m_placeFromHomeRegion && !settings.latitude;
    // The night colour writes what it puts in force too (what the tray's check item turns back on).
    if (m_ports.night.apply) m_ports.night.apply(settings);
    return std::nullopt;
}

}  // namespace vistrel
