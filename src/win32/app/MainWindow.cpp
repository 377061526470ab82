#include "app/MainWindow.h"

#include <utility>

#include "app/MainFormLayout.h"
#include "base/ArtScale.h"
#include "base/BufferedPaint.h"
#include "base/CommonControls.h"
#include "base/Dpi.h"
#include "base/KeyboardNavigation.h"
#include "base/LanguageChange.h"
#include "base/Trace.h"
#include "base/Text.h"
#include "res/resource.h"
#include "text/AccessibleTexts.h"
#include "text/MainWindowTexts.h"

namespace vistrel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"Vistrel.MainWindow";
constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Milliseconds = 1000;

enum ControlId {
    kAboutId = 101,
    kMinimiseId,
    kExitId,
    kColourSettingsId,
    kRestSettingsId,
    kColourSwitchId,
    kRestSwitchId,
    kOverlayId,
    kNextRestId,
};

void setTabStop(HWND control, bool on)
{
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    SetWindowLongW(control, GWL_STYLE, on ? style | WS_TABSTOP : style & ~WS_TABSTOP);
}

HWND firstTabStop(HWND parent)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if ((style & (WS_TABSTOP | WS_VISIBLE | WS_DISABLED)) == (WS_TABSTOP | WS_VISIBLE)) return child;
    }
    return nullptr;
}

constexpr COLORREF kTitleColour = palette::kQuietText;
constexpr COLORREF kFrameColour = palette::kFrame;
constexpr COLORREF kOnColour = RGB(34, 139, 34);
constexpr COLORREF kNextLabelColour = RGB(96, 96, 96);
constexpr COLORREF kNextTimeColour = palette::kStrongText;

const FontSpec kTitleFont{L"Consolas", 12.0, true};
const FontSpec kCaptionFont{L"Consolas", 15.0, true};
const FontSpec kDescriptionFont{L"Consolas", 9.0, false};
const FontSpec kLineFont{L"Consolas", 10.5, false};
const FontSpec kLineNumberFont{L"Consolas", 10.5, true};
const FontSpec kNextLabelFont{L"Consolas", 10.5, true};
const FontSpec kNextTimeFont{L"Consolas", 24.0, true};

}  // namespace

MainWindow::MainWindow(MainForm& form, FontCatalog& fonts, HICON smallIcon, Shell shell)
    : m_form(form),
      m_text(fonts, kDefaultDpi),
      m_smallIcon(smallIcon),
      m_shell(std::move(shell)),
      m_accessible({.facts =
                        [this] {
                            return AccessibleFacts{.name = text(MainWindowText::Title),
                                                   .role = ROLE_SYSTEM_CLIENT,
                                                   .state = STATE_SYSTEM_FOCUSABLE};
                        },
                    .defaultAction = {}})
{
}

MainWindow::~MainWindow()
{
    m_form.changed = nullptr;
    // Children first, while the objects their messages reach still exist.
    if (hwnd()) DestroyWindow(hwnd());
}

bool MainWindow::create()
{
    registerClass(kClassName,
                  {.icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP)), .smallIcon = m_smallIcon});
    // Sized and centred once the window knows the density of the monitor it is on.
    if (!Window::create({.className = kClassName, .style = WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX | WS_SYSMENU,
                         .exStyle = WS_EX_CONTROLPARENT, .title = L"Form1"}))
        return false;
    hideFocusCuesUntilKeyboard(hwnd());
    m_dpi = dpiForWindow(hwnd());
    m_text.setDpi(m_dpi);
    const PixelRect size = windowSize();
    SetWindowPos(hwnd(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - size.width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - size.height) / 2, size.width, size.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);

    createChildren();
    placeChildren();

    m_form.changed = [this] { sync(); };
    m_form.load();
    sync();
    // The reminder's one-second tick runs for the whole run, shown or hidden.
    if (!SetTimer(hwnd(), kTimer1, kTimer1Milliseconds, nullptr)) traceLastError(L"SetTimer for Timer1");
    return true;
}

