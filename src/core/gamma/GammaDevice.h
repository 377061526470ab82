#pragma once
#include <optional>
#include <string>
#include <vector>

#include "gamma/GammaRamp.h"

namespace vistrel {

// The displays' hardware gamma ramps, one ramp per display. A display is known by its name (the
// platform's device name, UTF-8), which stays the same while it stays connected. Results are
// reported; the caller decides what to ignore.
class GammaDevice {
public:
    virtual ~GammaDevice() = default;
    // The displays on the desktop now, each name once.
    virtual std::vector<std::string> displays() = 0;
    // The display's ramp as the display holds it: the capture at load, and the read-back after a write.
    virtual std::optional<GammaRamp> capture(const std::string& display) = 0;
    // False when the platform refused the ramp outright; true does not prove that it took it.
    virtual bool apply(const std::string& display, const GammaRamp& ramp) = 0;
};

}  // namespace vistrel
