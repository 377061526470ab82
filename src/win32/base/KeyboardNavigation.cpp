#include "base/KeyboardNavigation.h"

#include "base/UniqueHandle.h"

namespace vistrel::win32 {

bool navigateByKeyboard(MSG& msg)
{
    const HWND top = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (!top || !(GetWindowLongW(top, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)) return false;
    if (msg.message == WM_KEYDOWN) {
        switch (msg.wParam) {
        case VK_TAB:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            // Windows' own dialog navigation does this too; done here, no version can leave it out.
            showFocusCues(top);
            break;
        default:
            break;
        }
    }
    return IsDialogMessageW(top, &msg) != FALSE;
}

bool focusCuesShown(HWND window)
{
    const HWND top = GetAncestor(window, GA_ROOT);
    return (SendMessageW(top ? top : window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

void hideFocusCuesUntilKeyboard(HWND topLevel)
{
    BOOL always = FALSE;
    SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &always, 0);
    SendMessageW(topLevel, WM_CHANGEUISTATE, MAKEWPARAM(always ? UIS_CLEAR : UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL),
                 0);
}

void showFocusCues(HWND window)
{
    if (!focusCuesShown(window))
        SendMessageW(GetAncestor(window, GA_ROOT), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

bool changesFocusCue(UINT message)
{
    return message == WM_SETFOCUS || message == WM_KILLFOCUS || message == WM_UPDATEUISTATE;
}

void drawFocusCue(HWND window, HDC dc)
{
    if (GetFocus() != window || !focusCuesShown(window)) return;
    UniqueRegion shape(CreateRectRgn(0, 0, 0, 0));
    const int kind = shape ? GetWindowRgn(window, shape.get()) : ERROR;
    if (kind == ERROR || kind == NULLREGION) {
        RECT client{};
        GetClientRect(window, &client);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &client);
        return;
    }
    // Every other pixel black and white, like DrawFocusRect's dots but visible on any picture.
    static constexpr WORD kDots[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    const UniqueBitmap pattern(CreateBitmap(8, 8, 1, 1, kDots));
    const UniqueBrush brush(pattern ? CreatePatternBrush(pattern.get()) : nullptr);
    if (!brush) return;
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    FrameRgn(dc, shape.get(), brush.get(), 1, 1);
}

}  // namespace vistrel::win32
