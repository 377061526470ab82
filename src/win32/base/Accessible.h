#pragma once
#include <windows.h>

#include <oleacc.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vistrel::win32 {

// A control's default action posts this to itself and clicks when it arrives, so the click runs
// from the window's own queue after the screen reader's call returned (a click may open a modal
// box or destroy the control). Private to each control class.
constexpr UINT kAccessibleClickMessage = WM_APP + 0x0A11;
// Posts kAccessibleClickMessage to `control`, with `part` as its wParam (which simple element
// was clicked); false when it could not.
bool postAccessibleClick(HWND control, WPARAM part = 0);

// What a window tells a screen reader about itself, read afresh each time one asks.
struct AccessibleFacts {
    std::wstring name{};
    long role = ROLE_SYSTEM_CLIENT;
    // STATE_SYSTEM_* flags, with those the system sees of the window added (focused, unavailable,
    // invisible, offscreen).
    long state = 0;
    std::wstring value{};
    std::wstring defaultAction{};  // empty: the object has none
};

// A part of a window that is no window of its own, such as a painted choice: a simple element,
// which screen readers reach through the window's object with its child id (1 for the first).
struct AccessibleElement {
    AccessibleFacts facts{};  // its state gains the window's unavailable, invisible and offscreen
    RECT place{};             // in the window's client pixels
    std::function<bool()> defaultAction{};  // as Accessible::Handlers::defaultAction
};

// A window's client area as Microsoft Active Accessibility sees it: the window answers
// WM_GETOBJECT through answer(), and screen readers get an IAccessible that reports the facts
// and runs the default action. Its simple elements, when it has any, come first among its
// children, before its child windows. Location, parent, and everything about child windows come
// from the system's standard object for the window.
//
// The objects handed out hold only a weak link to this: once it is gone (with its window),
// they answer CO_E_OBJNOTCONNECTED, however long a screen reader keeps them.
class Accessible {
public:
    struct Handlers {
        std::function<AccessibleFacts()> facts;
        // False, or none, when the object has no default action (accDoDefaultAction is refused).
        std::function<bool()> defaultAction;
        // The window's simple elements, in their reading order (accNavigate runs among them; a hit
        // test finds the last listed under the point); none, or an empty list, when it has none.
        std::function<std::vector<AccessibleElement>()> elements{};
    };

    explicit Accessible(Handlers handlers);
    ~Accessible();
    Accessible(Accessible&&) noexcept;
    Accessible& operator=(Accessible&&) noexcept;

    // The reply to WM_GETOBJECT for `window`; none for objects other than the client area (the
    // caller passes those to the default procedure).
    std::optional<LRESULT> answer(HWND window, WPARAM wParam, LPARAM lParam);
    // A new object for `window` (one reference, the caller's), or null with the failure traced.
    IAccessible* object(HWND window);

    // Tells screen readers that the window's client object, or one of its simple elements,
    // changed (EVENT_OBJECT_* or EVENT_SYSTEM_ALERT).
    static void notify(HWND window, DWORD event, LONG child = CHILDID_SELF);

private:
    struct Library;
    std::shared_ptr<const Handlers> m_handlers;
    std::unique_ptr<Library> m_library;  // oleacc, loaded at the first question
};

}  // namespace vistrel::win32
