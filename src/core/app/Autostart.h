#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>
#include <string_view>

#include "base/DesktopServices.h"
#include "text/Texts.h"

namespace vistrel {

// Start with Windows: the command the per-user Run value holds, and how to tell whether a value
// found there is ours. Paths are UTF-8 and compare as Windows compares them (ASCII case ignored).
namespace autostart {

// The value's name under the Run key.
inline constexpr std::string_view kValueName = "Vistrel";
// The one argument the program reads: start in the tray, main window not shown.
inline constexpr std::string_view kTrayArgument = "--tray";

// `"<exe>" --tray`: quoted, so a path with blanks stays one argument.
std::string runCommand(std::string_view exePath);

// True when a Run value starts this very program: its first argument (quoted or not) is exePath.
bool startsProgram(std::string_view runValue, std::string_view exePath);

// Task Manager's mark under StartupApproved\Run: an odd first byte means the user disabled the
// entry there; a missing or empty mark means enabled.
bool disabledByUser(std::span<const std::uint8_t> approvedMark);

// Whether the command line's arguments (the program's own name left out) ask for a start in the
// tray; every other argument is ignored.
bool startsInTray(const std::vector<std::string>& arguments);

// Turns start with Windows on or off, as the tray menu and the Options window do; when the change
// cannot be made the user is told, and the result is false.
bool change(DesktopServices& desktop, bool on, const Texts& texts);

}  // namespace autostart
}  // namespace vistrel
