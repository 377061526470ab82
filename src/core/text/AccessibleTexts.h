#pragma once
#include <span>

#include "text/TextEntry.h"

namespace vistrel {

// What screen readers say about controls that show no text of their own.
enum class AccessibleText {
    Toggle,    // a switch's default action
    Press,     // a button's default action
    Settings,  // the name of a feature's settings icon
    Count
};

const TextEntry<AccessibleText>& textEntry(AccessibleText id);
std::span<const TextEntry<AccessibleText>> textTable(AccessibleText);

}  // namespace vistrel
