#pragma once
#include <array>

#include "base/Twips.h"

// Where the colour panel's (`eyeset`) controls sit, in twips inside the panel. Back and OK are
// the panels' shared places in MainFormLayout.h.
namespace vistrel::layout::colour {

// `colo` elements 0, 2 and 4: the headings on their blue bands.
inline constexpr TwipsRect kBrightnessHeading{435, 225, 3735, 255};
inline constexpr TwipsRect kContrastHeading{435, 945, 3735, 255};
inline constexpr TwipsRect kGainsHeading{4320, 225, 4215, 255};
// `colo` elements 1 and 3: the brightness and contrast values.
inline constexpr TwipsRect kBrightnessValue{435, 585, 495, 255};
inline constexpr TwipsRect kContrastValue{435, 1305, 495, 255};
// `colo` elements 5, 6 and 7: the channel names beside the gain sliders.
inline constexpr std::array<TwipsRect, 3> kChannelNames{{{4320, 555, 495, 255},
                                                         {4320, 915, 495, 255},
                                                         {4320, 1275, 495, 255}}};
// `Slider1`, `Slider2`, `Slider3` elements 0 to 2.
inline constexpr std::array<TwipsRect, 5> kSliders{{{1395, 585, 2535, 255},
                                                    {1395, 1305, 2415, 255},
                                                    {4920, 570, 3495, 255},
                                                    {4920, 915, 3495, 255},
                                                    {4920, 1275, 3495, 255}}};
inline constexpr TwipsRect kReset{2205, 2010, 1050, 270};  // `Label8`, "重置"

}  // namespace vistrel::layout::colour
