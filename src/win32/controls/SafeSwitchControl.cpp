#include "controls/SafeSwitchControl.h"

#include <utility>

#include "base/KeyboardNavigation.h"
#include "base/Trace.h"
#include "res/resource.h"

namespace vistrel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"VistrelSafeSwitch";
constexpr UINT_PTR kPollTimer = 1;
constexpr COLORREF kMaskTransparent = RGB(255, 0, 0);
constexpr int kStripIds[] = {IDB_SWITCH_STRIP0, IDB_SWITCH_STRIP1, IDB_SWITCH_STRIP2};
constexpr int kMaskIds[] = {IDB_SWITCH_MASK0, IDB_SWITCH_MASK1, IDB_SWITCH_MASK2,
                            IDB_SWITCH_MASK3, IDB_SWITCH_MASK4, IDB_SWITCH_MASK5};

}  // namespace

SafeSwitchControl::SafeSwitchControl(HWND parent, int xPx, int yPx, int controlId)
    : SafeSwitchControl(parent, m_ownModel, xPx, yPx, controlId)
{
}

SafeSwitchControl::SafeSwitchControl(HWND parent, SafeSwitch& model, int xPx, int yPx, int controlId)
    : m_model(model),
      m_accessible({.facts =
                        [this] {
                            return AccessibleFacts{
                                .name = m_accessibleName,
                                .role = ROLE_SYSTEM_CHECKBUTTON,
                                .state = STATE_SYSTEM_FOCUSABLE | (m_model.value() ? STATE_SYSTEM_CHECKED : 0) |
                                         (m_model.enable() ? 0 : STATE_SYSTEM_UNAVAILABLE),
                                .defaultAction = m_accessibleAction};
                        },
                    .defaultAction = [this] { return postAccessibleClick(hwnd()); }})
{
    // No CS_DBLCLKS: a quick second click is a second toggle.
    registerClass(kClassName, {});

    m_model.onPaint = [this] { showModelState(); };
    m_model.onResize = [this] { fitToSkin(); };

    const SafeSwitchSkin skin = m_model.geometry();
    create({.className = kClassName, .style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS,
            .bounds = {xPx, yPx, xPx + skin.cellWidth, yPx + skin.cellHeight}, .parent = parent,
            .controlId = controlId});
    showModelState();
    wakePolling();
}

SafeSwitchControl::~SafeSwitchControl()
{
    // Destroyed here, while the members its messages use still exist.
    if (hwnd()) DestroyWindow(hwnd());
    // A model that lives on must not call back into this control.
    m_model.onPaint = nullptr;
    m_model.onResize = nullptr;
}

