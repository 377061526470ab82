#pragma once
#include <optional>
#include <string_view>

namespace vistrel {

// The languages the program speaks. Chinese is the designed program and the default.
enum class Language { Chinese, English };

// "zh" or "en", the values of `[extra]` `language`; anything else is no language.
std::optional<Language> parseLanguage(std::string_view key);
std::string_view languageKey(Language language);

}  // namespace vistrel
