#include "gamma/GdiGammaDevice.h"

#include <algorithm>

#include "base/Text.h"
#include "base/Trace.h"
#include "gamma/AdvancedColour.h"

namespace vistrel::win32 {
namespace {

// GDI takes the ramp as WORD[3][256], red table first: exactly GammaRamp's layout.
static_assert(sizeof(GammaRamp::values) == 3 * 256 * sizeof(WORD));

// The name the desktop window's context goes by when it stands in for the displays.
constexpr char kDesktopName[] = "DISPLAY";

}  // namespace

std::vector<GammaDisplay> GdiGammaDevice::displays()
{
    m_displays.clear();
    m_desktop.reset();
    DISPLAY_DEVICEW device{};
    device.cb = sizeof device;
    for (DWORD i = 0; EnumDisplayDevicesW(nullptr, i, &device, 0); ++i) {
        // Mirroring drivers copy another display's picture; they have no ramp of their own.
        if (!(device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) ||
            (device.StateFlags & DISPLAY_DEVICE_MIRRORING_DRIVER))
            continue;
        UniqueDisplayDc dc(CreateDCW(device.DeviceName, nullptr, nullptr, nullptr));
        if (dc)
            m_displays.push_back({narrow(device.DeviceName), std::move(dc)});
        else
            traceLastError(std::wstring(L"CreateDCW ") + device.DeviceName);
    }

    std::vector<GammaDisplay> list;
    if (!m_displays.empty()) {
        const std::vector<std::wstring> hdr = advancedColourDisplays();
        for (const Display& d : m_displays)
            list.push_back({d.name, std::find(hdr.begin(), hdr.end(), widen(d.name)) != hdr.end()});
        return list;
    }
    m_desktop.emplace(GetDesktopWindow());
    if (*m_desktop) list.push_back({kDesktopName});
    else traceLastError(L"GetDC for the desktop");
    return list;
}

std::optional<GammaRamp> GdiGammaDevice::capture(const std::string& display)
{
    const HDC dc = dcOf(display);
    if (!dc) return std::nullopt;
    GammaRamp ramp;
    if (!GetDeviceGammaRamp(dc, ramp.values.data())) {
        traceLastError(L"GetDeviceGammaRamp " + widen(display));
        return std::nullopt;
    }
    return ramp;
}

bool GdiGammaDevice::apply(const std::string& display, const GammaRamp& ramp)
{
    const HDC dc = dcOf(display);
    if (!dc) return false;
    // The API takes a non-const pointer but only reads the ramp.
    void* const data = const_cast<std::uint16_t*>(ramp.values.data());
    if (SetDeviceGammaRamp(dc, data) || SetDeviceGammaRamp(dc, data)) return true;
    traceLastError(L"SetDeviceGammaRamp " + widen(display));
    return false;
}

HDC GdiGammaDevice::dcOf(const std::string& display) const
{
    for (const Display& d : m_displays)
        if (d.name == display) return d.dc.get();
    if (m_desktop && display == kDesktopName) return m_desktop->get();
    trace(L"no device context for display " + widen(display));
    return nullptr;
}

}  // namespace vistrel::win32
