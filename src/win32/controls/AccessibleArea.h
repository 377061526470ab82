#pragma once
#include <windows.h>

#include <functional>

#include "base/Accessible.h"
#include "base/Window.h"

namespace vistrel::win32 {

// A child window with no pixels of its own that speaks for something its parent paints (a text on
// a picture), so screen readers find it where it is drawn. It has no window region
// (clearWindowRegion).
class AccessibleArea final : public Window {
public:
    AccessibleArea(HWND parent, int controlId, std::function<AccessibleFacts()> facts);
    ~AccessibleArea() override;

    // boundsPx: where the parent draws the thing, in its client pixels.
    void place(const RECT& boundsPx);
    // Tells screen readers that what the facts say has changed (EVENT_OBJECT_VALUECHANGE, ...).
    void changed(DWORD event) const { Accessible::notify(hwnd(), event); }

protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Accessible m_accessible;
};

}  // namespace vistrel::win32
