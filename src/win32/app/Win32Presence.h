#pragma once
#include <windows.h>

#include "app/ConsentStore.h"
#include "reminder/Presence.h"

namespace vistrel::win32 {

// The user as Windows reports them: time since the session's last keyboard or mouse input
// (GetLastInputInfo), the session lock as the system-event window hears it (WTS session
// notifications, which at logon may start only after a few retries), and whether Windows holds
// its own notifications back (SHQueryUserNotificationState), and whether the camera or the
// microphone is in use (the capability access store).
class Win32Presence final : public Presence {
public:
    std::int64_t idleSeconds() const override;
    bool locked() const override { return m_locked; }
    // Presentation mode, a full-screen Direct3D program or another program's full-screen window;
    // the program's own countdown screen is not a reason to hold a rest.
    bool busy() const override;
    bool inMeeting() const override;

    void setLocked(bool locked) { m_locked = locked; }

private:
    bool m_locked = false;
    ConsentStore m_consentStore;
    mutable bool m_storeMissingTraced = false;  // asked every second while a rest waits: said once
};

}  // namespace vistrel::win32
