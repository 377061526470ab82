#include "options/HomeRegion.h"

#include <windows.h>

#include <string>

#include "base/Text.h"
#include "base/Trace.h"
#include "gamma/NightSettings.h"

namespace vistrel::win32 {
namespace {

std::optional<double> geoDegrees(GEOID nation, GEOTYPE type)
{
    wchar_t text[32] = {};
    if (!GetGeoInfoW(nation, type, text, static_cast<int>(std::size(text)), 0)) {
        traceLastError(L"GetGeoInfoW");
        return std::nullopt;
    }
    const std::string degrees = narrow(text);
    return type == GEO_LATITUDE ? NightSettings::parseLatitude(degrees) : NightSettings::parseLongitude(degrees);
}

}  // namespace

std::optional<Place> homeRegion()
{
    const GEOID nation = GetUserGeoID(GEOCLASS_NATION);
    if (nation == GEOID_NOT_AVAILABLE) return std::nullopt;
    const auto latitude = geoDegrees(nation, GEO_LATITUDE);
    const auto longitude = geoDegrees(nation, GEO_LONGITUDE);
    // No country lies at 0° 0°: a table without the numbers (as Wine's) answers so.
    if (!latitude || !longitude || (*latitude == 0 && *longitude == 0)) return std::nullopt;
    return Place{*latitude, *longitude};
}

}  // namespace vistrel::win32
