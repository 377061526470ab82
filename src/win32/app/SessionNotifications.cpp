#include "app/SessionNotifications.h"

#include <wtsapi32.h>

#include <cstring>

#include "app/WtsApi.h"
#include "base/Trace.h"

namespace vistrel::win32 {

SessionNotifications::SessionNotifications(HWND window, std::initializer_list<GUID> powerSettings) : m_window(window)
{
    for (const GUID& setting : powerSettings) {
        UniquePowerNotify registration(RegisterPowerSettingNotification(window, &setting, DEVICE_NOTIFY_WINDOW_HANDLE));
        if (registration)
            m_powerSettings.push_back(std::move(registration));
        else
            traceLastError(L"RegisterPowerSettingNotification");
    }
}

bool SessionNotifications::registerSession()
{
    if (m_session) return true;
    m_session = wtsRegisterSessionNotification(m_window, NOTIFY_FOR_THIS_SESSION);
    if (!m_session) traceLastError(L"WTSRegisterSessionNotification");
    return m_session;
}

SessionNotifications::~SessionNotifications()
{
    if (m_session && !wtsUnRegisterSessionNotification(m_window)) traceLastError(L"WTSUnRegisterSessionNotification");
}

std::optional<DWORD> SessionNotifications::powerSettingValue(LPARAM lParam, const GUID& setting)
{
    const auto* message = reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam);
    if (!message || !IsEqualGUID(message->PowerSetting, setting) || message->DataLength < sizeof(DWORD))
        return std::nullopt;
    DWORD value = 0;
    std::memcpy(&value, message->Data, sizeof value);  // Data is a byte array, not aligned for a DWORD
    return value;
}

}  // namespace vistrel::win32
