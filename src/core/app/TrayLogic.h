#pragma once
#include <cstdint>

namespace vistrel {

// Mouse notifications the tray icon reports, numbered as the platform's mouse messages.
enum class TrayMouse : std::uint32_t {
    Move = 0x0200,
    LeftDown = 0x0201,
    LeftUp = 0x0202,
    LeftDouble = 0x0203,
    RightDown = 0x0204,
    RightUp = 0x0205,
    RightDouble = 0x0206,
    MiddleDown = 0x0207,
    MiddleUp = 0x0208,
    ContextMenu = 0x007B,  // the keyboard or the shell asking for the icon's menu
};

enum class TrayAction { None, ShowMainWindow, OpenMenu };

// A left-button release brings the main window back (a double click does so through its
// releases); a right-button release opens the tray menu; everything else is ignored.
TrayAction trayActionFor(std::uint32_t mouseMessage);

}  // namespace vistrel
