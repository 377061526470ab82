// The least a tray program can be: one borderless window the size of Vistrel's main window,
// one tray icon and one idle 1 s timer. footprint.py runs it beside vistrel.exe, so what Vistrel
// costs on top of Wine and the bare Win32 machinery shows.
//
//   MinimalTray.exe            window shown, centred on the primary screen
//   MinimalTray.exe --hidden   tray icon and timer only
#include <windows.h>
#include <shellapi.h>

#include <cwchar>

namespace {

constexpr int kWidth = 642;
constexpr int kHeight = 315;
constexpr UINT_PTR kIdleTimer = 1;
constexpr UINT kIdleMilliseconds = 1000;
constexpr UINT kTrayMessage = WM_APP + 1;
constexpr UINT kTrayId = 1;

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        return 0;  // the cost of waking up is what we measure, so the handler does nothing
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        FillRect(dc, &ps.rcPaint, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

bool hasArgument(const wchar_t* wanted)
{
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    bool found = false;
    for (int i = 1; args && i < count; ++i) found = found || std::wcscmp(args[i], wanted) == 0;
    LocalFree(args);
    return found;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"MinimalTray";
    if (!RegisterClassExW(&wc)) return 1;

    const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"MinimalTray", WS_POPUP | WS_MINIMIZEBOX | WS_SYSMENU, x, y,
                                kWidth, kHeight, nullptr, nullptr, instance, nullptr);
    if (!hwnd) return 1;

    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof(icon);
    icon.hWnd = hwnd;
    icon.uID = kTrayId;
    icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    icon.uCallbackMessage = kTrayMessage;
    icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    std::wcscpy(icon.szTip, L"MinimalTray");
    Shell_NotifyIconW(NIM_ADD, &icon);

    SetTimer(hwnd, kIdleTimer, kIdleMilliseconds, nullptr);
    if (!hasArgument(L"--hidden")) {
        ShowWindow(hwnd, SW_SHOWNORMAL);
        UpdateWindow(hwnd);
    }

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    Shell_NotifyIconW(NIM_DELETE, &icon);
    return 0;
}
