#pragma once
#include <windows.h>

#include <commctrl.h>

namespace vistrel::win32 {

// Registers the common-control classes a caller is about to create (ICC_* flags). comctl32 (version
// 6, through the manifest) is loaded here, on first use, from System32, instead of being imported:
// loading it registers every class it has and builds its theme's images, which a run that never
// opens a panel or shows a tooltip does not need. It stays loaded for the rest of the run, since
// the classes live in it. False, traced, when it cannot be loaded or refuses.
bool initCommonControls(DWORD classes);

}  // namespace vistrel::win32
