#include "controls/AccessibleArea.h"

#include <utility>


namespace vistrel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"VistrelAccessibleArea";

}  // namespace

AccessibleArea::AccessibleArea(HWND parent, int controlId, std::function<AccessibleFacts()> facts)
    : m_accessible({.facts = std::move(facts), .defaultAction = {}})
{
    registerClass(kClassName, {});
    create({.className = kClassName, .style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, .parent = parent,
            .controlId = controlId});
    if (hwnd()) clearWindowRegion(hwnd());
}

AccessibleArea::~AccessibleArea()
{
    if (hwnd()) DestroyWindow(hwnd());
}

void AccessibleArea::place(const RECT& boundsPx) { moveWindow(hwnd(), boundsPx); }

LRESULT AccessibleArea::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETOBJECT:
        if (const auto answer = m_accessible.answer(hwnd(), wParam, lParam)) return *answer;
        break;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        ValidateRect(hwnd(), nullptr);
        return 0;
    default:
        break;
    }
    return defaultProc(message, wParam, lParam);
}

}  // namespace vistrel::win32
