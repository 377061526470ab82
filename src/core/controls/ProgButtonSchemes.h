#pragma once
#include <array>
#include <cstdint>
#include <optional>

namespace vistrel {

// One colour of the progress button, 8 bits per channel.
struct ProgButtonColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(const ProgButtonColor&, const ProgButtonColor&) = default;
};

// The nine colours C0..C8 one redraw uses:
// C0->C1 face upper half, C2->C3 face lower half, C4->C5 fill (or pressed face) upper half,
// C6->C7 fill lower half, C8 outline.
using ProgButtonColorSet = std::array<ProgButtonColor, 9>;

inline constexpr int kFirstProgButtonScheme = 1;
inline constexpr int kLastProgButtonScheme = 9;

// Schemes 1..7 are one pattern in seven hues (warm yellow, yellow-green, green, teal,
// blue-violet, magenta, red); 8 is sky blue and 9 green with grey.
inline constexpr std::array<ProgButtonColorSet, 9> kProgButtonSchemes{{
    {{{248, 246, 242}, {233, 227, 211}, {226, 215, 182}, {239, 233, 215}, {251, 244, 223},
      {239, 213, 133}, {203, 166, 57}, {237, 224, 187}, {204, 168, 62}}},
    {{{247, 248, 242}, {231, 233, 211}, {222, 226, 182}, {237, 239, 215}, {249, 251, 223},
      {230, 239, 133}, {190, 203, 57}, {233, 237, 187}, {192, 204, 62}}},
    {{{242, 248, 243}, {211, 233, 213}, {182, 226, 186}, {215, 239, 217}, {223, 251, 225},
      {133, 239, 142}, {57, 203, 70}, {187, 237, 191}, {62, 204, 74}}},
    {{{242, 248, 247}, {211, 233, 231}, {182, 226, 222}, {215, 239, 237}, {223, 251, 249},
      {133, 239, 230}, {57, 203, 190}, {187, 237, 233}, {62, 204, 192}}},
    {{{243, 242, 248}, {213, 211, 233}, {186, 182, 226}, {217, 215, 239}, {225, 223, 251},
      {142, 133, 239}, {70, 57, 203}, {191, 187, 237}, {74, 62, 204}}},
    {{{248, 242, 247}, {233, 211, 231}, {226, 182, 222}, {239, 215, 237}, {251, 223, 249},
      {239, 133, 230}, {203, 57, 190}, {237, 187, 233}, {204, 62, 192}}},
    {{{248, 242, 242}, {233, 211, 211}, {226, 182, 182}, {239, 215, 215}, {251, 223, 223},
      {239, 133, 133}, {203, 57, 57}, {237, 187, 187}, {204, 62, 62}}},
    {{{250, 253, 254}, {228, 243, 252}, {199, 230, 249}, {237, 247, 253}, {225, 247, 255},
      {67, 208, 255}, {63, 112, 233}, {63, 226, 246}, {23, 139, 211}}},
    {{{231, 243, 232}, {225, 219, 225}, {179, 189, 179}, {226, 238, 226}, {223, 251, 223},
      {108, 255, 108}, {26, 228, 26}, {217, 244, 217}, {188, 184, 188}}},
}};

// The colour set of scheme `number`, or nothing for a number outside 1..9.
constexpr std::optional<ProgButtonColorSet> progButtonScheme(std::int32_t number)
{
    if (number < kFirstProgButtonScheme || number > kLastProgButtonScheme) return std::nullopt;
    return kProgButtonSchemes[static_cast<std::size_t>(number - kFirstProgButtonScheme)];
}

}  // namespace vistrel
