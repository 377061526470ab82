#pragma once
#include <optional>
#include <vector>

#include "gamma/GammaDevice.h"

namespace vistrel::testing {

// A display whose ramp the test sets up and whose every write is recorded.
class RecordingGammaDevice final : public GammaDevice {
public:
    std::optional<GammaRamp> capture() override
    {
        ++captures;
        return readable ? std::optional<GammaRamp>(current) : std::nullopt;
    }
    bool apply(const GammaRamp& ramp) override
    {
        writes.push_back(ramp);
        if (acceptsWrites) current = ramp;
        return acceptsWrites;
    }

    GammaRamp current = GammaRamp::identity();
    bool readable = true;
    bool acceptsWrites = true;
    int captures = 0;
    std::vector<GammaRamp> writes;
};

}  // namespace vistrel::testing
