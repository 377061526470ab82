#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vistrel {

// Where the settings file lives, decided once at start: the first folder, in the order tried,
// that takes a real write. Beside the program comes first (a portable copy keeps its settings
// with it), then the user's own folder. Folders are UTF-8 paths.
struct SettingsFolder {
    std::vector<std::string> tried;     // in the order tried
    std::optional<size_t> writable;     // index into `tried` of the folder that took the write

    // The chosen folder; when none takes a write, the first one, so what it holds is still read.
    const std::string& folder() const { return tried.at(writable.value_or(0)); }
    bool saves() const { return writable.has_value(); }

    static SettingsFolder choose(std::vector<std::string> candidates,
                                 const std::function<bool(const std::string&)>& takesWrite);
};

// The warning shown once per run when a setting cannot be saved, naming the folders tried.
std::string unsavedSettingsMessage(const std::vector<std::string>& tried);

}  // namespace vistrel
