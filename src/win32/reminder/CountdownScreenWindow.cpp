#include "reminder/CountdownScreenWindow.h"

#include <utility>

#include "base/ArtScale.h"
#include "base/BufferedPaint.h"
#include "base/Gdi.h"
#include "base/KeyboardNavigation.h"
#include "base/Text.h"
#include "reminder/CountdownAnnouncement.h"
#include "reminder/RestReminder.h"
#include "text/ReminderTexts.h"
#include "base/Translucency.h"
#include "res/resource.h"

namespace vistrel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"Vistrel.CountdownScreen";
constexpr int kCloseId = 1;
using palette::kBlack;
using palette::kWhite;
const FontSpec kHeadingFont{L"Consolas", 21.75, true};
const FontSpec kLabelFont{L"Consolas", 72.0, true};
// The heading is a text box: its text starts a little inside the box's left edge.
constexpr int kTextBoxInset = 2;

bool overlaps(const RECT& a, const RECT& b)
{
    RECT common{};
    return IntersectRect(&common, &a, &b) != FALSE;
}

}  // namespace

CountdownScreenWindow::CountdownScreenWindow(RestReminder& rest, const TextRenderer& text,
                                             const CountdownScreenLayout& layout, HWND owner)
    : ReminderWindow(rest, text, layout.dpi),
      m_layout(layout),
      m_owner(owner),
      m_accessible({.facts =
                        [this] {
                            return AccessibleFacts{.name = widen(m_rest.texts()(ReminderText::CountdownHeading)),
                                                   .role = ROLE_SYSTEM_STATICTEXT,
                                                   .state = STATE_SYSTEM_READONLY,
                                                   .value = m_label};
                        },
                    .defaultAction = {}})
{
}

CountdownScreenWindow::~CountdownScreenWindow() { m_close.reset(); }

bool CountdownScreenWindow::open()
{
    registerClass(kClassName, {.icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP))});

    m_label = widen(m_rest.countdownScreen().label());
    m_copy = widen(m_rest.countdownScreen().copy());
    // The whole monitor, taskbar included: a taskbar that is topmost stays above it.
    const PixelRect& w = m_layout.window;
    // The caption is the remaining time, which is what the primary window's taskbar button shows.
    // A control parent: Tab reaches the close image, which Enter and Space then press.
    if (!create({.className = kClassName, .style = WS_POPUP | WS_CLIPCHILDREN, .exStyle = WS_EX_CONTROLPARENT,
                 .title = m_label.c_str(), .bounds = {w.left, w.top, w.left + w.width, w.top + w.height},
                 .parent = m_owner}))
        return false;
    hideFocusCuesUntilKeyboard(hwnd());

    m_close = std::make_unique<ImageButton>(hwnd(), toRect(m_layout.closeImage), IDB_CLOSE_ROUND, L"", kCloseId,
                                            artScaleForDpi(m_dpi));
    // The reminder closes this window, which may retire it: nothing of it is used after.
    m_close->onClick = [this] { m_rest.countdownCloseClick(); };

    makeTranslucent(hwnd(), kAlpha);
    // The primary window takes the activation, as the one countdown screen always has.
    ShowWindow(hwnd(), m_owner ? SW_SHOWNOACTIVATE : SW_SHOW);
    return true;
}

void CountdownScreenWindow::sync()
{
    if (!hwnd()) return;
    const CountdownScreenLogic& screen = m_rest.countdownScreen();
    std::wstring copy = widen(screen.copy());
    if (copy != m_copy) {
        m_copy = std::move(copy);
        if (m_layout.copyPanel) {
            const RECT r = toRect(*m_layout.copyPanel);
            InvalidateRect(hwnd(), &r, FALSE);
        }
    }
    std::wstring label = widen(screen.label());
    if (label != m_label) {
        // One voice for all monitors: the primary window's.
        const bool announce = !m_owner && CountdownAnnouncement::announces(narrow(m_label), screen.label());
        m_label = std::move(label);
        SetWindowTextW(hwnd(), m_label.c_str());
        if (announce) Accessible::notify(hwnd(), EVENT_OBJECT_VALUECHANGE);
        const RECT r = toRect(m_layout.panel);
        InvalidateRect(hwnd(), &r, FALSE);
    }
}

void CountdownScreenWindow::paintPanel(HDC dc, const std::wstring& text)
{
    const RECT panel{0, 0, m_layout.panel.width, m_layout.panel.height};
    fillRect(dc, panel, kBlack);
    // `Label1` fills the panel; its text is centred both ways so that every length stays inside.
    const PixelRect& l = m_layout.label;
    m_text.draw(dc, {kLabelFont, kWhite, TextStyle::Align::Centre, false, true}, text,
                RECT{l.left, l.top, l.right(), l.bottom()});
}

void CountdownScreenWindow::paint(HDC dc, const RECT& area)
{
    fillRect(dc, area, kBlack);

    RECT heading = toRect(m_layout.heading);
    if (overlaps(area, heading)) {
        heading.left += kTextBoxInset;
        m_text.draw(dc, {kHeadingFont, kWhite, TextStyle::Align::Left, false, false},
                    widen(m_rest.texts()(ReminderText::CountdownHeading)), heading);
    }

    const PixelRect& panel = m_layout.panel;
    if (overlaps(area, toRect(panel))) {
        POINT origin{};
        OffsetViewportOrgEx(dc, panel.left, panel.top, &origin);
        paintPanel(dc, m_label);
        SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    }

    // The copy panel shows the panel as it was a second ago, unscaled from its top-left corner:
    // as much of it as fits.
    const std::optional<PixelRect>& copy = m_layout.copyPanel;
    if (copy && !m_copy.empty() && overlaps(area, toRect(*copy))) {
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, copy->left, copy->top, copy->right(), copy->bottom());
        OffsetViewportOrgEx(dc, copy->left, copy->top, nullptr);
        paintPanel(dc, m_copy);
        RestoreDC(dc, saved);
    }
}

void CountdownScreenWindow::relayAt(int dpi)
{
    setDpi(dpi);
    m_layout = CountdownScreenLayout::forMonitor({m_layout.window, m_dpi, m_layout.copyPanel.has_value()});
    if (m_close) m_close->place(toRect(m_layout.closeImage), artScaleForDpi(m_dpi));
    InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT CountdownScreenWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETOBJECT:
        if (const auto answer = m_accessible.answer(hwnd(), wParam, lParam)) return *answer;
        return ReminderWindow::onMessage(message, wParam, lParam);
    case WM_PAINT: {
        BufferedPaint painting(hwnd());
        if (painting.dc()) paint(painting.dc(), painting.area());
        return 0;
    }
    case WM_DPICHANGED:
        // The monitor's density changed under the window: it keeps covering that monitor, with
        // its contents at the new density rather than where the system suggests.
        relayAt(LOWORD(wParam));
        return 0;
    default:
        return ReminderWindow::onMessage(message, wParam, lParam);
    }
}

}  // namespace vistrel::win32
