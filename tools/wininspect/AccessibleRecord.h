#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vistrel::wininspect {

// What Microsoft Active Accessibility reports of a window's client object, texts in UTF-8.
struct AccessibleRecord {
    std::string name;
    std::int64_t role = 0;
    std::string roleText;  // the system's wording for the role
    std::int64_t state = 0;
    std::vector<std::string> states;  // the state's flags by name, lowest bit first
    std::string value;
    std::string defaultAction;

    // A JSON object (no line feed).
    std::string toJson() const;
};

// Empty when the window has no accessible object or its owner does not answer.
std::optional<AccessibleRecord> describeAccessible(HWND window);

// The STATE_SYSTEM_* names of the bits set in a state, lowest bit first; unknown bits as hex.
std::vector<std::string> stateNames(std::int64_t state);

}  // namespace vistrel::wininspect
