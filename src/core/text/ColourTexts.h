#pragma once
#include <span>

#include "text/TextEntry.h"

namespace vistrel {

// The colour panel `eyeset` and the screen colour's message boxes.
enum class ColourText {
    BrightnessHeading,  // `colo` element 0
    ContrastHeading,    // `colo` element 2
    GainsHeading,       // `colo` element 4
    Red,                // `colo` elements 5, 6 and 7
    Green,
    Blue,
    Reset,           // `Label8`
    TipsTitle,       // the backup file's boxes
    NoticeTitle,     // "reset" without a backup file
    NoBackup,        // no gamma backup file `monitor.txt`
    BackupUnusable,  // one that holds no usable ramp
    Done,            // "reset" has finished
    // {0} the display; Windows turned the ramp down.
    GammaRangeNotApplied,
    // {0} the display, {1} the warmest temperature it takes, in kelvin.
    GammaRangeNight,
    GammaRangeAdvice,  // where the registry setting lives, after either of the two above
    Count
};

const TextEntry<ColourText>& textEntry(ColourText id);
std::span<const TextEntry<ColourText>> textTable(ColourText);

}  // namespace vistrel
