#include <gtest/gtest.h>

#include <cmath>

#include "gamma/GammaMath.h"

namespace vistrel {
namespace {

constexpr std::size_t kEntry[] = {0, 1, 128, 255};

struct Row {
    const char* name;
    GammaRamp (*adjust)(const GammaRamp&);
    std::uint16_t expected[4];  // entries 0, 1, 128, 255
};

// The worked rows on a linear ramp (entry i = 257 i), checked in every channel.
TEST(GammaMath, WorkedRowsOnTheLinearRamp)
{
    const Row rows[] = {
        {"brightness -50", [](const GammaRamp& s) { return brightnessRamp(s, -50); }, {0, 128, 16448, 32768}},
        {"brightness -30", [](const GammaRamp& s) { return brightnessRamp(s, -30); }, {0, 180, 23027, 45874}},
        {"brightness 0", [](const GammaRamp& s) { return brightnessRamp(s, 0); }, {0, 257, 32896, 65535}},
        {"brightness 20", [](const GammaRamp& s) { return brightnessRamp(s, 20); }, {13107, 13313, 39424, 65535}},
        {"brightness 50", [](const GammaRamp& s) { return brightnessRamp(s, 50); }, {32768, 32896, 49216, 65535}},
        {"contrast 100", [](const GammaRamp& s) { return contrastRamp(s, 100); }, {0, 257, 32896, 65535}},
        {"contrast 60", [](const GammaRamp& s) { return contrastRamp(s, 60); }, {0, 154, 19738, 39321}},
        {"contrast 1", [](const GammaRamp& s) { return contrastRamp(s, 1); }, {0, 3, 329, 655}},
    };
    const GammaRamp linear = GammaRamp::identity();
    for (const Row& row : rows) {
        const GammaRamp out = row.adjust(linear);
        for (std::size_t c = 0; c < GammaRamp::kChannels; ++c)
            for (std::size_t j = 0; j < 4; ++j)
                EXPECT_EQ(out.at(c, kEntry[j]), row.expected[j]) << row.name << " channel " << c << " entry " << kEntry[j];
    }
}

TEST(GammaMath, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(gainRule(-50, 257), 128);      // 128.5
    EXPECT_EQ(gainRule(-50, 65535), 32768);  // 32767.5
    EXPECT_EQ(gainRule(-30, 65535), 45874);  // 45874.5
    EXPECT_EQ(gainRule(50, 0), 32768);       // 32767.5
    EXPECT_EQ(gainRule(50, 32896), 49216);   // 49215.5
    EXPECT_EQ(gainRule(-50, 1), 0);          // 0.5
    EXPECT_EQ(gainRule(-50, 3), 2);          // 1.5
    EXPECT_EQ(contrastRule(50, 1), 0);       // 0.5
    EXPECT_EQ(contrastRule(50, 3), 2);       // 1.5
    EXPECT_EQ(contrastRule(1, 65535), 655);  // 655.35
}

// Every value of the slider ranges against every entry, with a floating-point reference: n / 100
// is exact in a double whenever it is a half, so nearbyint's ties-to-even is a faithful oracle.
TEST(GammaMath, RulesMatchExactRoundingEverywhere)
{
    for (int v = kMinGain; v <= kMaxGain; ++v) {
        for (std::int32_t u = 0; u <= 65535; ++u) {
            const double exact = v <= 0 ? (100.0 + v) * u / 100.0 : 65535.0 - (100.0 - v) * (65535.0 - u) / 100.0;
            const auto got = gainRule(v, static_cast<std::uint16_t>(u));
            if (got != std::nearbyint(exact)) FAIL() << "gain " << v << " entry " << u << " gave " << got;
        }
    }
    for (int k = kMinContrast; k <= kMaxContrast; ++k) {
        for (std::int32_t u = 0; u <= 65535; ++u) {
            const auto got = contrastRule(k, static_cast<std::uint16_t>(u));
            if (got != std::nearbyint(k * u / 100.0)) FAIL() << "contrast " << k << " entry " << u << " gave " << got;
        }
    }
}

// A calibrated display: channels that differ, and not monotonic everywhere.
GammaRamp calibrated()
{
    GammaRamp ramp;
    for (std::size_t i = 0; i < GammaRamp::kEntries; ++i) {
        ramp.at(0, i) = static_cast<std::uint16_t>(255 * i);
        ramp.at(1, i) = static_cast<std::uint16_t>(257 * i);
        ramp.at(2, i) = static_cast<std::uint16_t>(65535 - 250 * i);
    }
    return ramp;
}

TEST(GammaMath, NeutralValuesReproduceTheSavedRamp)
{
    const GammaRamp saved = calibrated();
    EXPECT_EQ(brightnessRamp(saved, kNeutralGain), saved);
    EXPECT_EQ(contrastRamp(saved, kNeutralContrast), saved);
    EXPECT_EQ(gainRamp(saved, 0, 0, 0), saved);
}

TEST(GammaMath, EachChannelIsScaledFromItsOwnTable)
{
    const GammaRamp saved = calibrated();
    const GammaRamp dim = brightnessRamp(saved, -50);
    const GammaRamp flat = contrastRamp(saved, 60);
    for (std::size_t c = 0; c < GammaRamp::kChannels; ++c) {
        for (std::size_t i = 0; i < GammaRamp::kEntries; ++i) {
            ASSERT_EQ(dim.at(c, i), gainRule(-50, saved.at(c, i)));
            ASSERT_EQ(flat.at(c, i), contrastRule(60, saved.at(c, i)));
        }
    }
    EXPECT_NE(dim.at(0, 200), dim.at(1, 200));
    EXPECT_NE(dim.at(1, 200), dim.at(2, 200));
}

TEST(GammaMath, GainsTouchOnlyTheirOwnChannel)
{
    const GammaRamp linear = GammaRamp::identity();
    const GammaRamp out = gainRamp(linear, 0, 0, -50);
    const GammaRamp dim = brightnessRamp(linear, -50);
    for (std::size_t i = 0; i < GammaRamp::kEntries; ++i) {
        ASSERT_EQ(out.at(0, i), linear.at(0, i));
        ASSERT_EQ(out.at(1, i), linear.at(1, i));
        ASSERT_EQ(out.at(2, i), dim.at(2, i));
    }

    GammaRamp partial = linear;
    gainChannel(partial, linear, 1, 30);
    gainChannel(partial, linear, 7, 30);  // no such channel: nothing happens
    EXPECT_EQ(partial.at(0, 10), linear.at(0, 10));
    EXPECT_EQ(partial.at(1, 10), gainRule(30, linear.at(1, 10)));
}

TEST(GammaMath, ValuesOutsideTheSliderRangesAreClamped)
{
    const GammaRamp linear = GammaRamp::identity();
    EXPECT_EQ(brightnessRamp(linear, -1000), brightnessRamp(linear, -50));
    EXPECT_EQ(brightnessRamp(linear, 1000), brightnessRamp(linear, 50));
    EXPECT_EQ(contrastRamp(linear, 0), contrastRamp(linear, 1));
    EXPECT_EQ(contrastRamp(linear, 250), linear);
}

}  // namespace
}  // namespace vistrel
