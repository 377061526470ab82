#include "gamma/WhitePoint.h"

#include <algorithm>
#include <cmath>

namespace vistrel {
namespace {

// One lobe of the CIE 1931 2° colour-matching functions as Wyman, Sloan and Shirley fit them
// ("Simple Analytic Approximations to the CIE XYZ Color Matching Functions", JCGT 2013): a
// Gaussian with a different width on each side of its peak. The fit is within a few thousandths
// of the tabulated functions, far closer than a ramp can show.
double lobe(double nm, double peak, double widthBelow, double widthAbove)
{
    const double t = (nm - peak) / (nm < peak ? widthBelow : widthAbove);
    return std::exp(-0.5 * t * t);
}

struct Rgb {
    double r, g, b;
};

// Linear sRGB (D65) of a black body at `kelvin`, at an arbitrary brightness: Planck's law
// weighted by the colour-matching functions, 380 to 780 nm in 5 nm steps, then the sRGB matrix.
Rgb blackBody(double kelvin)
{
    constexpr double kSecondRadiation = 1.4387769e-2;  // hc/k in metre kelvin
    double x = 0, y = 0, z = 0;
    for (int nm = 380; nm <= 780; nm += 5) {
        const double metres = nm * 1e-9;
        // The constant factor of Planck's law cancels in the balance below.
        const double radiance = 1.0 / (std::pow(metres, 5) * std::expm1(kSecondRadiation / (metres * kelvin)));
        x += radiance * (1.056 * lobe(nm, 599.8, 37.9, 31.0) + 0.362 * lobe(nm, 442.0, 16.0, 26.7) -
                         0.065 * lobe(nm, 501.1, 20.4, 26.2));
        y += radiance * (0.821 * lobe(nm, 568.8, 46.9, 40.5) + 0.286 * lobe(nm, 530.9, 16.3, 31.1));
        z += radiance * (1.217 * lobe(nm, 437.0, 11.8, 36.0) + 0.681 * lobe(nm, 459.0, 26.0, 13.8));
    }
    return {3.2404542 * x - 1.5371385 * y - 0.4985314 * z, -0.9692660 * x + 1.8760108 * y + 0.0415560 * z,
            0.0556434 * x - 0.2040259 * y + 1.0572252 * z};
}

double srgbEncoded(double linear)
{
    return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
}

}  // namespace

ChannelFactors whitePointFactors(int kelvin)
{
    constexpr int kNeutral = 6500;
    kelvin = std::clamp(kelvin, 1900, kNeutral);
    // Exactly neutral, not merely close: at the screen's own white nothing may change.
    if (kelvin == kNeutral) return {1.0, 1.0, 1.0};
    static const Rgb neutral = blackBody(kNeutral);
    const Rgb body = blackBody(kelvin);
    // Balanced in linear light, channel by channel against 6500 K, brightest channel 1.
    ChannelFactors linear = {body.r / neutral.r, body.g / neutral.g, body.b / neutral.b};
    const double largest = *std::max_element(linear.begin(), linear.end());
    ChannelFactors factors{};
    for (std::size_t c = 0; c < factors.size(); ++c)
        factors[c] = srgbEncoded(std::clamp(linear[c] / largest, 0.0, 1.0));
    return factors;
}

GammaRamp withWhitePoint(const GammaRamp& ramp, const ChannelFactors& factors)
{
    GammaRamp result = ramp;
    for (std::size_t c = 0; c < GammaRamp::kChannels; ++c) {
        const double factor = std::clamp(factors[c], 0.0, 1.0);
        if (factor == 1.0) continue;
        for (std::size_t i = 0; i < GammaRamp::kEntries; ++i) {
            // nearbyint rounds halves to even in the default rounding mode, which nothing here changes.
            const double value = std::nearbyint(ramp.at(c, i) * factor);
            result.at(c, i) = static_cast<std::uint16_t>(std::clamp(value, 0.0, 65535.0));
        }
    }
    return result;
}

}  // namespace vistrel
