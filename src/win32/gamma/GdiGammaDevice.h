#pragma once
#include <optional>

#include "base/UniqueHandle.h"
#include "gamma/GammaDevice.h"

namespace vistrel::win32 {

// The display's hardware ramp through GDI, on the desktop window's device context. The context is
// obtained once and kept for the object's life, as every read and write goes to the same screen.
class GdiGammaDevice final : public GammaDevice {
public:
    GdiGammaDevice();

    std::optional<GammaRamp> capture() override;
    // Some drivers refuse the first SetDeviceGammaRamp after a mode change; one retry is enough.
    bool apply(const GammaRamp& ramp) override;

private:
    WindowDc m_screen;
};

}  // namespace vistrel::win32
