#pragma once
#include "settings/Profile.h"
#include "text/Language.h"

namespace vistrel {

// `[extra]` `language`: missing or anything but "zh" and "en" is the designed Chinese.
Language readLanguage(const Profile& profile);
void writeLanguage(Profile& profile, Language language);

}  // namespace vistrel
