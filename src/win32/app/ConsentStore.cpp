#include "app/ConsentStore.h"

#include <iterator>
#include <string_view>

#include "base/Trace.h"
#include "base/UniqueHandle.h"

namespace vistrel::win32 {
namespace {

constexpr const wchar_t* kDevices[] = {L"webcam", L"microphone"};
constexpr std::wstring_view kDesktopPrograms = L"NonPackaged";

UniqueRegKey openKey(HKEY parent, const wchar_t* path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return UniqueRegKey();
    return UniqueRegKey(key);
}

std::optional<ULONGLONG> readTime(HKEY app, const wchar_t* name)
{
    ULONGLONG value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(app, nullptr, name, RRF_RT_QWORD, nullptr, &value, &size) != ERROR_SUCCESS) return std::nullopt;
    return value;
}

bool appInUse(HKEY app)
{
    const auto start = readTime(app, L"LastUsedTimeStart");
    const auto stop = readTime(app, L"LastUsedTimeStop");
    return start && stop && *start != 0 && *stop == 0;
}

// The application keys under `parent`; desktop programs one level further down.
bool anyAppInUse(HKEY parent, bool desktopPrograms)
{
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];  // the longest key name the registry allows, and its terminator
        DWORD length = std::size(name);
        const LSTATUS status = RegEnumKeyExW(parent, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) return false;
        if (status != ERROR_SUCCESS) {
            traceError(L"RegEnumKeyExW in the capability access store", static_cast<DWORD>(status));
            return false;
        }
        const UniqueRegKey app = openKey(parent, name);
        if (!app) continue;
        if (!desktopPrograms && name == kDesktopPrograms) {
            if (anyAppInUse(app.get(), true)) return true;
        } else if (appInUse(app.get())) {
            return true;
        }
    }
}

}  // namespace

std::optional<bool> ConsentStore::deviceInUse() const
{
    bool anyDevice = false;
    for (const wchar_t* device : kDevices) {
        const UniqueRegKey key = openKey(HKEY_CURRENT_USER, (m_root + L'\\' + device).c_str());
        if (!key) continue;
        anyDevice = true;
        if (anyAppInUse(key.get(), false)) return true;
    }
    if (!anyDevice) return std::nullopt;
    return false;
}

}  // namespace vistrel::win32
