#pragma once
#include <optional>

#include "gamma/SunPosition.h"

namespace vistrel::win32 {

// The middle of the user's home country or region as Windows' settings give it (the nation of
// "Country or region", with its latitude and longitude from the system's own table): a rough place
// to start the sunset-to-sunrise schedule from. Never the network. None when Windows has no answer.
std::optional<Place> homeRegion();

}  // namespace vistrel::win32
