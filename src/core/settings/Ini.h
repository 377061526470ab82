#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "settings/Profile.h"

namespace vistrel {

// The program's two settings operations: every read goes to the file, every write changes it at once.

// The value of section/key; the key's own name when the file, section or key is missing.
inline std::string readini(const Profile& profile, std::string_view section, std::string_view key)
{
    return profile.read(section, key, key);
}

// Writes section/key; an unset value removes the key. The caller goes on either way: the profile
// the program runs on (WatchedProfile) traces a failure and tells the user once per run.
inline void writeini(Profile& profile, std::string_view section, std::string_view key,
                     const std::optional<std::string>& value)
{
    static_cast<void>(profile.write(section, key, value));
}

}  // namespace vistrel
