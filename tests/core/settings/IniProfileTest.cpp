#include "settings/IniProfile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/settings/ProfileContract.h"

namespace vistrel::testing {
namespace {

namespace fs = std::filesystem;

struct IniProfileFactory {
    static std::unique_ptr<Profile> make(const fs::path& file) { return std::make_unique<IniProfile>(file); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(IniProfile, ProfileContract, ::testing::Types<IniProfileFactory>);

class IniProfileFile : public ::testing::Test {
protected:
    fs::path file() const { return m_folder.path() / "config.ini"; }
    std::vector<fs::path> folderContents() const
    {
        std::vector<fs::path> names;
        for (const auto& entry : fs::directory_iterator(m_folder.path())) names.push_back(entry.path().filename());
        return names;
    }

    TempFolder m_folder;
};

TEST_F(IniProfileFile, ReplacementLeavesNoTemporaryFileBehind)
{
    IniProfile profile(file());
    ASSERT_TRUE(profile.write("eye", "liangdu", "-20"));
    ASSERT_TRUE(profile.write("eye", "liangdu", "5"));
    ASSERT_TRUE(profile.write("eye", "liangdu", std::nullopt));
    EXPECT_EQ(folderContents(), std::vector<fs::path>{"config.ini"});
    EXPECT_EQ(readBytes(file()), "[eye]\r\n");
}

TEST_F(IniProfileFile, WritesKeepTheUntouchedBytesExactly)
{
    const std::string original = "\xEF\xBB\xBF; kept as typed\n[dsxx]\nmei = 45  \n\n  other  =  x \n\n[eye]\nrgbr=1";
    writeBytes(file(), original);
    IniProfile profile(file());
    ASSERT_TRUE(profile.write("dsxx", "mei", "50"));
    ASSERT_TRUE(profile.write("dsxx", "xiuxi", "5"));
    ASSERT_TRUE(profile.write("eye", "rgbg", "2"));
    EXPECT_EQ(readBytes(file()),
              "\xEF\xBB\xBF; kept as typed\n[dsxx]\nmei = 50\n\n  other  =  x \nxiuxi=5\n\n[eye]\nrgbr=1\nrgbg=2\n");
}

TEST_F(IniProfileFile, ReadOnlyFileIsNotReplaced)
{
    const std::string original = "[eye]\r\nliangdu=3\r\n";
    writeBytes(file(), original);
    fs::permissions(file(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    IniProfile profile(file());
    EXPECT_FALSE(profile.write("eye", "liangdu", "4"));
    EXPECT_FALSE(profile.write("eye", "liangdu", std::nullopt));
    EXPECT_EQ(profile.lastWriteFailure(), WriteFailure::Denied);
    EXPECT_TRUE(profile.write("eye", "liangdu", "3")) << "a write that changes nothing needs no access";
    EXPECT_EQ(readBytes(file()), original);
    EXPECT_EQ(profile.read("eye", "liangdu", "liangdu"), "3");
    EXPECT_EQ(folderContents(), std::vector<fs::path>{"config.ini"});
}

TEST_F(IniProfileFile, FolderThatCannotBeWrittenFailsCleanly)
{
    // A file standing where the folder should be: no temporary file can go there.
    writeBytes(m_folder.path() / "notafolder", "data");
    IniProfile profile(m_folder.path() / "notafolder" / "config.ini");
    EXPECT_FALSE(profile.write("eye", "liangdu", "4"));
    EXPECT_EQ(profile.read("eye", "liangdu", "liangdu"), "liangdu");
    EXPECT_EQ(readBytes(m_folder.path() / "notafolder"), "data");

    IniProfile missingFolder(m_folder.path() / "missing" / "config.ini");
    EXPECT_FALSE(missingFolder.write("eye", "liangdu", "4"));
}

TEST_F(IniProfileFile, NamesThatCannotBeStoredAreRefused)
{
    writeBytes(file(), "[eye]\n");
    IniProfile profile(file());
    EXPECT_FALSE(profile.write("eye", "a=b", "1"));
    EXPECT_FALSE(profile.write("eye", "[x]", "1"));
    EXPECT_FALSE(profile.write("e\nye", "k", "1"));
    EXPECT_EQ(profile.lastWriteFailure(), WriteFailure::Unstorable);
    EXPECT_EQ(readBytes(file()), "[eye]\n");
}

#ifndef _WIN32
TEST_F(IniProfileFile, WritingThroughALinkKeepsTheLink)
{
    writeBytes(m_folder.path() / "real.ini", "[eye]\n");
    fs::create_symlink("real.ini", file());
    IniProfile profile(file());
    ASSERT_TRUE(profile.write("eye", "rgbr", "1"));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(file())));
    EXPECT_EQ(readBytes(m_folder.path() / "real.ini"), "[eye]\nrgbr=1\n");
}
#endif

}  // namespace
}  // namespace vistrel::testing
