#include <gtest/gtest.h>

#include <set>
#include <string>

#include "text/Catalogue.h"
#include "text/ColourTexts.h"
#include "text/LanguageTexts.h"
#include "text/MainWindowTexts.h"
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

// The main window's and colour panel's Chinese are the designed texts, character for character.
TEST(CatalogueTest, TheMainWindowSpeaksTheDesignedChinese)
{
    const Texts zh;
    const std::pair<MainWindowText, std::string_view> mainWindow[] = {
        {MainWindowText::Title, "Vistrel V1.4"},
        {MainWindowText::ColourCaption, "屏幕亮度"},
        {MainWindowText::ColourDescription, "保护视力：通过调节显示器亮度，对比度，降低蓝光保护您的眼睛"},
        {MainWindowText::RestCaption, "休息提醒"},
        {MainWindowText::WorkLabel, "工作时长:"},
        {MainWindowText::RestLabel, "休息时长:"},
        {MainWindowText::Minutes, "分钟"},
        {MainWindowText::NextRest, "下次时间"},
        {MainWindowText::AboutTip, "关于"},
        {MainWindowText::MinimiseTip, "最小化"},
        {MainWindowText::ExitTip, "退出"},
        {MainWindowText::BackTip, "Back"},
        {MainWindowText::OkTip, "OK"},
    };
    for (const auto& [id, designed] : mainWindow) EXPECT_EQ(zh(id), designed);
    const std::pair<ColourText, std::string_view> colour[] = {
        {ColourText::BrightnessHeading, "亮度"}, {ColourText::ContrastHeading, "对比度"},
        {ColourText::GainsHeading, "三原色：蓝色越低越好"}, {ColourText::Red, "红"},
        {ColourText::Green, "绿"}, {ColourText::Blue, "蓝"}, {ColourText::Reset, "重置"},
    };
    for (const auto& [id, designed] : colour) EXPECT_EQ(zh(id), designed);
}

}  // namespace
}  // namespace vistrel
