#pragma once
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/DesktopServices.h"
#include "settings/Profile.h"
#include "controls/Slider.h"
#include "gamma/DisplaySet.h"
#include "gamma/GammaDevice.h"
#include "gamma/RampAdjustment.h"
#include "text/Texts.h"

namespace vistrel {

// The main window's screen colour state and its handlers: every display's saved and last-written
// ramp, the five sliders of the colour panel, the colour switch's text `eyerun` and the feature's
// on/off marks on the main page. The shell draws what this holds and forwards the user's and the
// system's events; the displays are reached only through the GammaDevice port. Every slider change
// recomputes each display's ramp from that display's saved ramp, so every display shows the latest
// adjustment alone and a calibrated display keeps its own differences.
class ColourAdjustment {
public:
    struct Hooks {
        std::function<void()> hideSettingsOverlay;  // hides `ppset` and whichever panel it shows
        std::function<void()> changed;              // something the shell draws has changed
    };

    static constexpr std::size_t kGainSliders = 3;
    // Timer1 ticks once a second; the safety net looks at the displays once a minute.
    static constexpr int kHoldTicks = 60;

    // `texts`: the run's, read each time a message box is shown.
    ColourAdjustment(Profile& profile, GammaDevice& device, DesktopServices& desktop, const Texts& texts,
                     Hooks hooks = {});
    ColourAdjustment(const ColourAdjustment&) = delete;
    ColourAdjustment& operator=(const ColourAdjustment&) = delete;

    // Captures each display's ramp as its saved ramp and puts the sliders at neutral, leaving the
    // displays as they are. Until this has run no handler writes a ramp and the switch is ignored.
    void colorload();
    // The colour switch's click handler; `on` is the switch's value after the click or assignment.
    void safeSwitch1Click(bool on);
    // The restore sequence: neutral sliders, the backup file re-read (its ramp becomes every
    // display's saved ramp), each display's saved ramp written.
    void command3Click();
    // The panel's "重置" (reset): the restore sequence with a closing message.
    void resetClick();
    // The panel's OK (`Image7`): closes the overlay and stores the five slider values.
    void okClick();
    // The platform resets ramps on its own (mode changes, resume, unlock, a display turned back on,
    // some full-screen programs); the shell calls this on those events. Each display whose ramp no
    // longer reads back as last written gets that ramp again, night layer included. Only while the
    // switch is on or a night layer is on: otherwise the ramps belong to whoever set them.
    void holdRamps();
    // Timer1's tick: every kHoldTicks-th one holds the ramps, for resets no event announced.
    void timer1Tick();
    // Displays may have come or gone: a removed one is forgotten, a new one captured and, while the
    // switch is on, given the current adjustment.
    void displaysChanged();
    // The night layer of one display: its designed ramp with the white point of `kelvin` on top
    // (kNeutralKelvin: the designed ramp alone), written when that changes what it shows. A
    // display that turns the ramp down is raised to the warmest temperature it takes, and the
    // user is told once per run which that is and how to widen Windows' range.
    void setNightKelvin(const std::string& display, int kelvin);

    // Slider1 brightness, Slider2 contrast, Slider3 elements 0..2 red, green and blue gains. The
    // shell's trackbars are views: a user move becomes setValue on these.
    Slider& slider1() { return m_slider1; }
    Slider& slider2() { return m_slider2; }
    Slider& slider3(std::size_t element) { return m_slider3.at(element); }
    const Slider& slider1() const { return m_slider1; }
    const Slider& slider2() const { return m_slider2; }
    const Slider& slider3(std::size_t element) const { return m_slider3.at(element); }

    // Value labels `colo` elements 1 (brightness) and 3 (contrast).
    const std::string& colo1Text() const { return m_colo1Text; }
    const std::string& colo3Text() const { return m_colo3Text; }
    // The feature's marks on the main page: `Label2` element 0 green, `edit` element 0 visible.
    bool captionGreen() const { return m_captionGreen; }
    bool settingsIconVisible() const { return m_settingsIconVisible; }

    // "1" or "0" once the switch handler has run; unset before, which removes `eye`/`pdrun` at exit.
    const std::optional<std::string>& eyerun() const { return m_eyerun; }
    // `liangdu`, `duibidu`, `rgbr`, `rgbg`, `rgbb` as decimal text, for the exit write.
    std::array<std::string, 5> exitValues() const;

    const std::vector<DisplayRamps>& displays() const { return m_displays.displays(); }
    const RampAdjustment& adjustment() const { return m_adjustment; }

private:
    enum class BackupOutcome { Read, Missing, Unusable };
    enum class Closing { Restore, Reset };

    void slider1Changed(int value);
    void slider2Changed(int value);
    void slider3Changed();
    void brightset(int value);                        // the brightness adjustment, written
    void channelset(int value, std::size_t channel);  // one channel's gain into the adjustment, not written
    void writeAdjustment(const RampAdjustment& adjustment);
    bool switchedOn() const;
    // Traces what did not take; the first refusal of a write the user made (a slider, the switch, a
    // reset or restore) also tells the user, once per run, why and what to do, and so does the
    // first night layer a display turned down. What a hold or a new display did not take is only
    // traced: it is tried again, and the advice would not apply.
    void report(const std::vector<WriteReport>& reports);
    void tellGammaRange(const std::string& what);
    void restore(Closing closing);
    void assignNeutralValues();
    BackupOutcome readBackup();
    int storedValue(std::string_view key, int min, int max, int neutral) const;
    void notifyChanged() const;

    Profile& m_profile;
    DesktopServices& m_desktop;
    const Texts& m_texts;
    Hooks m_hooks;

    bool m_loaded = false;
    DisplaySet m_displays;
    RampAdjustment m_adjustment;
    bool m_refusalTold = false;
    bool m_nightLimitTold = false;
    int m_ticks = 0;

    Slider m_slider1;
    Slider m_slider2;
    std::array<Slider, kGainSliders> m_slider3;
    // The panel's captions before load, as the window was designed.
    std::string m_colo1Text = "1";
    std::string m_colo3Text = "2";
    bool m_captionGreen = false;
    bool m_settingsIconVisible = false;
    std::optional<std::string> m_eyerun;
};

}  // namespace vistrel
