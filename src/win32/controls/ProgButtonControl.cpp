#include "controls/ProgButtonControl.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "base/KeyboardNavigation.h"
#include "base/Text.h"

namespace vistrel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"VistrelProgButton";

// Mouse button codes and modifier mask as the model's events carry them.
constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kRightButton = 2;
constexpr std::int16_t kMiddleButton = 4;
constexpr std::int16_t kShiftMask = 1;
constexpr std::int16_t kControlMask = 2;
constexpr std::int16_t kAltMask = 4;

COLORREF toColorRef(ProgButtonColor c)
{
    return RGB(c.red, c.green, c.blue);
}

RECT toRect(const ProgButtonRect& r)
{
    return RECT{r.left, r.top, r.right, r.bottom};
}

std::int16_t shiftMask(WPARAM wParam)
{
    std::int16_t mask = 0;
    if (wParam & MK_SHIFT) mask |= kShiftMask;
    if (wParam & MK_CONTROL) mask |= kControlMask;
    if (GetKeyState(VK_MENU) < 0) mask |= kAltMask;
    return mask;
}

std::int16_t heldButtons(WPARAM wParam)
{
    std::int16_t buttons = 0;
    if (wParam & MK_LBUTTON) buttons |= kLeftButton;
    if (wParam & MK_RBUTTON) buttons |= kRightButton;
    if (wParam & MK_MBUTTON) buttons |= kMiddleButton;
    return buttons;
}

ProgButton::MouseArgs mouseArgs(std::int16_t button, WPARAM wParam, LPARAM lParam)
{
    return {button, shiftMask(wParam), static_cast<float>(GET_X_LPARAM(lParam)),
            static_cast<float>(GET_Y_LPARAM(lParam))};
}

bool isUserInput(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

// The system's message font, which is what the desktop's own dialogs use.
UniqueFont createMessageFont()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return UniqueFont();
    return UniqueFont(CreateFontIndirectW(&metrics.lfMessageFont));
}

}  // namespace

ProgButtonControl::ProgButtonControl(HWND parent, RECT boundsPx, int controlId)
{
    createWindow(parent, boundsPx, controlId);
}

ProgButtonControl::ProgButtonControl(HWND parent, RECT boundsPx, int controlId,
                                     const ProgButton::PropertyReader& stored)
{
    // Before the window exists, so the first redraw already shows the stored colours (a stored
    // invalid scheme therefore draws black, as no valid one was ever loaded).
    m_model.readProperties(stored);
    createWindow(parent, boundsPx, controlId);
}

ProgButtonControl::~ProgButtonControl()
{
    *m_alive = false;
    // Destroyed here, while the members its last messages use still exist.
    if (hwnd()) DestroyWindow(hwnd());
}

void ProgButtonControl::createWindow(HWND parent, const RECT& bounds, int controlId)
{
    registerClass(kClassName, {.style = CS_DBLCLKS});

    m_model.onRedraw = [this] { onModelRedraw(); };
    m_model.onFocusRequest = [this] {
        if (hwnd()) SetFocus(hwnd());
    };

    if (parent) m_hostFont = reinterpret_cast<HFONT>(SendMessageW(parent, WM_GETFONT, 0, 0));
    if (!m_hostFont) m_messageFont = createMessageFont();

    create({.className = kClassName, .style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS,
            .bounds = bounds, .parent = parent, .controlId = controlId});
    if (!hwnd()) return;
    RECT client{};
    GetClientRect(hwnd(), &client);
    updateShape(client.right, client.bottom);
    m_model.redraw();
}

void ProgButtonControl::drawColor(HDC dc, int left, int top, int right, int bottom, COLORREF start,
                                  COLORREF end) const
{
    m_gradients.fillVertical(dc, RECT{left, top, right, bottom}, start, end);
}

int ProgButtonControl::getFontWidth(std::wstring_view text) const
{
    return measureOnWindow(text).cx;
}

int ProgButtonControl::getFontHeight(std::wstring_view text) const
{
    return measureOnWindow(text).cy;
}

bool ProgButtonControl::pressAccessKey(wchar_t key)
{
    return m_model.accessKeyPressed(narrow(std::wstring_view(&key, 1)));
}

void ProgButtonControl::setAccessibleAction(std::wstring action) { m_accessibleAction = std::move(action); }

AccessibleFacts ProgButtonControl::accessibleFacts() const
{
    AccessibleFacts facts;
    facts.name = widen(m_model.caption());
    if (m_model.style() != ProgButton::kProgressStyle) {
        facts.role = ROLE_SYSTEM_PUSHBUTTON;
        facts.state = STATE_SYSTEM_FOCUSABLE | (m_model.pressed() ? STATE_SYSTEM_PRESSED : 0);
        facts.defaultAction = m_accessibleAction;
        return facts;
    }
    facts.role = ROLE_SYSTEM_PROGRESSBAR;
    facts.state = STATE_SYSTEM_READONLY;
    // Value may stand outside Min..Max (stored values are not limited); the percentage may not.
    const std::int64_t span = std::int64_t{m_model.max()} - m_model.min();
    const std::int64_t done = std::int64_t{m_model.value()} - m_model.min();
    const std::int64_t percent = span <= 0 ? 0 : std::clamp<std::int64_t>(done * 100 / span, 0, 100);
    facts.value = std::to_wstring(percent) + L"%";
    return facts;
}

