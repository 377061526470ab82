#include "text/LanguageTexts.h"

namespace vistrel {
namespace {

using enum LanguageText;
constexpr TextEntry<LanguageText> kTable[] = {
    {Choice, "语言 / Language", "语言 / Language"},
    {Chinese, "中文", "中文"},
    {English, "English", "English"},
};
static_assert(wellFormed<LanguageText>(kTable));

}  // namespace

const TextEntry<LanguageText>& textEntry(LanguageText id) { return kTable[static_cast<std::size_t>(id)]; }
std::span<const TextEntry<LanguageText>> textTable(LanguageText) { return kTable; }

}  // namespace vistrel
