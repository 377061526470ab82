#include "base/CommonControls.h"

#include "base/Trace.h"

namespace vistrel::win32 {

bool initCommonControls(DWORD classes)
{
    // Never freed: a second call only counts one more reference to the same module.
    const HMODULE library = LoadLibraryExW(L"comctl32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!library) {
        traceLastError(L"LoadLibraryExW comctl32.dll");
        return false;
    }
    // Through a generic function pointer: FARPROC and the real signature are unrelated types.
    const auto init = reinterpret_cast<decltype(&::InitCommonControlsEx)>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, "InitCommonControlsEx")));
    const INITCOMMONCONTROLSEX controls{sizeof controls, classes};
    if (!init || !init(&controls)) {
        traceLastError(L"InitCommonControlsEx");
        return false;
    }
    return true;
}

}  // namespace vistrel::win32
