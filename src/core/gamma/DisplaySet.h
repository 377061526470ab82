#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gamma/GammaDevice.h"
#include "gamma/GammaRamp.h"
#include "gamma/NightSettings.h"
#include "gamma/RampAdjustment.h"
#include "gamma/WhitePoint.h"

namespace vistrel {

// One display's ramps as the colour feature keeps them.
struct DisplayRamps {
    std::string name;
    GammaRamp saved;                       // captured from this display, or the backup file's ramp
    std::optional<GammaRamp> lastWritten;  // what the user asked this display for, taken or not
    // The user's last write did not read back as written: holds leave this display alone until the
    // user's next change, as writing the same ramp again cannot change the display's mind.
    bool refused = false;
    bool hdr = false;  // in advanced colour: the night layer stays off
    // The night layer: the white point of this temperature on top of the designed ramp.
    int nightKelvin = kNeutralKelvin;
    // Once the display turned a warmer layer down: the warmest it took, which holds for the run.
    std::optional<int> nightLimit{};

    // What the designed adjustment alone leaves on this display: its last write, else the saved ramp.
    const GammaRamp& designed() const { return lastWritten ? *lastWritten : saved; }
};

// What became of one write, judged by reading the display's ramp back: the platform's answer alone
// is no proof either way (a display may answer yes and keep its old ramp).
struct WriteReport {
    enum class Outcome {
        Written,     // reads back as written
        Refused,     // a write the user made reads back as another ramp
        Dropped,     // a write the system's events made reads back as another ramp: tried again at the next hold
        Unverified,  // the display's ramp could not be read back
    };
    std::string display;
    Outcome outcome = Outcome::Written;
    bool accepted = true;  // what the platform answered
    // The display turned the night layer down: this is the warmest temperature it took.
    std::optional<int> nightLimitedTo{};
};

// Every display's saved and last-written ramp, reached through the GammaDevice port. Each write is
// read back, so a display that ignores a ramp is reported rather than believed. What goes to a
// display is its designed ramp with its night layer on top; at kNeutralKelvin, the designed ramp
// itself, bit for bit. A display that turns a night ramp down is tried in steps of
// kNightLimitStep warmer until one is taken, and never warmer than that again in this run.
class DisplaySet {
public:
    static constexpr int kNightLimitStep = 100;

    explicit DisplaySet(GammaDevice& device) : m_device(device) {}
    DisplaySet(const DisplaySet&) = delete;
    DisplaySet& operator=(const DisplaySet&) = delete;

    // Lists the displays and keeps each one's own ramp as its saved ramp; nothing is written.
    void capture();
    // The backup file's ramp becomes every display's saved ramp.
    void replaceSaved(const GammaRamp& ramp);
    // The adjustment of each display's own saved ramp, written to that display.
    std::vector<WriteReport> write(const RampAdjustment& adjustment);
    // The last written ramp again, only on the displays whose ramp no longer reads back as it: one
    // read per display, a write only on a difference. A display that refused the user's write of
    // that ramp is left alone, and so is one without a night layer unless `designedToo`. A write
    // of its own that does not take is only reported (Dropped): drivers drop writes while a monitor
    // is off or settling after a mode change, so the next hold tries again.
    std::vector<WriteReport> hold(bool designedToo = true);
    // Lists the displays again: removed ones are dropped, new ones captured and, when an adjustment
    // is given, written with it. That write is the system's, not the user's: a display is often
    // announced before its mode has settled, so one that does not take it is tried again by the
    // next hold instead of being taken as refusing.
    std::vector<WriteReport> follow(const std::optional<RampAdjustment>& adjustment);
    // The night layer of one display at `kelvin`, written when that changes what the display
    // should show: never on a display in HDR, never warmer than its limit, and not on a display
    // that refused the user's ramp (it takes the layer with the user's next change). None when
    // nothing was written.
    std::optional<WriteReport> setNight(const std::string& display, int kelvin);
    // Whether any display carries a night layer.
    bool layered() const;
    // What the display should show: its designed ramp with its night layer.
    GammaRamp shown(const DisplayRamps& display) const;

    const std::vector<DisplayRamps>& displays() const { return m_displays; }

private:
    // Who caused a write: only the user's own changes can mark a display as refusing; the user's
    // and the night layer's raise a refused layer, the system's are only dropped.
    enum class Writer { User, System, Night };

    DisplayRamps captured(GammaDisplay display);
    void returning(DisplayRamps& added);
    WriteReport writeRamp(DisplayRamps& display, Writer writer);

    GammaDevice& m_device;
    std::vector<DisplayRamps> m_displays;
    std::vector<DisplayRamps> m_departed;  // displays removed in this run, by name
    // The white point of the last temperature asked for, as every display shows the same one.
    mutable std::optional<std::pair<int, ChannelFactors>> m_factors;
};

}  // namespace vistrel
