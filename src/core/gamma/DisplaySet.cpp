#include "gamma/DisplaySet.h"

#include <algorithm>
#include <utility>

#include "gamma/RampReadBack.h"

namespace vistrel {

void DisplaySet::capture()
{
    std::vector<DisplayRamps> displays;
    for (GammaDisplay& display : m_device.displays()) displays.push_back(captured(std::move(display)));
    m_displays = std::move(displays);
}

void DisplaySet::replaceSaved(const GammaRamp& ramp)
{
    for (DisplayRamps& display : m_displays) display.saved = ramp;
}

std::vector<WriteReport> DisplaySet::write(const RampAdjustment& adjustment)
{
    std::vector<WriteReport> reports;
    for (DisplayRamps& display : m_displays) {
        display.lastWritten = adjustment.appliedTo(display.saved);
        reports.push_back(writeRamp(display, Writer::User));
    }
    return reports;
}

std::vector<WriteReport> DisplaySet::hold(bool designedToo)
{
    std::vector<WriteReport> reports;
    for (DisplayRamps& display : m_displays) {
        const bool layered = display.nightKelvin != kNeutralKelvin;
        if (display.refused || !(layered || (designedToo && display.lastWritten))) continue;
        // An unreadable ramp tells nothing: rewriting blind is what this is here to avoid.
        const std::optional<GammaRamp> now = m_device.capture(display.name);
        if (now && !readsBackAs(*now, shown(display))) reports.push_back(writeRamp(display, Writer::System));
    }
    return reports;
}

std::vector<WriteReport> DisplaySet::follow(const std::optional<RampAdjustment>& adjustment)
{
    std::vector<GammaDisplay> listed = m_device.displays();
    const auto gone = [&](const DisplayRamps& d) {
        return std::none_of(listed.begin(), listed.end(), [&](const GammaDisplay& l) { return l.name == d.name; });
    };
    for (const DisplayRamps& d : m_displays)
        if (gone(d)) m_departed.push_back(d);
    std::erase_if(m_displays, gone);

    std::vector<WriteReport> reports;
    for (GammaDisplay& display : listed) {
        const auto known = std::find_if(m_displays.begin(), m_displays.end(),
                                        [&](const DisplayRamps& d) { return d.name == display.name; });
        if (known != m_displays.end()) {
            // Turned to HDR: its ramp means nothing now, and the layer is not written to it again.
            known->hdr = display.hdr;
            if (display.hdr) known->nightKelvin = kNeutralKelvin;
            continue;
        }
        DisplayRamps& added = m_displays.emplace_back(captured(std::move(display)));
        returning(added);
        if (!adjustment) continue;
        added.lastWritten = adjustment->appliedTo(added.saved);
        reports.push_back(writeRamp(added, Writer::System));
    }
    return reports;
}

std::optional<WriteReport> DisplaySet::setNight(const std::string& name, int kelvin)
{
    const auto display =
        std::find_if(m_displays.begin(), m_displays.end(), [&](const DisplayRamps& d) { return d.name == name; });
    if (display == m_displays.end()) return std::nullopt;
    const int floor = display->nightLimit.value_or(NightSettings::kMinKelvin);
    const int wanted = display->hdr ? kNeutralKelvin : std::clamp(kelvin, floor, kNeutralKelvin);
    if (wanted == display->nightKelvin) return std::nullopt;
    display->nightKelvin = wanted;
    if (display->refused) return std::nullopt;
    return writeRamp(*display, Writer::Night);
}

bool DisplaySet::layered() const
{
    return std::any_of(m_displays.begin(), m_displays.end(),
                       [](const DisplayRamps& d) { return d.nightKelvin != kNeutralKelvin; });
}

GammaRamp DisplaySet::shown(const DisplayRamps& display) const
{
    if (display.nightKelvin >= kNeutralKelvin) return display.designed();
    if (!m_factors || m_factors->first != display.nightKelvin)
        m_factors.emplace(display.nightKelvin, whitePointFactors(display.nightKelvin));
    return withWhitePoint(display.designed(), m_factors->second);
}

void DisplaySet::returning(DisplayRamps& added)
{
    // A display plugged in again may still hold the ramp written to it before it went: captured
    // as its saved ramp, the adjustment would then be applied on top of itself.
    const auto before = std::find_if(m_departed.begin(), m_departed.end(),
                                     [&](const DisplayRamps& d) { return d.name == added.name; });
    if (before == m_departed.end()) return;
    const bool written = before->lastWritten || before->nightKelvin != kNeutralKelvin;
    if (written && readsBackAs(added.saved, shown(*before))) added.saved = before->saved;
    added.nightLimit = before->nightLimit;
    m_departed.erase(before);
}

DisplayRamps DisplaySet::captured(GammaDisplay display)
{
    // An unreadable ramp, or one that reads back all zero, would turn every adjustment and every
    // restore into a black screen; the ramp that leaves colours as they are is the safe stand-in.
    const std::optional<GammaRamp> ramp = m_device.capture(display.name);
    DisplayRamps added;
    added.name = std::move(display.name);
    added.saved = ramp && !ramp->isAllZero() ? *ramp : GammaRamp::identity();
    added.hdr = display.hdr;
    return added;
}

WriteReport DisplaySet::writeRamp(DisplayRamps& display, Writer writer)
{
    using Outcome = WriteReport::Outcome;
    const int asked = display.nightKelvin;
    const std::optional<int> limitBefore = display.nightLimit;
    for (;;) {
        // lastWritten is kept even when the display refuses it: it is what the user asked for, and a
        // display that could not be read, or dropped a write of the system's, is looked at again by
        // the next hold.
        const GammaRamp ramp = shown(display);
        const bool accepted = m_device.apply(display.name, ramp);
        const std::optional<GammaRamp> back = m_device.capture(display.name);
        const bool differs = back && !readsBackAs(*back, ramp);
        // Without the wide gamma range Windows turns down ramps far from the identity: a warmer
        // layer may still be taken. The system's writes are only dropped, never raised.
        if (differs && writer != Writer::System && display.nightKelvin < kNeutralKelvin) {
            display.nightKelvin = std::min(display.nightKelvin + kNightLimitStep, kNeutralKelvin);
            continue;
        }
        WriteReport report{display.name, Outcome::Written, accepted};
        if (differs && display.nightKelvin != asked) {
            // Not even the designed ramp alone was taken: the layer was not what the display refused.
            display.nightKelvin = asked;
            display.nightLimit = limitBefore;
        } else if (display.nightKelvin != asked) {
            display.nightLimit = display.nightKelvin;
            report.nightLimitedTo = display.nightKelvin;
        }
        if (writer == Writer::User) display.refused = differs;
        const Outcome notTaken = writer == Writer::User ? Outcome::Refused : Outcome::Dropped;
        report.outcome = !back ? Outcome::Unverified : differs ? notTaken : Outcome::Written;
        return report;
    }
}

}  // namespace vistrel
