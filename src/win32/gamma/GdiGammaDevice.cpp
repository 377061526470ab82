#include "gamma/GdiGammaDevice.h"

#include "base/Trace.h"

namespace vistrel::win32 {

// GDI takes the ramp as WORD[3][256], red table first: exactly GammaRamp's layout.
static_assert(sizeof(GammaRamp::values) == 3 * 256 * sizeof(WORD));

GdiGammaDevice::GdiGammaDevice() : m_screen(GetDesktopWindow()) {}

std::optional<GammaRamp> GdiGammaDevice::capture()
{
    if (!m_screen) return std::nullopt;
    GammaRamp ramp;
    if (!GetDeviceGammaRamp(m_screen.get(), ramp.values.data())) {
        traceLastError(L"GetDeviceGammaRamp");
        return std::nullopt;
    }
    return ramp;
}

bool GdiGammaDevice::apply(const GammaRamp& ramp)
{
    if (!m_screen) return false;
    // The API takes a non-const pointer but only reads the ramp.
    void* const data = const_cast<std::uint16_t*>(ramp.values.data());
    if (SetDeviceGammaRamp(m_screen.get(), data) || SetDeviceGammaRamp(m_screen.get(), data)) return true;
    traceLastError(L"SetDeviceGammaRamp");
    return false;
}

}  // namespace vistrel::win32
