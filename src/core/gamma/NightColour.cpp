#include "gamma/NightColour.h"

#include <algorithm>
#include <cstdlib>

namespace vistrel {
namespace {

int clampKelvin(int kelvin) { return std::clamp(kelvin, NightSettings::kMinKelvin, NightSettings::kMaxKelvin); }

// What the user asks for may come from anywhere: what reaches the displays and the file is in range.
NightSettings normalised(NightSettings s)
{
    s.nightK = clampKelvin(s.nightK);
    s.dayK = std::max(clampKelvin(s.dayK), s.nightK);
    s.fadeMinutes = std::clamp(s.fadeMinutes, 0, NightSettings::kMaxFadeMinutes);
    const bool place = s.latitude && s.longitude && std::abs(*s.latitude) <= 90 && std::abs(*s.longitude) <= 180;
    if (!place) s.latitude = s.longitude = std::nullopt;
    return s;
}

}  // namespace

NightColour::NightColour(Profile& profile, const Clock& clock, DesktopServices& desktop, ColourAdjustment& colour)
    : m_profile(profile), m_clock(clock), m_desktop(desktop), m_colour(colour)
{
}

void NightColour::load()
{
    m_settings = NightSettings::read(m_profile);
    m_running = true;
    update(true);
}

void NightColour::tick()
{
    ++m_ticks;
    if (!m_running) return;
    const std::int64_t now = m_clock.now().seconds;
    // Full day or full night: nothing to do until the schedule moves again, or the clock is set back.
    if (!m_changing && now >= m_evaluatedAt && now < m_steadyUntil) return;
    update(false);
}

void NightColour::displaysChanged()
{
    if (m_running) update(true);
}

void NightColour::takeOff()
{
    if (!m_running) return;
    m_running = false;
    for (const DisplayRamps& display : std::vector<DisplayRamps>(m_colour.displays()))
        m_colour.setNightKelvin(display.name, kNeutralKelvin);
}

bool NightColour::apply(NightSettings settings)
{
    settings = normalised(std::move(settings));
    if (settings.mode == NightSettings::Mode::Off && settings.lastSchedule == NightSettings::Mode::Off)
        settings.lastSchedule = m_settings.schedule();
    m_settings = settings;
    const bool written = m_settings.write(m_profile);
    if (m_running) update(true);
    return written;
}

void NightColour::preview(int kelvin)
{
    m_preview = clampKelvin(kelvin);
    if (m_running) update(true);
}

void NightColour::endPreview()
{
    if (!m_preview) return;
    m_preview.reset();
    if (m_running) update(true);
}

std::vector<NightDisplayStatus> NightColour::displayStatus() const
{
    using State = NightDisplayStatus::State;
    std::vector<NightDisplayStatus> status;
    for (const DisplayRamps& d : m_colour.displays()) {
        if (d.hdr) status.push_back({d.name, State::Hdr, kNeutralKelvin});
        else if (d.nightLimit) status.push_back({d.name, State::Limited, *d.nightLimit});
        else status.push_back({d.name, State::Normal, kNeutralKelvin});
    }
    return status;
}

SunTimes NightColour::sunTimesToday(Place place) const
{
    const NightMoment m = moment();
    return sunTimes(m.local, static_cast<int>(m.utcOffsetSeconds), place);
}

void NightColour::setFallbackPlace(std::optional<Place> place)
{
    m_fallbackPlace = place;
    if (m_running) update(true);
}

bool NightColour::turnOn()
{
    NightSettings s = m_settings;
    s.mode = s.schedule();
    if (s.mode == NightSettings::Mode::Off) return false;
    m_pause.reset();
    apply(s);
    return true;
}

void NightColour::turnOff()
{
    NightSettings s = m_settings;
    s.lastSchedule = s.schedule();
    s.mode = NightSettings::Mode::Off;
    m_pause.reset();
    apply(s);
}

void NightColour::pauseForAnHour()
{
    const std::int64_t utc = m_clock.utcNow().seconds;
    m_pause = Pause{utc, utc + kPauseSeconds};
    if (m_running) update(false);
}

void NightColour::resume()
{
    if (!paused()) return;
    // The fade back in starts from wherever the fade out has got to.
    const std::int64_t utc = m_clock.utcNow().seconds;
    const std::int64_t faded = std::clamp<std::int64_t>(utc - m_pause->from, 0, kPauseFadeSeconds);
    m_pause->until = utc - (kPauseFadeSeconds - faded);
    if (m_running) update(false);
}

bool NightColour::paused() const { return m_pause && m_clock.utcNow().seconds < m_pause->until; }

std::optional<LocalTime> NightColour::pauseEnd() const
{
    if (!paused()) return std::nullopt;
    return LocalTime{m_clock.now().seconds + (m_pause->until - m_clock.utcNow().seconds)};
}

NightTarget NightColour::scheduled() const { return nightTarget(m_settings, moment(), place()); }

std::optional<LocalTime> NightColour::nextChange() const { return nextNightChange(m_settings, moment(), place()); }

bool NightColour::needsPlace() const { return m_settings.mode == NightSettings::Mode::Sun && !place(); }

NightMoment NightColour::moment() const { return {m_clock.now(), m_clock.utcOffsetSeconds()}; }

NightTarget NightColour::target()
{
    if (m_preview) return {*m_preview, false, false, NightTarget::kForever};
    const NightTarget scheduled = this->scheduled();
    if (!m_pause) return scheduled;

    const std::int64_t utc = m_clock.utcNow().seconds;
    const auto fade = static_cast<double>(kPauseFadeSeconds);
    double away = 1;  // how far the layer has faded out: 0 as scheduled, 1 gone
    if (utc >= m_pause->until + kPauseFadeSeconds) {
        m_pause.reset();
        return scheduled;
    }
    if (utc >= m_pause->until)
        away = 1 - static_cast<double>(utc - m_pause->until) / fade;
    else if (utc < m_pause->from + kPauseFadeSeconds)
        away = static_cast<double>(std::max<std::int64_t>(utc - m_pause->from, 0)) / fade;
    if (away >= 1) return {kNeutralKelvin, false, false, m_pause->until - utc};
    return {kelvinBetween(scheduled.kelvin, kNeutralKelvin, away), true, utc >= m_pause->until, 0};
}

void NightColour::update(bool atOnce)
{
    // A message box about a refused ramp runs its own message loop, and ticks with it.
    if (m_updating) return;
    m_updating = true;
    const std::int64_t now = m_clock.now().seconds;
    const NightTarget target = this->target();
    bool waiting = false;  // a display's write waits for its pace: look again at the next tick

    // A copy: a display event during such a box may change the list.
    for (const DisplayRamps& display : std::vector<DisplayRamps>(m_colour.displays())) {
        if (display.hdr && target.kelvin != kNeutralKelvin &&
            std::find(m_hdrTraced.begin(), m_hdrTraced.end(), display.name) == m_hdrTraced.end()) {
            m_hdrTraced.push_back(display.name);
            m_desktop.trace("night colour skipped on " + display.name + ": it is in advanced colour (HDR)");
        }
        const int floor = display.nightLimit.value_or(NightSettings::kMinKelvin);
        int kelvin = display.hdr ? kNeutralKelvin : std::max(target.kelvin, floor);
        const int moved = kelvin - display.nightKelvin;
        if (moved == 0) continue;
        std::int64_t& last = lastWriteTick(display.name);
        if (!atOnce && m_ticks - last < kChangeWriteTicks) {
            waiting = true;
            continue;
        }
        if (target.changing && !atOnce) {
            if (std::abs(moved) < kChangeStepKelvin) continue;
            // Whole steps: a slow change moves by exactly one each time.
            kelvin = display.nightKelvin + moved / kChangeStepKelvin * kChangeStepKelvin;
        }
        last = m_ticks;
        m_colour.setNightKelvin(display.name, kelvin);
    }
    m_changing = target.changing || waiting;
    m_evaluatedAt = now;
    m_steadyUntil = m_changing ? now : now + std::min(target.steadySeconds, NightTarget::kForever);
    m_updating = false;
}

std::int64_t& NightColour::lastWriteTick(const std::string& display)
{
    for (auto& [name, tick] : m_lastWrites)
        if (name == display) return tick;
    // Never written: the first write of a change may come at once.
    return m_lastWrites.emplace_back(display, m_ticks - kChangeWriteTicks).second;
}

}  // namespace vistrel
