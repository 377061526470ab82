#pragma once
#include <windows.h>

#include <functional>

namespace vistrel::win32 {

// Handles WM_PAINT for a window by drawing its whole client area off screen first, so texts and
// pictures never flicker over their background.
void paintBuffered(HWND window, const std::function<void(HDC, const RECT&)>& draw);

}  // namespace vistrel::win32
