#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <wx/combobox.h>
#include <wx/listbox.h>

#include "app/app_globals.h"
#include "app/character.h"
#include "shell/cx_application.h"
#include "app/dice.h"
#include "app/program_data.h"
#include "catalog/race_catalog.h"
#include "steps/equip_frame.h"
#include "steps/frame_step3.h"
#include "support/ability_faces.h"
#include "support/catalog_files.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/tree_outline.h"
#include "shell/form_main.h"
#include "ui/tree_model.h"
#include "ui/ui_test_support.h"

namespace {

class NewCharacterTest : public GlobalsTest {
protected:
    ScopedTempDir dir_;
};

TEST_F(NewCharacterTest, FromTheMainWindowToTheHandOver) {
    std::filesystem::copy(SampleCatalogs(), dir_.path(), std::filesystem::copy_options::recursive);
    FormMain* main = RunStartUp();
    dice::QueueFaces(std::vector<int32_t>(12, 3)); // the dice-log name: 12d12
    SelectMenu(main, ID_MAIN_NEW);
    auto* step = dynamic_cast<FrameStep3*>(VOLDFrames[kSlotStep3].Live());
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->GetTitle(), "Character Creation: Roll Ability Scores and choose race");
    EXPECT_EQ(step->GetParent(), main);
    EXPECT_EQ(program_data.WizardState, kWizardAbilities);
    EXPECT_EQ(program_data.LogFileName, "36.log");

    dice::QueueFaces(RollFaces({12, 14, 9, 13, 10, 11, 15}, {5, 15, 25, 35, 45, 55, 65}));
    Click(step, ID_STEP3_ROLL);
    // Mossfolk's book is not enabled; Dwarves need more Constitution.
    auto* races = dynamic_cast<wxListBox*>(step->FindWindow(ID_STEP3_RACE_LIST));
    EXPECT_EQ(ListRows(races), (std::vector<std::string>{"Elf, Female", "Elf, Male", "Human, Female",
                                                         "Human, Male", "Sea Elf, Female", "Sea Elf, Male"}));
    PickListRow(races, "Sea Elf, Female");
    auto* languages = dynamic_cast<wxComboBox*>(step->FindWindow(ID_STEP3_LANGUAGE));
    ASSERT_NE(languages, nullptr);
    ASSERT_EQ(languages->GetCount(), 2u);
    languages->SetSelection(1);
    Click(step, ID_STEP3_CONTINUE);
    PumpEvents();

    // "Elf, Female" loads first and its name is part of the row's text; the row's own entry is taken.
    ASSERT_NE(current_character.pRace, nullptr);
    EXPECT_EQ(current_character.pRace->NAME, "Sea Elf");
    EXPECT_EQ(current_character.pRace->SEX, "Female");
    EXPECT_EQ(current_character.RACE, "Sea Elf");
    EXPECT_EQ(current_character.SEX, "Female");
    EXPECT_EQ(current_character.ABILITY_BASE, (Scores{12, 14, 10, 13, 10, 11, 14}));
    EXPECT_EQ(current_character.ABILITY_PERC, (Scores{5, 15, 25, 35, 45, 55, 65}));
    EXPECT_EQ(program_data.BuildingPoints, 4.0f);
    EXPECT_EQ(program_data.WizardState, kWizardBackground);
    ASSERT_NE(SkillDataItem::First(), nullptr);
    EXPECT_EQ(SkillDataItem::First()->name, "Language, Modern: Tidespeech");
    EXPECT_EQ(SkillDataItem::First()->value, 100);
    EXPECT_EQ(VOLDFrames[kSlotStep3].Live(), nullptr);

    const std::string tree = TreeOutline(CurrentTree());
    std::vector<std::string> branches;
    for (TreeItem item = CurrentTree()->GetFirstChild(CurrentTree()->GetRootItem()); item.IsOk();
         item = CurrentTree()->GetNextSibling(item))
        branches.push_back(CurrentTree()->GetItemText(item));
    EXPECT_EQ(branches, (std::vector<std::string>{"Ability Scores", "Racial Data"}));
    EXPECT_NE(tree.find("  Comeliness\n    14/65\n"), std::string::npos) << tree;
    EXPECT_NE(tree.find("Racial Data\n  Race\n    Sea Elf\n  Sex\n    Female\n  Movement\n    Unencumbered\n"
                        "      9\n    Light\n      6\n    Moderate\n      4\n    Heavy Laden\n      2\n"
                        "    Severe\n      1\n  Classes Available\n    Fighter\n"),
              std::string::npos)
        << tree;

