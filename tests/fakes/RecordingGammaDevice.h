#pragma once
#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gamma/GammaDevice.h"

namespace vistrel::testing {

// Displays whose ramps the test sets up and whose every write is recorded. One display at the
// start; a test adds, removes and configures more.
class RecordingGammaDevice final : public GammaDevice {
public:
    static constexpr const char* kFirst = "\\\\.\\DISPLAY1";

    struct Display {
        std::string name;
        GammaRamp ramp = GammaRamp::identity();
        bool readable = true;
        bool acceptsWrites = true;   // false: apply reports failure
        bool ignoresWrites = false;  // apply reports success and keeps the old ramp
        bool keepsHighByte = false;  // an 8-bit table: (v >> 8) * 257 is what reads back
        bool hdr = false;
        // Ramps this display turns down (apply fails, the old ramp stays), as Windows does without
        // the wide gamma range for ramps far from the identity.
        std::function<bool(const GammaRamp&)> refuses{};
    };
    struct Write {
        std::string display;
        GammaRamp ramp;
    };

    RecordingGammaDevice() { add(kFirst); }

    std::vector<GammaDisplay> displays() override
    {
        std::vector<GammaDisplay> list;
        for (const Display& d : connected) list.push_back({d.name, d.hdr});
        return list;
    }
    std::optional<GammaRamp> capture(const std::string& name) override
    {
        ++reads;
        const Display* d = find(name);
        return d && d->readable ? std::optional<GammaRamp>(d->ramp) : std::nullopt;
    }
    bool apply(const std::string& name, const GammaRamp& ramp) override
    {
        writes.push_back({name, ramp});
        Display* d = find(name);
        if (!d || !d->acceptsWrites || (d->refuses && d->refuses(ramp))) return false;
        if (!d->ignoresWrites) {
            d->ramp = ramp;
            if (d->keepsHighByte)
                for (std::uint16_t& v : d->ramp.values) v = static_cast<std::uint16_t>((v >> 8) * 257);
        }
        return true;
    }

    Display& add(std::string name, const GammaRamp& ramp = GammaRamp::identity())
    {
        connected.push_back({std::move(name), ramp});
        return connected.back();
    }
    void remove(const std::string& name)
    {
        std::erase_if(connected, [&](const Display& d) { return d.name == name; });
    }
    Display& display(const std::string& name = kFirst) { return *find(name); }
    // The ramps written to one display, in order.
    std::vector<GammaRamp> writesTo(const std::string& name = kFirst) const
    {
        std::vector<GammaRamp> ramps;
        for (const Write& w : writes)
            if (w.display == name) ramps.push_back(w.ramp);
        return ramps;
    }

    std::vector<Display> connected;
    std::vector<Write> writes;
    int reads = 0;

private:
    Display* find(const std::string& name)
    {
        const auto it =
            std::find_if(connected.begin(), connected.end(), [&](const Display& d) { return d.name == name; });
        return it == connected.end() ? nullptr : &*it;
    }
};

}  // namespace vistrel::testing
