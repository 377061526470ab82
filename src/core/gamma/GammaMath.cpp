#include "gamma/GammaMath.h"

#include <algorithm>

namespace vistrel {
namespace {

// numerator / 100 for a non-negative numerator, ties to the even neighbour. Integers only, so the
// halfway cases (128.5, 32767.5, ...) come out the same on every compiler and FPU.
constexpr std::uint16_t roundPercent(std::int32_t numerator)
{
    std::int32_t quotient = numerator / 100;
    const std::int32_t remainder = numerator % 100;
    if (remainder > 50 || (remainder == 50 && quotient % 2 != 0)) ++quotient;
    return static_cast<std::uint16_t>(quotient);
}

constexpr std::int32_t kFull = 65535;

}  // namespace

std::uint16_t gainRule(int v, std::uint16_t u)
{
    v = std::clamp(v, kMinGain, kMaxGain);
    if (v == 0) return u;
    if (v < 0) return roundPercent((100 + v) * static_cast<std::int32_t>(u));
    // 65535 - (100 - v)(65535 - u)/100, kept as one non-negative numerator so that the rounding
    // applies to the final value rather than to the subtracted part.
    return roundPercent(100 * kFull - (100 - v) * (kFull - static_cast<std::int32_t>(u)));
}

std::uint16_t contrastRule(int k, std::uint16_t u)
{
    k = std::clamp(k, kMinContrast, kMaxContrast);
    return roundPercent(k * static_cast<std::int32_t>(u));
}

void gainChannel(GammaRamp& output, const GammaRamp& saved, std::size_t channel, int gain)
{
    if (channel >= GammaRamp::kChannels) return;
    for (std::size_t i = 0; i < GammaRamp::kEntries; ++i)
        output.at(channel, i) = gainRule(gain, saved.at(channel, i));
}

GammaRamp brightnessRamp(const GammaRamp& saved, int brightness)
{
    GammaRamp output;
    for (std::size_t c = 0; c < GammaRamp::kChannels; ++c) gainChannel(output, saved, c, brightness);
    return output;
}

GammaRamp contrastRamp(const GammaRamp& saved, int contrast)
{
    GammaRamp output;
    std::transform(saved.values.begin(), saved.values.end(), output.values.begin(),
                   [contrast](std::uint16_t u) { return contrastRule(contrast, u); });
    return output;
}

GammaRamp gainRamp(const GammaRamp& saved, int red, int green, int blue)
{
    GammaRamp output;
    gainChannel(output, saved, 0, red);
    gainChannel(output, saved, 1, green);
    gainChannel(output, saved, 2, blue);
    return output;
}

}  // namespace vistrel
