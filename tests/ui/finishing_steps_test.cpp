// Leaving the purchase step, the alignment step and the equipment window, driven through their event tables.
#include <filesystem>
#include <gtest/gtest.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/treectrl.h>

#include "app/app_globals.h"
#include "app/character.h"
#include "app/dice.h"
#include "app/program_data.h"
#include "catalog/catalogues.h"
#include "steps/alignment_step.h"
#include "steps/equip_frame.h"
#include "steps/skill_frame.h"
#include "support/log_lines.h"
#include "support/tree_outline.h"
#include "ui/pc_tree_frame.h"
#include "ui/shop_window_support.h"
#include "ui/tree_model.h"
#include "ui/ui_test_support.h"
#include "ui/wx_tree_model.h"

namespace {

class FinishingStepsTest : public SampleShopTest {
protected:
    // Continues the purchase step opened in creation, answering the cash-in box (Cancel), if any.
    void ContinueSkills() {
        SkillFrame* skills = OpenSkillFrame();
        if (program_data.BuildingPoints > 0.0f)
            prompter_->ExpectMessage(wxCANCEL);
        SelectMenu(skills, ID_SKILLS_MENU_CONTINUE);
        PumpEvents();
    }

    // The right click of the tree window on its item `name`, as the control sends it.
    static void RightClickTree(const std::string& name) {
        TreeItem found;
        Search(*CurrentTree(), name, found, CurrentTree()->GetRootItem());
        ASSERT_TRUE(found.IsOk()) << name;
        theTree->SelectItem(ToWxItem(found));
        wxTreeEvent event(wxEVT_TREE_ITEM_RIGHT_CLICK, theTree.get(), ToWxItem(found));
        theTree->GetEventHandler()->ProcessEvent(event);
    }
};

TEST_F(FinishingStepsTest, ContinueCashesInAndAWiseCharacterChoosesAnAlignment) {
    current_character.ABILITY_BASE[4] = 6;
    ContinueSkills();
    EXPECT_EQ(current_character.GOLDCOINS, 287) << "100 + 7.5 x 25, the half dropped";
    EXPECT_EQ(program_data.BuildingPoints, 0.0f);
    ASSERT_EQ(prompter_->Asked().size(), 1u);
    EXPECT_EQ(prompter_->Asked()[0].message,
              "You started with 100 GP. Your 7.5 BPs have been cashed in. You now have 287 gold.");
    auto* alignment = dynamic_cast<AlignmentStep*>(VOLDFrames[kSlotAlignment].Live());
    ASSERT_NE(alignment, nullptr);
    EXPECT_EQ(alignment->GetTitle(), "Character Creation: Alignment");
    EXPECT_EQ(program_data.WizardState, kWizardSkillsDone);
    EXPECT_EQ(current_character.HIT_POINTS, 0);
    EXPECT_EQ(current_character.ALIGNMENT, "");
    EXPECT_FALSE(VOLDFrames[kSlotEquipment].IsSet());
    // The purchase window is gone but keeps its slot: the tree does not reopen it in this run.
    EXPECT_TRUE(VOLDFrames[kSlotSkills].IsSet());
    EXPECT_EQ(VOLDFrames[kSlotSkills].Live(), nullptr);

    wxComboBox* box = ComboOf(alignment, ID_ALIGNMENT_BOX);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->GetCount(), 8u);
    EXPECT_EQ(box->GetValue(), "Lawful Neutral");
}

TEST_F(FinishingStepsTest, AnUnwiseCharacterIsNeutralRollsHitPointsIsNamedAndBuysEquipment) {
    for (const char* name : {"Wren", ""}) {
        SCOPED_TRACE(name);
        ResetGlobals();
        SetUp();
        current_character.ABILITY_BASE[4] = 5;
        program_data.BuildingPoints = 0.0f; // nothing to cash in: no box
        dice::QueueFaces({4});
        std::filesystem::remove(program_data.LogFileName);
        SkillFrame* skills = OpenSkillFrame();
        if (*name)
            prompter_->ExpectText(name);
        else
            prompter_->ExpectTextCancel();
        SelectMenu(skills, ID_SKILLS_MENU_CONTINUE);
        PumpEvents();
        EXPECT_EQ(current_character.GOLDCOINS, 100);
        EXPECT_EQ(current_character.ALIGNMENT, "Neutral");
        EXPECT_EQ(current_character.HIT_POINTS, 6 + 4);
        EXPECT_EQ(current_character.CHARACTER_NAME, name);
        EXPECT_EQ(program_data.WizardState, kWizardEquipment);
        EXPECT_FALSE(VOLDFrames[kSlotAlignment].IsSet());
        auto* equipment = dynamic_cast<EquipFrame*>(VOLDFrames[kSlotEquipment].Live());
        ASSERT_NE(equipment, nullptr);
        EXPECT_EQ(equipment->GetTitle(), "Character Creation: Purchase Equipment");
        EXPECT_EQ(LogLines(), (std::vector<std::string>{"BP=0.0    | Alignment = Neutral",
                                                        "BP=0.0    | Rolling 1d6+0 for hit points: 4"}));
        CloseAllWindows();
    }
}

