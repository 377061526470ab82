#include "text/AccessibleTexts.h"

namespace vistrel {
namespace {

using enum AccessibleText;
constexpr TextEntry<AccessibleText> kTable[] = {
    {Toggle, "切换", "Toggle"},
    {Press, "按下", "Press"},
    {Settings, "设置", "Settings"},
};
static_assert(wellFormed<AccessibleText>(kTable));

}  // namespace

const TextEntry<AccessibleText>& textEntry(AccessibleText id) { return kTable[static_cast<std::size_t>(id)]; }
std::span<const TextEntry<AccessibleText>> textTable(AccessibleText) { return kTable; }

}  // namespace vistrel
