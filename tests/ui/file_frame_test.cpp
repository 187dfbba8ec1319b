#include <filesystem>
#include <gtest/gtest.h>
#include <wx/listctrl.h>
#include <wx/toplevel.h>
#include <wx/weakref.h>

#include "app/app_globals.h"
#include "app/character.h"
#include "shell/cx_application.h"
#include "app/dice.h"
#include "app/dice_log.h"
#include "app/program_data.h"
#include "catalog/race_catalog.h"
#include "files/character_xml_writer.h"
#include "files/file_frame.h"
#include "steps/equip_frame.h"
#include "support/catalog_files.h"
#include "support/character_fixture.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"
#include "support/tree_outline.h"
#include "shell/form_main.h"
#include "ui/tree_model.h"
#include "ui/tree_pushers.h"
#include "ui/ui_test_support.h"

namespace fs = std::filesystem;

namespace {

class FileFrameTest : public GlobalsTest {
protected:
    FileFrame* Open() {
        testing::internal::CaptureStdout(); // the scan's trace lines
        auto* frame = new FileFrame(nullptr, "Load Character", wxDefaultPosition, wxSize(300, 300));
        testing::internal::GetCapturedStdout();
        frame->Show(true);
        return frame;
    }
    static wxListCtrl* List(FileFrame* frame) {
        return dynamic_cast<wxListCtrl*>(frame->FindWindow(ID_FILE_LIST));
    }
    static std::vector<std::string> Rows(FileFrame* frame) { return ListCtrlRows(List(frame)); }
    static void Activate(FileFrame* frame, long row) { ActivateListRow(List(frame), row); }
    // Activates `row` where the open is refused: the one message it gives.
    static ScriptedPrompter::Question ActivateRefused(FileFrame* frame, long row) {
        ScopedPrompter prompts;
        prompts->ExpectMessage();
        Activate(frame, row);
        PumpEvents();
        EXPECT_EQ(prompts->Asked().size(), 1u);
        return prompts->Asked().empty() ? ScriptedPrompter::Question() : prompts->Asked()[0];
    }
    // Writes the current character under `name`, with `age` to tell the files apart.
    static void Save(const std::string& name, const std::string& file, int32_t age = 0) {
        current_character.CHARACTER_NAME = name;
        current_character.AGE = age;
        WriteTextFile(fs::path("CharacterXML") / file, CharacterXMLText());
    }

    ScopedTempDir dir_;
};

TEST_F(FileFrameTest, AnEmptyFolderShowsTheFiveColumnsAndNoRows) {
    FileFrame* frame = Open();
    wxListCtrl* list = List(frame);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetName(), "ListView");
    EXPECT_TRUE(list->HasFlag(wxLC_REPORT) && list->HasFlag(wxLC_SINGLE_SEL));
    ASSERT_EQ(list->GetColumnCount(), 5);
    const char* const headers[] = {"Name", "Class", "Level", "Race", "Sex"};
    for (int c = 0; c < 5; ++c) {
        wxListItem column;
        column.SetMask(wxLIST_MASK_TEXT);
        list->GetColumn(c, column);
        EXPECT_EQ(column.GetText(), headers[c]);
    }
    EXPECT_EQ(list->GetItemCount(), 0);
}

TEST_F(FileFrameTest, RowsShowTheFileFoundLastFirstAndSkipNamelessFiles) {
    AddFixtureCatalogues();
    BuildTwoClassCharacter();
    Save("Ada", "a.xml");
    Save("Bob", "b.xml");
    WriteTextFile("CharacterXML/c.xml", "<RACE>Elf</RACE>\n");
    FileFrame* frame = Open();
    EXPECT_EQ(Rows(frame),
              (std::vector<std::string>{"Bob|Fighter/Thief|1|Elf|Female", "Ada|Fighter/Thief|1|Elf|Female"}));
    EXPECT_EQ(frame->RowFiles(), (std::vector<std::string>{"b.xml", "a.xml"}));
}

