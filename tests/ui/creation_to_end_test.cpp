// A whole creation through the main window, from "&New Character" over every step window to the closed
// equipment window, with scripted dice and answers on the sample data.
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <wx/listbox.h>
#include <wx/textctrl.h>

#include "app/app_globals.h"
#include "app/character.h"
#include "shell/cx_application.h"
#include "app/dice.h"
#include "app/program_data.h"
#include "creation_run.h"
#include "quirks/cherry_step7.h"
#include "steps/alignment_step.h"
#include "steps/equip_frame.h"
#include "steps/frame_step10.h"
#include "steps/frame_step3.h"
#include "steps/frame_step6.h"
#include "steps/frame_step8.h"
#include "steps/skill_frame.h"
#include "steps/thief_skills_frame.h"
#include "support/catalog_files.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"
#include "support/tree_outline.h"
#include "shell/form_main.h"
#include "ui/shop_window_support.h"
#include "ui/tree_model.h"
#include "ui/ui_test_support.h"

namespace {

using Lines = std::vector<std::string>;

class CreationToEndTest : public CreationRunTest {
protected:
    static ThiefSkills* OpenThiefWindow() {
        for (wxWindow* window : wxTopLevelWindows)
            if (auto* thief = dynamic_cast<ThiefSkills*>(window); thief && !Closing(thief))
                return thief;
        return nullptr;
    }
};

TEST_F(CreationToEndTest, FromNewCharacterThroughEveryStepToTheClosedEquipmentWindow) {
    FrameStep6* background = RunToBackground(main_, {12, 14, 9, 13, 10, 11, 15}, "Human, Male");
    ASSERT_NE(background, nullptr);
    RollBackground(background, kPlainBackground);
    SelectMenu(background, ID_STEP6_MENU_CONTINUE);
    PumpEvents();
    auto* picking = dynamic_cast<CherryStep7*>(VOLDFrames[kSlotQuirks].Live());
    ASSERT_NE(picking, nullptr);
    SelectMenu(picking, ID_CHERRY_MENU_CONTINUE);
    PumpEvents();
    auto* classes = dynamic_cast<FrameStep8*>(VOLDFrames[kSlotStep8].Live());
    ASSERT_NE(classes, nullptr);
    const size_t classPickLine = LogLines().size();

    ScopedPrompter prompts;
    PickListRow(dynamic_cast<wxListBox*>(classes->FindWindow(ID_STEP8_CLASS_LIST)), "Thief");
    Click(classes, ID_STEP8_CONTINUE);
    PumpEvents();
    ThiefSkills* thief = OpenThiefWindow();
    ASSERT_NE(thief, nullptr);
    dynamic_cast<wxTextCtrl*>(thief->FindWindow(ID_THIEF_ENTRY_PP))->ChangeValue("30");
    dynamic_cast<wxTextCtrl*>(thief->FindWindow(ID_THIEF_ENTRY_PP + 7))->ChangeValue("30");
    Click(thief, ID_THIEF_CONTINUE);
    PumpEvents();

    auto* ageAndMoney = dynamic_cast<FrameStep10*>(VOLDFrames[kSlotStep10].Live());
    ASSERT_NE(ageAndMoney, nullptr);
    dice::QueueFaces({4});
    prompts->ExpectMessage(wxYES);
    Click(ageAndMoney, ID_STEP10_ROLL_AGE);
    dice::QueueFaces({50, 3});
    prompts->ExpectNumber(0);
    prompts->ExpectMessage(wxYES);
    Click(ageAndMoney, ID_STEP10_ROLL_MONEY);
    EXPECT_EQ(dice::QueuedFaces(), 0u);
    prompts->ExpectMessage(); // the honor
    Click(ageAndMoney, ID_STEP10_CONTINUE);
    PumpEvents();

    auto* skills = dynamic_cast<SkillFrame*>(VOLDFrames[kSlotSkills].Live());
    ASSERT_NE(skills, nullptr);
    SelectRow(ListOf(skills, ID_SKILLS_CATALOGUE), "Dagger");
    Click(skills, ID_SKILLS_ADD);
    prompts->ExpectMessage(); // the cash-in
    SelectMenu(skills, ID_SKILLS_MENU_CONTINUE);
    PumpEvents();

    auto* alignment = dynamic_cast<AlignmentStep*>(VOLDFrames[kSlotAlignment].Live());
    ASSERT_NE(alignment, nullptr);
    dice::QueueFaces({5});
    prompts->ExpectText("Wren");
    Click(alignment, ID_ALIGNMENT_CONTINUE);
    PumpEvents();

    auto* equipment = dynamic_cast<EquipFrame*>(VOLDFrames[kSlotEquipment].Live());
    ASSERT_NE(equipment, nullptr);
    SelectRow(ListOf(equipment, ID_EQUIP_CATALOGUE), "Dagger");
    Click(equipment, ID_EQUIP_ADD);
    equipment->Close();
    PumpEvents();

    EXPECT_EQ(prompts->Pending(), 0u);

    const Character_Class& pc = current_character;
    EXPECT_EQ(program_data.WizardState, kWizardNone);
    EXPECT_EQ(program_data.BuildingPoints, 0.0f);
    EXPECT_EQ(pc.CLASS_LONG_NAME, "Thief");
    EXPECT_EQ(pc.AGE, 22);
    EXPECT_EQ(pc.HONOR_BASE, 14);
    EXPECT_EQ(pc.ALIGNMENT, "Lawful Neutral");
    EXPECT_EQ(pc.HIT_POINTS, 6 + 5);
    EXPECT_EQ(pc.CHARACTER_NAME, "Wren");
    EXPECT_EQ(pc.PROF_SLOTS, 1);
    // 63 gold rolled, 22 BP cashed in for 550, a dagger bought for 25 silver.
    EXPECT_EQ((std::vector<int32_t>{pc.GOLDCOINS, pc.SILVERCOINS, pc.COPPERCOINS}),
              (std::vector<int32_t>{610, 5, 0}));
    ASSERT_NE(ClassDataItem::First(), nullptr);
    EXPECT_EQ(ClassDataItem::First()->CLASS_HITPOINTS[0], 6);
    EXPECT_EQ(ClassDataItem::First()->CLASS_HITPOINTS[1], 5);
    EXPECT_EQ(ClassDataItem::First()->CLASS_PICK_POCKETS[1], 30);
    ASSERT_NE(ProfDataItem::First(), nullptr);
    EXPECT_EQ(ProfDataItem::First()->name, "Dagger");
    Lines items;
    for (const EquipDataItem* item = EquipDataItem::First(); item; item = item->pNext.get())
        items.push_back(item->name + " x" + std::to_string(item->value));
    EXPECT_EQ(items, (Lines{"Starting Clothes x1", "Dagger x1"}));
    EXPECT_FALSE(VOLDFrames[kSlotAlignment].IsSet());
    EXPECT_FALSE(VOLDFrames[kSlotEquipment].IsSet());

    Lines branches;
    for (TreeItem item = CurrentTree()->GetFirstChild(CurrentTree()->GetRootItem()); item.IsOk();
         item = CurrentTree()->GetNextSibling(item))
        branches.push_back(CurrentTree()->GetItemText(item));
    EXPECT_EQ(branches, (Lines{"Ability Scores", "Racial Data", "Prior and Particulars", "Class Data",
                               "Skills", "Proficiencies", "Equipment"}));
    const std::string tree = TreeOutline(CurrentTree());
    EXPECT_NE(
        tree.find(
            "Proficiencies\n  Dagger\n    Basic\nEquipment\n  Starting Clothes\n    1\n  Dagger\n    1\n"),
        std::string::npos)
        << tree;
    EXPECT_NE(tree.find("  Thief\n    Level\n      1\n    Pick Pockets\n      45\n"), std::string::npos)
        << tree;

    const Lines lines = LogLines();
    ASSERT_GE(lines.size(), classPickLine);
    EXPECT_EQ(
        Lines(lines.begin() + static_cast<long>(classPickLine), lines.end()),
        (Lines{"BP=20.0   | Selecting a Class: Class=Thief, BP Bonus=2",
               "BP=22.0   | Adjusting Ability Scores with BP's STR=12/50 (0 BP) DEX=14/50 (0 BP) CON=9/50 (0 "
               "BP) "
               "INT=13/50 (0 BP) WIS=10/50 (0 BP) CHR=11/50 (0 BP) COM=15/50 (0 BP)",
               "BP=22.0   | entering movement",
               "BP=22.0   | Pick Pockets 15 +30 = 45",
               "BP=22.0   | Open Locks 10 +0 = 10",
               "BP=22.0   | Find Traps 5 +0 = 5",
               "BP=22.0   | Remove Traps 5 +0 = 5",
               "BP=22.0   | Move Silently 10 +0 = 10",
               "BP=22.0   | Hide in Shadows 5 +0 = 5",
               "BP=22.0   | Detect Noise 15 +0 = 15",
               "BP=22.0   | Climb Walls 65 +30 = 95",
               "BP=22.0   | Read Languages 0 +0 = 0",
               "BP=22.0   | Rolling for starting age (adjusted by class) (18+1d6): rolled 4",
               "BP=22.0   | Rolling for starting gold (1d100 + -1(Class Modifier) + 0(Prior & Particular "
               "Modifier) + 0(0 BP spent)): rolled 49",
               "BP=22.0   | Base Honor: 12",
               "BP=22.0   | Acquiring Honor adjustment from Social Class: Middle Middle Class +0",
               "BP=22.0   | Modifier for Honorable Family Heritage to Honor: +2",
               "BP=22.0   | Acquiring Honor adjustment from Charisma 11/50:  +0",
               "BP=23.0   | Acquiring BP adjustment based on Honor of 14: +1",
               "BP=23.0   | Average Honor d3",
               "BP=23.0   | Your starting Honor is 14",
               "BP=22.0   | Purchasing Proficieny Dagger for 1 BP",
               "BP=0.0    | Alignment = Lawful Neutral",
               "BP=0.0    | Rolling 1d6+0 for hit points: 5",
               "BP=0.0    | Purchasing Dagger for 25 Silver"}));

    // The creation is over: "&New Character" starts the next one from a reset record.
    SelectMenu(main_, ID_MAIN_NEW);
    EXPECT_NE(dynamic_cast<FrameStep3*>(VOLDFrames[kSlotStep3].Live()), nullptr);
    EXPECT_EQ(program_data.WizardState, kWizardAbilities);
    EXPECT_EQ(ProfDataItem::First(), nullptr);
    EXPECT_EQ(current_character.CHARACTER_NAME, "");
}

} // namespace