void SafeSwitchControl::place(int xPx, int yPx, int artScale)
{
    if (!hwnd()) return;
    if (artScale != m_model.scale()) {
        // Art of the old scale is of no use any more.
        for (UniqueBitmap& strip : m_strips) strip.reset();
        m_maskLoaded = {};
        m_shapeMask = -1;
    }
    SetWindowPos(hwnd(), nullptr, xPx, yPx, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_model.setScale(artScale);  // resizes and repaints through the model's events
}

void SafeSwitchControl::wakePolling()
{
    if (!hwnd()) return;
    if (!m_polling) {
        m_polling = SetTimer(hwnd(), kPollTimer, kPollMilliseconds, nullptr) != 0;
        if (!m_polling) traceLastError(L"SetTimer for the switch's hover poll");
    }
    pollCursor();
}

void SafeSwitchControl::pausePolling()
{
    if (m_polling && hwnd()) KillTimer(hwnd(), kPollTimer);
    m_polling = false;
}

void SafeSwitchControl::setAccessibleText(std::wstring name, std::wstring action)
{
    m_accessibleName = std::move(name);
    m_accessibleAction = std::move(action);
    Accessible::notify(hwnd(), EVENT_OBJECT_NAMECHANGE);
}

void SafeSwitchControl::clickForScreenReader()
{
    if (!hwnd()) return;
    // The model commits a release only over the switch; the next poll gives the hover back to
    // wherever the cursor really is.
    m_model.poll(0, 0);
    m_model.mouseDown(SafeSwitch::MouseButton::Left);
    m_model.mouseUp(SafeSwitch::MouseButton::Left);
    pollCursor();
}

LRESULT SafeSwitchControl::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (changesFocusCue(message)) InvalidateRect(hwnd(), nullptr, FALSE);
    switch (message) {
    case WM_GETOBJECT:
        if (const auto answer = m_accessible.answer(hwnd(), wParam, lParam)) return *answer;
        break;
    case kAccessibleClickMessage:
        clickForScreenReader();
        return 0;
    case WM_PAINT: {
        PaintScope painting(hwnd());
        if (painting.dc()) paint(painting.dc());
        return 0;
    }
    case WM_MOUSEMOVE:
        // Reaches the switch while it holds the capture too, when the host hears nothing.
        if (!m_polling) wakePolling();
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the cell covers every pixel the region lets through
    case WM_TIMER:
        if (wParam == kPollTimer) {
            pollCursor();
            return 0;
        }
        break;
    case WM_WINDOWPOSCHANGING: {
        // Whoever resizes the switch, it stays exactly one cell large.
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (!(pos->flags & SWP_NOSIZE)) {
            const SafeSwitchSkin skin = m_model.geometry();
            pos->cx = skin.cellWidth;
            pos->cy = skin.cellHeight;
        }
        break;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS;  // Space is ours; Tab, arrows, Enter and Esc stay the window's
    case WM_KEYDOWN:
        // Space toggles as a click does; a held key toggles once.
        if (wParam == VK_SPACE && !(lParam & (1 << 30))) {
            m_model.keyPress();
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
        // Captured so the release reaches the switch wherever it happens.
        SetCapture(hwnd());
        m_model.mouseDown(SafeSwitch::MouseButton::Left);
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == hwnd()) ReleaseCapture();
        m_model.mouseUp(SafeSwitch::MouseButton::Left);
        return 0;
    case WM_RBUTTONDOWN:
        m_model.mouseDown(SafeSwitch::MouseButton::Right);
        return 0;
    case WM_RBUTTONUP:
        m_model.mouseUp(SafeSwitch::MouseButton::Right);
        return 0;
    case WM_MBUTTONDOWN:
        m_model.mouseDown(SafeSwitch::MouseButton::Middle);
        return 0;
    case WM_MBUTTONUP:
        m_model.mouseUp(SafeSwitch::MouseButton::Middle);
        return 0;
    case WM_DESTROY:
        pausePolling();
        return 0;
    default:
        break;
    }
    return defaultProc(message, wParam, lParam);
}

void SafeSwitchControl::paint(HDC dc)
{
    const SafeSwitchSkin skin = m_model.geometry();
    const int top = skin.cellTop(m_model.cell());
    drawBitmapPart(dc, strip(skin.strip), 0, 0, RECT{0, top, skin.cellWidth, top + skin.cellHeight});
    drawFocusCue(hwnd(), dc);
}

void SafeSwitchControl::showModelState()
{
    if (!hwnd()) return;
    if (m_model.value() != std::exchange(m_announcedValue, m_model.value()))
        Accessible::notify(hwnd(), EVENT_OBJECT_STATECHANGE);
    applyShape();
    // Painted before the model raises Click, so a host that opens a modal box there already shows
    // the new position.
    InvalidateRect(hwnd(), nullptr, FALSE);
    UpdateWindow(hwnd());
}

void SafeSwitchControl::fitToSkin()
{
    if (!hwnd()) return;
    const SafeSwitchSkin skin = m_model.geometry();
    SetWindowPos(hwnd(), nullptr, 0, 0, skin.cellWidth, skin.cellHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SafeSwitchControl::applyShape()
{
    const int index = m_model.mask();
    if (index == m_shapeMask) return;
    m_shapeMask = index;
    UniqueRegion region = mask(index).copy();
    // A missing mask leaves the switch rectangular rather than invisible.
    if (SetWindowRgn(hwnd(), region.get(), TRUE)) region.release();
}

void SafeSwitchControl::pollCursor()
{
    POINT screen{};
    if (!GetCursorPos(&screen)) return;
    POINT client = screen;
    if (!ScreenToClient(hwnd(), &client)) return;
    m_model.poll(client.x, client.y);

    // Nothing to watch until the cursor comes back into the host's window.
    RECT host{};
    const bool inHost = GetWindowRect(GetAncestor(hwnd(), GA_ROOT), &host) && PtInRect(&host, screen);
    if (!inHost && !m_model.hover()) pausePolling();
}

HBITMAP SafeSwitchControl::strip(int index)
{
    auto& bitmap = m_strips[static_cast<size_t>(index)];
    if (!bitmap) bitmap = loadBitmapResource(kStripIds[index], m_model.scale());
    return bitmap.get();
}

const BitmapMask& SafeSwitchControl::mask(int index)
{
    const auto slot = static_cast<size_t>(index);
    if (!m_maskLoaded[slot]) {
        m_maskLoaded[slot] = true;
        const UniqueBitmap bitmap = loadBitmapResource(kMaskIds[index], m_model.scale());
        m_masks[slot] = BitmapMask(bitmap.get(), kMaskTransparent);
    }
    return m_masks[slot];
}

}  // namespace vistrel::win32
