#include "settings/IniDocument.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

using Result = IniDocument::WriteResult;

std::string afterWrite(std::string text, std::string_view section, std::string_view key,
                       std::optional<std::string_view> value, Result expected = Result::Changed)
{
    IniDocument document(std::move(text));
    EXPECT_EQ(document.write(section, key, value), expected);
    return document.bytes();
}

TEST(IniDocument, ReplacingAValueKeepsTheLineItsSpellingAndItsEnd)
{
    EXPECT_EQ(afterWrite("[dsxx]\r\n  Mei = 45 ; old\r\nmei=7\r\n", "dsxx", "mei", "50"),
              "[dsxx]\r\n  Mei = 50\r\nmei=7\r\n");
    EXPECT_EQ(afterWrite("[a]\nk=\n", "a", "k", "1"), "[a]\nk=1\n");
    EXPECT_EQ(afterWrite("[a]\n  bare  \nbare=2\n", "a", "bare", "1"), "[a]\n  bare=1\nbare=2\n");
    EXPECT_EQ(afterWrite("[a]\nk=1\n[a]\nk=2\n", "A", "K", "3"), "[a]\nk=3\n[a]\nk=2\n");
}

TEST(IniDocument, WritingTheSameValueChangesNothing)
{
    EXPECT_EQ(afterWrite("[a]\nk =  45  \n", "a", "k", "45", Result::Unchanged), "[a]\nk =  45  \n");
    EXPECT_EQ(afterWrite("[a]\nk=1\n", "a", "missing", std::nullopt, Result::Unchanged), "[a]\nk=1\n");
    EXPECT_EQ(afterWrite("", "a", "k", std::nullopt, Result::Unchanged), "");
    // A quoted value reads the same as the bare one but is not the same text.
    EXPECT_EQ(afterWrite("[a]\nk=\"1\"\n", "a", "k", "1"), "[a]\nk=1\n");
}

TEST(IniDocument, NewKeyGoesAtTheEndOfItsSectionBeforeBlankLines)
{
    EXPECT_EQ(afterWrite("[a]\nk=1\n\n\n[b]\nj=2\n", "a", "x", "1"), "[a]\nk=1\nx=1\n\n\n[b]\nj=2\n");
    EXPECT_EQ(afterWrite("[a]\n\n[b]\n", "a", "x", "1"), "[a]\nx=1\n\n[b]\n");
    EXPECT_EQ(afterWrite("[a]\nk=1", "a", "x", "1"), "[a]\nk=1\nx=1\n");
    EXPECT_EQ(afterWrite("[a]", "a", "x", "1"), "[a]\r\nx=1\r\n");
}

TEST(IniDocument, NewSectionGoesAtTheEndInTheFilesLineEnds)
{
    EXPECT_EQ(afterWrite("", "eye", "liangdu", "-20"), "[eye]\r\nliangdu=-20\r\n");
    EXPECT_EQ(afterWrite("[a]\nk=1\n\n", "b", "j", "2"), "[a]\nk=1\n\n[b]\nj=2\n");
    EXPECT_EQ(afterWrite("[a]\rk=1", "b", "j", "2"), "[a]\rk=1\r[b]\rj=2\r");
    EXPECT_EQ(afterWrite("\xEF\xBB\xBF", "b", "j", "2"), "\xEF\xBB\xBF[b]\r\nj=2\r\n");
    EXPECT_EQ(afterWrite("[a]\r\nk=1\r\n", " b ", " j ", "2"), "[a]\r\nk=1\r\n[b]\r\nj=2\r\n");
}

TEST(IniDocument, KeysBeforeAnySectionBelongToTheUnnamedSection)
{
    EXPECT_EQ(afterWrite("\xEF\xBB\xBF[a]\n", "", "k", "1"), "\xEF\xBB\xBFk=1\n[a]\n");
    EXPECT_EQ(afterWrite("k=1\n\n[a]\n", "", "j", "2"), "k=1\nj=2\n\n[a]\n");
    IniDocument document("[]\nk=1\n");
    EXPECT_EQ(document.read("", "k"), std::nullopt) << "the unnamed section before it wins";
}

TEST(IniDocument, RemovingTakesTheWholeLineAndNothingElse)
{
    EXPECT_EQ(afterWrite("[a]\r\n; c\r\nk=1\r\n\r\nj=2\r\n", "a", "K", std::nullopt), "[a]\r\n; c\r\n\r\nj=2\r\n");
    EXPECT_EQ(afterWrite("[a]\nj=2\nk=1", "a", "k", std::nullopt), "[a]\nj=2\n");
    EXPECT_EQ(afterWrite("[a]\nbare\n", "a", "bare", std::nullopt), "[a]\n");
}

TEST(IniDocument, ValuesAreStoredUpToTheirFirstLineBreakOrNul)
{
    EXPECT_EQ(afterWrite("[a]\n", "a", "k", std::string_view("1\0x", 3)), "[a]\nk=1\n");
    EXPECT_EQ(afterWrite("[a]\n", "a", "k", "1\r[b]"), "[a]\nk=1\n");
    EXPECT_EQ(afterWrite("[a]\n", "a", "k", " \r\n1"), "[a]\nk=1\n") << "blanks before the value go first";
}

TEST(IniDocument, NamesThatWouldNotReadBackAreRejected)
{
    for (const std::string_view key : {"a=b", "[x]", " [x] ", "k\nx"})
        EXPECT_EQ(afterWrite("[a]\n", "a", key, "1", Result::Rejected), "[a]\n") << key;
    EXPECT_EQ(afterWrite("[a]\n", "a\rb", "k", "1", Result::Rejected), "[a]\n");
    EXPECT_EQ(afterWrite("[a]\n", "a", "[c", "1"), "[a]\n[c=1\n");
    EXPECT_EQ(afterWrite("", "a]b", "k", "1"), "[a]b]\r\nk=1\r\n");
}

TEST(IniDocument, FallbackIsCopiedAsTheProfileFunctionsCopyIt)
{
    EXPECT_EQ(IniDocument::fallbackValue("mei"), "mei");
    EXPECT_EQ(IniDocument::fallbackValue(" a \t  "), " a \t");
    EXPECT_EQ(IniDocument::fallbackValue("   "), " ");
    EXPECT_EQ(IniDocument::fallbackValue(std::string(300, 'k')), std::string(255, 'k'));
    EXPECT_EQ(IniDocument::fallbackValue(std::string_view("ab\0c", 4)), "ab");
}

TEST(IniDocument, NulInsideNamesEndsThem)
{
    const IniDocument document(std::string("[d\0x]\nk\0y=1\n", 12));
    EXPECT_EQ(document.read("d", "k"), "1");
}

}  // namespace
}  // namespace vistrel
