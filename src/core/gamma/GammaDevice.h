#pragma once
#include <optional>
#include <string>
#include <vector>

#include "gamma/GammaRamp.h"

namespace vistrel {

// One display on the desktop.
struct GammaDisplay {
    std::string name;
    // Driven in advanced colour (HDR): its ramp has no defined meaning there, so the night layer
    // leaves it alone.
    bool hdr = false;

    friend bool operator==(const GammaDisplay&, const GammaDisplay&) = default;
};

// The displays' hardware gamma ramps, one ramp per display. A display is known by its name (the
// platform's device name, UTF-8), which stays the same while it stays connected. Results are
// reported; the caller decides what to ignore.
class GammaDevice {
public:
    virtual ~GammaDevice() = default;
    // The displays on the desktop now, each name once.
    virtual std::vector<GammaDisplay> displays() = 0;
    // The display's ramp as the display holds it: the capture at load, and the read-back after a write.
    virtual std::optional<GammaRamp> capture(const std::string& display) = 0;
    // False when the platform refused the ramp outright; true does not prove that it took it.
    virtual bool apply(const std::string& display, const GammaRamp& ramp) = 0;
};

}  // namespace vistrel
