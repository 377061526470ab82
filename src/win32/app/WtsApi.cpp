#include "app/WtsApi.h"

#include <wtsapi32.h>

#include "base/SystemLibrary.h"

namespace vistrel::win32 {

BOOL wtsRegisterSessionNotification(HWND window, DWORD flags)
{
    SystemLibrary wtsapi(L"wtsapi32.dll");
    const auto call = wtsapi.function<decltype(&::WTSRegisterSessionNotification)>("WTSRegisterSessionNotification");
    if (!call || !call(window, flags)) return FALSE;
    wtsapi.keepLoaded();
    return TRUE;
}

BOOL wtsUnRegisterSessionNotification(HWND window)
{
    const SystemLibrary wtsapi(L"wtsapi32.dll");
    const auto call =
        wtsapi.function<decltype(&::WTSUnRegisterSessionNotification)>("WTSUnRegisterSessionNotification");
    return call ? call(window) : FALSE;
}

}  // namespace vistrel::win32