TEST_F(FinishingStepsTest, TheAlignmentStepTakesTheChoiceHalvesTwoClassesAndOpensTheEquipment) {
    AddClassRecord("Fighter");
    current_character.ABILITY_BASE[4] = 12;
    program_data.BuildingPoints = 0.0f;
    ContinueSkills();
    auto* alignment = dynamic_cast<AlignmentStep*>(VOLDFrames[kSlotAlignment].Live());
    ASSERT_NE(alignment, nullptr);
    PickComboItem(ComboOf(alignment, ID_ALIGNMENT_BOX), "Chaotic Good");
    dice::QueueFaces({5, 9});
    prompter_->ExpectText("Wren");
    Click(alignment, ID_ALIGNMENT_CONTINUE);
    PumpEvents();
    EXPECT_EQ(current_character.ALIGNMENT, "Chaotic Good");
    EXPECT_EQ(current_character.HIT_POINTS, (6 + 5 + 10 + 9) / 2);
    ASSERT_NE(ClassDataItem::First(), nullptr);
    EXPECT_EQ(ClassDataItem::First()->CLASS_HITPOINTS[0], 6);
    EXPECT_EQ(ClassDataItem::First()->CLASS_HITPOINTS[1], 5);
    EXPECT_EQ(current_character.CHARACTER_NAME, "Wren");
    EXPECT_EQ(program_data.WizardState, kWizardNone);
    EXPECT_FALSE(VOLDFrames[kSlotAlignment].IsSet());
    EXPECT_NE(dynamic_cast<EquipFrame*>(VOLDFrames[kSlotEquipment].Live()), nullptr);
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"BP=0.0    | Alignment = Chaotic Good",
                                                    "BP=0.0    | Rolling 1d6+0 for hit points: 5",
                                                    "BP=0.0    | Rolling 1d10+0 for hit points: 9"}));
}

TEST_F(FinishingStepsTest, ClosingTheAlignmentStepEndsTheCreation) {
    current_character.ABILITY_BASE[4] = 12;
    program_data.BuildingPoints = 0.0f;
    ContinueSkills();
    ASSERT_NE(VOLDFrames[kSlotAlignment].Live(), nullptr);
    VOLDFrames[kSlotAlignment].Live()->Close(true);
    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardNone);
    EXPECT_FALSE(VOLDFrames[kSlotAlignment].IsSet());
    EXPECT_FALSE(VOLDFrames[kSlotEquipment].IsSet());
    EXPECT_EQ(current_character.HIT_POINTS, 0);
}

TEST_F(FinishingStepsTest, SellingGoesOnFromTheSamePlaceInThePurchasedList) {
    current_character.GOLDCOINS = 10;
    program_data.BuildingPoints = 0.0f;
    EquipFrame* frame = OpenEquipFrame();
    wxListCtrl* catalogue = ListOf(frame, ID_EQUIP_CATALOGUE);
    wxListCtrl* purchased = ListOf(frame, ID_EQUIP_PURCHASED);
    EXPECT_EQ(ComboOf(frame, ID_EQUIP_FILTER)->GetValue(), "Weapons");
    EXPECT_EQ(ColumnTitles(catalogue), (std::vector<std::string>{"Name", "Cost", "Coin"}));
    EXPECT_EQ(RowTexts(catalogue)[0], (std::vector<std::string>{"Arrows (dozen)", "6", "Silver"}));
    const long dagger = SelectRow(catalogue, "Dagger");
    Click(frame, ID_EQUIP_ADD);
    SelectRow(catalogue, "Arrows (dozen)");
    Click(frame, ID_EQUIP_ADD);
    Click(frame, ID_EQUIP_ADD);
    EXPECT_NE(SelectedRow(catalogue), dagger) << "the catalogue list keeps the last selection";
    EXPECT_EQ(SelectedRow(purchased), -1);
    EXPECT_EQ(RowTexts(purchased), (std::vector<std::vector<std::string>>{{"Gold pieces", "6"},
                                                                          {"Silver pieces", "3"},
                                                                          {"Copper pieces", "0"},
                                                                          {"Starting Clothes", "x1"},
                                                                          {"Dagger", "x1"},
                                                                          {"Arrows (dozen)", "x2"}}));
    Click(frame, ID_EQUIP_REMOVE); // nothing selected: nothing sold
    EXPECT_EQ(purchased->GetItemCount(), 6);

    SelectRow(purchased, "Arrows (dozen)");
    Click(frame, ID_EQUIP_REMOVE);
    EXPECT_EQ(SelectedRow(purchased), 5);
    SelectRow(purchased, "Dagger");
    Click(frame, ID_EQUIP_REMOVE);
    EXPECT_EQ(purchased->GetItemText(4), "Arrows (dozen)");
    EXPECT_EQ(SelectedRow(purchased), 4) << "the row that moved up is selected";
    Click(frame, ID_EQUIP_REMOVE);
    EXPECT_EQ(purchased->GetItemCount(), 4);
    EXPECT_EQ(SelectedRow(purchased), -1);
    EXPECT_EQ(ColumnTexts(purchased, 1), (std::vector<std::string>{"10", "0", "0", "x1"}));
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"BP=0.0    | Purchasing Dagger for 25 Silver",
                                                    "BP=0.0    | Purchasing Arrows (dozen) for 6 Silver",
                                                    "BP=0.0    | Purchasing Arrows (dozen) for 6 Silver",
                                                    "BP=0.0    | Selling Arrows (dozen) for 6 Silver",
                                                    "BP=0.0    | Selling Dagger for 25 Silver",
                                                    "BP=0.0    | Selling Arrows (dozen) for 6 Silver"}));

    PickComboItem(ComboOf(frame, ID_EQUIP_FILTER), "Clothing");
    EXPECT_EQ(ColumnTexts(catalogue),
              (std::vector<std::string>{"Soft Boots", "Starting Clothes", "Traveling Cloak"}));
}

