#pragma once
#include <windows.h>

#include <string_view>

#include "base/UniqueHandle.h"

namespace vistrel::win32 {

// The balloon that says what is wrong with a field, pointing at it. A tracking balloon tooltip of
// its own rather than EM_SHOWBALLOONTIP, so that every kind of field (edit boxes, time pickers) gets
// the same one, and on every system the program runs on. It stays until hidden: the page hides it
// when the field changes or loses the focus, or the page is left.
class FieldBalloon {
public:
    void show(HWND field, std::wstring_view title, std::wstring_view text);
    void hide();
    bool shownFor(HWND field) const { return m_field == field && m_field; }

private:
    UniqueWindow m_tip;
    HWND m_field = nullptr;
};

}  // namespace vistrel::win32
