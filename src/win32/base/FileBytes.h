#pragma once
#include <windows.h>

#include <string_view>

namespace vistrel::win32 {

// Writes all the bytes to an open file at its current place (its end, opened for appending);
// 0, or the system's error for the write that fell short.
DWORD writeAll(HANDLE file, std::string_view bytes);

}  // namespace vistrel::win32
