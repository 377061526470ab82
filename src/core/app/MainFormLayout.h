#pragma once
#include "base/Twips.h"

// Where the main window's controls sit, in twips, relative to their container.
namespace vistrel::layout {

inline constexpr int kWindowWidth = 9630;
inline constexpr int kWindowHeight = 4725;

// Top strip (pmenu) and what it holds.
inline constexpr TwipsRect kStrip{10, 10, kWindowWidth - 30, 375};
inline constexpr TwipsRect kTitle{60, 30, 3105, 300};
inline constexpr TwipsRect kAboutImage{8745, 45, 240, 240};     // Image1
inline constexpr TwipsRect kMinimiseImage{9000, 45, 240, 240};  // Image10
inline constexpr TwipsRect kExitImage{9270, 45, 240, 240};      // Image2
inline constexpr TwipsRect kFrame{7, 7, kWindowWidth - 7, kWindowHeight - 7};  // s2

// Colour tile.
inline constexpr TwipsRect kColourCaption{2040, 825, 1815, 375};  // Label2(0)
inline constexpr TwipsRect kColourSettingsIcon{3465, 825, 300, 300};  // edit(0)
inline constexpr TwipsRect kColourDescription{1800, 1215, 2670, 630};  // Label3(0)
inline constexpr TwipsRect kColourPicture{1920, 1920, 1920, 1920};    // Image3
inline constexpr TwipsRect kColourSwitch{2160, 4080, 1170, 345};      // SafeSwitch1

// Rest tile.
inline constexpr TwipsRect kRestCaption{5100, 840, 2055, 375};       // Label2(1)
inline constexpr TwipsRect kRestSettingsIcon{6570, 855, 300, 300};   // edit(1)
inline constexpr TwipsRect kWorkLabel{5130, 1200, 1365, 300};        // Label3(1)
inline constexpr TwipsRect kRestLabel{5115, 1545, 1380, 300};        // Label6
inline constexpr TwipsRect kWorkMinutes{6495, 1200, 495, 300};       // dhhour(0)
inline constexpr TwipsRect kRestMinutes{6495, 1545, 495, 300};       // dhhour(1)
inline constexpr TwipsRect kWorkUnit{6990, 1200, 495, 300};
inline constexpr TwipsRect kRestUnit{6990, 1545, 495, 300};
inline constexpr TwipsRect kNextRestPicture{5490, 1890, 1920, 1920};  // Picture1
inline constexpr TwipsRect kNextTimeLabel{5490, 2400, 1920, 330};     // "下次时间", on Picture1
inline constexpr TwipsRect kNextTime{5490, 2760, 1920, 600};          // Label5, on Picture1
inline constexpr TwipsRect kRestSwitch{5925, 4080, 1170, 345};        // SafeSwitch2

// Settings overlay (ppset) and the panels inside it.
inline constexpr TwipsRect kOverlay{315, 730, 9195, 3690};
inline constexpr int kPanelLeft = 120;
inline constexpr int kPanelTop = 120;
inline constexpr TwipsRect kColourPanel{kPanelLeft, kPanelTop, 8565, 2535};  // eyeset
inline constexpr TwipsRect kRestPanel = kColourPanel;                          // xxset
// Back and OK inside a panel; the rest panel has them where the colour panel does, so both read
// alike.
inline constexpr TwipsRect kPanelBack{3345, 1770, 735, 495};  // Image8, setno(1)
inline constexpr TwipsRect kPanelOk{4350, 1785, 735, 495};    // Image7, setok(1)

}  // namespace vistrel::layout
