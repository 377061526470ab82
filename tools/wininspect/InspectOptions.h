#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vistrel::wininspect {

struct InspectOptions {
    std::wstring process;  // only windows of processes with this image file name; empty for all
    bool trayOnly = false;  // only the notification area's windows
    bool fonts = false;  // list font families instead of windows
    bool monitors = false;  // list display monitors instead of windows
    std::uintptr_t activate = 0;  // a window to bring to the foreground instead, as Alt+Tab does
    bool help = false;
};

// Empty when the arguments make no sense; the caller prints the usage.
std::optional<InspectOptions> parseOptions(const std::vector<std::wstring>& arguments);

extern const char* const kUsage;

}  // namespace vistrel::wininspect
