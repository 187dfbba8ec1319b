#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

#include "app/options_file.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"

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
    EXPECT_TRUE(SaveOptions());
    const std::string before = ReadAll("options.qxb");
    std::filesystem::permissions(dir.path(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    BooksToUse[4] = 0;
    // The folder is read-only: nothing can be written, unless we are root.
    const bool root = geteuid() == 0;
    ScopedPrompter prompts;
    if (!root)
        prompts->ExpectMessage();
    EXPECT_EQ(SaveOptions(), root);
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
    if (!root) {
        EXPECT_EQ(ReadAll("options.qxb"), before);
    }
    EXPECT_EQ(ReadAll("options.qxb").size(), 404u);
    EXPECT_EQ(BooksToUse[4], 0);
}

TEST_F(OptionsFileTest, AFailedSaveIsReportedInOneMessageNamingTheFile) {
    // A folder in the file's place cannot be replaced by a file, whoever runs the test.
    std::filesystem::create_directory("options.qxb");
    std::ofstream("options.qxb/keep") << "x";
    ScopedPrompter prompts;
    prompts->ExpectMessage();
    EXPECT_FALSE(SaveOptions());
    ASSERT_EQ(prompts->Asked().size(), 1u);
    const std::string path = (std::filesystem::current_path() / "options.qxb").string();
    EXPECT_EQ(prompts->Asked()[0].message,
              "The options could not be saved to " + path + ". They apply until the program ends.");
    int entries = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.path()))
        entries += e.path().filename() == "options.qxb" ? 0 : 1;
    EXPECT_EQ(entries, 0) << "no temporary file is left behind";
}

TEST_F(OptionsFileTest, OnlyAMissingFileIsCreatedAnUnreadableOneIsLeftAlone) {
    EXPECT_TRUE(LoadOptions()) << "a missing file is created";
    EXPECT_EQ(ReadAll("options.qxb"), std::string(404, '\0'));
    BooksToUse[2] = 1;
    EXPECT_TRUE(LoadOptions()) << "an existing file is read";
    EXPECT_EQ(BooksToUse[2], 0);

    // A link to itself cannot be opened, whoever runs the test; without the read permission a file
    // cannot be read by anyone but root.
    std::filesystem::remove("options.qxb");
    std::filesystem::create_symlink("options.qxb", "options.qxb");
    BooksToUse[2] = 1;
    EXPECT_FALSE(LoadOptions());
    EXPECT_TRUE(std::filesystem::is_symlink("options.qxb")) << "the unreadable file was replaced";
    EXPECT_EQ(BooksToUse[2], 1);
    std::filesystem::remove("options.qxb");

    if (geteuid() != 0) {
        WriteAll("options.qxb", std::string(404, '\x01'));
        std::filesystem::permissions("options.qxb", std::filesystem::perms::none);
        EXPECT_FALSE(LoadOptions());
        std::filesystem::permissions("options.qxb", std::filesystem::perms::owner_all);
        EXPECT_EQ(ReadAll("options.qxb"), std::string(404, '\x01'));
    }
}

TEST_F(OptionsFileTest, TheSavedFileTakesItsModeFromTheUmaskWhichStaysAsItWas) {
    const mode_t previous = umask(0);
    for (mode_t mask : {mode_t(022), mode_t(077), mode_t(002)}) {
        umask(mask);
        EXPECT_TRUE(SaveOptions());
        struct stat info {};
        ASSERT_EQ(stat("options.qxb", &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask) << "umask " << std::oct << mask;
        EXPECT_EQ(umask(mask), mask);
    }
    umask(previous);
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
