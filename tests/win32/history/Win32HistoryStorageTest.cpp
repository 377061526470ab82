#include "history/Win32HistoryStorage.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "base/UniqueHandle.h"
#include "core/settings/ProfileContract.h"

namespace vistrel::testing {
namespace {

namespace fs = std::filesystem;
using win32::Win32HistoryStorage;
using File = HistoryStorage::File;

class Win32HistoryStorageTest : public ::testing::Test {
protected:
    // Chinese in the path: the files are reached by their wide names.
    fs::path folder() const { return temp.path() / L"\x8BBE\x7F6E"; }
    std::optional<std::string> bytes(const wchar_t* name) const { return readBytes(folder() / name); }

    TempFolder temp;
    bool made = fs::create_directory(folder());
    Win32HistoryStorage storage{folder().wstring()};
};

TEST_F(Win32HistoryStorageTest, AppendsAtTheEndOfTheFileItCreates)
{
    EXPECT_EQ(storage.size(), 0u);
    EXPECT_EQ(storage.read(File::Current), "");
    EXPECT_EQ(storage.read(File::Old), "");
    ASSERT_TRUE(storage.append("time,event\n"));
    ASSERT_TRUE(storage.append("2026-12-09 08:00:00,start\n"));
    EXPECT_EQ(bytes(L"history.csv"), "time,event\n2026-12-09 08:00:00,start\n");
    EXPECT_EQ(storage.size(), 37u);
    EXPECT_EQ(storage.read(File::Current), bytes(L"history.csv"));
    EXPECT_EQ(storage.lastByte(), '\n');
}

TEST_F(Win32HistoryStorageTest, RollsOverIntoTheOldFileReplacingItAndErasesBoth)
{
    writeBytes(folder() / L"history-old.csv", "older\n");
    ASSERT_TRUE(storage.append("newer\n"));
    ASSERT_TRUE(storage.rollOver());
    EXPECT_EQ(storage.read(File::Old), "newer\n");
    EXPECT_FALSE(fs::exists(folder() / L"history.csv"));
    EXPECT_EQ(storage.size(), 0u);
    ASSERT_TRUE(storage.append("newest\n"));
    EXPECT_EQ(storage.read(File::Current), "newest\n");

    {
        // A file another program holds without sharing its deletion stays, and says so.
        win32::UniqueFile held(CreateFileW((folder() / L"history-old.csv").c_str(), GENERIC_READ, 0, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(held);
        EXPECT_FALSE(storage.erase());
        EXPECT_FALSE(fs::exists(folder() / L"history.csv")) << "the other one goes all the same";
    }
    EXPECT_TRUE(storage.erase());
    EXPECT_FALSE(fs::exists(folder() / L"history-old.csv"));
    EXPECT_TRUE(storage.erase()) << "nothing left to delete";
}

TEST_F(Win32HistoryStorageTest, AFolderThatIsGoneRefusesTheAppend)
{
    Win32HistoryStorage nowhere((folder() / L"missing").wstring());
    EXPECT_FALSE(nowhere.append("line\n"));
    EXPECT_EQ(nowhere.size(), 0u);
    EXPECT_FALSE(nowhere.rollOver());
}

}  // namespace
}  // namespace vistrel::testing
