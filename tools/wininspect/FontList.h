#pragma once
#include <set>
#include <string>

namespace vistrel::wininspect {

// Font family names GDI offers to programs, so a test can tell whether CJK text can be drawn.
std::set<std::wstring> fontFamilies();

}  // namespace vistrel::wininspect
