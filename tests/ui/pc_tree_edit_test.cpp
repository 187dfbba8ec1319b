// Right-click editing in the tree window, driven through the window's event table.
#include <gtest/gtest.h>
#include <wx/toplevel.h>
#include <wx/treectrl.h>

#include "app/app_globals.h"
#include "app/character.h"
#include "app/program_data.h"
#include "steps/equip_frame.h"
#include "steps/skill_frame.h"
#include "support/reset_globals.h"
#include "support/scripted_prompter.h"
#include "support/tree_outline.h"
#include "ui/pc_tree_frame.h"
#include "ui/tree_model.h"
#include "ui/ui_test_support.h"
#include "ui/wx_tree_model.h"

namespace {

class PCTreeEditTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        UpdateTreeBranch("Prior and Particulars", {"Age", "Handeness"}, {"40 years", "Right"}, 2);
        UpdateTreeBranch("Skills", {"Climbing"}, {"45"}, 1);
        UpdateTreeBranch("Equipment", {"Rope"}, {"1"}, 1);
        ASSERT_TRUE(theTree);
        current_character.AGE = 40;
        current_character.HANDEDNESS = "Right";
    }

    static wxTreeItemId Item(const std::string& name) {
        TreeItem found;
        Search(*CurrentTree(), name, found, CurrentTree()->GetRootItem());
        EXPECT_TRUE(found.IsOk()) << name;
        return ToWxItem(found);
    }

    // Sends the right click on `clicked` (the item under the mouse) with `selected` selected, as the
    // control would; an invalid `selected` leaves nothing selected.
    static void RightClick(const wxTreeItemId& selected, const wxTreeItemId& clicked) {
        if (selected.IsOk())
            theTree->SelectItem(selected);
        else
            theTree->UnselectAll();
        wxTreeEvent event(wxEVT_TREE_ITEM_RIGHT_CLICK, theTree.get(), clicked);
        theTree->GetEventHandler()->ProcessEvent(event);
    }
    static void RightClick(const std::string& name) { RightClick(Item(name), Item(name)); }

    ScopedPrompter prompter_;
};

TEST_F(PCTreeEditTest, AnAcceptedAnswerChangesTheRecordAndTheLabelsValue) {
    prompter_->ExpectText("030");
    RightClick("Age");
    EXPECT_EQ(current_character.AGE, 30);
    ASSERT_EQ(prompter_->Asked().size(), 1u);
    EXPECT_EQ(prompter_->Asked()[0].caption, "Enter Age");
    EXPECT_EQ(prompter_->Asked()[0].message, "Character Editing: Age");
    EXPECT_EQ(TreeOutline(CurrentTree()),
              "Prior and Particulars\n  Age\n    030 years\n  Handeness\n    Right\n"
              "Skills\n  Climbing\n    45\n"
              "Equipment\n  Rope\n    1\n");
}

TEST_F(PCTreeEditTest, TheSelectedItemIsEditedNotTheOneUnderTheMouse) {
    prompter_->ExpectText("Ambidextrous");
    RightClick(Item("Handeness"), Item("Age"));
    EXPECT_EQ(current_character.HANDEDNESS, "Ambidextrous");
    EXPECT_EQ(current_character.AGE, 40);
}

TEST_F(PCTreeEditTest, NothingHappensWithAStepOpenOrWithNoLabelSelected) {
    const std::string before = TreeOutline(CurrentTree());
    const size_t windows = wxTopLevelWindows.size();
    for (WizardStep state : {kWizardFighterRolled, kWizardClass}) {
        program_data.WizardState = state;
        for (const char* name : {"Age", "Handeness", "Skills", "Equipment"}) {
            SCOPED_TRACE(name);
            RightClick(name);
        }
    }
    program_data.WizardState = kWizardNone;
    RightClick(Item("40 years"), Item("40 years")); // a value item
    RightClick(wxTreeItemId(), Item("Age"));        // nothing selected

    EXPECT_TRUE(prompter_->Asked().empty());
    EXPECT_EQ(TreeOutline(CurrentTree()), before);
    EXPECT_EQ(current_character.AGE, 40);
    EXPECT_EQ(wxTopLevelWindows.size(), windows);
    EXPECT_FALSE(VOLDFrames[kSlotSkills].IsSet());
    EXPECT_FALSE(VOLDFrames[kSlotEquipment].IsSet());
}

TEST_F(PCTreeEditTest, TheSpendingBranchesOpenTheirWindowsOnlyWhileTheirSlotsAreEmpty) {
    UpdateTreeBranch("Talents", {"Tireless"}, {""}, 1);
    UpdateTreeBranch("Proficiencies", {"Dagger"}, {"Basic"}, 1);
    for (const char* branch : {"Skills", "Talents", "Proficiencies"}) {
        SCOPED_TRACE(branch);
        RightClick(branch);
        auto* skills = dynamic_cast<SkillFrame*>(VOLDFrames[kSlotSkills].Live());
        ASSERT_NE(skills, nullptr);
        EXPECT_EQ(skills->GetMenuBar(), nullptr) << "opened for editing";
        RightClick("Skills"); // while it is open, no second window
        EXPECT_EQ(VOLDFrames[kSlotSkills].Live(), skills);
        skills->Close(true);
        PumpEvents();
        EXPECT_FALSE(VOLDFrames[kSlotSkills].IsSet());
    }
    RightClick("Equipment");
    auto* equipment = dynamic_cast<EquipFrame*>(VOLDFrames[kSlotEquipment].Live());
    ASSERT_NE(equipment, nullptr);
    EXPECT_EQ(equipment->GetTitle(), "Character Creation: Purchase Equipment");
    RightClick("Equipment");
    EXPECT_EQ(VOLDFrames[kSlotEquipment].Live(), equipment);

    // A slot still set by a window left through its Continue opens nothing.
    wxFrame gone;
    VOLDFrames[kSlotSkills] = &gone;
    RightClick("Talents");
    EXPECT_EQ(VOLDFrames[kSlotSkills].Live(), &gone);
    VOLDFrames[kSlotSkills].Clear();
    EXPECT_TRUE(prompter_->Asked().empty());
}

TEST_F(PCTreeEditTest, ARefusedAnswerLeavesRecordAndTreeAsTheyWere) {
    const std::string before = TreeOutline(CurrentTree());
    prompter_->ExpectText("99999999999");
    RightClick("Age");
    prompter_->ExpectText("left");
    RightClick("Handeness");
    prompter_->ExpectTextCancel();
    RightClick("Handeness");
    EXPECT_EQ(prompter_->Asked().size(), 3u);
    EXPECT_EQ(current_character.AGE, 40);
    EXPECT_EQ(current_character.HANDEDNESS, "Right");
    EXPECT_EQ(TreeOutline(CurrentTree()), before);
}

} // namespace
