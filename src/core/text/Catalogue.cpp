#include "text/Catalogue.h"

#include "text/AccessibleTexts.h"
#include "text/ColourTexts.h"
#include "text/HistoryTexts.h"
#include "text/InstallerTexts.h"
#include "text/LanguageTexts.h"
#include "text/MainWindowTexts.h"
#include "text/OptionsPageTexts.h"
#include "text/OptionsTexts.h"
#include "text/ReminderTexts.h"
#include "text/SettingsTexts.h"
#include "text/TrayTexts.h"
#include "text/WeekdayTexts.h"

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
    add(texts, "main window", textTable(MainWindowText{}));
    add(texts, "colour", textTable(ColourText{}));
    add(texts, "settings", textTable(SettingsText{}));
    add(texts, "weekday", textTable(WeekdayText{}));
    add(texts, "tray", textTable(TrayText{}));
    add(texts, "reminder", textTable(ReminderText{}));
    add(texts, "history", textTable(HistoryText{}));
    return texts;
}

}  // namespace vistrel
