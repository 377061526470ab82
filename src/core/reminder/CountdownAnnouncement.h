#pragma once
#include <optional>
#include <string_view>

namespace vistrel {

// The countdown screen's remaining time as screen readers hear it. The panel changes every
// second; saying each one would drown out everything else the user listens to, so the new text is
// announced only when it passes a whole minute, and in the last minute at 30 and at 10 seconds.
// The first time the screen shows is announced too.
class CountdownAnnouncement {
public:
    // Seconds left in a countdown text ("1:29:59", "0:4:60"); none for any other text ("Start").
    static std::optional<long> secondsIn(std::string_view text);

    // Whether the panel's change from `previous` to `current` is told.
    static bool announces(std::string_view previous, std::string_view current);
};

}  // namespace vistrel
