#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "base/Accessible.h"
#include "base/UniqueHandle.h"
#include "base/Window.h"
#include "controls/BitmapMask.h"

namespace vistrel::win32 {

// A picture that acts as a button: one bitmap resource, at the art scale of the window's density,
// drawn unscaled at the top-left corner, a hand cursor, an optional tooltip, and onClick after a
// left press and release both inside it. The tooltip window is made when the cursor first comes
// over the button, so common controls are loaded only once someone points at one.
// Pure magenta pixels (and everything beyond the bitmap) are not part of the button: the parent
// shows through them and they take no clicks.
class ImageButton final : public Window {
public:
    static constexpr COLORREF kTransparent = RGB(255, 0, 255);

    // boundsPx: in the parent's client pixels. An empty tooltip means none.
    ImageButton(HWND parent, RECT boundsPx, int bitmapId, std::wstring tooltip, int controlId, int artScale = 100);
    ~ImageButton() override;

    std::function<void()> onClick;

    // A new place and picture scale, when the window's density changes.
    void place(RECT boundsPx, int artScale);
    void show(bool visible);
    bool visible() const;
    // The tooltip's font, owned by the caller and kept alive as long as this button. The system's
    // tooltip font may lack Chinese glyphs where the system does no font linking.
    void setTooltipFont(HFONT font);
    bool hasTooltipWindow() const { return static_cast<bool>(m_tooltip); }
    // What screen readers call the button (the tooltip text when this is empty) and its default
    // action, which clicks it.
    void setAccessibleText(std::wstring name, std::wstring action);
    // A new tooltip text, after a change of language; shown from the next time it pops up.
    void setTooltip(std::wstring text);

protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void loadPicture();
    void createTooltip();
    TTTOOLINFOW toolInfo();
    void destroyTooltip();
    bool hits(POINT client) const;

    int m_bitmapId;
    int m_artScale;
    UniqueBitmap m_bitmap;
    BitmapMask m_shape;
    std::wstring m_tooltipText;
    HFONT m_tooltipFont = nullptr;  // the caller's
    UniqueWindow m_tooltip;
    bool m_tooltipTried = false;  // made once, or failed once (traced)
    bool m_pressed = false;
    std::wstring m_accessibleName;
    std::wstring m_accessibleAction;
    Accessible m_accessible;
};

}  // namespace vistrel::win32
