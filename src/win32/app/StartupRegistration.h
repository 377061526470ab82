#pragma once
#include <string>

namespace vistrel::win32 {

// Start with Windows for the current user: the value `Vistrel` under HKCU's Run key, and Task
// Manager's enabled/disabled mark for it under Explorer\StartupApproved\Run.
class StartupRegistration {
public:
    explicit StartupRegistration(std::wstring exePath) : m_exePath(std::move(exePath)) {}

    // True when the Run value starts this very exe and Task Manager has not disabled it.
    bool isOn() const;
    // On: the Run value `"<exe>" --tray`, and Task Manager's mark cleared, since the user asked
    // for it here. Off: the Run value removed. False when the registry refused.
    bool setOn(bool on) const;

private:
    std::wstring m_exePath;
};

}  // namespace vistrel::win32
