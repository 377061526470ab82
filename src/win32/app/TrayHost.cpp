#include "app/TrayHost.h"

#include <algorithm>
#include <iterator>

#include "base/Text.h"
#include "base/Trace.h"
#include "text/TrayTexts.h"

namespace vistrel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"Vistrel.TrayHost";
constexpr UINT_PTR kAddRetryTimer = 1;

// The menu's items as a native popup menu, with the model's item ids.
UniqueMenu buildMenu(const std::vector<TrayMenuItem>& items)
{
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) {
        traceLastError(L"CreatePopupMenu");
        return menu;
    }
    for (const TrayMenuItem& item : items) {
        if (item.text.empty()) {
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING | (item.enabled ? 0u : MF_GRAYED) | (item.checked ? MF_CHECKED : 0u);
        UINT_PTR id = item.id;
        UniqueMenu submenu;
        if (!item.submenu.empty()) {
            submenu = buildMenu(item.submenu);
            flags |= MF_POPUP;
            id = reinterpret_cast<UINT_PTR>(submenu.get());
        }
        // A popup belongs to its parent menu once appended.
        if (AppendMenuW(menu.get(), flags, id, widen(item.text).c_str())) submenu.release();
        if (item.isDefault) SetMenuDefaultItem(menu.get(), item.id, FALSE);
    }
    return menu;
}

}  // namespace

TrayHost::TrayHost(HICON icon, HICON noticeIcon, TrayMenu& menu, const Texts& texts, Actions actions)
    : m_icon(icon),
      m_noticeIcon(noticeIcon),
      m_menu(menu),
      m_texts(texts),
      m_actions(std::move(actions)),
      m_addRetry({.timerId = kAddRetryTimer, .what = L"Shell_NotifyIconW(NIM_ADD)", .attempt = [this] {
                      return tryAddIcon();
                  },
                  .gaveUp = [this] {
                      if (m_actions.iconGivenUp) m_actions.iconGivenUp();
                  }})
{
}

TrayHost::~TrayHost() { removeIcon(); }

bool TrayHost::create()
{
    registerClass(kClassName, {.cursor = nullptr, .icon = m_icon});
    // A hidden top-level window rather than a message-only one: only top-level windows hear the
    // shell's TaskbarCreated broadcast.
    if (!Window::create({.className = kClassName, .exStyle = WS_EX_TOOLWINDOW, .title = L"cd"})) return false;
    m_taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    // Let the broadcast through when the program runs elevated and the shell does not.
    ChangeWindowMessageFilterEx(hwnd(), m_taskbarCreated, MSGFLT_ALLOW, nullptr);
    return true;
}

NOTIFYICONDATAW TrayHost::iconData() const
{
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = hwnd();
    data.uID = kIconId;
    // No tip text: the icon shows none.
    data.uFlags = NIF_MESSAGE | NIF_ICON;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = m_icon;
    return data;
}

bool TrayHost::addIcon()
{
    m_iconShown = false;
    return m_addRetry.start(hwnd());
}

bool TrayHost::tryAddIcon()
{
    NOTIFYICONDATAW data = iconData();
    m_iconShown = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
    if (!m_iconShown) {
        // After an explorer restart the old icon may still be registered: replace it.
        m_iconShown = Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
    }
    // Until an add takes, minimising falls back to the taskbar.
    if (!m_iconShown) traceLastError(L"Shell_NotifyIconW(NIM_ADD)");
    return m_iconShown;
}

void TrayHost::showNotice(std::wstring_view text)
{
    // Windows keeps no record of what a notification said: the trace does.
    trace(L"notice: " + std::wstring(text));
    if (!m_iconShown) {
        trace(L"notice left out: no tray icon");
        return;
    }
    NOTIFYICONDATAW data = iconData();
    data.uFlags = NIF_INFO;
    const size_t length = std::min(text.size(), std::size(data.szInfo) - 1);
    std::copy_n(text.data(), length, data.szInfo);
    const std::wstring title = widen(m_texts(TrayText::NoticeTitle));
    std::copy_n(title.c_str(), std::min(title.size() + 1, std::size(data.szInfoTitle) - 1), data.szInfoTitle);
    data.dwInfoFlags = NIIF_USER | NIIF_LARGE_ICON | NIIF_NOSOUND;
    data.hBalloonIcon = m_noticeIcon;
    if (!Shell_NotifyIconW(NIM_MODIFY, &data)) traceLastError(L"Shell_NotifyIconW(NIM_MODIFY, NIF_INFO)");
}

void TrayHost::removeIcon()
{
    m_addRetry.stop();  // at exit: no icon may come back after this
    if (!m_iconShown || !hwnd()) return;
    NOTIFYICONDATAW data = iconData();
    Shell_NotifyIconW(NIM_DELETE, &data);
    m_iconShown = false;
}

void TrayHost::act(TrayAction action)
{
    switch (action) {
    case TrayAction::ShowMainWindow:
        if (m_actions.showMainWindow) m_actions.showMainWindow();
        break;
    case TrayAction::OpenMenu:
        showMenu();
        break;
    case TrayAction::Exit:
        if (m_actions.exit) m_actions.exit();
        break;
    case TrayAction::OpenOptions:
        if (m_actions.openOptions) m_actions.openOptions();
        break;
    case TrayAction::OpenStatistics:
        if (m_actions.openStatistics) m_actions.openStatistics();
        break;
    case TrayAction::None:
        break;
    }
}

void TrayHost::showMenu()
{
    const UniqueMenu menu = buildMenu(m_menu.open());
    if (!menu) return;

    POINT at{};
    GetCursorPos(&at);
    // The menu closes when the user clicks elsewhere only if our window is in the foreground.
    SetForegroundWindow(hwnd());
    const auto id = static_cast<unsigned>(
        TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, hwnd(), nullptr));
    PostMessageW(hwnd(), WM_NULL, 0, 0);
    act(m_menu.choose(id));
}

LRESULT TrayHost::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kCallbackMessage) {
        act(TrayMenu::forMouse(static_cast<std::uint32_t>(LOWORD(lParam))));
        return 0;
    }
    if (message == m_taskbarCreated && m_taskbarCreated != 0) {
        addIcon();
        return 0;
    }
    if (message == WM_TIMER && m_addRetry.onTimer(wParam)) return 0;
    // An installer or uninstaller asks a running copy to end this way: as "Exit" does, so the
    // settings are written, and never by destroying the window under the program.
    if (message == WM_CLOSE) {
        if (m_actions.exit) m_actions.exit();
        return 0;
    }
    return defaultProc(message, wParam, lParam);
}

}  // namespace vistrel::win32
