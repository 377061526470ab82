#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vistrel {

// Why a write left the settings file as it was.
enum class WriteFailure {
    Denied,           // the file or its folder takes no writes: read-only, or not the user's to change
    DiskFull,
    InUse,            // another program has the file open or locked
    UnspellablePath,  // the file's path cannot be spelled the way the file functions take it
    Unstorable,       // a name or value the file cannot hold so that it reads back as given
    Other,
};

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
    // break. Returns false when the file could not be written or a name or value cannot be
    // stored; the file is then left as it was, and lastWriteFailure says why.
    virtual bool write(std::string_view section, std::string_view key,
                       const std::optional<std::string>& value) = 0;

    // Why the last write that returned false failed; Other from a profile that cannot tell.
    virtual WriteFailure lastWriteFailure() const { return WriteFailure::Other; }
};

}  // namespace vistrel
