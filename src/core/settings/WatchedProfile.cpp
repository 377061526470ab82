#include "settings/WatchedProfile.h"

#include "text/SettingsTexts.h"

namespace vistrel {

WatchedProfile::WatchedProfile(Profile& file, DesktopServices& desktop, UnsavedSettingsMessage warning)
    : m_file(file), m_desktop(desktop), m_warning(std::move(warning))
{
}

std::string WatchedProfile::read(std::string_view section, std::string_view key, std::string_view fallback) const
{
    return m_file.read(section, key, fallback);
}

bool WatchedProfile::write(std::string_view section, std::string_view key, const std::optional<std::string>& value)
{
    if (m_file.write(section, key, value)) return true;
    m_desktop.trace("settings write failed: [" + std::string(section) + "] " + std::string(key));
    warn(m_file.lastWriteFailure());
    return false;
}

void WatchedProfile::warn(std::optional<WriteFailure> cause)
{
    if (m_warned) return;
    // Set first: a write made while the box is open, or while it waits for a broadcast's answer,
    // must not ask for another.
    m_warned = true;
    const Texts texts = m_texts ? *m_texts : Texts();
    m_desktop.messageBox(m_warning.text(cause, texts), texts(SettingsText::ProgramName), MessageIcon::Warning);
}

}  // namespace vistrel
