#include "gamma/SunPosition.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vistrel {
namespace {

constexpr double kPi = std::numbers::pi;
double radians(double degrees) { return degrees * kPi / 180; }
double degrees(double radians) { return radians * 180 / kPi; }

// What the NOAA solar equations need of one moment: the sun's declination and the equation of
// time, both slow enough that a few minutes' error in the moment changes nothing visible.
struct SolarDay {
    double declination;     // radians
    double equationOfTime;  // minutes
};

SolarDay solarDay(double utcSeconds)
{
    const double julianDay = utcSeconds / 86400.0 + 2440587.5;
    const double t = (julianDay - 2451545.0) / 36525.0;  // Julian centuries since J2000.0
    const double meanLongitude = std::fmod(280.46646 + t * (36000.76983 + t * 0.0003032), 360.0);
    const double meanAnomaly = 357.52911 + t * (35999.05029 - 0.0001537 * t);
    const double eccentricity = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
    const double m = radians(meanAnomaly);
    const double centre = std::sin(m) * (1.914602 - t * (0.004817 + 0.000014 * t)) +
                          std::sin(2 * m) * (0.019993 - 0.000101 * t) + std::sin(3 * m) * 0.000289;
    const double omega = radians(125.04 - 1934.136 * t);
    const double apparentLongitude = radians(meanLongitude + centre - 0.00569 - 0.00478 * std::sin(omega));
    const double meanObliquity = 23 + (26 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60) / 60;
    const double obliquity = radians(meanObliquity + 0.00256 * std::cos(omega));
    const double y = std::pow(std::tan(obliquity / 2), 2);
    const double l0 = radians(meanLongitude);
    const double equationOfTime =
        4 * degrees(y * std::sin(2 * l0) - 2 * eccentricity * std::sin(m) +
                    4 * eccentricity * y * std::sin(m) * std::cos(2 * l0) - 0.5 * y * y * std::sin(4 * l0) -
                    1.25 * eccentricity * eccentricity * std::sin(2 * m));
    return {std::asin(std::sin(obliquity) * std::sin(apparentLongitude)), equationOfTime};
}

// Refraction lifts the sun near the horizon by up to about half a degree.
double refraction(double elevation)
{
    if (elevation > 85) return 0;
    const double t = std::tan(radians(elevation));
    double arcSeconds = 0;
    if (elevation > 5)
        arcSeconds = 58.1 / t - 0.07 / std::pow(t, 3) + 0.000086 / std::pow(t, 5);
    else if (elevation > -0.575)
        arcSeconds = 1735 + elevation * (-518.2 + elevation * (103.4 + elevation * (-12.79 + elevation * 0.711)));
    else
        arcSeconds = -20.772 / t;
    return arcSeconds / 3600;
}

double utcSecondsOf(LocalTime local, int utcOffsetSeconds)
{
    return static_cast<double>(local.seconds - utcOffsetSeconds);
}

// The local minute of the day at which the sun crosses the hour angle (degrees, negative in the
// morning), for a day with the given declination and equation of time; none when it never does.
std::optional<double> minuteOfEvent(const SolarDay& day, Place place, int utcOffsetSeconds, bool rising)
{
    const double latitude = radians(place.latitude);
    const double cosHourAngle = std::cos(radians(90.833)) / (std::cos(latitude) * std::cos(day.declination)) -
                                std::tan(latitude) * std::tan(day.declination);
    if (!(cosHourAngle >= -1 && cosHourAngle <= 1)) return std::nullopt;  // polar day or night
    const double hourAngle = degrees(std::acos(cosHourAngle));
    const double noon = 720 - 4 * place.longitude - day.equationOfTime + utcOffsetSeconds / 60.0;
    return noon + (rising ? -4 : 4) * hourAngle;
}

std::optional<LocalTime> eventOn(LocalTime local, int utcOffsetSeconds, Place place, bool rising)
{
    const std::int64_t midnight = local.seconds - local.secondOfDay();
    // First at local noon, then once more at the moment found: the sun's declination moves
    // enough in half a day to shift the event by a minute at high latitudes.
    double minute = 720;
    for (int pass = 0; pass < 2; ++pass) {
        const SolarDay day = solarDay(utcSecondsOf(LocalTime{midnight}, utcOffsetSeconds) + minute * 60);
        const auto found = minuteOfEvent(day, place, utcOffsetSeconds, rising);
        if (!found) return std::nullopt;
        minute = *found;
    }
    return LocalTime{midnight + static_cast<std::int64_t>(std::llround(minute * 60))};
}

}  // namespace

double solarElevation(LocalTime local, int utcOffsetSeconds, Place place)
{
    const SolarDay day = solarDay(utcSecondsOf(local, utcOffsetSeconds));
    const double minuteOfDay = static_cast<double>(local.secondOfDay()) / 60.0;
    const double trueSolarMinutes =
        std::fmod(minuteOfDay + day.equationOfTime + 4 * place.longitude - utcOffsetSeconds / 60.0 + 2880, 1440.0);
    const double hourAngle = radians(trueSolarMinutes / 4 - 180);
    const double latitude = radians(place.latitude);
    const double cosZenith = std::sin(latitude) * std::sin(day.declination) +
                             std::cos(latitude) * std::cos(day.declination) * std::cos(hourAngle);
    const double elevation = 90 - degrees(std::acos(std::clamp(cosZenith, -1.0, 1.0)));
    return elevation + refraction(elevation);
}

SunTimes sunTimes(LocalTime local, int utcOffsetSeconds, Place place)
{
    return {eventOn(local, utcOffsetSeconds, place, true), eventOn(local, utcOffsetSeconds, place, false)};
}

}  // namespace vistrel