TEST_F(FileFrameTest, EachRowOpensItsOwnFileEvenWhenNamesContainOneAnother) {
    AddFixtureCatalogues();
    BuildTwoClassCharacter();
    Save("Bobby", "1.xml", 11);
    Save("Bob", "2.xml", 22);
    Save("Bob", "3.xml", 33); // the same name twice
    const struct {
        const char* file;
        const char* name;
        int32_t age;
    } cases[] = {{"1.xml", "Bobby", 11}, {"2.xml", "Bob", 22}, {"3.xml", "Bob", 33}};
    for (const auto& c : cases) {
        current_character.CHARACTER_NAME = "Someone else";
        program_data.WizardState = kWizardNone;
        FileFrame* frame = Open();
        const auto& files = frame->RowFiles();
        const long row = std::find(files.begin(), files.end(), c.file) - files.begin();
        ASSERT_LT(static_cast<size_t>(row), files.size());
        wxWeakRef<FileFrame> alive(frame);
        Activate(frame, row);
        PumpEvents();
        EXPECT_FALSE(alive) << c.file << ": the window closes after an open";
        EXPECT_EQ(current_character.CHARACTER_NAME, c.name) << c.file;
        EXPECT_EQ(current_character.AGE, c.age) << c.file;
        EXPECT_EQ(current_character.pRace, FixtureRace("Elf", "Female"));
    }
}

TEST_F(FileFrameTest, AFileGoneSinceTheListWasFilledIsReportedAndChangesNothing) {
    AddFixtureCatalogues();
    BuildTwoClassCharacter();
    Save("Ada", "a.xml", 40);
    FileFrame* frame = Open();
    ASSERT_EQ(frame->RowFiles().size(), 1u);
    fs::remove("CharacterXML/a.xml");
    current_character.CHARACTER_NAME = "Work in progress";
    wxWeakRef<FileFrame> alive(frame);
    const ScriptedPrompter::Question said = ActivateRefused(frame, 0);
    EXPECT_EQ(said.message, "The character file \"a.xml\" could not be opened. It may have been "
                            "moved or deleted since the list was filled.");
    EXPECT_EQ(said.caption, "Load Character");
    EXPECT_TRUE(alive);
    EXPECT_EQ(current_character.CHARACTER_NAME, "Work in progress");
    EXPECT_EQ(current_character.AGE, 40);
}

// A damaged file, caught before the reset, leaves the character, the tree and the log as they were.
TEST_F(FileFrameTest, ADamagedFileIsRefusedBeforeAnythingIsReset) {
    FormMain* main = RunStartUp();
    AddFixtureCatalogues();
    BuildTwoClassCharacter();
    const std::string whole = CharacterXMLText();
    size_t lines = 0;
    std::string firstHalf; // whole lines, the first half of the file
    for (size_t at = 0; at < whole.size() / 2; at = whole.find('\n', at) + 1, ++lines)
        firstHalf = whole.substr(0, whole.find('\n', at) + 1);
    std::string corrupt = whole;
    const size_t line30 = [&] {
        size_t at = 0;
        for (int i = 1; i < 30; ++i)
            at = whole.find('\n', at) + 1;
        return at;
    }();
    corrupt.replace(line30, 6, "\x93\x1f\xe8\x01<<");
    const struct {
        const char* what;
        std::string bytes;
        size_t line;
    } cases[] = {
        {"truncated", firstHalf, lines + 1},
        {"cut mid-line", whole.substr(0, whole.size() / 2), 0},
        {"corrupt middle", corrupt, 30},
        {"empty", "", 1},
        {"binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), 1},
    };
    program_data.LogFileName = "5.log";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Save("Ada", "a.xml");
        FileFrame* frame = Open();
        ASSERT_EQ(frame->RowFiles(), std::vector<std::string>{"a.xml"});
        WriteTextFile("CharacterXML/a.xml", c.bytes);
        // The character in hand, with its tree and log.
        current_character.CHARACTER_NAME = "Work in progress";
        std::string line = "Rolled for the character in hand";
        Format_Entry(program_data.BuildingPoints, line, program_data.LogFileName);
        messagetotree();
        const std::string record = CharacterXMLText();
        const std::string tree = TreeOutline(CurrentTree());
        const std::string log = ReadFileBytes("5.log");

        wxWeakRef<FileFrame> alive(frame);
        const ScriptedPrompter::Question asked = ActivateRefused(frame, 0);
        const std::string& said = asked.message;
        const std::string expected = "The character file \"a.xml\" is damaged or incomplete (line ";
        EXPECT_EQ(said.substr(0, expected.size()), expected) << said;
        if (c.line != 0) {
            EXPECT_EQ(said, expected + std::to_string(c.line) + "). Nothing was opened.");
        }
        EXPECT_EQ(asked.caption, "Load Character");
        EXPECT_TRUE(alive);
        EXPECT_TRUE(CharacterXMLText() == record) << "the record changed";
        EXPECT_FALSE(tree.empty());
        EXPECT_TRUE(TreeOutline(CurrentTree()) == tree) << "the tree changed";
        EXPECT_TRUE(ReadFileBytes("5.log") == log) << "the log changed";
        EXPECT_EQ(program_data.LogFileName, "5.log");
        if (alive)
            alive->Destroy();
        PumpEvents();
    }
    (void)main;
}

