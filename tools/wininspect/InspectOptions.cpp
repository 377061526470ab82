#include "InspectOptions.h"

#include <cwchar>

namespace vistrel::wininspect {

const char* const kUsage =
    "usage: wininspect [--process NAME.exe] [--tray] | --fonts | --monitors | --activate HWND\n"
    "Lists top-level windows and all their descendants, one JSON object per line.\n"
    "  --process NAME  only windows of processes whose image file name is NAME (any case)\n"
    "  --tray          only the notification area: the taskbar or system tray window and its icons\n"
    "  --fonts         list the font families GDI offers instead: one {\"font\": NAME} per line\n"
    "  --monitors      list the display monitors instead, as the program lists them:\n"
    "                  one {\"monitor\": RECT, \"primary\": BOOL} per line\n"
    "  --activate HWND bring that window (a decimal handle) to the foreground, as Alt+Tab does\n";

std::optional<InspectOptions> parseOptions(const std::vector<std::wstring>& arguments)
{
    InspectOptions options;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& argument = arguments[i];
        if (argument == L"--process" && i + 1 < arguments.size()) {
            options.process = arguments[++i];
        } else if (argument == L"--tray") {
            options.trayOnly = true;
        } else if (argument == L"--fonts") {
            options.fonts = true;
        } else if (argument == L"--monitors") {
            options.monitors = true;
        } else if (argument == L"--activate" && i + 1 < arguments.size()) {
            wchar_t* end = nullptr;
            const std::wstring& handle = arguments[++i];
            options.activate = static_cast<std::uintptr_t>(std::wcstoull(handle.c_str(), &end, 10));
            if (options.activate == 0 || *end != L'\0') return std::nullopt;
        } else if (argument == L"--help" || argument == L"-h" || argument == L"/?") {
            options.help = true;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace vistrel::wininspect
