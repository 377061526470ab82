#include "base/Trace.h"

#include <cstdlib>
#include <exception>
#include <string>

namespace vistrel::win32 {

std::wstring errorText(DWORD code)
{
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length && buffer ? std::wstring(buffer, length) : L"error " + std::to_wstring(code);
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
    return text;
}

void trace(std::wstring_view what)
{
    std::wstring line = L"Vistrel: ";
    line.append(what);
    line += L'\n';
    OutputDebugStringW(line.c_str());
}

void traceError(std::wstring_view what, DWORD code)
{
    std::wstring line(what);
    line += L" failed: " + errorText(code) + L" (" + std::to_wstring(code) + L")";
    trace(line);
}

void traceLastError(std::wstring_view what) { traceError(what, GetLastError()); }

void failFast(std::wstring_view what) noexcept
{
    try {
        trace(what);
    } catch (...) {
        // Out of memory for the line itself: end anyway.
    }
    RaiseFailFastException(nullptr, nullptr, 0);
    std::abort();  // where the system has no fail-fast exit
}

void failFastOnException(std::wstring_view where) noexcept
{
    std::wstring what(where);
    try {
        throw;
    } catch (const std::exception& error) {
        const char* text = error.what();
        what += L": " + std::wstring(text, text + std::char_traits<char>::length(text));
    } catch (...) {
        what += L": unknown exception";
    }
    failFast(what);
}

}  // namespace vistrel::win32
