#include "text/Catalogue.h"

#include "text/InstallerTexts.h"
#include "text/AccessibleTexts.h"
#include "text/LanguageTexts.h"
#include "text/OptionsPageTexts.h"
#include "text/OptionsTexts.h"

namespace vistrel {
namespace {

template <class Id>
void add(std::vector<CatalogueText>& texts, std::string_view area, std::span<const TextEntry<Id>> table)
{
    for (std::size_t i = 0; i < table.size(); ++i) texts.push_back({area, i, table[i].zh, table[i].en});
}

}  // namespace

std::vector<CatalogueText> catalogueTexts()
{
    std::vector<CatalogueText> texts;
    // One line per area.
    add(texts, "language", textTable(LanguageText{}));
    add(texts, "installer", textTable(InstallerText{}));
    add(texts, "options", textTable(OptionsText{}));
    add(texts, "options pages", textTable(OptionsPageText{}));
    add(texts, "accessible", textTable(AccessibleText{}));
    return texts;
}

}  // namespace vistrel
