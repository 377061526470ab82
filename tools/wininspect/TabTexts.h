#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace vistrel::wininspect {

// The texts of a tab control's tabs, in UTF-8 and in order; none for any other window, or when
// its process cannot be read. Its items live in the other process, so they are read through a
// buffer there.
std::optional<std::vector<std::string>> tabTexts(HWND window, const std::wstring& className, DWORD pid);

}  // namespace vistrel::wininspect
