#pragma once
#include <array>

#include "gamma/GammaRamp.h"

namespace vistrel {

// The adjustment the display shows: only the latest one the user made (or none), with its values.
// Each display's output is this adjustment of that display's own saved ramp.
struct RampAdjustment {
    enum class Kind { None, Brightness, Contrast, Gains };

    Kind kind = Kind::None;
    // Brightness or contrast in element 0; the red, green and blue gains in elements 0..2.
    std::array<int, 3> values{};

    static RampAdjustment none() { return {}; }
    static RampAdjustment brightness(int b) { return {Kind::Brightness, {b, 0, 0}}; }
    static RampAdjustment contrast(int k) { return {Kind::Contrast, {k, 0, 0}}; }
    static RampAdjustment gains(int r, int g, int b) { return {Kind::Gains, {r, g, b}}; }

    GammaRamp appliedTo(const GammaRamp& saved) const;

    friend bool operator==(const RampAdjustment&, const RampAdjustment&) = default;
};

}  // namespace vistrel
