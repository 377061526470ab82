#pragma once
#include <windows.h>

#include <initializer_list>
#include <optional>
#include <vector>

#include "base/UniqueHandle.h"

namespace vistrel::win32 {

// For as long as it lives, the system tells a window of the power settings asked for
// (WM_POWERBROADCAST with PBT_POWERSETTINGCHANGE) and, once registerSession() has taken, of the
// session's changes (WM_WTSSESSION_CHANGE: lock, unlock, log-on, remote connections). It only
// registers; the window handles the messages. Destroy it before the window: the registrations are
// undone on the window's handle.
class SessionNotifications {
public:
    SessionNotifications(HWND window, std::initializer_list<GUID> powerSettings);
    ~SessionNotifications();

    // Registers for the session's changes; false (traced) while the terminal-services session is
    // not ready, as at logon (RPC_S_INVALID_BINDING): the caller tries again.
    bool registerSession();
    SessionNotifications(const SessionNotifications&) = delete;
    SessionNotifications& operator=(const SessionNotifications&) = delete;

    // The value a PBT_POWERSETTINGCHANGE message's setting carries when it is `setting` (a DWORD,
    // as all the console's display and session settings are); nothing for any other setting.
    static std::optional<DWORD> powerSettingValue(LPARAM lParam, const GUID& setting);

private:
    HWND m_window;
    bool m_session = false;
    std::vector<UniquePowerNotify> m_powerSettings;
};

// GUID_CONSOLE_DISPLAY_STATE: the console display off (0), on (1) or dimmed (2). Spelled out so
// that no import library is needed for one constant.
inline constexpr GUID kConsoleDisplayState = {0x6fe69556, 0x704a, 0x47a0,
                                              {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};

}  // namespace vistrel::win32
