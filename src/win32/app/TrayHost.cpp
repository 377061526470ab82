#include "app/TrayHost.h"

#include "app/TrayLogic.h"
#include "base/Trace.h"

namespace vistrel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"Vistrel.TrayHost";
enum MenuCommand : UINT { kDisplay = 1, kAbout, kExit };

}  // namespace

TrayHost::TrayHost(HICON icon, Actions actions) : m_icon(icon), m_actions(std::move(actions)) {}

TrayHost::~TrayHost() { removeIcon(); }

bool TrayHost::create()
{
    registerClass(kClassName, {.cursor = nullptr, .icon = m_icon});
    // A hidden top-level window rather than a message-only one: only top-level windows hear the
    // shell's TaskbarCreated broadcast.
    if (!Window::create(WS_EX_TOOLWINDOW, kClassName, L"cd", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr)) return false;
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
    NOTIFYICONDATAW data = iconData();
    m_iconShown = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
    if (!m_iconShown) {
        // After an explorer restart the old icon may still be registered: replace it.
        m_iconShown = Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
    }
    // The icon comes when the shell announces itself (TaskbarCreated); until then minimising
    // falls back to the taskbar.
    if (!m_iconShown) traceLastError(L"Shell_NotifyIconW(NIM_ADD)");
    return m_iconShown;
}

void TrayHost::removeIcon()
{
    if (!m_iconShown || !hwnd()) return;
    NOTIFYICONDATAW data = iconData();
    Shell_NotifyIconW(NIM_DELETE, &data);
    m_iconShown = false;
}

void TrayHost::showMenu()
{
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) {
        traceLastError(L"CreatePopupMenu");
        return;
    }
    AppendMenuW(menu.get(), MF_STRING, kDisplay, L"Display");
    AppendMenuW(menu.get(), MF_STRING, kAbout, L"About");
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu.get(), MF_STRING, kExit, L"Exit");
    SetMenuDefaultItem(menu.get(), kDisplay, FALSE);

    POINT at{};
    GetCursorPos(&at);
    // The menu closes when the user clicks elsewhere only if our window is in the foreground.
    SetForegroundWindow(hwnd());
    const UINT command = static_cast<UINT>(
        TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, hwnd(), nullptr));
    PostMessageW(hwnd(), WM_NULL, 0, 0);
    menu.reset();

    switch (command) {
    case kDisplay:
        if (m_actions.showMainWindow) m_actions.showMainWindow();
        break;
    case kAbout:
        if (m_actions.about) m_actions.about();
        break;
    case kExit:
        if (m_actions.exit) m_actions.exit();
        break;
    default:
        break;
    }
}

LRESULT TrayHost::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kCallbackMessage) {
        switch (trayActionFor(static_cast<std::uint32_t>(LOWORD(lParam)))) {
        case TrayAction::ShowMainWindow:
            if (m_actions.showMainWindow) m_actions.showMainWindow();
            break;
        case TrayAction::OpenMenu:
            showMenu();
            break;
        case TrayAction::None:
            break;
        }
        return 0;
    }
    if (message == m_taskbarCreated && m_taskbarCreated != 0) {
        m_iconShown = false;
        addIcon();
        return 0;
    }
    return defaultProc(message, wParam, lParam);
}

}  // namespace vistrel::win32
