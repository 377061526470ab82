#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace vistrel {

// The display's lookup table: 256 entries per channel, red table, then green, then blue.
struct GammaRamp {
    static constexpr std::size_t kEntries = 256;
    static constexpr std::size_t kChannels = 3;

    std::array<std::uint16_t, kEntries * kChannels> values{};

    std::uint16_t& at(std::size_t channel, std::size_t entry) { return values[channel * kEntries + entry]; }
    std::uint16_t at(std::size_t channel, std::size_t entry) const { return values[channel * kEntries + entry]; }

    // Entry i = 257 × i in every channel: the ramp that leaves colours as they are.
    static GammaRamp identity()
    {
        GammaRamp ramp;
        for (std::size_t c = 0; c < kChannels; ++c)
            for (std::size_t i = 0; i < kEntries; ++i)
                ramp.at(c, i) = static_cast<std::uint16_t>(257 * i);
        return ramp;
    }

    // What a display reports when it has no readable ramp; written back, it blacks out the screen.
    bool isAllZero() const
    {
        for (std::uint16_t v : values)
            if (v != 0) return false;
        return true;
    }

    friend bool operator==(const GammaRamp&, const GammaRamp&) = default;
};

}  // namespace vistrel
