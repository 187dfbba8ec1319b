#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <wx/listctrl.h>

#include "app/app_globals.h"
#include "app/character.h"
#include "shell/cx_application.h"
#include "app/dice.h"
#include "app/program_data.h"
#include "files/character_sheet.h"
#include "files/character_xml_reader.h"
#include "files/file_frame.h"
#include "steps/frame_step3.h"
#include "steps/starting_honor.h"
#include "support/character_fixture.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"
#include "shell/form_main.h"
#include "ui/tree_pushers.h"
#include "ui/ui_test_support.h"

namespace fs = std::filesystem;

namespace {

class SaveFileTest : public GlobalsTest {
protected:
    ScopedTempDir dir_;
};

TEST_F(SaveFileTest, SavingAnUnnamedNewCharacterSaysWhyAndWritesNothing) {
    FormMain* main = RunStartUp();
    dice::QueueFaces(std::vector<int32_t>(12, 3)); // the dice-log name
    SelectMenu(main, ID_MAIN_NEW);
    ASSERT_EQ(program_data.WizardState, kWizardAbilities);

    ScopedPrompter prompts;
    prompts->ExpectMessage();
    SelectMenu(main, ID_MAIN_SAVE);
    ASSERT_EQ(prompts->Asked().size(), 1u);
    EXPECT_EQ(prompts->Asked()[0].message, "The character needs a name before it can be saved.");
    EXPECT_FALSE(fs::exists("CharacterXML"));
    EXPECT_EQ(program_data.WizardState, kWizardAbilities);
}

// A player who cancels the name question at the end of a creation must still be able to save the
// character: saving asks the name again. During a creation, and before any character exists, it does not.
TEST_F(SaveFileTest, SavingAFinishedCharacterWithoutAUsableNameAsksTheNameOnce) {
    FormMain* main = RunStartUp();
    const struct {
        const char* what;
        WizardStep state;
        const char* race;
        const char* name;
        bool asked;
        const char* answer; // null: the question is cancelled
        const char* file;   // null: nothing is written
    } cases[] = {
        {"finished, name cancelled, named now", kWizardNone, "Human", "", true, "Anna", "Anna.xml"},
        {"finished, named '..', named now", kWizardNone, "Human", "..", true, "Bo/Ek", "Bo_Ek.xml"},
        {"finished, the question cancelled again", kWizardNone, "Human", "", true, nullptr, nullptr},
        {"finished, a blank answer", kWizardNone, "Human", "", true, "", nullptr},
        {"mid-creation: the last step asks it", kWizardSkillsDone, "Human", "", false, nullptr, nullptr},
        {"no character created yet", kWizardNone, "", "", false, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all("CharacterXML");
        fs::remove_all("CharacterHTML");
        program_data.WizardState = c.state;
        current_character.RACE = c.race;
        current_character.CHARACTER_NAME = c.name;
        {
            ScopedPrompter prompts;
            if (c.asked && c.answer)
                prompts->ExpectText(c.answer);
            else if (c.asked)
                prompts->ExpectTextCancel();
            if (!c.file)
                prompts->ExpectMessage();
            SelectMenu(main, ID_MAIN_SAVE);
            ASSERT_FALSE(prompts->Asked().empty());
            EXPECT_EQ(prompts->Asked()[0].kind,
                      c.asked ? ScriptedPrompter::Kind::Text : ScriptedPrompter::Kind::Message);
            if (c.asked) {
                EXPECT_EQ(prompts->Asked()[0].message, "Character Creation: Name your Character");
                EXPECT_EQ(prompts->Asked()[0].caption, "Enter Name");
            }
            if (!c.file) {
                EXPECT_EQ(prompts->Asked().back().message,
                          "The character needs a name before it can be saved.");
            }
        }
        if (c.file) {
            EXPECT_TRUE(fs::exists(fs::path("CharacterXML") / c.file));
            EXPECT_EQ(current_character.CHARACTER_NAME, c.answer);
        } else {
            EXPECT_FALSE(fs::exists("CharacterXML"));
        }
    }
}

// Character A is saved; a new character B is then saved under a name whose file is A's.
class SaveOverAnotherTest : public SaveFileTest {
protected:
    void SetUp() override {
        SaveFileTest::SetUp();
        main_ = RunStartUp();
    }
    // Saves a character of `age` named `name` through the menu, as a finished character would be.
    void SaveNamed(const std::string& name, int32_t age) {
        current_character.CHARACTER_NAME = name;
        current_character.AGE = age;
        SelectMenu(main_, ID_MAIN_SAVE);
    }
    // Starts the next character as "&New Character" does, and leaves its steps as a finished one.
    void NewCharacter(int32_t age) {
        dice::QueueFaces(std::vector<int32_t>(12, 3)); // the dice-log name
        SelectMenu(main_, ID_MAIN_NEW);
        ASSERT_EQ(program_data.WizardState, kWizardAbilities);
        current_character.AGE = age;
    }
    // Closes the creation's step window, as a finished creation leaves none open.
    static void FinishCreation() {
        if (wxWindow* step = FindTopLevel<FrameStep3>())
            step->Destroy();
        PumpEvents();
        program_data.WizardState = kWizardNone;
    }
    static std::string Xml(const std::string& stem) {
        return ReadFileBytes(fs::path("CharacterXML") / (stem + ".xml"));
    }
    static std::string Html(const std::string& stem) {
        return ReadFileBytes(fs::path("CharacterHTML") / (stem + ".html"));
    }
    static bool HasAge(const std::string& text, int32_t age) {
        return text.find("<AGE>" + std::to_string(age) + "</AGE>") != std::string::npos;
    }
    FormMain* main_ = nullptr;
};

TEST_F(SaveOverAnotherTest, AnotherCharactersFileIsReplacedOnlyWhenTheUserSaysYes) {
    const struct {
        const char* what;
        bool replace;
        const char* newName; // on No; null: the name question is cancelled
        int32_t adaAge;      // what Ada's file holds afterwards
    } cases[] = {
        {"yes replaces it", true, nullptr, 22},
        {"no, then another name", false, "Bea", 11},
        {"no, then cancel", false, nullptr, 11},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all("CharacterXML");
        fs::remove_all("CharacterHTML");
        program_data.CharacterFile.clear();
        {
            ScopedPrompter prompts; // a first save asks nothing
            SaveNamed("Ada", 11);
        }
        const std::string adaSheet = Html("Ada");
        ASSERT_TRUE(HasAge(Xml("Ada"), 11));
        NewCharacter(22);
        ScopedPrompter prompts;
        prompts->ExpectYesNo(c.replace);
        if (!c.replace) {
            if (c.newName)
                prompts->ExpectText(c.newName);
            else
                prompts->ExpectTextCancel();
        }
        SaveNamed("Ada", 22);
        ASSERT_GE(prompts->Asked().size(), 1u);
        EXPECT_EQ(prompts->Asked()[0].kind, ScriptedPrompter::Kind::YesNo);
        EXPECT_EQ(prompts->Asked()[0].message, "A saved character already uses \"Ada.xml\". Replace it?");
        if (!c.replace) {
            ASSERT_EQ(prompts->Asked().size(), 2u);
            EXPECT_EQ(prompts->Asked()[1].message, "Character Creation: Name your Character");
            EXPECT_EQ(prompts->Asked()[1].caption, "Enter Name");
            EXPECT_EQ(prompts->Asked()[1].defaultValue, "Ada");
        }
        EXPECT_TRUE(HasAge(Xml("Ada"), c.adaAge));
        // Ada's sheet follows her file: kept with it, or replaced with it.
        EXPECT_EQ(Html("Ada") == adaSheet, c.adaAge == 11);
        if (c.newName) {
            EXPECT_TRUE(HasAge(Xml(c.newName), 22));
            EXPECT_FALSE(Html(c.newName).empty());
            EXPECT_EQ(current_character.CHARACTER_NAME, c.newName);
        } else {
            EXPECT_EQ(current_character.CHARACTER_NAME, "Ada");
        }
        if (!c.replace && !c.newName) {
            EXPECT_EQ(fs::directory_iterator("CharacterXML")->path().filename(), "Ada.xml");
        }
        FinishCreation();
    }
}

TEST_F(SaveOverAnotherTest, NamesThatCleanToOneFileAreAskedAndOwnFilesAreNot) {
    {
        ScopedPrompter prompts; // saving anew, saving again and saving an opened character ask nothing
        SaveNamed("A/B", 1);
        SaveNamed("A/B", 2);
        ASSERT_TRUE(HasAge(Xml("A_B"), 2));
    }
    NewCharacter(3);
    {
        ScopedPrompter prompts;
        prompts->ExpectYesNo(false);
        prompts->ExpectTextCancel();
        SaveNamed("A_B", 3);
        EXPECT_EQ(prompts->Asked().size(), 2u);
        EXPECT_TRUE(HasAge(Xml("A_B"), 2));
    }
    FinishCreation();
    ASSERT_TRUE(ReadCharacterFile("A_B.xml"));
    {
        ScopedPrompter prompts;
        SaveNamed("A/B", 4);
        EXPECT_TRUE(HasAge(Xml("A_B"), 4));
    }
}

TEST_F(SaveOverAnotherTest, AFailedFileSaveWritesNoSheet) {
    ScopedPrompter prompts;
    SaveNamed("Ada", 11);
    const std::string sheet = Html("Ada");
    ASSERT_FALSE(sheet.empty());
    // The file's place is taken by a folder: its save fails and says so once.
    fs::remove("CharacterXML/Ada.xml");
    fs::create_directory("CharacterXML/Ada.xml");
    prompts->ExpectMessage();
    SaveNamed("Ada", 12);
    ASSERT_EQ(prompts->Asked().size(), 1u);
    EXPECT_NE(prompts->Asked()[0].message.find("could not be saved"), std::string::npos);
    EXPECT_TRUE(Html("Ada") == sheet);
}

// The character file is saved; only the sheet fails, and its one message says so.
TEST_F(SaveOverAnotherTest, AFailedSheetSaysTheFileWasSaved) {
    std::ofstream("CharacterHTML") << "a file where the folder should be";
    ScopedPrompter prompts;
    prompts->ExpectMessage();
    SaveNamed("Ada", 11);
    EXPECT_TRUE(HasAge(Xml("Ada"), 11));
    EXPECT_EQ(program_data.CharacterFile, "Ada.xml");
    ASSERT_EQ(prompts->Asked().size(), 1u);
    const fs::path here = fs::current_path(); // short enough to be shown whole
    EXPECT_EQ(
        prompts->Asked()[0].message,
        "The character was saved to " + (here / "CharacterXML" / "Ada.xml").string() +
            ". Only its sheet could not be saved to " + (here / "CharacterHTML" / "Ada.html").string() +
            ": the folder CharacterHTML cannot be created. Any earlier sheet of that name is unchanged.");
    EXPECT_EQ(prompts->Asked()[0].caption, "Save file");
}

TEST_F(SaveFileTest, ANamedCharacterWithoutRaceOrClassIsSavedSilently) {
    FormMain* main = RunStartUp();
    current_character.CHARACTER_NAME = "Wren/Ash";
    ASSERT_EQ(current_character.pRace, nullptr);
    ASSERT_EQ(current_character.pClass, nullptr);

    ScopedPrompter prompts; // no question expected
    SelectMenu(main, ID_MAIN_SAVE);
    const fs::path file = fs::path("CharacterXML") / "Wren_Ash.xml";
    ASSERT_TRUE(fs::exists(file));
    std::ifstream in(file, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    EXPECT_NE(text.find("<CHARACTER_NAME>Wren/Ash</CHARACTER_NAME>\n"), std::string::npos);
    EXPECT_NE(text.find("<VERSION>5.1</VERSION>\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 24), "</GOREWRIGHT_CHARACTER>\n");

    // The sheet beside it, with empty race cells and no class box.
    const std::string sheet = ReadFileBytes(fs::path("CharacterHTML") / "Wren_Ash.html");
    for (const char* line : {"<TD ALIGN=LEFT>Character: Wren/Ash</TD>\n", "<TD ALIGN=LEFT>Race: </TD>\n",
                             "<TD ALIGN=LEFT>Sex: </TD>\n", "<TD ALIGN=LEFT>Spells: 99</TD>\n"})
        EXPECT_NE(sheet.find(line), std::string::npos) << line;
    EXPECT_EQ(sheet.find("Thief Abilities"), std::string::npos);
    EXPECT_EQ(sheet.substr(sheet.size() - 8), "</HTML>\n");
}

TEST_F(SaveFileTest, SavingWritesFileAndSheetAndAnOpenedCharacterSavesTheSameSheet) {
    FormMain* main = RunStartUp();
    AddFixtureCatalogues();
    BuildTwoClassCharacter(); // no hereditary debt, no Magic-User background: both stay out of the file
    // The honor text and thief totals, as the creation steps leave them.
    current_character.HONOR_DICE_TEXT = SetHonorDice(current_character.LEVEL, current_character.HONOR_BASE);
    messagetotreeStep8();
    {
        ScopedPrompter prompts; // a successful save asks nothing
        SelectMenu(main, ID_MAIN_SAVE);
    }
    ASSERT_TRUE(fs::exists(fs::path("CharacterXML") / "Ada Brightwater.xml"));
    const fs::path sheet = fs::path("CharacterHTML") / "Ada Brightwater.html";
    const std::string first = ReadFileBytes(sheet);
    ASSERT_EQ(first, CharacterHTMLText());
    for (const char* shown :
         {"Fighter Background", "Thief Abilities", "<TD ALIGN=CENTER>35%</TD>", "Greedy", "Honor d"})
        EXPECT_NE(first.find(shown), std::string::npos) << shown;

    current_character.CHARACTER_NAME = "Changed";
    current_character.THIEF_SKILLS.fill(0);
    current_character.HONOR_DICE_TEXT.clear();
    testing::internal::CaptureStdout(); // the saved-character scan's trace lines
    SelectMenu(main, ID_MAIN_OPEN);
    testing::internal::GetCapturedStdout();
    FileFrame* frame = FindTopLevel<FileFrame>();
    ASSERT_NE(frame, nullptr);
    dice::QueueFaces(std::vector<int32_t>(12, 2)); // the new dice log's name
    ActivateListRow(dynamic_cast<wxListCtrl*>(frame->FindWindow(ID_FILE_LIST)), 0);
    PumpEvents();
    ASSERT_EQ(current_character.CHARACTER_NAME, "Ada Brightwater");

    ScopedPrompter prompts;
    SelectMenu(main, ID_MAIN_SAVE);
    EXPECT_EQ(ReadFileBytes(sheet), first);
}

} // namespace
