#pragma once
#include <span>

#include "text/TextEntry.h"

namespace vistrel {

// The main window `Form1`: its top strip, the two feature tiles, and the Back and OK images every
// settings panel carries.
enum class MainWindowText {
    Title,              // the top strip's title
    ColourCaption,      // `Label2` element 0
    ColourDescription,  // `Label3` element 0
    RestCaption,        // `Label2` element 1
    WorkLabel,          // `Label3` element 1
    RestLabel,          // `Label6`
    Minutes,            // after each of the two minute values
    NextRest,           // on `Picture1`, above the next rest time
    AboutTip,           // `Image1`
    MinimiseTip,        // `Image10`
    ExitTip,            // `Image2`
    BackTip,            // `Image8`, `setno`
    OkTip,              // `Image7`, `setok`
    Count
};

const TextEntry<MainWindowText>& textEntry(MainWindowText id);
std::span<const TextEntry<MainWindowText>> textTable(MainWindowText);

}  // namespace vistrel