    std::ifstream in(program_data.LogFileName);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "BP=0.0    | All variables have been cleared ",
                         "BP=0.0    | Rolling Ability Scores STR=12/5 DEX=14/15 CON=9/25 INT=13/35 WIS=10/45 "
                         "CHR=11/55 COM=15/65 ",
                         "BP=0.0    | Selecting a Race/Sex: Race=Sea Elf, Sex=Female ",
                         "BP=0.0    | entering movement ",
                         "BP=4.0    | Adjusted Ability Scores by Race STR=12/5 DEX=14/15 CON=10/25 INT=13/35 "
                         "WIS=10/45 CHR=11/55 COM=14/65 ",
                         "BP=4.0    | entering movement "}));

    // The step is over: "&New Character" is refused until the creation ends.
    SelectMenu(main, ID_MAIN_NEW);
    EXPECT_EQ(VOLDFrames[kSlotStep3].Live(), nullptr);
    EXPECT_EQ(program_data.WizardState, kWizardBackground);
}

TEST_F(NewCharacterTest, ClosingTheStepBeforeContinueLetsANewCharacterStart) {
    std::filesystem::copy(SampleCatalogs(), dir_.path(), std::filesystem::copy_options::recursive);
    FormMain* main = RunStartUp();
    SelectMenu(main, ID_MAIN_NEW);
    wxFrame* first = VOLDFrames[kSlotStep3].Live();
    ASSERT_NE(first, nullptr);
    Click(first, ID_STEP3_ROLL);
    Click(first, ID_STEP3_CONTINUE); // no race picked: refused
    first->Close();
    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardNone);

    SelectMenu(main, ID_MAIN_NEW);
    wxFrame* second = VOLDFrames[kSlotStep3].Live();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(program_data.WizardState, kWizardAbilities);
    EXPECT_EQ(current_character.ABILITY_BASE[0], 0) << "the new character starts from the reset";
}

TEST_F(NewCharacterTest, AnAbortedStepDeletedAtIdleLeavesTheNextCreationRunning) {
    std::filesystem::copy(SampleCatalogs(), dir_.path(), std::filesystem::copy_options::recursive);
    FormMain* main = RunStartUp();
    SelectMenu(main, ID_MAIN_NEW);
    wxFrame* first = VOLDFrames[kSlotStep3].Live();
    ASSERT_NE(first, nullptr);
    SelectMenu(first, ID_STEP3_MENU_ABORT);
    EXPECT_EQ(program_data.WizardState, kWizardNone);

    // The aborted window is still alive until idle time; the next character starts before that.
    SelectMenu(main, ID_MAIN_NEW);
    wxFrame* second = VOLDFrames[kSlotStep3].Live();
    ASSERT_NE(second, nullptr);
    ASSERT_NE(second, first);
    EXPECT_EQ(program_data.WizardState, kWizardAbilities);

    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardAbilities)
        << "the first window's deletion must not end the second creation";
    EXPECT_EQ(VOLDFrames[kSlotStep3].Live(), second);
    SelectMenu(main, ID_MAIN_NEW); // refused while the creation runs
    EXPECT_EQ(VOLDFrames[kSlotStep3].Live(), second);
    EXPECT_EQ(program_data.WizardState, kWizardAbilities);
}

TEST_F(NewCharacterTest, AnOpenEquipmentStepKeepsItsCharacterUntilItCloses) {
    std::filesystem::copy(SampleCatalogs(), dir_.path(), std::filesystem::copy_options::recursive);
    FormMain* main = RunStartUp();
    current_character.CHARACTER_NAME = "Ada";
    program_data.WizardState =
        kWizardNone; // as the alignment step leaves it when it opens the equipment step
    EquipFrame* equip = OpenEquipFrame();
    ASSERT_NE(equip, nullptr);

    SelectMenu(main, ID_MAIN_NEW);
    EXPECT_FALSE(VOLDFrames[kSlotStep3].IsSet()) << "no new character under the open equipment step";
    EXPECT_EQ(program_data.WizardState, kWizardNone);
    EXPECT_EQ(current_character.CHARACTER_NAME, "Ada");

    equip->Close(true);
    PumpEvents();
    SelectMenu(main, ID_MAIN_NEW);
    EXPECT_NE(VOLDFrames[kSlotStep3].Live(), nullptr);
    EXPECT_EQ(program_data.WizardState, kWizardAbilities);
    EXPECT_EQ(current_character.CHARACTER_NAME, "");
}

} // namespace
