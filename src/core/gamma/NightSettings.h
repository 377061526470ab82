#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "base/TimeOfDay.h"
#include "settings/Profile.h"

namespace vistrel {

// What the user chose for the night colour, as section `[night]` keeps it. Written when the user
// changes something, never by the exit sequence. A value that is missing, not a number or out of
// range reads as its default, so a hand-edited file can never switch on anything surprising.
struct NightSettings {
    enum class Mode { Off, Times, Sun };

    static constexpr int kMinKelvin = 1900;
    static constexpr int kMaxKelvin = 6500;  // the screen's own white: no layer at all
    static constexpr int kMaxFadeMinutes = 120;

    Mode mode = Mode::Off;
    int nightK = 3600;
    int dayK = 6500;  // never below nightK once read or validated
    TimeOfDay start = TimeOfDay::fromMinutes(21 * 60);  // the change to night begins
    TimeOfDay end = TimeOfDay::fromMinutes(7 * 60);     // the change to day begins
    int fadeMinutes = 30;                                // how long a change takes in Times mode
    // Decimal degrees, north and east positive; none until the user has given a place (the home
    // region Windows knows stands in for it meanwhile).
    std::optional<double> latitude;
    std::optional<double> longitude;
    // While the mode is off: the schedule turning the night colour back on brings back (Off: none
    // was ever chosen, so the user is asked for one).
    Mode lastSchedule = Mode::Off;

    // The schedule in force, or the one turning it back on would bring (Off: none known).
    Mode schedule() const { return mode != Mode::Off ? mode : lastSchedule; }

    static NightSettings read(const Profile& profile);
    // Writes every key as it stands. False when the file did not take a write.
    bool write(Profile& profile) const;
    // Whether the user ever chose a schedule (the section holds a mode other than off, or did).
    static bool everChosen(const Profile& profile);

    // The stored and typed forms, each none when out of range: the Options window validates with
    // these before anything is written.
    static std::optional<int> parseKelvin(std::string_view text);
    static std::optional<int> parseFadeMinutes(std::string_view text);
    static std::optional<double> parseLatitude(std::string_view text);   // -90..90
    static std::optional<double> parseLongitude(std::string_view text);  // -180..180
    static std::optional<Mode> parseMode(std::string_view text);         // "off", "times", "sun"
    static std::string_view modeText(Mode mode);

    friend bool operator==(const NightSettings&, const NightSettings&) = default;
};

// The screen's own white: a night layer at this temperature changes nothing.
inline constexpr int kNeutralKelvin = NightSettings::kMaxKelvin;

}  // namespace vistrel
