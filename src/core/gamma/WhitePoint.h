#pragma once
#include <array>

#include "gamma/GammaRamp.h"

namespace vistrel {

// Per-channel factors that move the screen's white to a colour temperature, as a ramp's encoded
// outputs need them: red, green, blue, each 0..1.
using ChannelFactors = std::array<double, GammaRamp::kChannels>;

// The white of a black body at `kelvin` (clamped to 1900..6500): Planck's law seen by the CIE 1931
// 2° observer, in linear sRGB, balanced channel by channel against the same at 6500 K and scaled so
// that the largest channel is 1, then encoded with the sRGB curve. 6500 K is exactly {1, 1, 1}.
ChannelFactors whitePointFactors(int kelvin);

// Each entry of `ramp` times its channel's factor, to the nearest integer (halves to even), kept
// within 0..65535. Factors of exactly 1 leave the ramp as it is, bit for bit.
GammaRamp withWhitePoint(const GammaRamp& ramp, const ChannelFactors& factors);

}  // namespace vistrel
