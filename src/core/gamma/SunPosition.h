#pragma once
#include <optional>

#include "base/Clock.h"

namespace vistrel {

// Where the sun stands, from the NOAA solar equations. `local` is the local wall-clock time and
// `utcOffsetSeconds` the offset of that moment (local minus UTC), so a daylight-saving day is right.
// Latitude and longitude are decimal degrees, north and east positive.
struct Place {
    double latitude = 0;
    double longitude = 0;
};

// The sun's elevation above the horizon in degrees (refraction included), -90..90.
double solarElevation(LocalTime local, int utcOffsetSeconds, Place place);

// Today's sunrise and sunset around `local`'s date, as local times of that day; none when the sun
// does not rise or does not set that day (polar night or day). Sunrise and sunset are where the
// upper limb meets the horizon (zenith 90.833°), as published tables give them.
struct SunTimes {
    std::optional<LocalTime> sunrise;
    std::optional<LocalTime> sunset;
};
SunTimes sunTimes(LocalTime local, int utcOffsetSeconds, Place place);

}  // namespace vistrel
