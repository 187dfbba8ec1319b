#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <unistd.h>

#include "app/options_file.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"

namespace {

class OptionsFileTest : public GlobalsTest {
protected:
    ScopedTempDir dir;
};

std::string ReadAll(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const char* path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST_F(OptionsFileTest, MissingFileIsCreatedAs404BytesOfTheCurrentFlags) {
    LoadOptions();
    EXPECT_EQ(ReadAll("options.qxb"), std::string(404, '\0'));
    for (int32_t flag : BooksToUse)
        EXPECT_EQ(flag, 0);
}

TEST_F(OptionsFileTest, SaveWritesLittleEndianFlagsAndATrailingZeroAndLoadReadsThemBack) {
    BooksToUse[0] = 1;
    BooksToUse[1] = 1;
    BooksToUse[12] = 2;
    BooksToUse[99] = 0x01020304;
    BooksToUse[50] = -1;
    SaveOptions();
    const std::string bytes = ReadAll("options.qxb");
    ASSERT_EQ(bytes.size(), 404u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x01\0\0\0\x01\0\0\0", 8));
    EXPECT_EQ(bytes.substr(48, 4), std::string("\x02\0\0\0", 4));
    EXPECT_EQ(bytes.substr(200, 4), std::string("\xff\xff\xff\xff", 4));
    EXPECT_EQ(bytes.substr(396, 4), std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(bytes.substr(400), std::string(4, '\0'));

    const auto saved = BooksToUse;
    BooksToUse.fill(7);
    LoadOptions();
    EXPECT_EQ(BooksToUse, saved);
    EXPECT_TRUE(BookEnabled(1));
    EXPECT_FALSE(BookEnabled(12)); // only 1 counts as on
}

TEST_F(OptionsFileTest, ShortFileKeepsTheEntriesItDoesNotHold) {
    BooksToUse.fill(1);
    // Two whole entries and half of a third.
    WriteAll("options.qxb", std::string("\x00\x00\x00\x00\x02\x00\x00\x00\x05\x00", 10));
    LoadOptions();
    EXPECT_EQ(BooksToUse[0], 0);
    EXPECT_EQ(BooksToUse[1], 2);
    EXPECT_EQ(BooksToUse[2], 1);
    EXPECT_EQ(BooksToUse[99], 1);
}

TEST_F(OptionsFileTest, SaveReplacesTheWholeFileAndLeavesNoTemporaryBehind) {
    WriteAll("options.qxb", std::string(1000, 'z'));
    BooksToUse[3] = 1;
    SaveOptions();
    EXPECT_EQ(ReadAll("options.qxb").size(), 404u);
    int files = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.path()))
        files += e.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 1);
}

TEST_F(OptionsFileTest, FailedSaveLeavesTheOldFileAndFlagsAlone) {
    BooksToUse[4] = 1;
    SaveOptions();
    const std::string before = ReadAll("options.qxb");
    std::filesystem::permissions(dir.path(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    BooksToUse[4] = 0;
    SaveOptions(); // the folder is read-only: nothing can be written (unless we are root)
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
    if (geteuid() != 0) {
        EXPECT_EQ(ReadAll("options.qxb"), before);
    }
    EXPECT_EQ(ReadAll("options.qxb").size(), 404u);
}

TEST(BookEnabledTest, IndexesOutsideTheFlagsAreNeverEnabled) {
    BooksToUse.fill(1);
    EXPECT_TRUE(BookEnabled(0));
    EXPECT_TRUE(BookEnabled(99));
    EXPECT_FALSE(BookEnabled(100));
    EXPECT_FALSE(BookEnabled(-1));
    EXPECT_FALSE(BookEnabled(1LL << 40));
    BooksToUse.fill(0);
}

} // namespace
