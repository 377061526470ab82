#pragma once
#include <windows.h>

#include <commctrl.h>

#include "base/SystemLibrary.h"
#include "base/Trace.h"

namespace vistrel::win32 {

// Registers the common-control classes a caller is about to create (ICC_* flags). comctl32 (version
// 6, through the manifest) is loaded here, on first use, from System32, instead of being imported:
// loading it registers every class it has and builds its theme's images, which a run that never
// opens a panel or shows a tooltip does not need. It stays loaded for the rest of the run, since
// the classes live in it. False, traced, when it cannot be loaded or refuses.
bool initCommonControls(DWORD classes);

// comctl32's exported function `name` as Function (e.g. decltype(&::PropertySheetW)), from the same
// System32 copy; null, traced, when it cannot be had. The module stays loaded, as the function is in it.
template <typename Function>
Function commonControlsFunction(const char* name)
{
    SystemLibrary library(L"comctl32.dll");
    const auto function = library.template function<Function>(name);
    if (!function) traceLastError(L"comctl32 function lookup");
    library.keepLoaded();
    return function;
}

}  // namespace vistrel::win32
