#include "gamma/NightSettings.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "base/TextParsing.h"
#include "settings/Ini.h"
#include "settings/SettingsKeys.h"

namespace vistrel {
namespace {

constexpr std::array<std::pair<NightSettings::Mode, std::string_view>, 3> kModes = {{
    {NightSettings::Mode::Off, "off"},
    {NightSettings::Mode::Times, "times"},
    {NightSettings::Mode::Sun, "sun"},
}};

std::optional<int> inRange(std::optional<int> value, int min, int max)
{
    if (!value || *value < min || *value > max) return std::nullopt;
    return value;
}

// A plain decimal number ("52.52", "-0.5"); no exponents, infinities or hex, which no user types
// for a place and which would only hide a typing slip.
std::optional<double> parseDegrees(std::string_view text, double limit)
{
    text = trim(text);
    if (text.empty() || text.size() > 32) return std::nullopt;
    for (const char c : text)
        if (!(c >= '0' && c <= '9') && c != '.' && c != '-' && c != '+') return std::nullopt;
    if (text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    if (value < -limit || value > limit) return std::nullopt;
    return value;
}

std::string degreesText(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", value);
    return text;
}

}  // namespace

std::optional<int> NightSettings::parseKelvin(std::string_view text)
{
    return inRange(parseInteger<int>(text), kMinKelvin, kMaxKelvin);
}

std::optional<int> NightSettings::parseFadeMinutes(std::string_view text)
{
    return inRange(parseInteger<int>(text), 0, kMaxFadeMinutes);
}

std::optional<double> NightSettings::parseLatitude(std::string_view text) { return parseDegrees(text, 90); }

std::optional<double> NightSettings::parseLongitude(std::string_view text) { return parseDegrees(text, 180); }

std::optional<NightSettings::Mode> NightSettings::parseMode(std::string_view text)
{
    text = trim(text);
    for (const auto& [mode, name] : kModes)
        if (equalsIgnoringAsciiCase(text, name)) return mode;
    return std::nullopt;
}

std::string_view NightSettings::modeText(Mode mode)
{
    for (const auto& [m, name] : kModes)
        if (m == mode) return name;
    return "off";
}

NightSettings NightSettings::read(const Profile& profile)
{
    using namespace settings;
    const auto value = [&](std::string_view key) { return readini(profile, kNight, key); };
    NightSettings s;
    s.mode = parseMode(value(kNightMode)).value_or(s.mode);
    s.nightK = parseKelvin(value(kNightKelvin)).value_or(s.nightK);
    s.dayK = parseKelvin(value(kDayKelvin)).value_or(s.dayK);
    if (s.dayK < s.nightK) s.dayK = s.nightK;
    s.start = TimeOfDay::parse(trim(value(kNightStart))).value_or(s.start);
    s.end = TimeOfDay::parse(trim(value(kNightEnd))).value_or(s.end);
    s.fadeMinutes = parseFadeMinutes(value(kNightFade)).value_or(s.fadeMinutes);
    // A place is a pair: half of one is no place.
    s.latitude = parseLatitude(value(kLatitude));
    s.longitude = parseLongitude(value(kLongitude));
    if (!s.latitude || !s.longitude) s.latitude = s.longitude = std::nullopt;
    s.lastSchedule = parseMode(value(kLastNightMode)).value_or(Mode::Off);
    return s;
}

bool NightSettings::write(Profile& profile) const
{
    using namespace settings;
    bool written = true;
    const auto put = [&](std::string_view key, std::optional<std::string> text) {
        written = profile.write(kNight, key, text) && written;
    };
    put(kNightMode, std::string(modeText(mode)));
    put(kNightKelvin, std::to_string(nightK));
    put(kDayKelvin, std::to_string(dayK < nightK ? nightK : dayK));
    put(kNightStart, start.text());
    put(kNightEnd, end.text());
    put(kNightFade, std::to_string(fadeMinutes));
    const bool place = latitude && longitude;
    put(kLatitude, place ? std::optional(degreesText(*latitude)) : std::nullopt);
    put(kLongitude, place ? std::optional(degreesText(*longitude)) : std::nullopt);
    put(kLastNightMode, lastSchedule != Mode::Off ? std::optional(std::string(modeText(lastSchedule))) : std::nullopt);
    return written;
}

bool NightSettings::everChosen(const Profile& profile)
{
    // A missing key reads as its own name, which is no mode.
    return parseMode(readini(profile, settings::kNight, settings::kNightMode)).has_value();
}

}  // namespace vistrel
