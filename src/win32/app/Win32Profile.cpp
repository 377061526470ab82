#include "app/Win32Profile.h"

#include <windows.h>

#include <cstring>
#include <utility>

#include "settings/IniDocument.h"
#include "base/Text.h"
#include "base/Trace.h"

namespace vistrel::win32 {
namespace {

// `wide` in the ANSI code page, or nothing when some character has no exact equivalent there
// (a best-fit or default character would name a different file).
std::optional<std::string> exactAnsi(std::wstring_view wide)
{
    if (wide.empty()) return std::string();
    const UINT codePage = GetACP();
    // UTF-8 takes neither the best-fit flag nor the used-default query; it only fails on
    // unpaired surrogates.
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* const usedDefaultOut = utf8 ? nullptr : &usedDefault;
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, usedDefaultOut);
    if (length <= 0 || usedDefault) return std::nullopt;
    std::string text(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), size, text.data(), length, nullptr, usedDefaultOut);
    if (usedDefault) return std::nullopt;
    return text;
}

std::optional<std::wstring> shortPathOf(const std::wstring& path)
{
    const DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (size == 0) return std::nullopt;
    std::wstring shortPath(size, L'\0');
    const DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), size);
    if (length == 0 || length >= size) return std::nullopt;
    shortPath.resize(length);
    return shortPath;
}

// The path as the A functions must receive it. A path the code page cannot spell goes by its
// short (8.3) form; the file itself may not exist yet, so then only its folder is shortened.
// Nothing when even that fails: the A functions would take an empty or mangled name as a file
// in the Windows folder.
std::optional<std::string> ansiPathOf(const std::wstring& file)
{
    if (auto exact = exactAnsi(file)) return exact;
    if (const auto shortFile = shortPathOf(file)) {
        if (auto exact = exactAnsi(*shortFile)) return exact;
    }
    const size_t separator = file.find_last_of(L"\\/");
    if (separator == std::wstring::npos) return std::nullopt;
    const auto shortFolder = shortPathOf(file.substr(0, separator));
    if (!shortFolder) return std::nullopt;
    return exactAnsi(*shortFolder + file.substr(separator));
}

// What the profile function's error means to the user.
WriteFailure failureOf(DWORD error)
{
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_READ_ONLY:
        return WriteFailure::Denied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return WriteFailure::DiskFull;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return WriteFailure::InUse;
    default:
        return WriteFailure::Other;
    }
}

}  // namespace

Win32Profile::Win32Profile(std::wstring file) : m_file(std::move(file)) {}

std::string Win32Profile::read(std::string_view section, std::string_view key, std::string_view fallback) const
{
    const auto path = ansiPathOf(m_file);
    if (!path) return IniDocument::fallbackValue(fallback);
    const std::string ansiSection = utf8ToAnsi(section);
    const std::string ansiKey = utf8ToAnsi(key);
    const std::string ansiFallback = utf8ToAnsi(fallback);
    constexpr DWORD kBufferSize = IniDocument::kMaxValueBytes + 1;
    char buffer[kBufferSize] = {};
    GetPrivateProfileStringA(ansiSection.c_str(), ansiKey.c_str(), ansiFallback.c_str(), buffer, kBufferSize,
                             path->c_str());
    return ansiToUtf8(std::string_view(buffer, strnlen(buffer, kBufferSize)));
}

bool Win32Profile::write(std::string_view section, std::string_view key, const std::optional<std::string>& value)
{
    const auto fail = [this](WriteFailure failure) {
        m_lastFailure = failure;
        return false;
    };
    if (!IniDocument::canStoreSection(section) || !IniDocument::canStoreKey(key)) return fail(WriteFailure::Unstorable);
    const auto path = ansiPathOf(m_file);
    if (!path) {
        trace(L"the settings file's path has no ANSI spelling: " + m_file);
        return fail(WriteFailure::UnspellablePath);
    }
    // Text the code page cannot spell would be stored as '?' and read back as something else.
    const std::wstring where = L"[" + widen(section) + L"] " + widen(key) + L" in " + m_file;
    const std::optional<std::string> ansiSection = exactAnsi(widen(section));
    const std::optional<std::string> ansiKey = exactAnsi(widen(key));
    // The call writes a line break inside a value as it is, which would plant extra lines.
    const std::optional<std::string> ansiValue =
        value ? exactAnsi(widen(IniDocument::storableValue(*value))) : std::optional<std::string>();
    if (!ansiSection || !ansiKey || (value && !ansiValue)) {
        trace(L"a setting has no ANSI spelling: " + where);
        return fail(WriteFailure::Unstorable);
    }
    if (WritePrivateProfileStringA(ansiSection->c_str(), ansiKey->c_str(), ansiValue ? ansiValue->c_str() : nullptr,
                                   path->c_str()))
        return true;
    const DWORD error = GetLastError();
    traceError(L"WritePrivateProfileStringA " + where, error);
    return fail(failureOf(error));
}

}  // namespace vistrel::win32
