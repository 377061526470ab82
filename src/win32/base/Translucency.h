#pragma once
#include <windows.h>

namespace vistrel::win32 {

// Makes a top-level window layered and draws all of it at alpha/255 opacity. Done before the
// window is first shown: a layered window without attributes is not drawn at all.
inline void makeTranslucent(HWND window, BYTE alpha)
{
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA);
}

}  // namespace vistrel::win32
