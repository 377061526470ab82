#pragma once
#include "gamma/GammaRamp.h"

namespace vistrel {

// How far an entry may read back from what was written and still count as written. A display keeps
// only the precision its tables have: one that keeps 8 bits returns the high byte spread over 16
// bits ((v >> 8) * 257), up to 255 away from what it was given. A refused ramp reads back as the
// ramp before it, which for any visible adjustment is thousands away near the top of the table.
inline constexpr int kReadBackTolerance = 256;

// Whether `read` is what a display holding `written` reports, within that tolerance.
bool readsBackAs(const GammaRamp& read, const GammaRamp& written);

}  // namespace vistrel