bool ProgButtonControl::postScreenReaderClick()
{
    if (m_model.style() == ProgButton::kProgressStyle) return false;  // a progress bar does nothing
    return postAccessibleClick(hwnd());
}

LRESULT ProgButtonControl::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETOBJECT:
        if (const auto answer = m_accessible.answer(hwnd(), wParam, lParam)) return *answer;
        break;
    case kAccessibleClickMessage:
        m_model.click();
        return 0;
    case WM_PAINT: {
        PaintScope painting(hwnd());
        if (painting.dc()) paint(painting.dc());
        return 0;
    }
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the back buffer covers every pixel
    case WM_SIZE:
        updateShape(LOWORD(lParam), HIWORD(lParam));
        m_model.redraw();
        return 0;
    case WM_SETFONT:
        m_hostFont = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) InvalidateRect(hwnd(), nullptr, FALSE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font());
    case WM_SETFOCUS:
        m_model.setFocused(true);
        return 0;
    case WM_KILLFOCUS:
        m_model.setFocused(false);
        return 0;
    case WM_GETDLGCODE: {
        // A dialog host would take Enter for its default button; in keyboard style it is ours.
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (m_model.style() == ProgButton::kKeyboardButtonStyle && msg &&
            (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) && msg->wParam == VK_RETURN)
            return DLGC_WANTMESSAGE;
        break;
    }
    case WM_UPDATEUISTATE:
        InvalidateRect(hwnd(), nullptr, FALSE);
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        // Space presses as a button does: without Alt (the system menu's), once however long it is held.
        // Enter repeats as it always has.
        if (wParam == VK_SPACE && (message == WM_SYSKEYDOWN || (lParam & (1 << 30)))) break;
        if (m_model.keyDown(static_cast<int>(wParam))) return 0;
        break;
    case WM_SYSCHAR:
        if (pressAccessKey(static_cast<wchar_t>(wParam))) return 0;
        break;
    case WM_LBUTTONDOWN:
        return onButtonDown(kLeftButton, wParam, lParam);
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        return onButtonDown(kRightButton, wParam, lParam);
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        return onButtonDown(kMiddleButton, wParam, lParam);
    case WM_LBUTTONUP:
        return onButtonUp(kLeftButton, wParam, lParam);
    case WM_RBUTTONUP:
        return onButtonUp(kRightButton, wParam, lParam);
    case WM_MBUTTONUP:
        return onButtonUp(kMiddleButton, wParam, lParam);
    case WM_MOUSEMOVE:
        return onMouseMove(wParam, lParam);
    case WM_LBUTTONDBLCLK:
        // The second press of a double click raises DblClick instead of MouseDown; its release
        // still raises MouseUp, but no second Click.
        SetCapture(hwnd());
        m_clickArmed = false;
        m_model.dblClick();
        return 0;
    case WM_CAPTURECHANGED:
        // Capture taken away mid-press (another window grabbed it): the release will never come.
        if (!m_releasingCapture && reinterpret_cast<HWND>(lParam) != hwnd()) {
            m_clickArmed = false;
            m_model.cancelPress();
        }
        return 0;
    default:
        break;
    }
    return defaultProc(message, wParam, lParam);
}

LRESULT ProgButtonControl::onButtonDown(std::int16_t button, WPARAM wParam, LPARAM lParam)
{
    const ProgButton::MouseArgs args = mouseArgs(button, wParam, lParam);
    const std::shared_ptr<bool> alive = m_alive;
    if (GetFocus() != hwnd()) SetFocus(hwnd());
    if (!*alive) return 0;
    // Captured so the release reaches the control wherever it happens.
    SetCapture(hwnd());
    if (button == kLeftButton) m_clickArmed = true;
    if (!letPendingMessagesRun()) return 0;
    m_model.mouseDown(args);
    return 0;
}

LRESULT ProgButtonControl::onButtonUp(std::int16_t button, WPARAM wParam, LPARAM lParam)
{
    const ProgButton::MouseArgs args = mouseArgs(button, wParam, lParam);
    RECT client{};
    GetClientRect(hwnd(), &client);
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const bool click = button == kLeftButton && m_clickArmed && PtInRect(&client, at);
    if (button == kLeftButton) m_clickArmed = false;
    if (heldButtons(wParam) == 0 && GetCapture() == hwnd()) {
        m_releasingCapture = true;
        ReleaseCapture();
        m_releasingCapture = false;
    }

    const std::shared_ptr<bool> alive = m_alive;
    if (!letPendingMessagesRun()) return 0;
    m_model.mouseUp(args);
    if (click && *alive) m_model.click();
    return 0;
}

