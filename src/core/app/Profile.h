#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vistrel {

// One settings file, read and written one key at a time, with the observable behaviour of the
// Windows profile-string functions. Values are bytes in the file's own code page.
class Profile {
public:
    virtual ~Profile() = default;

    // The value stored under section/key, cut at its first NUL and at 255 bytes; `fallback` when
    // the file, the section or the key is missing. An existing empty value is returned as "".
    virtual std::string read(std::string_view section, std::string_view key,
                             std::string_view fallback) const = 0;

    // Stores `value` under section/key, creating file and section when missing; std::nullopt
    // removes the key. Returns false when the file could not be written.
    virtual bool write(std::string_view section, std::string_view key,
                       const std::optional<std::string>& value) = 0;
};

}  // namespace vistrel
