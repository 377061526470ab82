#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace vistrel::win32 {

// Windows' record of which programs use the camera and the microphone, as its privacy settings
// show it: under each device's key one key per application (packaged apps directly, desktop
// programs under `NonPackaged`), whose QWORD `LastUsedTimeStop` is 0 while `LastUsedTimeStart` is
// not while the application is using the device.
class ConsentStore {
public:
    static constexpr wchar_t kRoot[] =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\CapabilityAccessManager\\ConsentStore";

    // `root` under HKEY_CURRENT_USER.
    explicit ConsentStore(std::wstring root = kRoot) : m_root(std::move(root)) {}

    // Whether some application uses the camera or the microphone now; none when the store has
    // neither device (older Windows, or a system that never asked).
    std::optional<bool> deviceInUse() const;

private:
    std::wstring m_root;
};

}  // namespace vistrel::win32
