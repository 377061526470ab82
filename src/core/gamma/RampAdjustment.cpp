#include "gamma/RampAdjustment.h"

#include "gamma/GammaMath.h"

namespace vistrel {

GammaRamp RampAdjustment::appliedTo(const GammaRamp& saved) const
{
    switch (kind) {
    case Kind::Brightness: return brightnessRamp(saved, values[0]);
    case Kind::Contrast: return contrastRamp(saved, values[0]);
    case Kind::Gains: return gainRamp(saved, values[0], values[1], values[2]);
    case Kind::None: break;
    }
    return saved;
}

}  // namespace vistrel
