#include "gamma/NightSchedule.h"

#include <algorithm>
#include <cmath>

namespace vistrel {
namespace {

constexpr std::int64_t kDay = LocalTime::kSecondsPerDay;
// The sun's elevation changes by at most 15° an hour (its arc across the sky); refraction near the
// horizon adds a little, so a degree is taken to pass in no less than this many seconds.
constexpr double kSecondsPerDegree = 180;
// The search for the sun's next crossing looks this often, then narrows down to the second.
constexpr std::int64_t kSunSearchStep = 60;

// Where the schedule stands: how far from day (0) toward night (1), and for how long it stays put.
struct Phase {
    double nightFraction = 0;
    bool changing = false;
    bool towardNight = false;
    std::int64_t steadySeconds = NightTarget::kForever;
};

std::int64_t wrapDay(std::int64_t seconds)
{
    const std::int64_t r = seconds % kDay;
    return r < 0 ? r + kDay : r;
}

Phase timesPhase(const NightSettings& s, std::int64_t secondOfDay)
{
    const std::int64_t start = s.start.minuteOfDay() * std::int64_t{60};
    const std::int64_t end = s.end.minuteOfDay() * std::int64_t{60};
    const std::int64_t night = wrapDay(end - start);
    const std::int64_t day = kDay - night;
    if (night == 0) return {};
    const std::int64_t sinceStart = wrapDay(secondOfDay - start);
    const std::int64_t sinceEnd = wrapDay(secondOfDay - end);
    const bool nightPhase = sinceStart < night;
    if (s.fadeMinutes == 0)
        return nightPhase ? Phase{1, false, true, night - sinceStart} : Phase{0, false, false, day - sinceEnd};

    // Each change moves at one pace, from wherever the one before left off: a night (or a day)
    // shorter than the fade turns back before it is full. One of the two lasts at least twelve
    // hours, longer than any fade, so only the other can fall short.
    const double fade = s.fadeMinutes * 60.0;
    const auto seconds = [](std::int64_t n) { return static_cast<double>(n); };
    const double atEnd = seconds(night) >= fade ? 1.0 : seconds(night) / fade;
    const double atStart = seconds(night) >= fade ? std::max(0.0, 1.0 - seconds(day) / fade) : 0.0;
    if (nightPhase) {
        const double f = atStart + seconds(sinceStart) / fade;
        return f >= 1 ? Phase{1, false, true, night - sinceStart} : Phase{f, true, true, 0};
    }
    const double f = atEnd - seconds(sinceEnd) / fade;
    return f <= 0 ? Phase{0, false, false, day - sinceEnd} : Phase{f, true, false, 0};
}

double elevationAt(NightMoment m, std::int64_t later, Place place)
{
    return solarElevation(LocalTime{m.local.seconds + later}, static_cast<int>(m.utcOffsetSeconds), place);
}

std::int64_t steadyForDegrees(double margin) { return static_cast<std::int64_t>(margin * kSecondsPerDegree); }

Phase sunPhase(NightMoment m, Place place)
{
    const double e = elevationAt(m, 0, place);
    if (e <= kNightElevation) return {1, false, true, steadyForDegrees(kNightElevation - e)};
    if (e >= kDayElevation) return {0, false, false, steadyForDegrees(e - kDayElevation)};
    const double fraction = (kDayElevation - e) / (kDayElevation - kNightElevation);
    return {fraction, true, elevationAt(m, kSunSearchStep, place) < e, 0};
}

// None when the schedule asks for no layer at all: not even the day temperature.
std::optional<Phase> phaseAt(const NightSettings& settings, NightMoment moment, std::optional<Place> place)
{
    switch (settings.mode) {
    case NightSettings::Mode::Times: return timesPhase(settings, moment.local.secondOfDay());
    case NightSettings::Mode::Sun:
        if (place) return sunPhase(moment, *place);
        break;
    case NightSettings::Mode::Off: break;
    }
    return std::nullopt;
}

// When the sun first leaves the side of `threshold` it is on now, within a day, to the second.
std::optional<LocalTime> sunCrossing(NightMoment m, Place place, double threshold)
{
    const bool above = elevationAt(m, 0, place) > threshold;
    const auto crossed = [&](std::int64_t later) { return (elevationAt(m, later, place) > threshold) != above; };
    for (std::int64_t step = kSunSearchStep; step <= kDay; step += kSunSearchStep) {
        if (!crossed(step)) continue;
        std::int64_t before = step - kSunSearchStep, after = step;
        while (after - before > 1) {
            const std::int64_t middle = (before + after) / 2;
            (crossed(middle) ? after : before) = middle;
        }
        return LocalTime{m.local.seconds + after};
    }
    return std::nullopt;
}

}  // namespace

int kelvinBetween(int fromK, int toK, double fraction)
{
    const double f = std::clamp(fraction, 0.0, 1.0);
    const double fromMireds = 1e6 / fromK;
    const double mireds = fromMireds + f * (1e6 / toK - fromMireds);
    return static_cast<int>(std::nearbyint(1e6 / mireds));
}

std::optional<Place> nightPlace(const NightSettings& settings, std::optional<Place> fallback)
{
    if (settings.latitude && settings.longitude) return Place{*settings.latitude, *settings.longitude};
    return fallback;
}

NightTarget nightTarget(const NightSettings& settings, NightMoment moment, std::optional<Place> place)
{
    const std::optional<Phase> p = phaseAt(settings, moment, place);
    if (!p) return {};
    return {kelvinBetween(settings.dayK, settings.nightK, p->nightFraction), p->changing, p->towardNight,
            p->steadySeconds};
}

std::optional<LocalTime> nextNightChange(const NightSettings& settings, NightMoment moment,
                                         std::optional<Place> place)
{
    const std::optional<Phase> p = phaseAt(settings, moment, place);
    if (!p || p->changing || p->steadySeconds >= NightTarget::kForever) return std::nullopt;
    if (settings.mode == NightSettings::Mode::Times) return LocalTime{moment.local.seconds + p->steadySeconds};
    return sunCrossing(moment, *place, p->nightFraction >= 1 ? kNightElevation : kDayElevation);
}

}  // namespace vistrel
