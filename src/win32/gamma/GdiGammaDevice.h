#pragma once
#include <optional>
#include <string>
#include <vector>

#include "base/UniqueHandle.h"
#include "gamma/GammaDevice.h"

namespace vistrel::win32 {

// The displays' hardware ramps through GDI: one device context per display on the desktop, made
// from its device name. The desktop window's context reaches one display at most and recent
// Windows often refuses ramps through it, so it serves only when no display context can be made.
class GdiGammaDevice final : public GammaDevice {
public:
    // Lists the displays attached to the desktop, with whether each is in HDR, and makes their
    // contexts afresh; the old ones go.
    std::vector<GammaDisplay> displays() override;
    std::optional<GammaRamp> capture(const std::string& display) override;
    // Some drivers refuse the first SetDeviceGammaRamp after a mode change, so a refused call is
    // made once more at once; a ramp that still does not take is written again by the next hold.
    bool apply(const std::string& display, const GammaRamp& ramp) override;

private:
    struct Display {
        std::string name;
        UniqueDisplayDc dc;
    };

    HDC dcOf(const std::string& display) const;

    std::vector<Display> m_displays;
    std::optional<WindowDc> m_desktop;  // only while no display has a context of its own
};

}  // namespace vistrel::win32
