#include "WindowTree.h"

namespace vistrel::wininspect {
namespace {

BOOL CALLBACK appendWindow(HWND window, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> collectWindows()
{
    std::vector<HWND> topLevel;
    EnumWindows(appendWindow, reinterpret_cast<LPARAM>(&topLevel));

    std::vector<HWND> all;
    all.reserve(topLevel.size() * 2);
    for (HWND window : topLevel) {
        all.push_back(window);
        // Enumerates the whole subtree, depth first, so nesting needs no recursion here.
        EnumChildWindows(window, appendWindow, reinterpret_cast<LPARAM>(&all));
    }
    return all;
}

}  // namespace vistrel::wininspect
