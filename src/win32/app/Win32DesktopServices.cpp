#include "app/Win32DesktopServices.h"

#include <shellapi.h>

#include "base/Text.h"
#include "base/Trace.h"
#include "base/UniqueHandle.h"
#include "text/SettingsTexts.h"
#include "text/Texts.h"

namespace vistrel::win32 {
namespace {

// The backup file holds a few kilobytes; anything this large is not one.
constexpr LONGLONG kMaxFileBytes = 16LL * 1024 * 1024;

UINT iconFlag(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Warning: return MB_ICONWARNING;
    case MessageIcon::Information: return MB_ICONINFORMATION;
    case MessageIcon::Error: return MB_ICONERROR;
    case MessageIcon::None: break;
    }
    return 0;
}

}  // namespace

void Win32DesktopServices::messageBox(std::string_view text, std::optional<std::string_view> title, MessageIcon icon)
{
    // Untitled boxes carry the program's name, which reads the same in every language.
    const std::wstring caption = widen(title ? std::string(*title) : Texts()(SettingsText::ProgramName));
    MessageBoxW(m_owner, widen(text).c_str(), caption.c_str(), MB_OK | MB_SETFOREGROUND | iconFlag(icon));
}

void Win32DesktopServices::openUrl(std::string_view url)
{
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(m_owner, L"open", widen(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    // Values up to 32 are errors; the user sees that no page opened and can try again.
    if (result <= 32) traceError(L"ShellExecuteW " + widen(url), static_cast<DWORD>(result));
}

void Win32DesktopServices::lockWorkStation()
{
    if (!LockWorkStation()) traceLastError(L"LockWorkStation");
}

void Win32DesktopServices::switchDisplayOff()
{
    // Any window of ours will do: the default window procedure passes the request to the system.
    if (m_owner) SendMessageW(m_owner, WM_SYSCOMMAND, SC_MONITORPOWER, 2);
}

DesktopServices::TextFile Win32DesktopServices::readSettingsFile(std::string_view fileName)
{
    TextFile file = readFile(m_folders[0] + L"\\" + widen(fileName));
    if (file.status == TextFile::Status::Missing && m_folders[1] != m_folders[0])
        file = readFile(m_folders[1] + L"\\" + widen(fileName));
    return file;
}

DesktopServices::TextFile Win32DesktopServices::readFile(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
        return {TextFile::Status::Missing, {}};

    const auto unreadable = [&](const wchar_t* what) {
        traceLastError(std::wstring(what) + L" " + path);
        return TextFile{TextFile::Status::Unreadable, {}};
    };
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return unreadable(L"CreateFileW");
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return unreadable(L"GetFileSizeEx");
    if (size.QuadPart > kMaxFileBytes) {
        win32::trace(L"too large to be a backup file: " + path);
        return {TextFile::Status::Unreadable, {}};
    }

    std::string text(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!text.empty() && !ReadFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr))
        return unreadable(L"ReadFile");
    text.resize(read);  // a file that shrank meanwhile: what was there
    return {TextFile::Status::Read, std::move(text)};
}

void Win32DesktopServices::trace(std::string_view line) { win32::trace(widen(line)); }

}  // namespace vistrel::win32
