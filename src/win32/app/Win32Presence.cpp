#include "app/Win32Presence.h"

#include <shellapi.h>

#include "base/Trace.h"

namespace vistrel::win32 {

std::int64_t Win32Presence::idleSeconds() const
{
    LASTINPUTINFO last{sizeof last, 0};
    if (!GetLastInputInfo(&last)) {
        traceLastError(L"GetLastInputInfo");
        return 0;  // as if the user were there: no rest is taken for them
    }
    // Both are 32-bit millisecond counts: the difference is right across their wrap.
    return static_cast<DWORD>(GetTickCount() - last.dwTime) / 1000;
}

bool Win32Presence::busy() const
{
    DWORD process = 0;
    if (GetWindowThreadProcessId(GetForegroundWindow(), &process) && process == GetCurrentProcessId())
        return false;
    QUERY_USER_NOTIFICATION_STATE state{};
    const HRESULT result = SHQueryUserNotificationState(&state);
    if (FAILED(result)) {
        traceError(L"SHQueryUserNotificationState", static_cast<DWORD>(result));
        return false;
    }
    return state == QUNS_BUSY || state == QUNS_RUNNING_D3D_FULL_SCREEN || state == QUNS_PRESENTATION_MODE;
}

bool Win32Presence::inMeeting() const
{
    const std::optional<bool> inUse = m_consentStore.deviceInUse();
    if (!inUse && !m_storeMissingTraced) {
        trace(L"no capability access store: meetings are not seen");
        m_storeMissingTraced = true;
    }
    return inUse.value_or(false);
}

}  // namespace vistrel::win32
