#pragma once
// What every Profile on a real file must do, whatever does the parsing. Each implementation's
// test instantiates the suite with a factory:
//   struct Factory { static std::unique_ptr<vistrel::Profile> make(const std::filesystem::path&); };
// Implementations may format what they write differently, so these tests compare what a later
// read returns and which lines survive, never exact bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "settings/Profile.h"

namespace vistrel::testing {

// A fresh folder in the system's temporary folder, removed with its contents.
class TempFolder {
public:
    TempFolder()
    {
        std::random_device random;
        const auto base = std::filesystem::temp_directory_path();
        do {
            m_path = base / ("vistrel-test-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(m_path));
    }
    ~TempFolder()
    {
        std::error_code error;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_path, error))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(m_path, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

inline void writeBytes(const std::filesystem::path& file, std::string_view bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::optional<std::string> readBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The file's non-blank lines, trimmed, whatever their line ends.
inline std::vector<std::string> linesOf(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::string line;
    auto flush = [&] {
        const auto first = line.find_first_not_of(" \t");
        const auto last = line.find_last_not_of(" \t");
        if (first != std::string::npos) lines.push_back(line.substr(first, last - first + 1));
        line.clear();
    };
    for (char c : bytes) {
        if (c == '\r' || c == '\n') flush();
        else line += c;
    }
    flush();
    return lines;
}

template <typename Factory>
class ProfileContract : public ::testing::Test {
protected:
    std::filesystem::path file() const { return m_folder.path() / "config.ini"; }
    std::unique_ptr<Profile> profile() const { return Factory::make(file()); }

    void setFile(std::string_view bytes) const { writeBytes(file(), bytes); }
    std::optional<std::string> fileBytes() const { return readBytes(file()); }
    std::vector<std::string> fileLines() const { return linesOf(fileBytes().value_or("")); }

    // As the program reads: the key's own name is the fallback.
    std::string read(std::string_view section, std::string_view key) const
    {
        return profile()->read(section, key, key);
    }
    bool write(std::string_view section, std::string_view key, std::optional<std::string> value) const
    {
        return profile()->write(section, key, value);
    }

    TempFolder m_folder;
};

TYPED_TEST_SUITE_P(ProfileContract);

TYPED_TEST_P(ProfileContract, MissingFileSectionOrKeyYieldsTheFallback)
{
    EXPECT_EQ(this->read("dsxx", "mei"), "mei");
    EXPECT_EQ(this->read("eye", "pdrun"), "pdrun");
    EXPECT_FALSE(std::filesystem::exists(this->file())) << "reading must not create the file";

    this->setFile("[dsxx]\r\nmei=45\r\n");
    EXPECT_EQ(this->read("dsxx", "mei"), "45");
    EXPECT_EQ(this->read("dsxx", "xiuxi"), "xiuxi");
    EXPECT_EQ(this->read("eye", "mei"), "mei");
    // The profile functions drop trailing spaces from the fallback they copy.
    EXPECT_EQ(this->profile()->read("eye", "mei", "ab  "), "ab");
}

TYPED_TEST_P(ProfileContract, EmptyValueIsNotMissing)
{
    this->setFile("[dsxx]\r\npdrun=\r\nmei=   \r\nxiuxi=\"\"\r\n");
    EXPECT_EQ(this->read("dsxx", "pdrun"), "");
    EXPECT_EQ(this->read("dsxx", "mei"), "");
    EXPECT_EQ(this->read("dsxx", "xiuxi"), "");
}

TYPED_TEST_P(ProfileContract, ValuesAreCutAtNulAnd255Bytes)
{
    const std::string x300(300, 'x');
    const std::string y254(254, 'y');
    const std::string z255(255, 'z');
    this->setFile("[a]\nlong=" + x300 + "\nnul=ab" + std::string(1, '\0') + "cd\nafter=2\n" +
                  "quoted254=\"" + y254 + "\"\nquoted255=\"" + z255 + "\"\nquoted300=\"" + x300 + "\"\n");
    EXPECT_EQ(this->read("a", "long"), std::string(255, 'x'));
    EXPECT_EQ(this->read("a", "nul"), "ab");
    EXPECT_EQ(this->read("a", "after"), "2");
    EXPECT_EQ(this->read("a", "quoted254"), y254);
    // The closing quote of a 255-byte quoted value falls outside the buffer, and the copy then
    // loses one more byte: a quirk of the reference implementation, kept.
    EXPECT_EQ(this->read("a", "quoted255"), std::string(254, 'z'));
    EXPECT_EQ(this->read("a", "quoted300"), std::string(255, 'x'));
}

TYPED_TEST_P(ProfileContract, NamesMatchCaseInsensitivelyAndBlanksAreTrimmed)
{
    this->setFile("[ DsXx ]\n  MEI \t=  45  \n\txiuxi=\t5\x0b\n");
    EXPECT_EQ(this->read("dsxx", "mei"), "45");
    EXPECT_EQ(this->read("DSXX", "Mei"), "45");
    EXPECT_EQ(this->read(" dsxx ", " mei "), "45");
    EXPECT_EQ(this->read("dsxx", "xiuxi"), "5");
    EXPECT_EQ(this->read("ds xx", "mei"), "mei");
}

TYPED_TEST_P(ProfileContract, OnePairOfMatchingQuotesIsStripped)
{
    this->setFile("[a]\nd=\"q\"\ns='1'\nlone=\"\ninner=\" a \"\nmixed=\"x'\ntriple='''\nhalf=\"a\nspaced= \"a b\" \n");
    EXPECT_EQ(this->read("a", "d"), "q");
    EXPECT_EQ(this->read("a", "s"), "1");
    EXPECT_EQ(this->read("a", "lone"), "\"");
    EXPECT_EQ(this->read("a", "inner"), " a ");
    EXPECT_EQ(this->read("a", "mixed"), "\"x'");
    EXPECT_EQ(this->read("a", "triple"), "'");
    EXPECT_EQ(this->read("a", "half"), "\"a");
    EXPECT_EQ(this->read("a", "spaced"), "a b");
}

TYPED_TEST_P(ProfileContract, FirstMatchingSectionAndKeyWin)
{
    this->setFile("[dsxx]\nmei=1\nMEI=2\nbare\nbare=3\n[DSXX]\nmei=4\nxiuxi=5\n");
    EXPECT_EQ(this->read("dsxx", "mei"), "1");
    // Only the first section of a name is searched.
    EXPECT_EQ(this->read("dsxx", "xiuxi"), "xiuxi");
    // A key without '=' is found first and reads as missing.
    EXPECT_EQ(this->read("dsxx", "bare"), "bare");

    ASSERT_TRUE(this->write("dsxx", "mei", "9"));
    EXPECT_EQ(this->read("dsxx", "mei"), "9");
    const auto lines = this->fileLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "MEI=2"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "mei=4"), 1);
}

TYPED_TEST_P(ProfileContract, LineEndsAndByteOrderMark)
{
    for (const std::string eol : {"\r\n", "\n", "\r"}) {
        this->setFile("[a]" + eol + "k=1" + eol + "j=2" + eol);
        EXPECT_EQ(this->read("a", "k"), "1") << eol.size();
        EXPECT_EQ(this->read("a", "j"), "2") << eol.size();
    }
    this->setFile("[a]\r\r\nk=1");
    EXPECT_EQ(this->read("a", "k"), "1");
    this->setFile("\xEF\xBB\xBF[a]\r\nk=1\r\n");
    EXPECT_EQ(this->read("a", "k"), "1");
}

TYPED_TEST_P(ProfileContract, OddLinesReadAsTheReferenceReadsThem)
{
    this->setFile("k=0\n"
                  "[a]\n"
                  ";k=1\n"
                  "q=;x\n"
                  "[b]c]\n"
                  "k=2\n"
                  "[d] junk\n"
                  "k=3\n"
                  "[e\n"
                  "k=4\n");
    EXPECT_EQ(this->read("a", "k"), "k") << "';' starts no comment, but a key named ';k'";
    EXPECT_EQ(this->read("a", ";k"), "1");
    EXPECT_EQ(this->read("a", "q"), ";x");
    EXPECT_EQ(this->read("b]c", "k"), "2");
    EXPECT_EQ(this->read("d", "k"), "3");
    EXPECT_EQ(this->read("e", "k"), "k") << "a '[' line without ']' is no header";
    EXPECT_EQ(this->read("", "k"), "0") << "keys before the first header form the section \"\"";
}

TYPED_TEST_P(ProfileContract, WrittenValuesReadBackAsWritten)
{
    for (const std::string value : {"-20", "0", "1", "45", "", "-2147483648", "off", "a b", "x=y", "'q'x"}) {
        ASSERT_TRUE(this->write("eye", "liangdu", value)) << value;
        EXPECT_EQ(this->read("eye", "liangdu"), value);
    }
    ASSERT_TRUE(this->write("eye", "duibidu", " 7 "));
    EXPECT_EQ(this->read("eye", "duibidu"), "7");
    // A line break would plant further keys and sections; the value ends there instead.
    ASSERT_TRUE(this->write("dsxx", "mei", "5\r\n[x]\r\ny=1"));
    EXPECT_EQ(this->read("dsxx", "mei"), "5");
    EXPECT_EQ(this->read("x", "y"), "y");
}

TYPED_TEST_P(ProfileContract, BlanksBeforeAWrittenValueAndCtrlZAfterAStoredOneDoNotCount)
{
    // Blanks before a value are not stored, so rewriting it never lets them pile up.
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(this->write("eye", "duibidu", " \t45"));
    EXPECT_EQ(this->fileLines(), (std::vector<std::string>{"[eye]", "duibidu=45"}));
    // ^Z, the old end-of-file mark, counts as a blank.
    this->setFile("[a]\r\nk=45\x1A\r\nq=\"x\"\x1A\r\n");
    EXPECT_EQ(this->read("a", "k"), "45");
    EXPECT_EQ(this->read("a", "q"), "x");
}

TYPED_TEST_P(ProfileContract, WriteCreatesTheFileAndItsSections)
{
    ASSERT_TRUE(this->write("eye", "liangdu", "-20"));
    ASSERT_TRUE(std::filesystem::exists(this->file()));
    ASSERT_TRUE(this->write("dsxx", "mei", "45"));
    ASSERT_TRUE(this->write("eye", "rgbr", "5"));
    EXPECT_EQ(this->read("eye", "liangdu"), "-20");
    EXPECT_EQ(this->read("dsxx", "mei"), "45");
    EXPECT_EQ(this->read("eye", "rgbr"), "5");
    EXPECT_EQ(this->fileLines(),
              (std::vector<std::string>{"[eye]", "liangdu=-20", "rgbr=5", "[dsxx]", "mei=45"}));
}

TYPED_TEST_P(ProfileContract, WriteKeepsEveryOtherLine)
{
    this->setFile("; settings\r\n"
                  "[dsxx]\r\n"
                  "mei=45\r\n"
                  "; note\r\n"
                  "unknown=x\r\n"
                  "mei=99\r\n"
                  "\r\n"
                  "[eye]\r\n"
                  "liangdu=3\r\n");
    ASSERT_TRUE(this->write("DSXX", "MEI", "50"));
    ASSERT_TRUE(this->write("dsxx", "xiuxi", "5"));
    ASSERT_TRUE(this->write("eye", "unknown", std::nullopt));
    ASSERT_TRUE(this->write("dsxx", "unknown", std::nullopt));
    EXPECT_EQ(this->fileLines(), (std::vector<std::string>{"; settings", "[dsxx]", "mei=50", "; note", "mei=99",
                                                            "xiuxi=5", "[eye]", "liangdu=3"}));
}

TYPED_TEST_P(ProfileContract, RemovingTakesTheFirstOccurrenceOnly)
{
    this->setFile("[eye]\r\npdrun=1\r\nPDRUN=2\r\nrgbr=3\r\n");
    ASSERT_TRUE(this->write("eye", "pdrun", std::nullopt));
    EXPECT_EQ(this->read("eye", "pdrun"), "2");
    ASSERT_TRUE(this->write("eye", "pdrun", std::nullopt));
    EXPECT_EQ(this->read("eye", "pdrun"), "pdrun");
    EXPECT_EQ(this->read("eye", "rgbr"), "3");
    EXPECT_TRUE(this->write("eye", "pdrun", std::nullopt)) << "nothing left to remove is no failure";
    EXPECT_TRUE(this->write("none", "pdrun", std::nullopt));
    EXPECT_EQ(this->fileLines(), (std::vector<std::string>{"[eye]", "rgbr=3"}));
}

TYPED_TEST_P(ProfileContract, RemovingFromAMissingFileDoesNotCreateIt)
{
    EXPECT_TRUE(this->write("eye", "pdrun", std::nullopt));
    EXPECT_FALSE(std::filesystem::exists(this->file()));
}

TYPED_TEST_P(ProfileContract, FileWithoutSectionsOrWithBinaryJunk)
{
    this->setFile("k=1\nj=2\n");
    EXPECT_EQ(this->read("dsxx", "k"), "k");
    ASSERT_TRUE(this->write("dsxx", "mei", "45"));
    EXPECT_EQ(this->read("dsxx", "mei"), "45");
    EXPECT_EQ(this->fileLines(), (std::vector<std::string>{"k=1", "j=2", "[dsxx]", "mei=45"}));

    std::mt19937 random(7);
    std::string junk;
    for (int i = 0; i < 200000; ++i) junk += static_cast<char>(random() % 256);
    junk += std::string(1 << 20, 'w');  // one very long line
    this->setFile(junk);
    const std::string value = this->read("dsxx", "mei");
    EXPECT_LE(value.size(), 255u);
    ASSERT_TRUE(this->write("zz_new_section", "liangdu", "-20"));
    EXPECT_EQ(this->read("zz_new_section", "liangdu"), "-20");
}

TYPED_TEST_P(ProfileContract, AFolderInTheWayIsLeftAloneAndTheWriteDenied)
{
    std::filesystem::create_directory(this->file());
    EXPECT_EQ(this->read("dsxx", "mei"), "mei");
    const auto profile = this->profile();
    EXPECT_FALSE(profile->write("dsxx", "mei", "45"));
    EXPECT_EQ(profile->lastWriteFailure(), WriteFailure::Denied);
    EXPECT_TRUE(std::filesystem::is_directory(this->file()));
}

REGISTER_TYPED_TEST_SUITE_P(ProfileContract, MissingFileSectionOrKeyYieldsTheFallback, EmptyValueIsNotMissing,
                            ValuesAreCutAtNulAnd255Bytes, NamesMatchCaseInsensitivelyAndBlanksAreTrimmed,
                            OnePairOfMatchingQuotesIsStripped, FirstMatchingSectionAndKeyWin,
                            LineEndsAndByteOrderMark, OddLinesReadAsTheReferenceReadsThem,
                            WrittenValuesReadBackAsWritten,
                            BlanksBeforeAWrittenValueAndCtrlZAfterAStoredOneDoNotCount,
                            WriteCreatesTheFileAndItsSections,
                            WriteKeepsEveryOtherLine, RemovingTakesTheFirstOccurrenceOnly,
                            RemovingFromAMissingFileDoesNotCreateIt, FileWithoutSectionsOrWithBinaryJunk,
                            AFolderInTheWayIsLeftAloneAndTheWriteDenied);

}  // namespace vistrel::testing
