#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/Clock.h"
#include "base/DesktopServices.h"
#include "settings/Profile.h"
#include "gamma/ColourAdjustment.h"
#include "gamma/NightSchedule.h"
#include "gamma/NightSettings.h"
#include "gamma/SunPosition.h"

namespace vistrel {

// How the night layer fares on one display, as the Options window lists it.
struct NightDisplayStatus {
    enum class State {
        Normal,
        Hdr,      // in advanced colour (HDR): skipped
        Limited,  // turned warmer ramps down: held at limitKelvin
    };
    std::string display;
    State state = State::Normal;
    int limitKelvin = kNeutralKelvin;

    friend bool operator==(const NightDisplayStatus&, const NightDisplayStatus&) = default;
};

// The night colour: the screen warms in the evening and cools in the morning by itself, on every
// display, as a layer on top of whatever the designed adjustment leaves there. It follows the
// schedule of section `[night]` on Timer1's tick; outside a change the tick costs a comparison.
// During a change a display is written when its temperature has moved by kChangeStepKelvin, at
// most every kChangeWriteTicks ticks, in steps of kChangeStepKelvin while the change is slow
// enough for that (every fade of half an hour to the default night is). Everything the user does
// (settings, preview) and the start take effect at once.
class NightColour {
public:
    static constexpr int kChangeStepKelvin = 20;
    static constexpr int kChangeWriteTicks = 5;
    static constexpr std::int64_t kPauseSeconds = 60 * 60;
    // A pause fades the layer out, and back in when it ends, over this long.
    static constexpr std::int64_t kPauseFadeSeconds = 60;

    NightColour(Profile& profile, const Clock& clock, DesktopServices& desktop, ColourAdjustment& colour);
    NightColour(const NightColour&) = delete;
    NightColour& operator=(const NightColour&) = delete;

    // Reads `[night]` and puts on every display the layer the schedule asks for now. Runs after
    // the colour feature's load; until then nothing is written.
    void load();
    // Timer1's tick, once a second.
    void tick();
    // Displays came or went, or turned to HDR or back: each gets its layer at once.
    void displaysChanged();
    // The exit: every display gets what the designed adjustment alone leaves on it, and nothing
    // is written after this.
    void takeOff();

    // --- The Options window's operations ---
    // The settings in force.
    const NightSettings& settings() const { return m_settings; }
    // New settings (validated by the caller; out-of-range values are clamped all the same) take
    // effect at once and are written whole to `[night]`. False when the file did not take them;
    // they hold for this run all the same. Turning the mode off keeps the schedule it had, for
    // the tray's check item to bring back.
    bool apply(NightSettings settings);
    // Shows `kelvin` on every display at once, whatever the schedule says, until endPreview:
    // the night temperature's thumb while it moves.
    void preview(int kelvin);
    void endPreview();
    // Each display's state, in the order the displays are listed.
    std::vector<NightDisplayStatus> displayStatus() const;
    // Today's sunrise and sunset at `place`, as local times.
    SunTimes sunTimesToday(Place place) const;
    // The place sun mode follows while the user has given none: the home region's, which the shell
    // looks up. None (the start): sun mode puts no layer on, and the tray says a place is needed.
    void setFallbackPlace(std::optional<Place> place);
    std::optional<Place> fallbackPlace() const { return m_fallbackPlace; }

    // --- The tray menu's ---
    bool on() const { return m_settings.mode != NightSettings::Mode::Off; }
    // Turns the last schedule back on; false, changing nothing, when none was ever chosen.
    bool turnOn();
    void turnOff();
    // "暂停 1 小时": the layer fades out and comes back after an hour of real time; not kept in
    // the settings. resume() brings it back at once (fading in).
    void pauseForAnHour();
    void resume();
    bool paused() const;
    // When a pause ends, on the local clock.
    std::optional<LocalTime> pauseEnd() const;
    // What the schedule asks for now, and when its present day or night ends (none during a change).
    NightTarget scheduled() const;
    std::optional<LocalTime> nextChange() const;
    // Sun mode with no place to follow.
    bool needsPlace() const;

private:
    struct Pause {
        std::int64_t from = 0;   // UTC seconds
        std::int64_t until = 0;  // UTC seconds: the fade back in begins
    };

    NightMoment moment() const;
    std::optional<Place> place() const { return nightPlace(m_settings, m_fallbackPlace); }
    // The schedule with the pause and the preview on top.
    NightTarget target();
    // Evaluates the target and writes each display that needs it; `atOnce` skips the pacing of a
    // change.
    void update(bool atOnce);
    std::int64_t& lastWriteTick(const std::string& display);

    Profile& m_profile;
    const Clock& m_clock;
    DesktopServices& m_desktop;
    ColourAdjustment& m_colour;

    bool m_running = false;  // between load and takeOff
    bool m_updating = false;
    NightSettings m_settings;
    std::optional<Place> m_fallbackPlace;
    std::optional<int> m_preview;
    std::optional<Pause> m_pause;

    // The last evaluation: outside a change nothing is looked at again before m_steadyUntil,
    // unless the local clock is set back before m_evaluatedAt.
    bool m_changing = false;
    std::int64_t m_evaluatedAt = 0;
    std::int64_t m_steadyUntil = 0;
    std::int64_t m_ticks = 0;
    std::vector<std::pair<std::string, std::int64_t>> m_lastWrites;  // per display, in ticks
    std::vector<std::string> m_hdrTraced;  // displays whose skipping has been traced
};

}  // namespace vistrel
