#pragma once
#include <string>
#include <string_view>

#include "text/Language.h"
#include "text/TextArguments.h"
#include "text/TextEntry.h"

namespace vistrel {

// The catalogue in the language the user chose. Every text a user reads comes through here:
//   texts(TrayText::Postpone, 5)  ->  "推迟 5 分钟" or "Postpone 5 minutes"
// Each area of the program declares its ids and table in text/ (`textEntry(Id)` finds one).
// The run owns one Texts and lends it out; a change of language is announced by its owner.
class Texts {
public:
    explicit Texts(Language language = Language::Chinese) : m_language(language) {}

    Language language() const { return m_language; }
    void setLanguage(Language language) { m_language = language; }

    template <class Id>
    std::string_view pattern(Id id) const
    {
        const TextEntry<Id>& entry = textEntry(id);
        return m_language == Language::English ? entry.en : entry.zh;
    }

    template <class Id, class... Arguments>
    std::string operator()(Id id, const Arguments&... arguments) const
    {
        if constexpr (sizeof...(Arguments) == 0) return std::string(pattern(id));
        else return fillText(pattern(id), {TextArgument(arguments)...});
    }

private:
    Language m_language;
};

// The designed (Chinese) texts, for parts made without a run's catalogue to lend them.
inline const Texts& designedTexts()
{
    static const Texts texts;
    return texts;
}

}  // namespace vistrel
