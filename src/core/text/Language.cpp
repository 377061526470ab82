#include "text/Language.h"

namespace vistrel {

std::optional<Language> parseLanguage(std::string_view key)
{
    if (key == "zh") return Language::Chinese;
    if (key == "en") return Language::English;
    return std::nullopt;
}

std::string_view languageKey(Language language) { return language == Language::English ? "en" : "zh"; }

}  // namespace vistrel