TEST_F(FileFrameTest, NothingIsOpenedWhileACharacterIsBeingCreated) {
    AddFixtureCatalogues();
    BuildTwoClassCharacter();
    Save("Ada", "a.xml", 40);
    const struct {
        const char* what;
        WizardStep state;
        bool equipmentOpen; // the last step, which the alignment step opens with the state at 0
    } cases[] = {{"a step under way", kWizardClass, false}, {"the equipment step open", kWizardNone, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        current_character.CHARACTER_NAME = "In creation";
        program_data.WizardState = c.state;
        wxWeakRef<EquipFrame> equipment(c.equipmentOpen ? OpenEquipFrame() : nullptr);
        FileFrame* frame = Open();
        ScopedPrompter prompts;
        prompts->ExpectMessage();
        wxWeakRef<FileFrame> alive(frame);
        Activate(frame, 0);
        PumpEvents();
        ASSERT_EQ(prompts->Asked().size(), 1u);
        EXPECT_NE(prompts->Asked()[0].message.find("being created"), std::string::npos);
        EXPECT_TRUE(alive);
        EXPECT_EQ(current_character.CHARACTER_NAME, "In creation");
        EXPECT_EQ(program_data.WizardState, c.state);
        EXPECT_EQ(equipment.get() != nullptr, c.equipmentOpen);
        if (alive)
            alive->Close(true);
        if (equipment)
            equipment->Close(true);
        PumpEvents();
    }
}

TEST_F(FileFrameTest, SaveThenOpenThroughTheMainWindow) {
    FormMain* main = RunStartUp();
    AddFixtureCatalogues();
    BuildTwoClassCharacter();
    SelectMenu(main, ID_MAIN_SAVE);
    ASSERT_TRUE(fs::exists("CharacterXML/Ada Brightwater.xml"));
    const std::string saved = CharacterXMLText();
    current_character.CHARACTER_NAME = "Changed";

    const auto openWindows = [] {
        size_t n = 0;
        for (wxWindow* w : wxTopLevelWindows)
            n += dynamic_cast<FileFrame*>(w) && !w->IsBeingDeleted() ? 1 : 0;
        return n;
    };
    testing::internal::CaptureStdout();
    SelectMenu(main, ID_MAIN_OPEN);
    SelectMenu(main, ID_MAIN_OPEN); // each choice opens a window of its own
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(openWindows(), 2u);
    FileFrame* frame = FindTopLevel<FileFrame>();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetTitle(), "Load Character");
    EXPECT_EQ(frame->GetParent(), main);
    ASSERT_EQ(Rows(frame), std::vector<std::string>{"Ada Brightwater|Fighter/Thief|1|Elf|Female"});
    dice::QueueFaces(std::vector<int32_t>(12, 2)); // the new dice log's name
    Activate(frame, 0);
    PumpEvents();
    EXPECT_EQ(openWindows(), 1u); // the one used closes, the other stays

    EXPECT_EQ(CharacterXMLText(), saved);
    EXPECT_EQ(current_character.CHARACTER_NAME, "Ada Brightwater");
    EXPECT_EQ(current_character.pRace, FixtureRace("Elf", "Female"));
    EXPECT_EQ(program_data.WizardState, kWizardNone);
    const std::string tree = TreeOutline(CurrentTree());
    for (const char* branch : {"Ability Scores", "Racial Data", "Class Data", "Prior and Particulars",
                               "Quirks and Flaws", "Skills", "Equipment", "Talents", "Proficiencies"})
        EXPECT_NE(tree.find(std::string(branch) + "\n"), std::string::npos) << branch;
}

} // namespace
