#include "base/CommonControls.h"

#include "base/SystemLibrary.h"
#include "base/Trace.h"

namespace vistrel::win32 {

bool initCommonControls(DWORD classes)
{
    // The manifest's side-by-side redirection still applies, so this is version 6. Kept loaded: the
    // classes it registers live in the module.
    SystemLibrary library(L"comctl32.dll");
    if (!library) {
        traceLastError(L"LoadLibraryExW comctl32.dll");
        return false;
    }
    const auto init = library.function<decltype(&::InitCommonControlsEx)>("InitCommonControlsEx");
    library.keepLoaded();
    const INITCOMMONCONTROLSEX controls{sizeof controls, classes};
    if (!init || !init(&controls)) {
        traceLastError(L"InitCommonControlsEx");
        return false;
    }
    return true;
}

}  // namespace vistrel::win32
