#include "app/SettingsFolderProbe.h"

#include <windows.h>

#include <shlobj.h>

#include "base/Text.h"
#include "base/Trace.h"
#include "base/UniqueHandle.h"
#include "settings/SettingsKeys.h"

namespace vistrel::win32 {
namespace {

bool fileExists(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// %APPDATA%\Vistrel, or nothing when the system does not tell the roaming folder.
std::optional<std::wstring> perUserFolder()
{
    PWSTR roaming = nullptr;
    const HRESULT result = SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &roaming);
    std::optional<std::wstring> folder;
    if (SUCCEEDED(result) && roaming) folder = std::wstring(roaming) + L"\\Vistrel";
    else traceError(L"SHGetKnownFolderPath(RoamingAppData)", static_cast<DWORD>(result));
    CoTaskMemFree(roaming);
    return folder;
}

// A real write: a file of our own is created there (and goes when closed), and an existing
// settings file opens for writing. Permissions, a read-only share or a full disk all show here.
bool takesWrite(const std::wstring& folder)
{
    const std::wstring probe = folder + L"\\.vistrel-probe-" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    UniqueFile probeFile(CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (!probeFile) {
        traceLastError(L"settings folder takes no write: " + folder);
        return false;
    }
    DWORD written = 0;
    if (!WriteFile(probeFile.get(), "v", 1, &written, nullptr) || written != 1) {
        traceLastError(L"settings folder takes no write: " + folder);
        return false;
    }
    const std::wstring settings = settingsFileIn(folder);
    if (!fileExists(settings)) return true;
    UniqueFile settingsFile(CreateFileW(settings.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!settingsFile) traceLastError(L"settings file takes no write: " + settings);
    return static_cast<bool>(settingsFile);
}

}  // namespace

std::wstring settingsFileIn(const std::wstring& folder) { return folder + L"\\" + widen(settings::kFileName); }

SettingsFolder probeSettingsFolder(const std::wstring& programFolder)
{
    std::vector<std::wstring> candidates{programFolder};
    if (auto folder = perUserFolder()) candidates.push_back(std::move(*folder));

    std::vector<std::string> names;
    for (const std::wstring& folder : candidates) names.push_back(narrow(folder));
    SettingsFolder chosen = SettingsFolder::choose(std::move(names), [&](const std::string& name) {
        const std::wstring folder = widen(name);
        // Only the per-user folder is ours to create; the program's folder exists.
        if (folder != programFolder && !CreateDirectoryW(folder.c_str(), nullptr) &&
            GetLastError() != ERROR_ALREADY_EXISTS) {
            traceLastError(L"CreateDirectoryW " + folder);
            return false;
        }
        return takesWrite(folder);
    });

    const std::wstring target = settingsFileIn(widen(chosen.folder()));
    const std::wstring beside = settingsFileIn(programFolder);
    if (chosen.saves() && target != beside && !fileExists(target) && fileExists(beside)) {
        if (!CopyFileW(beside.c_str(), target.c_str(), TRUE)) {
            traceLastError(L"CopyFileW " + beside);
        } else {
            // The copy takes the original's attributes; a read-only one would refuse every write.
            const DWORD attributes = GetFileAttributesW(target.c_str());
            if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
                !SetFileAttributesW(target.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY))
                traceLastError(L"SetFileAttributesW " + target);
        }
    }
    return chosen;
}

}  // namespace vistrel::win32
