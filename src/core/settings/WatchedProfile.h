#pragma once
#include <string>

#include "base/DesktopServices.h"
#include "settings/Profile.h"
#include "settings/SettingsFolder.h"
#include "text/Texts.h"

namespace vistrel {

// The settings file as the program uses it: every call passes to the real one, and the first
// write that fails tells the user, once per run, that settings are not being saved and why. A
// failed write is never reported as saved.
class WatchedProfile final : public Profile {
public:
    // `warning` gives the text of that one message box, in the language of the Texts lent by
    // useTexts (which are made after the profile they read from); Chinese until then.
    WatchedProfile(Profile& file, DesktopServices& desktop, UnsavedSettingsMessage warning);
    // Read again when the warning shows, so a later warning follows a change of language.
    void useTexts(const Texts& texts) { m_texts = &texts; }

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
    const Texts* m_texts = nullptr;  // the run's, when lent
    bool m_warned = false;
};

}  // namespace vistrel
