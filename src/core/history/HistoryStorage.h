#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vistrel {

// The two history files in the settings folder: the current one, appended to, and the older one it
// rolls over into. Every write reaches the disk before the call returns.
class HistoryStorage {
public:
    enum class File { Current, Old };

    virtual ~HistoryStorage() = default;
    // Adds the bytes at the end of the current file, creating it; false when they could not all be
    // written.
    virtual bool append(std::string_view bytes) = 0;
    // The current file's size, 0 when it does not exist; none when it cannot be read.
    virtual std::optional<std::uint64_t> size() const = 0;
    // The current file's last byte; none when it is empty, missing or cannot be read.
    virtual std::optional<char> lastByte() const = 0;
    // The file's whole content; an empty text when it does not exist, none when it cannot be read.
    virtual std::optional<std::string> read(File file) const = 0;
    // Renames the current file to the old one's name, replacing it, in one step; the next append
    // starts a new current file.
    virtual bool rollOver() = 0;
    // Deletes both files; true when neither is left.
    virtual bool erase() = 0;
};

}  // namespace vistrel
