#pragma once
#include <string>

#include "settings/SettingsFolder.h"

namespace vistrel::win32 {

// Decides, once at start, where the settings file lives: beside the program when that folder
// takes a real write, otherwise %APPDATA%\Vistrel (created here). When the per-user folder is
// chosen and has no settings file yet, one beside the program is copied in as the starting values.
SettingsFolder probeSettingsFolder(const std::wstring& programFolder);

// The settings file's path in `folder`.
std::wstring settingsFileIn(const std::wstring& folder);

}  // namespace vistrel::win32
