#include "gamma/DisplaySet.h"

#include <algorithm>
#include <utility>

#include "gamma/RampReadBack.h"

namespace vistrel {

void DisplaySet::capture()
{
    std::vector<DisplayRamps> displays;
    for (std::string& name : m_device.displays()) displays.push_back(captured(std::move(name)));
    m_displays = std::move(displays);
}

void DisplaySet::replaceSaved(const GammaRamp& ramp)
{
    for (DisplayRamps& display : m_displays) display.saved = ramp;
}

std::vector<WriteReport> DisplaySet::write(const RampAdjustment& adjustment)
{
    std::vector<WriteReport> reports;
    for (DisplayRamps& display : m_displays)
        reports.push_back(writeRamp(display, adjustment.appliedTo(display.saved), Writer::User));
    return reports;
}

std::vector<WriteReport> DisplaySet::hold()
{
    std::vector<WriteReport> reports;
    for (DisplayRamps& display : m_displays) {
        if (!display.lastWritten || display.refused) continue;
        // An unreadable ramp tells nothing: rewriting blind is what this is here to avoid.
        const std::optional<GammaRamp> now = m_device.capture(display.name);
        if (now && !readsBackAs(*now, *display.lastWritten))
            reports.push_back(writeRamp(display, *display.lastWritten, Writer::System));
    }
    return reports;
}

std::vector<WriteReport> DisplaySet::follow(const std::optional<RampAdjustment>& adjustment)
{
    std::vector<std::string> names = m_device.displays();
    const auto gone = [&](const DisplayRamps& d) { return std::find(names.begin(), names.end(), d.name) == names.end(); };
    for (const DisplayRamps& d : m_displays)
        if (gone(d)) m_departed.push_back(d);
    std::erase_if(m_displays, gone);

    std::vector<WriteReport> reports;
    for (std::string& name : names) {
        const bool known = std::any_of(m_displays.begin(), m_displays.end(),
                                       [&](const DisplayRamps& d) { return d.name == name; });
        if (known) continue;
        DisplayRamps& added = m_displays.emplace_back(captured(std::move(name)));
        returning(added);
        if (adjustment) reports.push_back(writeRamp(added, adjustment->appliedTo(added.saved), Writer::System));
    }
    return reports;
}

void DisplaySet::returning(DisplayRamps& added)
{
    // A display plugged in again may still hold the ramp written to it before it went: captured
    // as its saved ramp, the adjustment would then be applied on top of itself.
    const auto before = std::find_if(m_departed.begin(), m_departed.end(),
                                     [&](const DisplayRamps& d) { return d.name == added.name; });
    if (before == m_departed.end()) return;
    if (before->lastWritten && readsBackAs(added.saved, *before->lastWritten)) added.saved = before->saved;
    m_departed.erase(before);
}

DisplayRamps DisplaySet::captured(std::string name)
{
    // An unreadable ramp, or one that reads back all zero, would turn every adjustment and every
    // restore into a black screen; the ramp that leaves colours as they are is the safe stand-in.
    const std::optional<GammaRamp> ramp = m_device.capture(name);
    return {std::move(name), ramp && !ramp->isAllZero() ? *ramp : GammaRamp::identity(), std::nullopt, false};
}

WriteReport DisplaySet::writeRamp(DisplayRamps& display, const GammaRamp& ramp, Writer writer)
{
    // Remembered even when the display refuses it: it is what the user asked for, and a display
    // that could not be read, or dropped a write of the system's, is looked at again by the next hold.
    display.lastWritten = ramp;
    const bool accepted = m_device.apply(display.name, ramp);
    const std::optional<GammaRamp> back = m_device.capture(display.name);
    const bool differs = back && !readsBackAs(*back, ramp);
    if (writer == Writer::User) display.refused = differs;
    using Outcome = WriteReport::Outcome;
    const Outcome notTaken = writer == Writer::User ? Outcome::Refused : Outcome::Dropped;
    return {display.name, !back ? Outcome::Unverified : differs ? notTaken : Outcome::Written, accepted};
}

}  // namespace vistrel
