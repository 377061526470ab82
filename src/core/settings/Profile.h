#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vistrel {

// One settings file, read and written one key at a time, with the observable behaviour of the
// Windows profile-string functions. Nothing is cached: every call goes to the file. Names and
// values are the core's UTF-8; an implementation whose file uses another code page converts.
class Profile {
public:
    virtual ~Profile() = default;

    // The value stored under section/key (names compare case-insensitively, blanks around names
    // and values and one pair of quotes around the value do not count), cut at its first NUL
    // and at 255 bytes of the file. `fallback`, less any trailing spaces, when the file, the
    // section or the key is missing. An existing empty value is returned as "".
    virtual std::string read(std::string_view section, std::string_view key,
                             std::string_view fallback) const = 0;

    // Stores `value` under section/key, creating file and section when missing; std::nullopt
    // removes the key. A value is stored without the blanks before it and up to its first line
    // break. Returns false when the file could not be written or a name cannot be stored; the
    // file is then left as it was.
    virtual bool write(std::string_view section, std::string_view key,
                       const std::optional<std::string>& value) = 0;
};

}  // namespace vistrel
