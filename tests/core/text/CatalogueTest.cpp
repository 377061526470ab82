#include <gtest/gtest.h>

#include <set>
#include <string>

#include "text/Catalogue.h"
#include "text/LanguageTexts.h"
#include "text/Texts.h"

namespace vistrel {
namespace {

// The placeholders a pattern uses, "{0}" and "{0|...}" alike, by argument number.
std::set<char> argumentsUsed(std::string_view pattern)
{
    std::set<char> used;
    for (std::size_t at = pattern.find('{'); at != pattern.npos; at = pattern.find('{', at + 1))
        if (at + 1 < pattern.size()) used.insert(pattern[at + 1]);
    return used;
}

TEST(CatalogueTest, EveryTextTakesTheSameArgumentsInBothLanguages)
{
    const auto texts = catalogueTexts();
    ASSERT_FALSE(texts.empty());
    for (const CatalogueText& text : texts) {
        SCOPED_TRACE(std::string(text.area) + " #" + std::to_string(text.index) + ": " + std::string(text.en));
        EXPECT_EQ(argumentsUsed(text.zh), argumentsUsed(text.en));
    }
}

TEST(TextsTest, FillsArgumentsWhereEachLanguagePutsThemWithEnglishPlurals)
{
    const std::vector<TextArgument> one{1}, ten{10};
    EXPECT_EQ(fillText("你有 {0} 分钟休息时间", ten), "你有 10 分钟休息时间");
    EXPECT_EQ(fillText("You have {0} {0|minute|minutes} of rest", one), "You have 1 minute of rest");
    EXPECT_EQ(fillText("You have {0} {0|minute|minutes} of rest", ten), "You have 10 minutes of rest");
    EXPECT_EQ(fillText("{1}, then {0}", {"a", "b"}), "b, then a");
    EXPECT_EQ(fillText("{0|one|other} only", {std::string("1")}), "other only") << "a text is no number";
}

TEST(TextsTest, FaultyPlaceholdersShowAsTheyStand)
{
    EXPECT_EQ(fillText("{1} {x} {} {0|bad} {", {"a"}), "{1} {x} {} {0|bad} {");
}

TEST(TextsTest, TheLanguageChoosesTheEntry)
{
    Texts texts;
    EXPECT_EQ(texts(LanguageText::Chinese), "中文");
    texts.setLanguage(Language::English);
    EXPECT_EQ(texts(LanguageText::Choice), "语言 / Language");
    EXPECT_EQ(parseLanguage("en"), Language::English);
    EXPECT_EQ(parseLanguage("EN"), std::nullopt);
}

}  // namespace
}  // namespace vistrel
