#pragma once
#include <windows.h>

namespace vistrel::win32 {

// Dialog navigation for a top-level window that is no dialog: Tab, Shift+Tab and the arrows move
// the focus through its tab stops (into children marked WS_EX_CONTROLPARENT too), Esc and Enter
// reach it as WM_COMMAND IDCANCEL and IDOK. Every top-level window marked WS_EX_CONTROLPARENT takes
// part. True when the message was used (then it must not be dispatched).
bool navigateByKeyboard(MSG& msg);

// Focus cues as Windows shows them: hidden while the user works with the mouse, shown from the
// moment the keyboard moves the focus, in the whole top-level window (its UI state,
// WM_CHANGEUISTATE / WM_UPDATEUISTATE / WM_QUERYUISTATE).

// Whether a control of this window should show that it has the focus. The top-level window's
// state counts: a control made after the state last changed does not hold it itself.
bool focusCuesShown(HWND window);
// A new top-level window starts with cues hidden, unless the user asked Windows to show them always.
void hideFocusCuesUntilKeyboard(HWND topLevel);
// The keyboard moved the focus somewhere in this window: cues on in all of it.
void showFocusCues(HWND window);
// When the window has the focus and cues are shown: a dotted outline along its shape (its window
// region), or its client rectangle when it has none, so a picture with a transparent surround is
// outlined where it is seen.
void drawFocusCue(HWND window, HDC dc);
// Messages after which a control's focus cue may have to appear or go: focus gained or lost, UI
// state changed.
bool changesFocusCue(UINT message);

}  // namespace vistrel::win32