LRESULT ProgButtonControl::onMouseMove(WPARAM wParam, LPARAM lParam)
{
    const ProgButton::MouseArgs args = mouseArgs(heldButtons(wParam), wParam, lParam);
    if (!letPendingMessagesRun()) return 0;
    m_model.mouseMove(args);
    return 0;
}

bool ProgButtonControl::letPendingMessagesRun()
{
    if (m_pumping) return true;  // already running them further up this stack
    const std::shared_ptr<bool> alive = m_alive;
    m_pumping = true;
    for (int i = 0; i < kMaxPendingMessages; ++i) {
        MSG msg;
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) || isUserInput(msg.message)) break;
        if (!PeekMessageW(&msg, nullptr, msg.message, msg.message, PM_REMOVE)) break;
        if (msg.message == WM_QUIT) {
            // Not ours to act on: leave it for the program's own message loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        if (!*alive) return false;
    }
    m_pumping = false;
    return true;
}

void ProgButtonControl::onModelRedraw()
{
    if (!hwnd()) return;
    // The caption doubles as the window text, for accessibility tools and window inspectors.
    std::wstring text = widen(m_model.caption());
    if (text != m_windowText) {
        m_windowText = std::move(text);
        SetWindowTextW(hwnd(), m_windowText.c_str());
    }
    InvalidateRect(hwnd(), nullptr, FALSE);
}

// The region is rebuilt only when the size changes: the shape depends on nothing else, and a
// fresh region every second would be needless work for the window manager.
void ProgButtonControl::updateShape(int width, int height)
{
    if (width == m_shapeSize.cx && height == m_shapeSize.cy) return;
    UniqueRegion region(CreateRoundRectRgn(0, 0, width, height, ProgButtonDisplay::kCornerSize,
                                           ProgButtonDisplay::kCornerSize));
    if (!region) return;
    // On success the window owns the region.
    if (SetWindowRgn(hwnd(), region.get(), TRUE)) {
        region.release();
        m_shapeSize = SIZE{width, height};
    }
}

HFONT ProgButtonControl::font() const
{
    if (m_hostFont) return m_hostFont;
    if (m_messageFont) return m_messageFont.get();
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

SIZE ProgButtonControl::measure(HDC dc, std::wstring_view text) const
{
    SIZE size{};
    if (!GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size)) return SIZE{};
    return size;
}

SIZE ProgButtonControl::measureOnWindow(std::wstring_view text) const
{
    WindowDc dc(hwnd());
    if (!dc) return SIZE{};
    SelectObjectScope selectFont(dc.get(), font());
    return measure(dc.get(), text);
}

void ProgButtonControl::paint(HDC target)
{
    if (!target) return;
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int width = client.right;
    const int height = client.bottom;
    if (width <= 0 || height <= 0) return;

    UniqueMemoryDc memory(CreateCompatibleDC(target));
    if (!memory) return;
    if (!m_backBuffer || m_backBufferSize.cx != width || m_backBufferSize.cy != height) {
        m_backBuffer.reset(CreateCompatibleBitmap(target, width, height));
        m_backBufferSize = m_backBuffer ? SIZE{width, height} : SIZE{};
    }
    if (!m_backBuffer) return;
    HDC dc = memory.get();
    SelectObjectScope selectBitmap(dc, m_backBuffer.get());
    SelectObjectScope selectFont(dc, font());

    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const ProgButtonDisplay display = m_model.display(width, height, [this, dc](std::string_view text) {
        const SIZE size = measure(dc, widen(text));
        return ProgButtonTextSize{size.cx, size.cy};
    });

    for (const ProgButtonBand& band : display.bands)
        m_gradients.fillVertical(dc, toRect(band.rect), toColorRef(band.top), toColorRef(band.bottom));

    UniquePen pen(CreatePen(PS_SOLID, 1, toColorRef(display.outlineColor)));
    if (pen) {
        SelectObjectScope selectPen(dc, pen.get());
        SelectObjectScope selectBrush(dc, GetStockObject(NULL_BRUSH));
        RoundRect(dc, display.outline.left, display.outline.top, display.outline.right, display.outline.bottom,
                  ProgButtonDisplay::kCornerSize, ProgButtonDisplay::kCornerSize);
    }

    if (!display.text.empty()) {
        const std::wstring text = widen(display.text);
        RECT textRect = toRect(display.textRect);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, toColorRef(display.textColor));
        // Format 0: top-left in the measured rectangle, "&" underlines the next character.
        DrawTextW(dc, text.c_str(), -1, &textRect, 0);
    }

    // Shown once the keyboard is in use, as every control of the window shows its focus.
    if (display.focusRect && focusCuesShown(hwnd())) {
        const RECT focus = toRect(*display.focusRect);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &focus);
    }

    BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
}

}  // namespace vistrel::win32
