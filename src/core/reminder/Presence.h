#pragma once
#include <cstdint>

namespace vistrel {

// What the reminder's options need to know of the user: how long no keyboard or mouse input
// reached the session, whether the session is locked, and whether Windows is busy (presentation
// mode, a full-screen Direct3D program, or another program's full-screen window on the primary
// monitor, as Windows holds its own notifications for). Asked on the one-second tick, and then
// only while an option needs the answer.
class Presence {
public:
    virtual ~Presence() = default;
    virtual std::int64_t idleSeconds() const = 0;
    virtual bool locked() const = 0;
    virtual bool busy() const = 0;
    // The camera or the microphone is in use by some program: the user is likely in a call.
    virtual bool inMeeting() const { return false; }
};

}  // namespace vistrel
