#pragma once
#include <windows.h>

#include <string>

#include "app/DesktopServices.h"

namespace vistrel::win32 {

class Win32DesktopServices final : public DesktopServices {
public:
    explicit Win32DesktopServices(std::wstring programFolder) : m_folder(std::move(programFolder)) {}

    // Message boxes and the about page belong to this window once it exists.
    void setOwner(HWND owner) { m_owner = owner; }

    void messageBox(std::string_view text, std::optional<std::string_view> title, MessageIcon icon) override;
    void openUrl(std::string_view url) override;
    void lockWorkStation() override;
    void switchDisplayOff() override;
    TextFile readFileBesideProgram(std::string_view fileName) override;
    void trace(std::string_view line) override;

private:
    std::wstring m_folder;
    HWND m_owner = nullptr;
};

}  // namespace vistrel::win32
