#pragma once
#include <optional>

#include "gamma/GammaRamp.h"

namespace vistrel {

// The display's hardware gamma ramp. Results are reported; the caller decides what to ignore.
class GammaDevice {
public:
    virtual ~GammaDevice() = default;
    virtual std::optional<GammaRamp> capture() = 0;
    virtual bool apply(const GammaRamp& ramp) = 0;
};

}  // namespace vistrel
