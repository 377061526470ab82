#include <gtest/gtest.h>

#include <cmath>

#include "gamma/WhitePoint.h"

namespace vistrel {
namespace {

// Encoded sRGB factors worked out from the CIE 1931 2° chromaticities of the Planckian locus as
// colorimetry tables publish them (x, y at 2000 K 0.5267 0.4133, 3000 K 0.4369 0.4041, 4000 K
// 0.3805 0.3768, 5000 K 0.3451 0.3516, 6500 K 0.3135 0.3236): XYZ to linear sRGB, balanced against
// 6500 K, brightest channel 1, sRGB-encoded.
TEST(WhitePoint, FollowsThePlanckianLocusAndIsExactlyNeutralAt6500K)
{
    struct Case {
        int kelvin;
        ChannelFactors expected;
    };
    for (const Case& c : {Case{2000, {1, 0.558, 0.087}}, Case{3000, {1, 0.739, 0.430}},
                          Case{3600, {1, 0.81, 0.57}}, Case{4000, {1, 0.850, 0.650}},
                          Case{5000, {1, 0.926, 0.817}}}) {
        const ChannelFactors f = whitePointFactors(c.kelvin);
        for (std::size_t i = 0; i < f.size(); ++i) EXPECT_NEAR(f[i], c.expected[i], 0.03) << c.kelvin << " K";
    }
    EXPECT_EQ(whitePointFactors(6500), (ChannelFactors{1, 1, 1}));
    EXPECT_EQ(whitePointFactors(9000), (ChannelFactors{1, 1, 1}));
    EXPECT_EQ(whitePointFactors(1000), whitePointFactors(1900));
    // Warmer is never bluer: each step down takes green and blue down with it.
    for (int k = 1900; k < 6500; k += 100) {
        EXPECT_LT(whitePointFactors(k)[1], whitePointFactors(k + 100)[1]) << k;
        EXPECT_LE(whitePointFactors(k)[2], whitePointFactors(k + 100)[2]) << k;
    }
}

TEST(WhitePoint, ScalesEachChannelOfTheRampItIsGivenRoundingHalvesToEven)
{
    GammaRamp calibrated = GammaRamp::identity();
    for (std::size_t i = 0; i < GammaRamp::kEntries; ++i) calibrated.at(2, i) = static_cast<std::uint16_t>(250 * i);
    calibrated.at(1, 1) = 5;
    calibrated.at(1, 2) = 7;

    EXPECT_EQ(withWhitePoint(calibrated, {1, 1, 1}), calibrated);
    const GammaRamp warm = withWhitePoint(calibrated, {1, 0.5, 0.5});
    for (std::size_t i = 0; i < GammaRamp::kEntries; ++i) {
        EXPECT_EQ(warm.at(0, i), calibrated.at(0, i));
        EXPECT_EQ(warm.at(2, i), 125 * i) << "the calibration's own blue is scaled, not replaced";
    }
    EXPECT_EQ(warm.at(1, 1), 2);  // 2.5
    EXPECT_EQ(warm.at(1, 2), 4);  // 3.5
    EXPECT_EQ(withWhitePoint(GammaRamp::identity(), {1, 0, 2}).at(2, 255), 65535) << "kept within 16 bits";
}

}  // namespace
}  // namespace vistrel
