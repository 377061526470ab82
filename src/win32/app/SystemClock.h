#pragma once
#include "base/Clock.h"

namespace vistrel::win32 {

// The local wall clock, as the user sees it in the taskbar, and the system's UTC clock beside it.
class SystemClock final : public Clock {
public:
    LocalTime now() const override;
    UtcTime utcNow() const override;
};

}  // namespace vistrel::win32
