#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gamma/GammaBackupFile.h"

namespace vistrel {
namespace {

using Error = GammaBackupFile::Error;

// The file's form of a ramp: red, green, blue of each entry, in 16-bit two's complement.
std::vector<std::string> numbersOf(const GammaRamp& ramp)
{
    std::vector<std::string> numbers;
    for (std::size_t i = 0; i < GammaRamp::kEntries; ++i)
        for (std::size_t c = 0; c < GammaRamp::kChannels; ++c)
            numbers.push_back(std::to_string(static_cast<std::int16_t>(ramp.at(c, i))));
    return numbers;
}

std::string onePerLine(const std::vector<std::string>& numbers, const std::string& lineBreak = "\n")
{
    std::string text;
    for (std::size_t k = 0; k < numbers.size(); ++k)
        text += numbers[k] + (k % 3 == 2 ? lineBreak : std::string(","));
    return text;
}

std::string joined(const std::vector<std::string>& numbers, const std::string& separator)
{
    std::string text;
    for (std::size_t k = 0; k < numbers.size(); ++k) text += (k ? separator : "") + numbers[k];
    return text;
}

// Distinct values in every position, so a wrong scatter cannot go unnoticed.
GammaRamp scrambled()
{
    GammaRamp ramp;
    for (std::size_t k = 0; k < ramp.values.size(); ++k) ramp.values[k] = static_cast<std::uint16_t>(k * 85 + 7);
    return ramp;
}

TEST(GammaBackupFile, ReadsTheLinearExample)
{
    const std::string text = onePerLine(numbersOf(GammaRamp::identity()));
    ASSERT_EQ(text.substr(0, 20), "0,0,0\n257,257,257\n51");
    EXPECT_NE(text.find("\n-32640,-32640,-32640\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("\n-1,-1,-1\n"));

    const auto result = GammaBackupFile::parse(text);
    ASSERT_TRUE(result.ramp) << static_cast<int>(result.error) << " at " << result.position;
    EXPECT_EQ(*result.ramp, GammaRamp::identity());
}

TEST(GammaBackupFile, ScattersInterleavedNumbersToTheirChannels)
{
    const GammaRamp expected = scrambled();
    const auto result = GammaBackupFile::parse(onePerLine(numbersOf(expected), "\r\n"));
    ASSERT_TRUE(result.ramp);
    EXPECT_EQ(*result.ramp, expected);
}

TEST(GammaBackupFile, AllSeparatorFormsReadTheSame)
{
    const GammaRamp expected = scrambled();
    const auto numbers = numbersOf(expected);
    const std::string forms[] = {
        joined(numbers, ","),                       // all on one line
        joined(numbers, "   "),                     // blanks only
        joined(numbers, "\t,  "),                   // blanks around commas
        joined(numbers, " \r\n "),                  // blanks around line breaks
        joined(numbers, ",\n"),                     // a trailing comma on every line
        std::string("\xEF\xBB\xBF") + joined(numbers, "\n"),     // an editor's byte-order mark
        std::string("\n\n  ") + joined(numbers, "\n\n") + "\n",  // blank lines
    };
    for (const std::string& text : forms) {
        const auto result = GammaBackupFile::parse(text);
        ASSERT_TRUE(result.ramp) << text.substr(0, 40);
        EXPECT_EQ(*result.ramp, expected) << text.substr(0, 40);
    }
}

TEST(GammaBackupFile, SixteenBitLimits)
{
    std::vector<std::string> numbers(GammaBackupFile::kNumbers, "-1");
    auto result = GammaBackupFile::parse(joined(numbers, ","));
    ASSERT_TRUE(result.ramp);
    for (std::uint16_t v : result.ramp->values) ASSERT_EQ(v, 65535);

    numbers[0] = "-32768";
    numbers[1] = "32767";
    numbers[2] = "-0";
    numbers[3] = "000012";
    result = GammaBackupFile::parse(joined(numbers, ","));
    ASSERT_TRUE(result.ramp);
    EXPECT_EQ(result.ramp->at(0, 0), 32768);
    EXPECT_EQ(result.ramp->at(1, 0), 32767);
    EXPECT_EQ(result.ramp->at(2, 0), 0);
    EXPECT_EQ(result.ramp->at(0, 1), 12);
}

TEST(GammaBackupFile, IgnoresEverythingAfterTheFirst768Numbers)
{
    const auto numbers = numbersOf(scrambled());
    // Right after the last digit too: a DOS end-of-file byte, a stray semicolon.
    for (const std::string tail : {"\n1,2,3\n", "\nnot numbers at all\n", ", 99999999", "\n,,,", "\x1A", ";x"}) {
        const auto result = GammaBackupFile::parse(joined(numbers, ",") + tail);
        ASSERT_TRUE(result.ramp) << tail;
        EXPECT_EQ(*result.ramp, scrambled());
    }
}

TEST(GammaBackupFile, RejectsAFaultyFileWhole)
{
    const auto good = numbersOf(scrambled());
    const auto withNumber = [&](std::size_t k, const std::string& replacement) {
        auto numbers = good;
        numbers[k] = replacement;
        return joined(numbers, ",");
    };
    struct Case {
        std::string text;
        Error error;
    };
    const std::vector<Case> cases = {
        {"", Error::TooFewNumbers},
        {"\r\n  \n", Error::TooFewNumbers},
        {joined(std::vector<std::string>(good.begin(), good.end() - 1), ","), Error::TooFewNumbers},
        {joined(std::vector<std::string>(good.begin(), good.end() - 1), ",") + ",\n", Error::TooFewNumbers},
        {withNumber(0, "abc"), Error::NotANumber},
        {withNumber(5, "1.5"), Error::NotANumber},
        {withNumber(5, "+5"), Error::NotANumber},
        {withNumber(5, "-"), Error::NotANumber},
        {withNumber(5, "- 5"), Error::NotANumber},
        {withNumber(5, "12abc"), Error::NotANumber},
        {withNumber(766, "12abc"), Error::NotANumber},
        {withNumber(5, ""), Error::NotANumber},  // two commas in a row: a missing number
        {std::string(",") + joined(good, ","), Error::NotANumber},
        {withNumber(9, std::string("1\0" "2", 3)), Error::NotANumber},
        {withNumber(300, "32768"), Error::OutOfRange},
        {withNumber(300, "-32769"), Error::OutOfRange},
        {withNumber(767, "65535"), Error::OutOfRange},
        {withNumber(1, "123456789012345678901234567890"), Error::OutOfRange},
    };
    for (const Case& c : cases) {
        const auto result = GammaBackupFile::parse(c.text);
        EXPECT_FALSE(result.ramp) << c.text.substr(0, 40);
        EXPECT_EQ(result.error, c.error) << c.text.substr(0, 40);
    }
}

}  // namespace
}  // namespace vistrel