PixelRect MainWindow::windowSize() const
{
    return toPixels(TwipsRect{0, 0, layout::kWindowWidth, layout::kWindowHeight}, m_dpi);
}

void MainWindow::createChildren()
{
    auto button = [&](int bitmap, std::wstring tip, int id) {
        return std::make_unique<ImageButton>(hwnd(), RECT{}, bitmap, std::move(tip), id);
    };
    m_about = button(IDB_ABOUT, text(MainWindowText::AboutTip), kAboutId);
    m_minimise = button(IDB_MINIMISE, text(MainWindowText::MinimiseTip), kMinimiseId);
    m_exit = button(IDB_EXIT, text(MainWindowText::ExitTip), kExitId);
    m_colourSettings = button(IDB_SETTINGS, L"", kColourSettingsId);
    m_restSettings = button(IDB_SETTINGS, L"", kRestSettingsId);
    m_colourSettings->show(false);
    m_restSettings->show(false);

    m_about->onClick = [this] { m_form.aboutClick(); };
    m_minimise->onClick = [this] { minimise(); };
    m_exit->onClick = [this] {
        if (m_shell.exit) m_shell.exit();
    };
    m_colourSettings->onClick = [this] { m_form.openPanel(MainForm::Feature::Colour); };
    m_restSettings->onClick = [this] { m_form.openPanel(MainForm::Feature::Rest); };

    m_colourSwitch = std::make_unique<SafeSwitchControl>(hwnd(), m_form.colourSwitch(), 0, 0, kColourSwitchId);
    m_restSwitch = std::make_unique<SafeSwitchControl>(hwnd(), m_form.restSwitch(), 0, 0, kRestSwitchId);
    m_nextRest = std::make_unique<AccessibleArea>(hwnd(), kNextRestId, [this] {
        return AccessibleFacts{.name = text(MainWindowText::NextRest), .role = ROLE_SYSTEM_STATICTEXT, .state = STATE_SYSTEM_READONLY,
                               .value = widen(m_form.rest().label5())};
    });
    nameControlsForScreenReaders();

    m_overlay = std::make_unique<Panel>(palette::kWindowBackground, Panel::Handlers{});
    m_overlay->create(hwnd(), RECT{}, kOverlayId);
    SetWindowPos(m_overlay->hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_overlay->show(false);

    m_restWindows = std::make_unique<RestReminderWindows>(m_form.rest(), m_text, m_dpi);
    m_restWindows->create();
    arrangeTabOrder();
}

void MainWindow::arrangeTabOrder()
{
    // The overlay stays on top, over the tiles: while it is open its panel comes first, and the
    // tiles' controls are out of the tab order (followOverlayWithFocus).
    HWND after = HWND_TOP;
    for (const HWND w : {m_overlay->hwnd(), m_about->hwnd(), m_minimise->hwnd(), m_exit->hwnd(),
                         m_colourSwitch->hwnd(), m_colourSettings->hwnd(), m_restSwitch->hwnd(),
                         m_restSettings->hwnd()}) {
        SetWindowPos(w, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = w;
    }
}

void MainWindow::followOverlayWithFocus(HWND focusBefore, bool overlayWasVisible)
{
    using Feature = MainForm::Feature;
    const bool open = m_form.overlayVisible();
    for (const HWND covered :
         {m_colourSwitch->hwnd(), m_colourSettings->hwnd(), m_restSwitch->hwnd(), m_restSettings->hwnd()})
        setTabStop(covered, !open);
    if (open && !overlayWasVisible) {
        // A click never focuses a settings icon: one with the focus was pressed from the keyboard.
        if (focusBefore != m_colourSettings->hwnd() && focusBefore != m_restSettings->hwnd()) return;
        const HWND panel = m_form.panelVisible(Feature::Colour) ? m_colourPanel->hwnd() : m_restPanel->hwnd();
        if (const HWND first = firstTabStop(panel)) {
            m_focusReturn = focusBefore;
            SetFocus(first);
        }
    } else if (!open && overlayWasVisible) {
        const HWND back = std::exchange(m_focusReturn, nullptr);
        if (back && IsWindowVisible(back) && GetFocus() == hwnd()) SetFocus(back);
    }
}

void MainWindow::rememberFocus()
{
    const HWND focus = GetFocus();
    m_focusOnLeaving = IsChild(hwnd(), focus) ? focus : nullptr;
}

bool MainWindow::returnFocus()
{
    const HWND back = std::exchange(m_focusOnLeaving, nullptr);
    if (!back || !IsChild(hwnd(), back) || !IsWindowVisible(back) || !IsWindowEnabled(back)) return false;
    SetFocus(back);
    return true;
}

void MainWindow::nameControlsForScreenReaders()
{
    const Texts& texts = m_form.texts();
    const std::wstring press = widen(texts(AccessibleText::Press));
    const std::wstring toggle = widen(texts(AccessibleText::Toggle));
    const std::wstring settings = widen(texts(AccessibleText::Settings));
    for (ImageButton* b : {m_about.get(), m_minimise.get(), m_exit.get()}) b->setAccessibleText({}, press);
    m_colourSettings->setAccessibleText(settings, press);
    m_restSettings->setAccessibleText(settings, press);
    m_colourSwitch->setAccessibleText(text(MainWindowText::ColourCaption), toggle);
    m_restSwitch->setAccessibleText(text(MainWindowText::RestCaption), toggle);
}

void MainWindow::placeChildren()
{
    const int art = artScaleForDpi(m_dpi);
    const auto inStrip = [](const TwipsRect& r) { return offset(r, layout::kStrip.left, layout::kStrip.top); };
    m_about->place(pixels(inStrip(layout::kAboutImage)), art);
    m_minimise->place(pixels(inStrip(layout::kMinimiseImage)), art);
    m_exit->place(pixels(inStrip(layout::kExitImage)), art);
    m_colourSettings->place(pixels(layout::kColourSettingsIcon), art);
    m_restSettings->place(pixels(layout::kRestSettingsIcon), art);
    // The tips are Chinese: give them a face that has the glyphs.
    const HFONT tipFont = m_text.runFont(FontSpec{L"Segoe UI", 9.0, false}, true);
    for (ImageButton* b : {m_about.get(), m_minimise.get(), m_exit.get()}) b->setTooltipFont(tipFont);

    const RECT colourSwitch = pixels(layout::kColourSwitch);
    const RECT restSwitch = pixels(layout::kRestSwitch);
    m_colourSwitch->place(colourSwitch.left, colourSwitch.top, art);
    m_restSwitch->place(restSwitch.left, restSwitch.top, art);
    m_nextRest->place(pixels(layout::kNextRestPicture));

    moveWindow(m_overlay->hwnd(), pixels(layout::kOverlay));
    placePanels();

    m_colourPicture = loadBitmapResource(IDB_TILE_COLOUR, art);
    m_restPicture = loadBitmapResource(IDB_TILE_REST, art);
}

void MainWindow::createPanels()
{
    // Their trackbars and edit boxes are common controls: loading those costs the process memory
    // for the whole run, which a run that never opens a panel is spared.
    initCommonControls(ICC_BAR_CLASSES | ICC_STANDARD_CLASSES);
    m_colourPanel = std::make_unique<ColourPanelView>(m_form, m_text);
    m_colourPanel->create(m_overlay->hwnd(), m_form.texts());
    m_restPanel = std::make_unique<RestPanelView>(m_form, m_text);
    m_restPanel->create(m_overlay->hwnd(), m_form.texts());
    m_colourPanel->show(false);
    m_restPanel->show(false);
    placePanels();
}

void MainWindow::placePanels()
{
    if (!m_colourPanel) return;
    m_colourPanel->place(pixels(layout::kColourPanel));
    m_restPanel->place(pixels(layout::kRestPanel));
}

std::wstring MainWindow::text(MainWindowText id) const { return widen(m_form.texts()(id)); }

void MainWindow::retext()
{
    m_about->setTooltip(text(MainWindowText::AboutTip));
    m_minimise->setTooltip(text(MainWindowText::MinimiseTip));
    m_exit->setTooltip(text(MainWindowText::ExitTip));
    if (m_colourPanel) {
        m_colourPanel->retext(m_form.texts());
        m_restPanel->retext(m_form.texts());
    }
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void MainWindow::sync()
{
    if (!hwnd()) return;
    using Feature = MainForm::Feature;
    const HWND focusBefore = GetFocus();
    const bool overlayWasVisible = m_overlay->visible();
    m_colourSettings->show(m_form.featureOn(Feature::Colour));
    m_restSettings->show(m_form.featureOn(Feature::Rest));
    if (!m_colourPanel && m_form.overlayVisible()) createPanels();
    if (m_colourPanel) {
        m_colourPanel->show(m_form.panelVisible(Feature::Colour));
        m_restPanel->show(m_form.panelVisible(Feature::Rest));
    }
    m_overlay->show(m_form.overlayVisible());
    if (m_colourPanel) {
        m_colourPanel->sync();
        m_restPanel->sync();
    }
    followOverlayWithFocus(focusBefore, overlayWasVisible);
    m_restWindows->sync();
    if (m_form.rest().label5() != std::exchange(m_announcedNextRest, m_form.rest().label5()))
        m_nextRest->changed(EVENT_OBJECT_VALUECHANGE);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void MainWindow::showAndActivate()
{
    if (IsIconic(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
    ShowWindow(hwnd(), SW_SHOW);
    // A window brought back from the tray belongs in front of whatever the user had open.
    SetForegroundWindow(hwnd());
}

void MainWindow::minimise()
{
    // Without a tray icon a hidden window could never come back: use the taskbar instead.
    if (m_shell.trayIconShown && m_shell.trayIconShown())
        ShowWindow(hwnd(), SW_HIDE);
    else
        ShowWindow(hwnd(), SW_MINIMIZE);
}

void MainWindow::wakeSwitchPolling()
{
    for (SafeSwitchControl* s : {m_colourSwitch.get(), m_restSwitch.get()})
        if (s && !s->polling()) s->wakePolling();
}

void MainWindow::pauseSwitchPolling()
{
    for (SafeSwitchControl* s : {m_colourSwitch.get(), m_restSwitch.get()})
        if (s) s->pausePolling();
}

void MainWindow::paint(HDC dc, const RECT& client)
{
    using Feature = MainForm::Feature;
    fillRect(dc, client, palette::kWindowBackground);

    fillRect(dc, pixels(layout::kStrip), palette::kWhite);
    m_text.draw(dc, {kTitleFont, kTitleColour, TextStyle::Align::Left, false, true}, text(MainWindowText::Title),
                pixels(offset(layout::kTitle, layout::kStrip.left, layout::kStrip.top)));

    const bool colourOn = m_form.featureOn(Feature::Colour);
    const bool restOn = m_form.featureOn(Feature::Rest);
    m_text.draw(dc, {kCaptionFont, colourOn ? kOnColour : palette::kBlack}, text(MainWindowText::ColourCaption),
                pixels(layout::kColourCaption));
    m_text.draw(dc, {kDescriptionFont, palette::kLabelText, TextStyle::Align::Left, true},
                text(MainWindowText::ColourDescription), pixels(layout::kColourDescription));
    const RECT colourPicture = pixels(layout::kColourPicture);
    drawBitmap(dc, m_colourPicture.get(), colourPicture.left, colourPicture.top);

    m_text.draw(dc, {kCaptionFont, restOn ? kOnColour : palette::kBlack}, text(MainWindowText::RestCaption),
                pixels(layout::kRestCaption));
    const RestReminder& rest = m_form.rest();
    const TextStyle line{kLineFont, palette::kLabelText, TextStyle::Align::Left, false, true};
    const TextStyle number{kLineNumberFont, palette::kBlack, TextStyle::Align::Centre, false, true};
    const std::wstring minutes = text(MainWindowText::Minutes);
    m_text.draw(dc, line, text(MainWindowText::WorkLabel), pixels(layout::kWorkLabel));
    m_text.draw(dc, number, widen(rest.workMinutesCaption()), pixels(layout::kWorkMinutes));
    m_text.draw(dc, line, minutes, pixels(layout::kWorkUnit));
    m_text.draw(dc, line, text(MainWindowText::RestLabel), pixels(layout::kRestLabel));
    m_text.draw(dc, number, widen(rest.restMinutesCaption()), pixels(layout::kRestMinutes));
    m_text.draw(dc, line, minutes, pixels(layout::kRestUnit));

    const RECT next = pixels(layout::kNextRestPicture);
    drawBitmap(dc, m_restPicture.get(), next.left, next.top);
    m_text.draw(dc, {kNextLabelFont, kNextLabelColour, TextStyle::Align::Centre}, text(MainWindowText::NextRest),
                pixels(layout::kNextTimeLabel));
    m_text.draw(dc, {kNextTimeFont, kNextTimeColour, TextStyle::Align::Centre}, widen(rest.label5()),
                pixels(layout::kNextTime));

    // `s2`, the rectangle along the window's edge.
    drawFrame(dc, pixels(layout::kFrame), kFrameColour);
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == languageChangedMessage()) {
        retext();
        nameControlsForScreenReaders();
        return 0;
    }
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) rememberFocus();
        else if (!HIWORD(wParam) && returnFocus()) return 0;  // the default would focus the window itself
        break;
    case WM_SETFOCUS:
        // Activated while minimised: the focus comes back when the window is restored.
        returnFocus();
        break;
    case WM_GETOBJECT:
        if (const auto answer = m_accessible.answer(hwnd(), wParam, lParam)) return *answer;
        break;
    case WM_PAINT:
        paintBuffered(hwnd(), [this](HDC dc, const RECT& client) { paint(dc, client); });
        return 0;
    case WM_TIMER:
        if (wParam == kTimer1) {
            m_form.timer1Tick();
            return 0;
        }
        break;
    case WM_LBUTTONDOWN: {
        // The top strip is the window's caption: the platform moves the window while the
        // button is held.
        const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const RECT strip = pixels(layout::kStrip);
        if (PtInRect(&strip, at) && !IsZoomed(hwnd())) {
            ReleaseCapture();
            SendMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
        }
        return 0;
    }
    case WM_SETCURSOR:
        // Sent for every mouse move over this window or any of its children.
        wakeSwitchPolling();
        break;
    case WM_SHOWWINDOW:
        // Nobody can hover a switch on a hidden window: no polling then.
        if (wParam) wakeSwitchPolling();
        else pauseSwitchPolling();
        break;
    case WM_SIZE:
        if (wParam == SIZE_MINIMIZED) pauseSwitchPolling();
        if (wParam == SIZE_RESTORED && IsWindowVisible(hwnd())) wakeSwitchPolling();
        break;
    case WM_COMMAND:
        // Esc from the keyboard navigation: the open overlay closes as its Back image does.
        if (LOWORD(wParam) == IDCANCEL && lParam == 0 && m_form.overlayVisible()) {
            m_form.closeOverlay();
            return 0;
        }
        break;
    case WM_CLOSE:
        // Alt+F4 hides the window like the minimise image; only the exit image ends the run.
        minimise();
        return 0;
    case WM_DPICHANGED: {
        // Moved to a monitor of another density: the suggested place, the exact twips size.
        m_dpi = LOWORD(wParam);
        m_text.setDpi(m_dpi);
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        const PixelRect size = windowSize();
        SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, size.width, size.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        placeChildren();
        InvalidateRect(hwnd(), nullptr, FALSE);
        return 0;
    }
    case WM_DESTROY:
        KillTimer(hwnd(), kTimer1);
        break;
    default:
        break;
    }
    return defaultProc(message, wParam, lParam);
}

}  // namespace vistrel::win32
