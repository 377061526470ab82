#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "settings/Profile.h"
#include "text/Texts.h"

namespace vistrel {

// Where the settings file lives, decided once at start: the first folder, in the order tried,
// that takes a real write. Beside the program comes first (a portable copy keeps its settings
// with it), then the user's own folder. Folders are UTF-8 paths.
struct SettingsFolder {
    std::vector<std::string> tried;     // in the order tried, up to the one that took the write
    std::optional<size_t> writable;     // index into `tried` of the folder that took the write

    // The chosen folder; when none takes a write, the first one, so what it holds is still read.
    const std::string& folder() const { return tried.at(writable.value_or(0)); }
    bool saves() const { return writable.has_value(); }

    static SettingsFolder choose(std::vector<std::string> candidates,
                                 const std::function<bool(const std::string&)>& takesWrite);
};

// The warning shown once per run when settings cannot be saved: what failed, and the folders tried.
struct UnsavedSettingsMessage {
    std::vector<std::string> tried;

    // Without a cause: no folder took a write at start.
    std::string text(std::optional<WriteFailure> cause = std::nullopt, const Texts& texts = Texts()) const;
};

UnsavedSettingsMessage unsavedSettingsMessage(const std::vector<std::string>& tried);

}  // namespace vistrel
