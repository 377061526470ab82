#include "history/StatisticsWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>

#include "base/BufferedPaint.h"
#include "base/CommonControls.h"
#include "base/Dpi.h"
#include "base/LanguageChange.h"
#include "base/Gdi.h"
#include "base/KeyboardNavigation.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "base/WindowPlacement.h"
#include "history/HistoryExport.h"
#include "history/StatisticsText.h"
#include "res/resource.h"

namespace vistrel::win32 {
namespace {

namespace layout = statistics_layout;

constexpr wchar_t kClassName[] = L"Vistrel.StatisticsWindow";
constexpr int kExportId = 101;
constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMilliseconds = 60 * 1000;  // today's screen time moves on while the window is open
constexpr UINT_PTR kTipId = 1;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
const FontSpec kControlFont{L"Segoe UI", 9.0, false};

// The old file's text, then the current one's; a torn last line of the old file ends before the
// current file starts, so it cannot swallow that file's first line.
std::string bothFiles(const HistoryStorage& storage)
{
    std::string text = storage.read(HistoryStorage::File::Old).value_or(std::string());
    if (!text.empty() && text.back() != '\n') text += '\n';
    return text + storage.read(HistoryStorage::File::Current).value_or(std::string());
}

std::wstring tipText(const DayStats& day, const Texts& texts)
{
    std::wstring text;
    for (const std::string& line : dayDetails(day, texts)) text += (text.empty() ? L"" : L"\r\n") + widen(line);
    return text;
}

}  // namespace

StatisticsWindow::StatisticsWindow(Options options) : m_options(options), m_text(options.fonts, kDefaultDpi) {}

StatisticsWindow::~StatisticsWindow()
{
    if (hwnd()) DestroyWindow(hwnd());
}

void StatisticsWindow::show()
{
    if (!hwnd() && !create()) return;
    reload();
    if (IsIconic(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SetFocus(hwnd());  // Esc closes it
}

bool StatisticsWindow::create()
{
    registerClass(kClassName, {.icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP)),
                               .smallIcon = m_options.smallIcon});
    // Sized once the window knows the density of the monitor it is on.
    // A control parent: Tab reaches the export button, Esc anywhere closes (IDCANCEL).
    if (!Window::create({.className = kClassName,
                         .style = kStyle,
                         .exStyle = WS_EX_CONTROLPARENT,
                         .title = text(HistoryText::WindowTitle).c_str()}))
        return false;
    hideFocusCuesUntilKeyboard(hwnd());
    m_exportButton = CreateWindowExW(0, L"BUTTON", text(HistoryText::Export).c_str(),
                                     WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0, hwnd(),
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(kExportId)),
                                     GetModuleHandleW(nullptr), nullptr);
    if (!m_exportButton) traceLastError(L"CreateWindowExW export button");
    fitToDpi();
    centreAtCursor(hwnd());
    if (!SetTimer(hwnd(), kRefreshTimer, kRefreshMilliseconds, nullptr)) traceLastError(L"SetTimer for statistics");
    return true;
}

