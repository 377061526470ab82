#include "controls/SettingsPanelView.h"

#include <utility>

#include "base/Trace.h"

namespace vistrel::win32 {

SettingsPanelView::SettingsPanelView(TextRenderer& text, Actions actions)
    : m_text(text),
      m_actions(std::move(actions)),
      m_panel(palette::kWindowBackground, {[this](HDC dc, const RECT& r) { paint(dc, r); },
                                           [this](UINT m, WPARAM w, LPARAM l) { return onChild(m, w, l); },
                                           [this](POINT at) { click(at); }})
{
}

bool SettingsPanelView::create(HWND overlay, const Texts& texts)
{
    if (!m_panel.create(overlay, RECT{}, 0)) return false;
    m_background.reset(CreateSolidBrush(palette::kWindowBackground));
    createControls();
    m_buttons.create(m_panel.hwnd(), texts, std::move(m_actions.back), std::move(m_actions.ok));
    sync();
    return true;
}

void SettingsPanelView::retext(const Texts& texts)
{
    m_buttons.retext(texts);
    for (const auto& [label, text] : m_labels) SetWindowTextW(label, text().c_str());
    placeControls();
    m_panel.redraw();
}

HWND SettingsPanelView::createControl(const ControlOptions& o)
{
    const HWND control =
        CreateWindowExW(o.exStyle, o.className, o.text, o.style, 0, 0, 0, 0, m_panel.hwnd(),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(o.id)), GetModuleHandleW(nullptr), nullptr);
    if (!control) traceLastError(L"CreateWindowExW for a settings panel's control");
    return control;
}

void SettingsPanelView::createLabel(std::function<std::wstring()> text)
{
    const std::wstring now = text();
    const HWND label =
        createControl({.className = L"STATIC", .style = WS_CHILD | WS_VISIBLE | SS_NOPREFIX, .text = now.c_str()});
    if (!label) return;
    clearWindowRegion(label);
    m_labels.emplace_back(label, std::move(text));
}

void SettingsPanelView::place(RECT b)
{
    moveWindow(m_panel.hwnd(), b);
    placeControls();
    m_buttons.place(m_text.dpi());
    m_panel.redraw();
}

void SettingsPanelView::show(bool visible) { m_panel.show(visible); }

void SettingsPanelView::sync()
{
    syncControls();
    releaseFocusWhenHidden();
}

void SettingsPanelView::releaseFocusWhenHidden()
{
    // Hiding the overlay leaves the keyboard focus where it was: a control nobody can see would go
    // on taking keys, moving a slider on the display or typing into a minute box.
    const HWND panel = m_panel.hwnd();
    const HWND focus = GetFocus();
    if (!panel || !focus || IsWindowVisible(panel)) return;
    if (focus == panel || IsChild(panel, focus)) SetFocus(GetAncestor(panel, GA_ROOT));
}

LRESULT SettingsPanelView::onChild(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (const std::optional<LRESULT> handled = onControl(message, wParam, lParam)) return *handled;
    // Trackbars and labels sit on the panel's own background.
    if (message == WM_CTLCOLORSTATIC) {
        SetBkColor(reinterpret_cast<HDC>(wParam), palette::kWindowBackground);
        return reinterpret_cast<LRESULT>(m_background.get());
    }
    return DefWindowProcW(m_panel.hwnd(), message, wParam, lParam);
}

}  // namespace vistrel::win32
