#pragma once
#include <string_view>

namespace vistrel {

// A slider position as the settings file holds it. The text may be anything: a missing key reads
// as the key's own name and the file is editable by hand. A whole number (optional minus sign,
// decimal digits, blanks around it) is clamped to min..max; anything else gives `neutral`, so a
// damaged setting never leaves the screen darker than the user chose.
int sliderValueFromSetting(std::string_view text, int min, int max, int neutral);

}  // namespace vistrel
