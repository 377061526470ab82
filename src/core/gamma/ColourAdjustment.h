#pragma once
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "app/DesktopServices.h"
#include "app/Profile.h"
#include "controls/Slider.h"
#include "gamma/GammaDevice.h"
#include "gamma/GammaRamp.h"

namespace vistrel {

// The main window's screen colour state and its handlers: the saved and output ramps, the five
// sliders of the colour panel, the colour switch's text `eyerun` and the feature's on/off marks on
// the main page. The shell draws what this holds and forwards the user's events; the display is
// reached only through the GammaDevice port. Every slider change recomputes a complete ramp from the
// saved ramp, so the display shows the latest adjustment alone.
class ColourAdjustment {
public:
    struct Hooks {
        std::function<void()> hideSettingsOverlay;  // hides `ppset` and whichever panel it shows
        std::function<void()> changed;              // something the shell draws has changed
    };

    static constexpr std::size_t kGainSliders = 3;

    ColourAdjustment(Profile& profile, GammaDevice& device, DesktopServices& desktop, Hooks hooks = {});
    ColourAdjustment(const ColourAdjustment&) = delete;
    ColourAdjustment& operator=(const ColourAdjustment&) = delete;

    // Captures the display's ramp as the saved ramp and puts the sliders at neutral, leaving the
    // display as it is. Until this has run no handler writes a ramp and the switch is ignored.
    void colorload();
    // The colour switch's click handler; `on` is the switch's value after the click or assignment.
    void safeSwitch1Click(bool on);
    // The restore sequence: neutral sliders, the backup file re-read, the saved ramp written.
    void command3Click();
    // The panel's "重置" (reset): the restore sequence with a closing message.
    void resetClick();
    // The panel's OK (`Image7`): closes the overlay and stores the five slider values.
    void okClick();
    // The platform drops gamma ramps on display mode changes and on resume from sleep; the shell
    // calls this then to put the last ramp back. Does nothing before the first write.
    void reapplyLastRamp();

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

    const GammaRamp& savedRamp() const { return m_saved; }
    const GammaRamp& outputRamp() const { return m_output; }
    const std::optional<GammaRamp>& lastWrittenRamp() const { return m_lastWritten; }

private:
    enum class BackupOutcome { Read, Missing, Unusable };
    enum class Closing { Restore, Reset };

    void slider1Changed(int value);
    void slider2Changed(int value);
    void slider3Changed();
    void brightset(int value);                        // the brightness adjustment, written
    void channelset(int value, std::size_t channel);  // one channel's gain into the output, not written
    void writeRamp(const GammaRamp& ramp);
    void restore(Closing closing);
    void assignNeutralValues();
    BackupOutcome readBackup();
    int storedValue(std::string_view key, int min, int max, int neutral) const;
    void notifyChanged() const;

    Profile& m_profile;
    GammaDevice& m_device;
    DesktopServices& m_desktop;
    Hooks m_hooks;

    bool m_loaded = false;
    GammaRamp m_saved;
    GammaRamp m_output;
    std::optional<GammaRamp> m_lastWritten;

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
