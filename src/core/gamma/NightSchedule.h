#pragma once
#include <cstdint>
#include <limits>
#include <optional>

#include "base/Clock.h"
#include "gamma/NightSettings.h"
#include "gamma/SunPosition.h"

namespace vistrel {

// One moment as the schedule needs it: the local wall-clock time and how far it stands from UTC
// (local minus UTC), so that the sun is placed right on a daylight-saving day.
struct NightMoment {
    LocalTime local;
    std::int64_t utcOffsetSeconds = 0;
};

// What the schedule asks of the screen at one moment.
struct NightTarget {
    static constexpr std::int64_t kForever = std::numeric_limits<std::int64_t>::max() / 4;

    int kelvin = kNeutralKelvin;
    bool changing = false;  // a change between day and night is under way
    // Which way that change goes; outside a change, whether it is night.
    bool towardNight = false;
    // Outside a change: seconds for which the target stays as it is, at least.
    std::int64_t steadySeconds = kForever;
};

// The sun's elevations (degrees) at and below which it is night, and at and above which it is day.
inline constexpr double kNightElevation = -6.0;  // the end of civil twilight
inline constexpr double kDayElevation = 3.0;

// The temperature `fraction` (0..1) of the way from `fromK` to `toK`, linear in mireds (10^6 / K),
// which the eye sees as even steps; whole kelvin, halves to even.
int kelvinBetween(int fromK, int toK, double fraction);

// The place sun mode follows: the user's own, else the fallback (the home region's); none when
// neither is known, and sun mode then asks for no layer.
std::optional<Place> nightPlace(const NightSettings& settings, std::optional<Place> fallback);

// The schedule at one moment. Mode off, and sun mode without a place, ask for no layer. In times
// mode the change to night begins at `start` and the change to day at `end`, each taking `fade`
// minutes; a night shorter than the fade turns back before it is full, and a start equal to the
// end makes no night at all.
NightTarget nightTarget(const NightSettings& settings, NightMoment moment, std::optional<Place> place);

// When the state the schedule is in at `moment` (full day or full night) ends and the next change
// begins, within a day; none during a change, with mode off, sun mode without a place, or a sun
// that stays up or down all that day.
std::optional<LocalTime> nextNightChange(const NightSettings& settings, NightMoment moment,
                                         std::optional<Place> place);

}  // namespace vistrel
