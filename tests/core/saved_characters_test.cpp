#include <filesystem>
#include <gtest/gtest.h>

#include "files/saved_characters.h"
#include "support/catalog_files.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"

namespace fs = std::filesystem;

namespace {

class SavedCharactersTest : public GlobalsTest {
protected:
    ScopedTempDir dir;
};

std::string File(const std::string& name, const std::string& extra = "") {
    return "<?xml version=\"1.0\"?>\n<GOREWRIGHT_CHARACTER>\n<BIOGRAPHICAL_INFORMATION>\n"
           "<CHARACTER_NAME>" +
           name +
           "</CHARACTER_NAME>\n<RACE>Elf</RACE>\n<CLASS_LONG_NAME>Fighter/Thief</CLASS_LONG_NAME>\n"
           "<LEVEL>07</LEVEL>\n<ALIGNMENT>Lawful &amp; Good</ALIGNMENT>\n<SEX>Female</SEX>\n"
           "</BIOGRAPHICAL_INFORMATION>\n<HONOR_BASE>+23</HONOR_BASE>\n<CLASS_DATA>\n"
           "<CLASS_LEVEL>3</CLASS_LEVEL>\n</CLASS_DATA>\n" +
           extra + "</GOREWRIGHT_CHARACTER>\n";
}

std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const VOLDFileClass* e = VOLDFileClass::First(); e; e = e->pNext.get())
        names.push_back(e->CHARACTER_NAME + "|" + e->FILE_NAME);
    return names;
}

TEST_F(SavedCharactersTest, EachFileGivesOneEntryInNameOrderThenTheEmptyEnd) {
    WriteTextFile("CharacterXML/ada.xml", File("Ada"));
    WriteTextFile("CharacterXML/Bobby.xml", File("Bobby"));
    WriteTextFile("CharacterXML/Bob.xml", File("Bob"));
    WriteTextFile("CharacterXML/notes.txt", File("Not listed"));
    WriteTextFile("CharacterXML/.save-abc123", File("Half saved"));
    fs::create_directories("CharacterXML/folder.xml");
    testing::internal::CaptureStdout();
    VOLDFileClass::LoadCharacter();
    testing::internal::GetCapturedStdout();

    EXPECT_EQ(Names(), (std::vector<std::string>{"Bob|Bob.xml", "Bobby|Bobby.xml", "Ada|ada.xml", "|"}));
    const VOLDFileClass* bob = VOLDFileClass::First();
    EXPECT_EQ(bob->CLASS_LONG_NAME, "Fighter/Thief");
    EXPECT_EQ(bob->LEVEL, "07"); // as written, and not the class level
    EXPECT_EQ(bob->RACE, "Elf");
    EXPECT_EQ(bob->SEX, "Female");
    EXPECT_EQ(bob->ALIGNMENT, "Lawful & Good");
    EXPECT_EQ(bob->HONOR_BASE, "+23");

    EXPECT_EQ(VOLDFileClass::Find("Ada"), bob->pNext->pNext.get());
    EXPECT_EQ(VOLDFileClass::Find("Bob"), bob); // the first that contains the text
    EXPECT_EQ(VOLDFileClass::Find(""), bob);
    EXPECT_EQ(VOLDFileClass::Find("Zed"), nullptr);
}

TEST_F(SavedCharactersTest, AMissingFolderOrANamelessFileGiveEmptyEntries) {
    testing::internal::CaptureStdout();
    VOLDFileClass::LoadCharacter();
    EXPECT_EQ(Names(), std::vector<std::string>{"|"});
    EXPECT_EQ(VOLDFileClass::Find(""), nullptr);

    VOLDFileClass::Clear();
    WriteTextFile(
        "CharacterXML/blank.xml",
        "<?xml version=\"1.0\"?>\n<GOREWRIGHT_CHARACTER>\n<RACE>Elf</RACE>\n</GOREWRIGHT_CHARACTER>\n");
    VOLDFileClass::LoadCharacter();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(Names(), (std::vector<std::string>{"|blank.xml", "|"}));
    EXPECT_EQ(VOLDFileClass::First()->RACE, "Elf");
    EXPECT_EQ(VOLDFileClass::Find(""), VOLDFileClass::First());
}

TEST_F(SavedCharactersTest, DamagedFilesAreLeftOutOfTheList) {
    const std::string whole = File("Whole");
    WriteTextFile("CharacterXML/a_truncated.xml", whole.substr(0, whole.size() / 2));
    WriteTextFile("CharacterXML/b_trailing.xml", whole + "<RACE>after the end</RACE>\n");
    WriteTextFile("CharacterXML/c_empty.xml", "");
    WriteTextFile("CharacterXML/d_whole.xml", whole);
    testing::internal::CaptureStdout();
    VOLDFileClass::LoadCharacter();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(Names(), (std::vector<std::string>{"Whole|d_whole.xml", "|"}));
}

TEST_F(SavedCharactersTest, ATagHoldingTwoKeysGoesToTheOneTheListTriesFirst) {
    // The list tries race, alignment, honor, sex, class, name and level, in that order.
    VOLDFileClass entry;
    VOLDFileClass::xmlConvert("<SEX<ALIGNMENT>Good</SEX>", entry);
    VOLDFileClass::xmlConvert("<LEVEL<CHARACTER_NAME>Ada</LEVEL>", entry);
    VOLDFileClass::xmlConvert("<HONOR_BASE<RACE>Elf</RACE>", entry);
    EXPECT_EQ(entry.ALIGNMENT, "Good");
    EXPECT_EQ(entry.SEX, "");
    EXPECT_EQ(entry.CHARACTER_NAME, "Ada");
    EXPECT_EQ(entry.LEVEL, "");
    EXPECT_EQ(entry.RACE, "Elf");
    EXPECT_EQ(entry.HONOR_BASE, "");
}

TEST_F(SavedCharactersTest, AScanOfOneFileWritesItsTraceLines) {
    WriteTextFile("CharacterXML/Ada.xml", File("Ada"));
    testing::internal::CaptureStdout();
    VOLDFileClass::LoadCharacter();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Loading Ada.xml\nopening Ada.xml\nLoaded Ada.xml\nAdding Tail\n"
              "Adding Tail\nEntering while loop\nLeaving while loop\n"
              "Leaving Adding Tail\n");
}

} // namespace
