#include "history/Win32HistoryStorage.h"

#include <windows.h>

#include "base/FileBytes.h"
#include "base/Trace.h"
#include "base/UniqueHandle.h"

namespace vistrel::win32 {
namespace {

// Far beyond what the roll-over lets the files grow to: a larger file is not a history this
// program wrote, and reading it whole could take all the memory there is.
constexpr std::uint64_t kLargestReadable = 64ull * 1024 * 1024;

bool missing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

std::wstring inFolder(const std::wstring& folder, const wchar_t* name)
{
    if (folder.empty() || folder.back() == L'\\' || folder.back() == L'/') return folder + name;
    return folder + L"\\" + name;
}

}  // namespace

Win32HistoryStorage::Win32HistoryStorage(const std::wstring& folder)
    : m_current(inFolder(folder, L"history.csv")), m_old(inFolder(folder, L"history-old.csv"))
{
}

bool Win32HistoryStorage::append(std::string_view bytes)
{
    // FILE_APPEND_DATA alone: every write lands at the end, wherever another writer left it.
    UniqueFile file(CreateFileW(m_current.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        traceLastError(L"CreateFileW for appending to " + m_current);
        return false;
    }
    if (const DWORD error = writeAll(file.get(), bytes)) {
        traceError(L"WriteFile " + m_current, error);
        return false;
    }
    // On the disk before the call returns: a power cut after it loses nothing it wrote.
    if (!FlushFileBuffers(file.get())) {
        traceLastError(L"FlushFileBuffers " + m_current);
        return false;
    }
    return true;
}

std::optional<std::uint64_t> Win32HistoryStorage::size() const
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(m_current.c_str(), GetFileExInfoStandard, &data)) {
        const DWORD error = GetLastError();
        if (missing(error)) return 0;
        traceError(L"GetFileAttributesExW " + m_current, error);
        return std::nullopt;
    }
    return (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

std::optional<char> Win32HistoryStorage::lastByte() const
{
    // One byte, not the file: it is asked at every start, before the first line of the run.
    UniqueFile file(CreateFileW(m_current.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        if (!missing(error)) traceError(L"CreateFileW for reading " + m_current, error);
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) {
        traceLastError(L"GetFileSizeEx " + m_current);
        return std::nullopt;
    }
    if (size.QuadPart == 0) return std::nullopt;
    LARGE_INTEGER lastOffset{};
    lastOffset.QuadPart = size.QuadPart - 1;
    char last = 0;
    DWORD got = 0;
    if (!SetFilePointerEx(file.get(), lastOffset, nullptr, FILE_BEGIN) || !ReadFile(file.get(), &last, 1, &got, nullptr) ||
        got != 1) {
        traceLastError(L"reading the last byte of " + m_current);
        return std::nullopt;
    }
    return last;
}

std::optional<std::string> Win32HistoryStorage::read(File which) const
{
    const std::wstring& path = this->path(which);
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        if (missing(error)) return std::string();
        traceError(L"CreateFileW for reading " + path, error);
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) {
        traceLastError(L"GetFileSizeEx " + path);
        return std::nullopt;
    }
    if (static_cast<std::uint64_t>(size.QuadPart) > kLargestReadable) {
        trace(L"the history file is too large to read: " + path);
        return std::nullopt;
    }
    std::string text(static_cast<size_t>(size.QuadPart), '\0');
    size_t have = 0;
    // An append meanwhile only adds to the end: what was there when the size was taken is read.
    while (have < text.size()) {
        DWORD got = 0;
        if (!ReadFile(file.get(), text.data() + have, static_cast<DWORD>(text.size() - have), &got, nullptr)) {
            traceLastError(L"ReadFile " + path);
            return std::nullopt;
        }
        if (got == 0) break;  // cut short by someone else meanwhile
        have += got;
    }
    text.resize(have);
    return text;
}

bool Win32HistoryStorage::rollOver()
{
    // One rename, written through: a crash leaves either the old pair or the new one, never neither.
    if (MoveFileExW(m_current.c_str(), m_old.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    traceLastError(L"MoveFileExW " + m_current + L" to " + m_old);
    return false;
}

bool Win32HistoryStorage::erase()
{
    bool gone = true;
    for (const std::wstring* path : {&m_current, &m_old}) {
        if (DeleteFileW(path->c_str())) continue;
        const DWORD error = GetLastError();
        if (missing(error)) continue;
        traceError(L"DeleteFileW " + *path, error);
        gone = false;
    }
    return gone;
}

}  // namespace vistrel::win32
