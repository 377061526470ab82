#pragma once
#include <windows.h>

namespace vistrel::win32 {

// wtsapi32's session notification calls, with wtsapi32 loaded from System32 by the call: it is no
// KnownDLL, so a static import would take a wtsapi32.dll lying beside the program. Once a
// registration succeeds wtsapi32 stays loaded. Same arguments and results as
// WTSRegisterSessionNotification / WTSUnRegisterSessionNotification; when wtsapi32 cannot be had
// they fail with the loader's error as the last error.
BOOL wtsRegisterSessionNotification(HWND window, DWORD flags);
BOOL wtsUnRegisterSessionNotification(HWND window);

}  // namespace vistrel::win32
