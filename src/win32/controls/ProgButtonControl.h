#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "base/Accessible.h"
#include "base/UniqueHandle.h"
#include "base/Window.h"
#include "controls/GradientFiller.h"
#include "controls/ProgButton.h"

namespace vistrel::win32 {

// The progress bar / gradient button as a child window: replays the model's display list into a
// back buffer (so a once-a-second update never flickers), keeps the window's rounded shape, and
// turns mouse, keyboard and focus messages into the model's input.
//
// The host wires model().onMouseDown / onMouseUp / onMouseMove / onClick / onDblClick; onRedraw
// and onFocusRequest belong to this control. Text is drawn in the host's font (the parent's
// WM_GETFONT, else the system message font), or in whatever WM_SETFONT gives later.
class ProgButtonControl final : public Window {
public:
    // boundsPx: the control's rectangle in the parent's client pixels.
    ProgButtonControl(HWND parent, RECT boundsPx, int controlId);
    // A control saved with its window: the stored properties are read before its first redraw.
    ProgButtonControl(HWND parent, RECT boundsPx, int controlId, const ProgButton::PropertyReader& stored);
    ~ProgButtonControl() override;

    ProgButton& model() { return m_model; }
    const ProgButton& model() const { return m_model; }

    // Drawing helpers the host may use on its own surfaces. drawColor takes edges, not a size.
    void drawColor(HDC dc, int left, int top, int right, int bottom, COLORREF start, COLORREF end) const;
    int getFontWidth(std::wstring_view text) const;
    int getFontHeight(std::wstring_view text) const;

    // An access key (the character typed with Alt) that the host's window received. True when
    // it clicked this control.
    bool pressAccessKey(wchar_t key);

    // What screen readers call the button style's default action, which clicks it. A progress bar
    // (Style 0) has none; it reports its caption as its name and its percentage as its value.
    void setAccessibleAction(std::wstring action);

protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // At most this many pending messages run before a mouse event, so a window that keeps
    // posting to itself cannot hold the event back forever.
    static constexpr int kMaxPendingMessages = 64;

    void createWindow(HWND parent, const RECT& bounds, int controlId);
    void onModelRedraw();
    void paint(HDC target);
    void updateShape(int width, int height);
    HFONT font() const;
    SIZE measure(HDC dc, std::wstring_view text) const;
    SIZE measureOnWindow(std::wstring_view text) const;
    // Lets queued timer, paint and posted messages run; user input stays queued behind this
    // message so a quick click's release cannot overtake its press. False when this control was
    // destroyed meanwhile.
    bool letPendingMessagesRun();
    LRESULT onButtonDown(std::int16_t button, WPARAM wParam, LPARAM lParam);
    LRESULT onButtonUp(std::int16_t button, WPARAM wParam, LPARAM lParam);
    LRESULT onMouseMove(WPARAM wParam, LPARAM lParam);
    AccessibleFacts accessibleFacts() const;
    bool postScreenReaderClick();

    ProgButton m_model;
    GradientFiller m_gradients;
    HFONT m_hostFont = nullptr;  // the host's font; the host owns it
    UniqueFont m_messageFont;    // our own font when the host gave none
    UniqueBitmap m_backBuffer;
    SIZE m_backBufferSize{};
    SIZE m_shapeSize{-1, -1};  // the size the window region was last built for
    std::wstring m_windowText;
    bool m_clickArmed = false;  // a left press that becomes a click if released over the control
    bool m_pumping = false;
    bool m_releasingCapture = false;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    std::wstring m_accessibleAction;
    Accessible m_accessible{{.facts = [this] { return accessibleFacts(); },
                             .defaultAction = [this] { return postScreenReaderClick(); }}};
};

}  // namespace vistrel::win32
