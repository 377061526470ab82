#pragma once
#include <windows.h>

#include <string>

#include "base/DesktopServices.h"
#include "app/StartupRegistration.h"

namespace vistrel::win32 {

class Win32DesktopServices final : public DesktopServices {
public:
    // Files are looked for in the settings folder, then in the program's; autostart starts exePath.
    Win32DesktopServices(std::wstring settingsFolder, std::wstring programFolder, std::wstring exePath)
        : m_folders{std::move(settingsFolder), std::move(programFolder)}, m_startup(std::move(exePath))
    {
    }

    // Message boxes and the about page belong to this window once it exists.
    void setOwner(HWND owner) { m_owner = owner; }

    void messageBox(std::string_view text, std::optional<std::string_view> title, MessageIcon icon) override;
    void openUrl(std::string_view url) override;
    void lockWorkStation() override;
    void switchDisplayOff() override;
    TextFile readSettingsFile(std::string_view fileName) override;
    bool startsWithWindows() override { return m_startup.isOn(); }
    bool setStartsWithWindows(bool on) override { return m_startup.setOn(on); }
    void trace(std::string_view line) override;

private:
    TextFile readFile(const std::wstring& path);

    std::wstring m_folders[2];
    StartupRegistration m_startup;
    HWND m_owner = nullptr;
};

}  // namespace vistrel::win32
