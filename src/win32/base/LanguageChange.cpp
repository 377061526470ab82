#include "base/LanguageChange.h"

#include "base/Trace.h"

namespace vistrel::win32 {

UINT languageChangedMessage()
{
    // Registered rather than a WM_APP number, so no window's private messages can collide with it.
    static const UINT message = RegisterWindowMessageW(L"Vistrel.LanguageChanged");
    return message;
}

void announceLanguageChange()
{
    const UINT message = languageChangedMessage();
    if (message == 0) {
        traceLastError(L"RegisterWindowMessageW for the language change");
        return;
    }
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM announcement) {
            SendMessageW(window, static_cast<UINT>(announcement), 0, 0);
            return TRUE;
        },
        static_cast<LPARAM>(message));
}

}  // namespace vistrel::win32
