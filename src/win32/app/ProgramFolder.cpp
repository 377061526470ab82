#include "app/ProgramFolder.h"

#include <windows.h>

#include "base/Trace.h"

namespace vistrel::win32 {

std::wstring programPath()
{
    constexpr size_t kLongestPath = 32768;
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            traceLastError(L"GetModuleFileNameW");
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= kLongestPath) return {};
        path.resize(path.size() * 2);  // the path was cut; try a larger buffer
    }
}

std::wstring programFolder()
{
    const std::wstring path = programPath();
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

}  // namespace vistrel::win32
