#pragma once
#include <optional>
#include <string>
#include <vector>

#include "controls/ProgButtonSchemes.h"

namespace vistrel {

// Pixel rectangle; right and bottom are exclusive for fills, as the platform's fills treat them.
struct ProgButtonRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend constexpr bool operator==(const ProgButtonRect&, const ProgButtonRect&) = default;
};

// A vertical two-colour gradient: `top` at the upper edge, `bottom` at the lower edge.
struct ProgButtonBand {
    ProgButtonRect rect;
    ProgButtonColor top;
    ProgButtonColor bottom;

    friend constexpr bool operator==(const ProgButtonBand&, const ProgButtonBand&) = default;
};

struct ProgButtonTextSize {
    int width = 0;
    int height = 0;
};

// Everything one redraw paints, in painting order, so a painter only has to replay it.
struct ProgButtonDisplay {
    static constexpr int kCornerSize = 5;  // width and height of the rounding ellipse

    // The window's shape: a rounded rectangle over (0, 0)-(width, height).
    int width = 0;
    int height = 0;

    int halfHeight = 0;  // where the upper and lower bands meet
    int right = 0;       // width - 1
    int bottom = 0;      // height - 1

    std::vector<ProgButtonBand> bands;  // face first, then the fill or pressed face; empty ones left out
    std::optional<int> fillWidth;       // progress mode only: the fill's right edge

    ProgButtonRect outline;  // drawn with kCornerSize corners, pen only
    ProgButtonColor outlineColor;

    std::string text;  // UTF-8; "&" marks the next character as underlined, "&&" is one "&"
    ProgButtonRect textRect;
    ProgButtonColor textColor;

    std::optional<ProgButtonRect> focusRect;  // button mode with focus only
};

}  // namespace vistrel
