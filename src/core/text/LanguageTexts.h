#pragma once
#include <span>

#include "text/TextEntry.h"

namespace vistrel {

// The language choice itself, which reads the same in either language so anyone can find it.
enum class LanguageText {
    Choice,   // the Options window's label
    Chinese,  // the choices
    English,
    Count
};

const TextEntry<LanguageText>& textEntry(LanguageText id);
std::span<const TextEntry<LanguageText>> textTable(LanguageText);

}  // namespace vistrel
