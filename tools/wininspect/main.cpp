// wininspect: a small spy tool. Run in the same Wine session (or on Windows) as the program under
// test, it prints every window it can see as one JSON object per line.
#include <windows.h>

#include <objbase.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

#include "FontList.h"
#include "InspectOptions.h"
#include "JsonLine.h"
#include "ProcessNames.h"
#include "WindowRecord.h"
#include "WindowTree.h"
#include "base/Text.h"
#include "base/DisplayMonitors.h"

namespace {

using namespace vistrel::wininspect;

void write(const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

bool isTrayClass(const wchar_t* name)
{
    // Windows: the taskbar and the overflow flyout. Wine: the explorer's taskbar and icon windows,
    // and the X11 driver's standalone "Wine System Tray" with its icons.
    for (const wchar_t* tray : {L"Shell_TrayWnd", L"NotifyIconOverflowWindow", L"__wine_tray_icon",
                                L"__winex11_standalone_tray", L"__winex11_tray_icon"}) {
        if (_wcsicmp(name, tray) == 0) return true;
    }
    return false;
}

bool belongsToTray(HWND window)
{
    wchar_t name[256] = {};
    if (GetClassNameW(window, name, static_cast<int>(std::size(name))) > 0 && isTrayClass(name)) return true;
    HWND root = GetAncestor(window, GA_ROOT);
    return root && root != window && GetClassNameW(root, name, static_cast<int>(std::size(name))) > 0 &&
           isTrayClass(name);
}

bool wanted(HWND window, const InspectOptions& options, ProcessNames& processes)
{
    if (options.trayOnly && !belongsToTray(window)) return false;
    if (options.process.empty()) return true;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return _wcsicmp(processes.nameOf(pid).c_str(), options.process.c_str()) == 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    // Bytes out exactly as built: UTF-8 with bare line feeds, whatever the console code page.
    _setmode(_fileno(stdout), _O_BINARY);

    const auto options = parseOptions(std::vector<std::wstring>(argv + 1, argv + argc));
    if (!options || options->help) {
        std::fputs(kUsage, options ? stdout : stderr);
        return options ? 0 : 2;
    }

    if (options->activate) {
        // What the task switcher does for the window the user picks.
        const HWND window = reinterpret_cast<HWND>(options->activate);
        return IsWindow(window) && SetForegroundWindow(window) ? 0 : 1;
    }

    if (options->fonts) {
        for (const std::wstring& family : fontFamilies()) write(JsonLine().add("font", vistrel::win32::narrow(family)).line());
        return 0;
    }

    if (options->monitors) {
        // The program's own enumeration. Densities are left out: this tool is not DPI aware, so the
        // system would tell it 96 for every monitor whatever the program is told.
        for (const vistrel::MonitorArea& m : vistrel::win32::displayMonitors(vistrel::kDefaultDpi)) {
            const ScreenRect area{m.area.left, m.area.top, m.area.right(), m.area.bottom()};
            write(JsonLine().add("monitor", area).add("primary", m.primary).line());
        }
        return 0;
    }

    // The windows' accessible objects come through COM.
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) std::fputs("COM did not start\n", stderr);
    ProcessNames processes;
    for (HWND window : collectWindows()) {
        if (!wanted(window, *options, processes)) continue;
        if (const auto record = describeWindow(window, processes)) {
            write(record->toJson());
        }
    }
    return 0;
}
