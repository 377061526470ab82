#include "settings/LanguageSetting.h"

#include "settings/Ini.h"
#include "settings/SettingsKeys.h"

namespace vistrel {

Language readLanguage(const Profile& profile)
{
    return parseLanguage(readini(profile, settings::kExtra, settings::kLanguage)).value_or(Language::Chinese);
}

void writeLanguage(Profile& profile, Language language)
{
    writeini(profile, settings::kExtra, settings::kLanguage, std::string(languageKey(language)));
}

}  // namespace vistrel
