#pragma once
#include <cstddef>
#include <cstdint>

#include "gamma/GammaRamp.h"

namespace vistrel {

// The three colour adjustments. Each one starts again from the saved ramp, so the display always
// shows the latest adjustment alone. Results are exact rationals rounded half to even.

inline constexpr int kMinGain = -50;
inline constexpr int kMaxGain = 50;
inline constexpr int kNeutralGain = 0;
inline constexpr int kMinContrast = 1;
inline constexpr int kMaxContrast = 100;
inline constexpr int kNeutralContrast = 100;

// Brightness and colour gains. v < 0 dims the entry toward 0 (halved at -50); v > 0 shrinks the
// distance to full intensity (halved at 50). v is clamped to the slider's range first, so the
// result always lies in 0..65535.
std::uint16_t gainRule(int v, std::uint16_t u);

// Contrast in percent of the saved entry; k is clamped to the slider's range first.
std::uint16_t contrastRule(int k, std::uint16_t u);

// One channel of `output` from the same channel of `saved`; the other channels are left alone.
void gainChannel(GammaRamp& output, const GammaRamp& saved, std::size_t channel, int gain);

GammaRamp brightnessRamp(const GammaRamp& saved, int brightness);
GammaRamp contrastRamp(const GammaRamp& saved, int contrast);
GammaRamp gainRamp(const GammaRamp& saved, int red, int green, int blue);

}  // namespace vistrel
