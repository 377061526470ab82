#include "app/TrayLogic.h"

namespace vistrel {

TrayAction trayActionFor(std::uint32_t mouseMessage)
{
    switch (static_cast<TrayMouse>(mouseMessage)) {
    case TrayMouse::LeftUp:
        return TrayAction::ShowMainWindow;
    case TrayMouse::RightUp:
    case TrayMouse::ContextMenu:
        return TrayAction::OpenMenu;
    default:
        return TrayAction::None;
    }
}

}  // namespace vistrel
