#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "AccessibleRecord.h"
#include "JsonLine.h"

namespace vistrel::wininspect {

class ProcessNames;

struct TrackbarState {
    std::int64_t min = 0;
    std::int64_t max = 0;
    std::int64_t pos = 0;
};

// What a spy tool shows about one window, with texts already in UTF-8.
struct WindowRecord {
    std::uintptr_t hwnd = 0;
    std::uintptr_t parent = 0;  // 0 for a top-level window
    std::uintptr_t owner = 0;
    DWORD pid = 0;
    std::string process;
    std::string className;
    std::string text;
    ScreenRect rect;
    ScreenRect client;  // client area in screen coordinates
    bool visible = false;
    bool enabled = false;
    bool focused = false;  // the keyboard focus of its thread
    bool active = false;   // the active window of its thread
    DWORD style = 0;
    DWORD exStyle = 0;
    std::optional<std::int64_t> alpha;  // only for layered windows that set a constant alpha
    std::int64_t controlId = 0;
    std::optional<TrackbarState> trackbar;
    std::optional<std::vector<std::string>> tabs;  // a tab control's tab texts
    std::optional<AccessibleRecord> accessible;

    std::string toJson() const;
};

// Empty when the window vanished while it was being read.
std::optional<WindowRecord> describeWindow(HWND window, ProcessNames& processes);

}  // namespace vistrel::wininspect
