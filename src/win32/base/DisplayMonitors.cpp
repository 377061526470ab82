#include "base/DisplayMonitors.h"

#include <windows.h>

#include <shellscalingapi.h>

#include "base/SystemLibrary.h"
#include "base/Trace.h"

namespace vistrel::win32 {
namespace {

// shcore's GetDpiForMonitor, loaded from System32 only while the monitors are listed, once a rest:
// the program has no other use for shcore. Where it cannot be had, the fallback density serves.
class MonitorDpi {
public:
    explicit MonitorDpi(int fallback)
        : m_shcore(L"shcore.dll"),
          m_getDpiForMonitor(m_shcore.function<decltype(&::GetDpiForMonitor)>("GetDpiForMonitor")),
          m_fallback(fallback)
    {
        if (!m_getDpiForMonitor) traceLastError(L"GetDpiForMonitor from shcore.dll");
    }

    int of(HMONITOR monitor) const
    {
        UINT x = 0;
        UINT y = 0;
        if (!m_getDpiForMonitor) return m_fallback;
        const HRESULT result = m_getDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &x, &y);
        if (FAILED(result) || x == 0) {
            traceError(L"GetDpiForMonitor", static_cast<DWORD>(result));
            return m_fallback;
        }
        return static_cast<int>(x);
    }

private:
    SystemLibrary m_shcore;
    decltype(&::GetDpiForMonitor) m_getDpiForMonitor;
    int m_fallback;
};

struct Collected {
    const MonitorDpi& dpi;
    std::vector<MonitorArea> monitors;
};

BOOL CALLBACK collectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM param)
{
    auto& collected = *reinterpret_cast<Collected*>(param);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) {
        traceLastError(L"GetMonitorInfoW");
        return TRUE;
    }
    const RECT& r = info.rcMonitor;
    collected.monitors.push_back({{r.left, r.top, r.right - r.left, r.bottom - r.top},
                                  collected.dpi.of(monitor),
                                  (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
    return TRUE;
}

}  // namespace

std::vector<MonitorArea> displayMonitors(int fallbackDpi)
{
    const MonitorDpi dpi(fallbackDpi);
    Collected collected{dpi, {}};
    if (!EnumDisplayMonitors(nullptr, nullptr, collectMonitor, reinterpret_cast<LPARAM>(&collected)))
        traceLastError(L"EnumDisplayMonitors");
    if (collected.monitors.empty()) {
        trace(L"no display monitor listed: the countdown screen covers the primary screen only");
        collected.monitors.push_back(
            {{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, fallbackDpi, true});
    }
    return collected.monitors;
}

}  // namespace vistrel::win32
