#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace vistrel::win32 {

// A failure the program goes on after still leaves a line for the maintainer. Lines go to
// OutputDebugStringW: DebugView shows them on Windows, Wine 8 prints them with WINEDEBUG=warn+seh.
// The user is told nothing more than the program's own messages say.

// The system's text for an error code, without its line break; "error N" when it has none.
std::wstring errorText(DWORD code);

// "Vistrel: <what>".
void trace(std::wstring_view what);
// "Vistrel: <what> failed: <error text> (<code>)", with the thread's last error.
void traceLastError(std::wstring_view what);
void traceError(std::wstring_view what, DWORD code);

// The window-procedure boundary's answer to an exception: trace it, then end the process at
// once. A message handled halfway (a close that destroyed windows, a log-off that wrote half the
// settings) would leave the program in a state nobody designed; a fail-fast exit leaves the last
// good settings file and a crash report instead.
[[noreturn]] void failFast(std::wstring_view what) noexcept;
// The same from inside a catch block, for any callback the system calls: "<where>: <exception>".
[[noreturn]] void failFastOnException(std::wstring_view where) noexcept;

}  // namespace vistrel::win32
