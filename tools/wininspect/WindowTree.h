#pragma once
#include <windows.h>

#include <vector>

namespace vistrel::wininspect {

// Every top-level window, each followed by all of its descendants, as one snapshot of handles.
// The windows may be gone by the time they are described; the caller copes with that.
std::vector<HWND> collectWindows();

}  // namespace vistrel::wininspect
