#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#include "files/character_file_path.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"

namespace fs = std::filesystem;

namespace {

class CharacterFilePathTest : public GlobalsTest {
protected:
    ScopedTempDir dir;
    ScopedPrompter prompts;
};

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

FileContents Bytes(const std::string& text) {
    return [text](std::string& out) {
        out = text;
        return true;
    };
}

// Every entry of the folder, so a test sees a stray temporary file too.
std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(CharacterFileName, TypedNamesBecomeFileNamesInsideTheFolder) {
    const struct {
        std::string typed;
        std::string file;
    } cases[] = {
        {"Ada", "Ada.xml"},
        {"Ada <the> & \"Bold\"", "Ada <the> & \"Bold\".xml"},
        {"a/b", "a_b.xml"},
        {"..\\x", "_._x.xml"},
        {"../../etc/passwd", "_._.._etc_passwd.xml"},
        {"tab\there", "tab_here.xml"},
        {"line\r\nbreak\x7f", "line__break_.xml"},
        {".Ada", "_Ada.xml"},
        {"...", "_...xml"},
        {"", ""},
        {".", ""},
        {"..", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CharacterFileName(c.typed, ".xml"), c.file) << c.typed;
    EXPECT_EQ(CharacterFileName("Ada", ".html"), "Ada.html");
}

TEST_F(CharacterFilePathTest, SaveCreatesTheFolderReplacesTheOldFileAndLeavesNoTemporaryFile) {
    ASSERT_TRUE(SaveCharacterFile("CharacterXML", "a/b", ".xml", Bytes("first version, longer\n")));
    ASSERT_TRUE(SaveCharacterFile("CharacterXML", "a/b", ".xml", Bytes("second\n")));
    EXPECT_EQ(ReadAll("CharacterXML/a_b.xml"), "second\n");
    EXPECT_EQ(Entries("CharacterXML"), std::vector<std::string>{"a_b.xml"});
    EXPECT_TRUE(prompts->Asked().empty());
}

TEST_F(CharacterFilePathTest, NamesThatNameNoFileWriteNothingAndSayWhy) {
    for (const char* typed : {"", ".", ".."}) {
        prompts->ExpectMessage();
        EXPECT_FALSE(SaveCharacterFile("CharacterXML", typed, ".xml", Bytes("x")));
        ASSERT_FALSE(prompts->Asked().empty());
        EXPECT_EQ(prompts->Asked().back().message, "The character needs a name before it can be saved.");
        EXPECT_EQ(prompts->Asked().back().caption, "Save file");
    }
    EXPECT_FALSE(fs::exists("CharacterXML"));
}

TEST_F(CharacterFilePathTest, EveryFailureIsReportedAndKeepsTheOldFile) {
    const auto expectFailure = [this](const std::string& typed, const FileContents& contents) {
        prompts->ExpectMessage();
        const size_t before = prompts->Asked().size();
        EXPECT_FALSE(SaveCharacterFile("CharacterXML", typed, ".xml", contents)) << typed;
        ASSERT_EQ(prompts->Asked().size(), before + 1) << typed;
        EXPECT_NE(prompts->Asked().back().message.find("could not be saved"), std::string::npos);
        EXPECT_EQ(prompts->Asked().back().caption, "Save file");
    };

    // The folder's name is taken by a plain file.
    std::ofstream("CharacterXML") << "not a folder";
    expectFailure("Ada", Bytes("x"));
    EXPECT_EQ(ReadAll("CharacterXML"), "not a folder");
    fs::remove("CharacterXML");

    // The target name is a folder.
    fs::create_directories("CharacterXML/Ada.xml");
    expectFailure("Ada", Bytes("x"));
    EXPECT_TRUE(fs::is_directory("CharacterXML/Ada.xml"));

    // A target whose long path would widen the message past the screen is shortened in the middle.
    const std::string longName(240, 'n');
    fs::create_directories("CharacterXML/" + longName + ".xml");
    expectFailure(longName, Bytes("x"));
    const std::string& said = prompts->Asked().back().message;
    EXPECT_NE(said.find("\xe2\x80\xa6"), std::string::npos) << said;
    EXPECT_LT(said.size(), 200u) << said;
    fs::remove("CharacterXML/" + longName + ".xml");

    // A save that fails half-way through making the contents leaves the old file byte for byte.
    ASSERT_TRUE(SaveCharacterFile("CharacterXML", "Bob", ".xml", Bytes("old contents\r\n")));
    expectFailure("Bob", [](std::string& out) {
        out = "<?xml version=\"1.0\"?>\n<GOREW";
        return false;
    });
    EXPECT_EQ(ReadAll("CharacterXML/Bob.xml"), "old contents\r\n");
    EXPECT_EQ(Entries("CharacterXML"), (std::vector<std::string>{"Ada.xml", "Bob.xml"}));
}

TEST_F(CharacterFilePathTest, LongNamesAreCutOnACharacterBoundarySoFileAndSheetBothFit) {
    const std::string e = "\xc3\xa9";         // two bytes
    const std::string g = "\xf0\x9f\x90\x89"; // four bytes
    std::string mixed = "a";
    for (int i = 0; i < 200; ++i)
        mixed += e;
    const struct {
        std::string typed;
        std::string stem;
    } cases[] = {
        {std::string(250, 'n'), std::string(250, 'n')}, // fits as it is
        {std::string(251, 'n'), std::string(250, 'n')},
        {std::string(5000, 'n'), std::string(250, 'n')},
        {mixed, mixed.substr(0, 249)}, // byte 250 would split an "é"
        {std::string(2, 'x') + g + std::string(300, 'y'), std::string(2, 'x') + g + std::string(244, 'y')},
        {"ab" + std::string(62, 'c') + g + g + g + g + std::string(200, 'z'),
         "ab" + std::string(62, 'c') + g + g + g + g + std::string(170, 'z')},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CharacterFileName(c.typed, ".xml"), c.stem + ".xml") << c.typed.size();
        ASSERT_TRUE(SaveCharacterFile("CharacterXML", c.typed, ".xml", Bytes("x")));
        ASSERT_TRUE(SaveCharacterFile("CharacterHTML", c.typed, ".html", Bytes("y")));
        EXPECT_EQ(ReadAll(fs::path("CharacterXML") / (c.stem + ".xml")), "x");
        EXPECT_EQ(ReadAll(fs::path("CharacterHTML") / (c.stem + ".html")), "y");
    }
    // A cut within a four-byte character steps back to its start.
    const std::string split = std::string(248, 'q') + g;
    EXPECT_EQ(CharacterFileName(split, ""), std::string(248, 'q'));
    EXPECT_TRUE(prompts->Asked().empty());
}

} // namespace
