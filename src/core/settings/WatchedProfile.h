#pragma once
#include <string>

#include "base/DesktopServices.h"
#include "settings/Profile.h"
#include "settings/SettingsFolder.h"

namespace vistrel {

// The settings file as the program uses it: every call passes to the real one, and the first
// write that fails tells the user, once per run, that settings are not being saved and why. A
// failed write is never reported as saved.
class WatchedProfile final : public Profile {
public:
    // `warning` gives the text of that one message box.
    WatchedProfile(Profile& file, DesktopServices& desktop, UnsavedSettingsMessage warning);

    std::string read(std::string_view section, std::string_view key,
                     std::string_view fallback) const override;
    bool write(std::string_view section, std::string_view key,
               const std::optional<std::string>& value) override;
    WriteFailure lastWriteFailure() const override { return m_file.lastWriteFailure(); }

    // Shows the warning now, when it has not been shown yet: at start, when no folder takes a write.
    void warn() { warn(std::nullopt); }
    bool warned() const { return m_warned; }

private:
    void warn(std::optional<WriteFailure> cause);

    Profile& m_file;
    DesktopServices& m_desktop;
    UnsavedSettingsMessage m_warning;
    bool m_warned = false;
};

}  // namespace vistrel
