#include "controls/ImageButton.h"

#include <commctrl.h>
#include <windowsx.h>

#include <utility>

#include "base/CommonControls.h"
#include "base/KeyboardNavigation.h"

namespace vistrel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"VistrelImageButton";

}  // namespace

ImageButton::ImageButton(HWND parent, RECT boundsPx, int bitmapId, std::wstring tooltip, int controlId,
                         int artScale)
    : m_bitmapId(bitmapId),
      m_artScale(artScale),
      m_tooltipText(std::move(tooltip)),
      m_accessible({.facts =
                        [this] {
                            return AccessibleFacts{
                                .name = m_accessibleName.empty() ? m_tooltipText : m_accessibleName,
                                .role = ROLE_SYSTEM_PUSHBUTTON,
                                .state = STATE_SYSTEM_FOCUSABLE,
                                .defaultAction = m_accessibleAction};
                        },
                    .defaultAction = [this] { return postAccessibleClick(hwnd()); }})
{
    registerClass(kClassName, {.cursor = IDC_HAND});

    create({.className = kClassName, .style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, .bounds = boundsPx,
            .parent = parent, .controlId = controlId});
    loadPicture();
}

ImageButton::~ImageButton()
{
    if (hwnd()) DestroyWindow(hwnd());
    destroyTooltip();
}

void ImageButton::place(RECT b, int artScale)
{
    moveWindow(hwnd(), b);
    if (artScale == m_artScale) return;
    m_artScale = artScale;
    loadPicture();
}

void ImageButton::loadPicture()
{
    m_bitmap = loadBitmapResource(m_bitmapId, m_artScale);
    m_shape = BitmapMask(m_bitmap.get(), kTransparent);
    if (!hwnd()) return;
    // Without a picture the whole rectangle stays a button, so it can still be found and clicked.
    UniqueRegion region = m_shape.copy();
    if (SetWindowRgn(hwnd(), region.get(), TRUE)) region.release();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void ImageButton::show(bool visible)
{
    if (hwnd()) ShowWindow(hwnd(), visible ? SW_SHOW : SW_HIDE);
}

bool ImageButton::visible() const { return hwnd() && IsWindowVisible(hwnd()); }

void ImageButton::setTooltipFont(HFONT font)
{
    m_tooltipFont = font;
    if (m_tooltip) SendMessageW(m_tooltip.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void ImageButton::setAccessibleText(std::wstring name, std::wstring action)
{
    m_accessibleName = std::move(name);
    m_accessibleAction = std::move(action);
    Accessible::notify(hwnd(), EVENT_OBJECT_NAMECHANGE);
}

void ImageButton::setTooltip(std::wstring text)
{
    m_tooltipText = std::move(text);
    if (!m_tooltip) return;
    TTTOOLINFOW tool = toolInfo();
    SendMessageW(m_tooltip.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

TTTOOLINFOW ImageButton::toolInfo()
{
    TTTOOLINFOW tool{};
    // The version-2 size is understood by every common-controls version, with or without a manifest.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(hwnd());
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd());
    tool.lpszText = m_tooltipText.data();
    return tool;
}

LRESULT ImageButton::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (changesFocusCue(message)) InvalidateRect(hwnd(), nullptr, FALSE);
    switch (message) {
    case WM_GETOBJECT:
        if (const auto answer = m_accessible.answer(hwnd(), wParam, lParam)) return *answer;
        break;
    case kAccessibleClickMessage:
        if (onClick) {
            const auto handler = onClick;  // as after a release: it may replace onClick
            handler();
        }
        return 0;
    case WM_PAINT: {
        PaintScope painting(hwnd());
        if (painting.dc()) {
            drawBitmap(painting.dc(), m_bitmap.get(), 0, 0);
            drawFocusCue(hwnd(), painting.dc());
        }
        return 0;
    }
    case WM_GETDLGCODE: {
        // Enter presses this button rather than the window's default; typed characters stay here.
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        const bool enter = msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN;
        return DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
    }
    case WM_KEYDOWN:
        // Enter and Space press it as a click does; a held key presses once.
        if ((wParam == VK_RETURN || wParam == VK_SPACE) && !(lParam & (1 << 30)) && onClick) {
            const auto handler = onClick;
            handler();
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEMOVE:
        if (!m_tooltipTried && !m_tooltipText.empty()) {
            m_tooltipTried = true;
            createTooltip();
            // From now on the tooltip hears the moves itself; this first one it is told.
            const DWORD at = GetMessagePos();
            MSG move{hwnd(), message, wParam, lParam, static_cast<DWORD>(GetMessageTime()),
                     {GET_X_LPARAM(at), GET_Y_LPARAM(at)}};
            if (m_tooltip) SendMessageW(m_tooltip.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
        }
        break;
    case WM_LBUTTONDOWN:
        m_pressed = true;
        SetCapture(hwnd());
        return 0;
    case WM_LBUTTONUP: {
        const bool wasPressed = std::exchange(m_pressed, false);
        if (GetCapture() == hwnd()) ReleaseCapture();
        if (wasPressed && hits(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) && onClick) {
            const auto handler = onClick;  // the handler may replace onClick or hide this button
            handler();
        }
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd()) m_pressed = false;
        return 0;
    case WM_DESTROY:
        destroyTooltip();
        return 0;
    default:
        break;
    }
    return defaultProc(message, wParam, lParam);
}

void ImageButton::createTooltip()
{
    if (!initCommonControls(ICC_TAB_CLASSES)) return;
    m_tooltip.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr,
                                    GetModuleHandleW(nullptr), nullptr));
    if (!m_tooltip) return;
    TTTOOLINFOW tool = toolInfo();
    SendMessageW(m_tooltip.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (m_tooltipFont) SendMessageW(m_tooltip.get(), WM_SETFONT, reinterpret_cast<WPARAM>(m_tooltipFont), FALSE);
}

void ImageButton::destroyTooltip()
{
    // The tooltip belongs to the top-level window, which may already have destroyed it.
    if (m_tooltip && !IsWindow(m_tooltip.get())) m_tooltip.release();
    m_tooltip.reset();
}

bool ImageButton::hits(POINT client) const
{
    RECT bounds{};
    if (!GetClientRect(hwnd(), &bounds) || !PtInRect(&bounds, client)) return false;
    return m_shape.empty() || m_shape.contains(client.x, client.y);
}

}  // namespace vistrel::win32