// A row shows a long name cut and an old file's Latin-1 name as UTF-8; either row still sells its own item
// (neither is in the catalogue, so each goes whole, for nothing).
TEST_F(FinishingStepsTest, ARowSellsItsOwnItemWhateverFormItsNameIsShownIn) {
    const std::string longName(300, 'L');
    const std::string latin1Name = "Jos\xe9's ring";
    for (const std::string& name : {longName, latin1Name}) {
        auto item = std::make_unique<EquipDataItem>();
        item->name = name;
        item->value = 1;
        current_character.EQUIPMENT_SECTION.AddTail(std::move(item));
    }
    program_data.BuildingPoints = 0.0f;
    EquipFrame* frame = OpenEquipFrame();
    wxListCtrl* purchased = ListOf(frame, ID_EQUIP_PURCHASED);
    ASSERT_EQ(purchased->GetItemCount(), 6);
    EXPECT_EQ(purchased->GetItemText(4), wxString(254, 'L') + wxString(L"\u2026"));
    EXPECT_EQ(purchased->GetItemText(5), wxString(L"Jos\u00e9's ring"));
    for (long row : {5, 4}) {
        SelectListCtrlRow(purchased, row);
        Click(frame, ID_EQUIP_REMOVE);
    }
    ASSERT_NE(EquipDataItem::First(), nullptr);
    EXPECT_EQ(EquipDataItem::First()->name, "Starting Clothes");
    EXPECT_EQ(EquipDataItem::First()->pNext, nullptr);
}

TEST_F(FinishingStepsTest, ACatalogueWithoutCategoriesStillOpens) {
    ClearCatalogues();
    std::filesystem::remove(dir_.path() / "Equipment" / "Categories_Equipment.qxf");
    LoadCatalogues();
    EquipFrame* frame = OpenEquipFrame();
    EXPECT_EQ(ComboOf(frame, ID_EQUIP_FILTER)->GetCount(), 0u);
    EXPECT_EQ(ColumnTexts(ListOf(frame, ID_EQUIP_CATALOGUE))[0], "Arrows (dozen)");
}

TEST_F(FinishingStepsTest, ClosingTheEquipmentEndsTheCreationPushesTheItemsAndTheTreeReopensIt) {
    program_data.WizardState = kWizardEquipment;
    EquipFrame* frame = OpenEquipFrame();
    SelectRow(ListOf(frame, ID_EQUIP_CATALOGUE), "Dagger");
    Click(frame, ID_EQUIP_ADD);
    frame->Close();
    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardNone);
    EXPECT_FALSE(VOLDFrames[kSlotEquipment].IsSet());
    EXPECT_NE(TreeOutline(CurrentTree()).find("Equipment\n  Starting Clothes\n    1\n  Dagger\n    1\n"),
              std::string::npos)
        << TreeOutline(CurrentTree());

    RightClickTree("Equipment");
    EXPECT_NE(dynamic_cast<EquipFrame*>(VOLDFrames[kSlotEquipment].Live()), nullptr);
}

TEST_F(FinishingStepsTest, AnEditingWindowClosedDuringANewCreationLeavesItRunning) {
    program_data.WizardState = kWizardNone;
    wxFrame* skills = OpenSkillFrame();
    wxFrame* equipment = OpenEquipFrame();
    program_data.WizardState = kWizardAbilities; // "&New Character" while both are open
    skills->Close(true);
    equipment->Close(true);
    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardAbilities);
    EXPECT_FALSE(VOLDFrames[kSlotSkills].IsSet());
    EXPECT_FALSE(VOLDFrames[kSlotEquipment].IsSet());
}

TEST_F(FinishingStepsTest, TheSpendingWindowsOpenWithoutGtkWarnings) {
    testing::internal::CaptureStderr();
    SkillFrame* skills = OpenSkillFrame();
    PickComboItem(ComboOf(skills, ID_SKILLS_KIND), "Skills");
    PumpEvents();
    auto* alignment =
        new AlignmentStep(nullptr, "Character Creation: Alignment", wxDefaultPosition, wxSize(200, 100));
    alignment->Show();
    OpenEquipFrame();
    PumpEvents();
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(printed.find("Gtk-"), std::string::npos) << printed;
}

} // namespace
