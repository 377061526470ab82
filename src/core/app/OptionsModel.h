#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/DesktopServices.h"
#include "gamma/NightColour.h"
#include "gamma/NightSettings.h"
#include "gamma/SunPosition.h"
#include "settings/Profile.h"
#include "text/Texts.h"

namespace vistrel {

// What the night colour does for the Options window. Each hook may be empty: the window then still
// validates and writes `[night]`, and shows "—" where it would show what only the night colour knows.
struct NightHooks {
    std::function<void(const NightSettings&)> apply;           // the schedule follows settings just written
    std::function<void(int kelvin)> preview;                   // every display shows this night temperature now
    std::function<void()> endPreview;                          // back to what the schedule says
    std::function<std::vector<NightDisplayStatus>()> displayStatus;  // each display's state, in order
    std::function<SunTimes(Place)> sunTimes;                   // today's, at that place
};

struct OptionsModelPorts {
    Profile& profile;
    DesktopServices& desktop;  // start with Windows lives in the registry
    const Texts& texts;        // the run's, in the language in force
    NightHooks night;
    // The user's home region as Windows knows it: a rough place to start from while `[night]` holds none.
    std::optional<Place> homeRegion;
    // Saves `[extra]` `language` and announces the change to every window; none: the choice is not saved.
    std::function<void(Language)> setLanguage;
};

// The Options window's pages "常规" and "夜间护眼" without their pixels (RestOptionsModel is "休息"): the
// values they edit, as text and choices, and the verdict on them. Nothing is written until a page
// applies, and nothing invalid is written at all.
//
// "常规" edits the state the tray menu's check item shows, and the language; both are read live, and
// re-read whenever the page is shown again, so a change in one shows in the other. "夜间护眼" edits a
// NightSettings field by field: each typed field has its own error, and a field the chosen mode uses refuses the apply
// while it is invalid. A field the mode does not use cannot stop an apply: its last good value is
// kept until the user fixes it.
class OptionsModel {
public:
    struct General {
        bool startWithWindows = false;
        Language language = Language::Chinese;
        friend bool operator==(const General&, const General&) = default;
    };
    // The typed fields of "夜间护眼", in the page's tab order.
    enum class Field { Start, End, Fade, Latitude, Longitude };
    static constexpr std::array kFields = {Field::Start, Field::End, Field::Fade, Field::Latitude, Field::Longitude};
    static constexpr int kKelvinStep = 100;

    // Reads both pages' values as they stand.
    explicit OptionsModel(OptionsModelPorts ports);
    OptionsModel(const OptionsModel&) = delete;
    OptionsModel& operator=(const OptionsModel&) = delete;

    // --- 常规 ---
    const General& general() const { return m_general; }
    void setGeneral(const General& values) { m_general = values; }
    // Takes the live state again for every value the user has not changed here.
    void refreshGeneral();
    bool generalChanged() const { return m_general != m_generalRead; }
    // Puts every value changed here in force and saves it (a language only when it changed). False when
    // start with Windows could not be changed: the user has been told, and the page shows the real state.
    bool applyGeneral();

    // --- 夜间护眼 ---
    NightSettings::Mode mode() const { return m_mode; }
    void setMode(NightSettings::Mode mode) { m_mode = mode; }
    const std::string& text(Field field) const { return m_texts[index(field)]; }
    void setText(Field field, std::string text);
    // Whether the chosen mode uses the field (the page enables only those).
    bool inUse(Field field) const;
    // What is wrong with the field's text, in the user's words; none when it is valid.
    std::optional<std::string> error(Field field) const;
    // The first field that stops an apply.
    std::optional<Field> refusal() const;

    int nightKelvin() const { return m_nightK; }
    // To the trackbar's step and range; the screen shows it at once until the preview ends.
    void setNightKelvin(int kelvin);
    void endPreview();

    // "今日日落 19:32，日出 05:10" for the place typed in, "—" for what cannot be known.
    std::string sunTimesText() const;
    // The displays the night colour skips or limits, on one line; empty when none.
    std::string displayStatusText() const;

    bool nightChanged() const;
    // Writes `[night]` when something changed and every field in use is valid, then hands the
    // settings to the night colour. The field that refused otherwise; nothing is written then.
    std::optional<Field> applyNight();

private:
    static constexpr size_t index(Field field) { return static_cast<size_t>(field); }
    General liveGeneral() const;
    void loadNight();
    NightSettings pendingNight() const;

    OptionsModelPorts m_ports;

    General m_general;
    General m_generalRead;  // the live state when last read

    NightSettings m_stored;  // as `[night]` holds it
    NightSettings::Mode m_mode = NightSettings::Mode::Off;
    int m_nightK = 0;
    std::array<std::string, kFields.size()> m_texts;
    std::array<std::string, kFields.size()> m_textsRead;  // the texts as shown before any edit
    bool m_placeFromHomeRegion = false;  // the place shown is Windows' guess, not the user's choice
    bool m_previewing = false;
};

}  // namespace vistrel
