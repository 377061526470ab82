#pragma once
#include <string>
#include <vector>

namespace vistrel::win32 {

// The GDI device names (\\.\DISPLAY1, ...) of the displays Windows drives in advanced colour (HDR),
// where a gamma ramp has no defined meaning. Empty when Windows cannot tell (before Windows 10's
// HDR, or under Wine), which is traced.
std::vector<std::wstring> advancedColourDisplays();

}  // namespace vistrel::win32