void StatisticsWindow::fitToDpi()
{
    const int dpi = dpiForWindow(hwnd());
    m_text.setDpi(dpi);
    // The frame's size at this density, whatever the system measures it with.
    RECT window{}, client{};
    GetWindowRect(hwnd(), &window);
    GetClientRect(hwnd(), &client);
    const int width = toPixels(layout::kClientWidth, dpi) + (window.right - window.left) - client.right;
    const int height = toPixels(layout::kClientHeight, dpi) + (window.bottom - window.top) - client.bottom;
    SetWindowPos(hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    moveWindow(m_exportButton, toRect(toPixels(layout::kExportButton, dpi)));
    applyFonts();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void StatisticsWindow::applyFonts()
{
    // Chinese texts: a face with the glyphs.
    const HFONT font = m_text.runFont(kControlFont, m_options.texts.language() == Language::Chinese);
    if (m_exportButton) SendMessageW(m_exportButton, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (m_tip) {
        SendMessageW(m_tip.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SendMessageW(m_tip.get(), TTM_SETMAXTIPWIDTH, 0, MulDiv(400, m_text.dpi(), kDefaultDpi));
    }
}

void StatisticsWindow::reload()
{
    const ParsedHistory parsed = parseHistory(bothFiles(m_options.storage));
    if (parsed.skippedLines > 0)
        trace(L"history: " + std::to_wstring(parsed.skippedLines) + L" torn or foreign lines skipped");
    const LocalTime now = m_options.clock.now();
    m_view.days = lastDays(aggregateHistory(parsed.records, now, m_options.clock.utcOffsetSeconds()), now,
                           layout::kDays);
    m_view.anyHistory = !parsed.records.empty();
    if (m_exportButton) EnableWindow(m_exportButton, m_view.anyHistory);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void StatisticsWindow::hover(POINT client)
{
    const std::optional<int> day =
        m_view.anyHistory ? m_chart.geometry(m_view.days).dayAt(client.x, client.y) : std::nullopt;
    if (day) showTip(*day, client);
    else if (m_tip) SendMessageW(m_tip.get(), TTM_TRACKACTIVATE, FALSE, 0);
    if (day == m_view.hoveredDay) return;
    m_view.hoveredDay = day;
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void StatisticsWindow::showTip(int day, POINT client)
{
    TTTOOLINFOW tool{};
    // The version-2 size is understood by every common-controls version.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = hwnd();
    tool.uId = kTipId;
    if (!m_tip) {
        if (!initCommonControls(ICC_TAB_CLASSES)) return;
        m_tip.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr,
                                    GetModuleHandleW(nullptr), nullptr));
        if (!m_tip) {
            traceLastError(L"CreateWindowExW statistics tooltip");
            return;
        }
        tool.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(m_tip.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        applyFonts();  // the tip's font and width
    }
    if (day != m_view.hoveredDay) {
        std::wstring text = tipText(m_view.days[static_cast<size_t>(day)], m_options.texts);
        tool.lpszText = text.data();
        SendMessageW(m_tip.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    // Beside the pointer, not under it: the window keeps the mouse.
    POINT at{client.x + MulDiv(16, m_text.dpi(), kDefaultDpi), client.y + MulDiv(16, m_text.dpi(), kDefaultDpi)};
    ClientToScreen(hwnd(), &at);
    SendMessageW(m_tip.get(), TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
    SendMessageW(m_tip.get(), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void StatisticsWindow::exportHistory()
{
    DWORD dialogError = 0;
    const std::optional<std::wstring> path =
        askExportPath(hwnd(), widen(exportFileName(m_options.clock.now())), m_options.texts, dialogError);
    if (!path) {
        if (dialogError) tellError(text(HistoryText::CannotOpenDialog));
        return;
    }
    // As the files are when the user has chosen, byte for byte: the older one first.
    const auto old = m_options.storage.read(HistoryStorage::File::Old);
    const auto current = m_options.storage.read(HistoryStorage::File::Current);
    if (!old || !current) return tellError(text(HistoryText::CannotRead));
    if (const DWORD error = writeWholeFile(*path, *old + *current))
        tellError(widen(m_options.texts(HistoryText::CannotWrite, narrow(*path))) + L"\r\n" + errorText(error));
}

void StatisticsWindow::tellError(const std::wstring& text)
{
    MessageBoxW(hwnd(), text.c_str(), this->text(HistoryText::WindowTitle).c_str(), MB_OK | MB_ICONERROR);
}

std::wstring StatisticsWindow::text(HistoryText id) const { return widen(m_options.texts(id)); }

void StatisticsWindow::takeTexts()
{
    SetWindowTextW(hwnd(), text(HistoryText::WindowTitle).c_str());
    if (m_exportButton) SetWindowTextW(m_exportButton, text(HistoryText::Export).c_str());
    applyFonts();
    // The open tip takes its text at the next hover.
    if (m_tip) SendMessageW(m_tip.get(), TTM_TRACKACTIVATE, FALSE, 0);
    m_view.hoveredDay.reset();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT StatisticsWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paintBuffered(hwnd(), [this](HDC dc, const RECT& client) { m_chart.paint(dc, client, m_view); });
        return 0;
    case WM_MOUSEMOVE:
        if (!m_trackingLeave) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
            m_trackingLeave = TrackMouseEvent(&track) != FALSE;
        }
        hover({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_MOUSELEAVE:
        m_trackingLeave = false;
        hover({-1, -1});
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kExportId && HIWORD(wParam) == BN_CLICKED) {
            exportHistory();
            return 0;
        }
        if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
            PostMessageW(hwnd(), WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) {
            PostMessageW(hwnd(), WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    case WM_TIMER:
        if (wParam == kRefreshTimer) {
            if (IsWindowVisible(hwnd()) && !IsIconic(hwnd())) reload();
            return 0;
        }
        break;
    case WM_DPICHANGED: {
        // Moved to a monitor of another density: the suggested place, the exact twips size.
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        fitToDpi();
        return 0;
    }
    case WM_DESTROY:
        KillTimer(hwnd(), kRefreshTimer);
        m_exportButton = nullptr;
        m_view.hoveredDay.reset();
        m_trackingLeave = false;
        // Owned by this window, the tip goes with it.
        if (m_tip && !IsWindow(m_tip.get())) m_tip.release();
        m_tip.reset();
        break;
    default:
        if (message == languageChangedMessage()) {
            takeTexts();
            return 0;
        }
        break;
    }
    return defaultProc(message, wParam, lParam);
}

}  // namespace vistrel::win32
