#include "app/StartupRegistration.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "app/Autostart.h"
#include "base/Text.h"
#include "base/Trace.h"

namespace vistrel::win32 {
namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kApprovedKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

const std::wstring& valueName()
{
    static const std::wstring name = widen(autostart::kValueName);
    return name;
}

// The value's bytes, or nothing when it is missing or cannot be read.
std::optional<std::vector<std::uint8_t>> readValue(const wchar_t* key, DWORD types)
{
    DWORD size = 0;
    LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, key, valueName().c_str(), types, nullptr, nullptr, &size);
    std::vector<std::uint8_t> bytes;
    // A value that grows between the two calls is asked for again.
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        bytes.resize(size);
        status = RegGetValueW(HKEY_CURRENT_USER, key, valueName().c_str(), types, nullptr, bytes.data(), &size);
        if (status == ERROR_SUCCESS) {
            bytes.resize(size);
            return bytes;
        }
    }
    if (status != ERROR_FILE_NOT_FOUND) traceError(std::wstring(L"RegGetValueW ") + key, static_cast<DWORD>(status));
    return std::nullopt;
}

bool deleteValue(const wchar_t* key)
{
    const LSTATUS status = RegDeleteKeyValueW(HKEY_CURRENT_USER, key, valueName().c_str());
    if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) return true;
    traceError(std::wstring(L"RegDeleteKeyValueW ") + key, static_cast<DWORD>(status));
    return false;
}

}  // namespace

bool StartupRegistration::isOn() const
{
    // RRF_NOEXPAND: a REG_EXPAND_SZ value is compared as written, never with this user's folders.
    const auto command = readValue(kRunKey, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND);
    if (!command || command->size() < sizeof(wchar_t)) return false;
    const std::wstring_view text(reinterpret_cast<const wchar_t*>(command->data()), command->size() / sizeof(wchar_t));
    if (!autostart::startsProgram(narrow(text.substr(0, text.find(L'\0'))), narrow(m_exePath))) return false;
    const auto mark = readValue(kApprovedKey, RRF_RT_REG_BINARY);
    return !mark || !autostart::disabledByUser(*mark);
}

bool StartupRegistration::setOn(bool on) const
{
    if (!on) return deleteValue(kRunKey);
    const std::wstring command = widen(autostart::runCommand(narrow(m_exePath)));
    const LSTATUS status =
        RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, valueName().c_str(), REG_SZ, command.c_str(),
                        static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS) {
        traceError(L"RegSetKeyValueW Run", static_cast<DWORD>(status));
        return false;
    }
    return deleteValue(kApprovedKey);
}

}  // namespace vistrel::win32
