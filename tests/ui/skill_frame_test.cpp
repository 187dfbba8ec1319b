// The skills, talents and proficiencies window on the sample catalogues, driven through its event table.
#include <gtest/gtest.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>

#include "app/app_globals.h"
#include "app/character.h"
#include "app/program_data.h"
#include "steps/skill_frame.h"
#include "support/log_lines.h"
#include "support/tree_outline.h"
#include "ui/shop_window_support.h"
#include "ui/tree_model.h"
#include "ui/ui_test_support.h"

namespace {

class SkillFrameTest : public SampleShopTest {
protected:
    const std::vector<std::string> thiefWeapons_ = {"Brawling", "Crossbow, Light", "Dagger",
                                                    "Shortbow", "Shortsword",      "Sling"};
};

TEST_F(SkillFrameTest, TheCreationHasMenuStatusBarAndPoolAndTheEditorHasNone) {
    for (WizardStep state : {kWizardSkills, kWizardNone}) {
        SCOPED_TRACE(state);
        program_data.WizardState = state;
        SkillFrame* frame = OpenSkillFrame();
        EXPECT_EQ(VOLDFrames[kSlotSkills].Live(), frame);
        EXPECT_EQ(frame->GetTitle(), "Character Creation: Skills Talents & Proficiencies");
        const bool creation = state > kWizardNone;
        EXPECT_EQ(frame->GetMenuBar() != nullptr, creation);
        EXPECT_EQ(frame->GetStatusBar() != nullptr, creation);
        if (creation) {
            EXPECT_EQ(frame->GetMenuBar()->GetMenuLabelText(0), "Menu");
            EXPECT_NE(frame->GetMenuBar()->FindItem(ID_SKILLS_MENU_CONTINUE), nullptr);
            EXPECT_NE(frame->GetMenuBar()->FindItem(ID_SKILLS_MENU_ABORT), nullptr);
            EXPECT_EQ(frame->GetStatusBar()->GetFieldsCount(), 3);
        }
        EXPECT_EQ(BoxText(frame, ID_SKILLS_BP_DISPLAY), creation ? "7.5   " : "(none)");
        EXPECT_EQ(frame->FindWindow(ID_SKILLS_BP_LABEL) != nullptr, creation);
        EXPECT_EQ(BoxText(frame, ID_SKILLS_SLOT_DISPLAY), "2");

        wxComboBox* kind = ComboOf(frame, ID_SKILLS_KIND);
        ASSERT_NE(kind, nullptr);
        std::vector<std::string> kinds;
        for (const wxString& item : kind->GetStrings())
            kinds.push_back(item.utf8_string());
        EXPECT_EQ(kinds, (std::vector<std::string>{"Proficiencies", "Skills", "Talents"}));
        EXPECT_EQ(kind->GetValue(), "Proficiencies");
        EXPECT_EQ(frame->FindWindow(ID_SKILLS_FILTER), nullptr);
        wxListCtrl* catalogue = ListOf(frame, ID_SKILLS_CATALOGUE);
        EXPECT_EQ(ColumnTitles(catalogue), (std::vector<std::string>{"Weapon Proficiency", "Type"}));
        EXPECT_EQ(ColumnTexts(catalogue), thiefWeapons_);
        EXPECT_EQ(ColumnTexts(catalogue, 1)[0], "Punching/Wrestling");
        frame->Close(true);
        PumpEvents();
        EXPECT_FALSE(VOLDFrames[kSlotSkills].IsSet());
    }
}

TEST_F(SkillFrameTest, TheSkillFilterComesWithSkillsListsAGroupAndGoesWithTalents) {
    SkillFrame* frame = OpenSkillFrame();
    PickComboItem(ComboOf(frame, ID_SKILLS_KIND), "Skills");
    wxComboBox* filter = ComboOf(frame, ID_SKILLS_FILTER);
    ASSERT_NE(filter, nullptr);
    EXPECT_NE(frame->FindWindow(ID_SKILLS_FILTER_LABEL), nullptr);
    EXPECT_EQ(filter->GetCount(), 13u);
    EXPECT_EQ(filter->GetValue(), "All Skills");
    wxListCtrl* catalogue = ListOf(frame, ID_SKILLS_CATALOGUE);
    EXPECT_EQ(ColumnTitles(catalogue),
              (std::vector<std::string>{"Skill", "Cost", "Base", "Page", "Course Die", "Prereqs"}));
    // Glyph Warding and Lock Mechanisms belong to books that are not enabled.
    EXPECT_EQ(
        ColumnTexts(catalogue),
        (std::vector<std::string>{"Arcane Glyphs", "Boar Calling", "Haggling", "Knot Tying",
                                  "Language, Ancient", "Ledger Keeping", "Reed Pipes", "Shield Wall Drill",
                                  "Smithing Tools", "Wayfarer Suite", "Woodcarving"}));

    PickComboItem(filter, "Skills: Academia");
    EXPECT_EQ(RowTexts(catalogue), (std::vector<std::vector<std::string>>{
                                       {"Ledger Keeping", "3.0    BP", "INT", "p. 18", "1d6", ""}}));

    PickComboItem(ComboOf(frame, ID_SKILLS_KIND), "Talents");
    EXPECT_EQ(frame->FindWindow(ID_SKILLS_FILTER), nullptr);
    EXPECT_EQ(frame->FindWindow(ID_SKILLS_FILTER_LABEL), nullptr);
    EXPECT_EQ(ColumnTitles(catalogue), (std::vector<std::string>{"Talent", "Cost", "Page"}));
    EXPECT_FALSE(ColumnTexts(catalogue).empty());
    for (const std::string& talent : ColumnTexts(catalogue))
        EXPECT_NE(talent, "Moss Mending") << "its book is not enabled";
}

TEST_F(SkillFrameTest, APurchaseRefreshesTheOwnedListAndDisplaysAndKeepsTheCatalogueList) {
    SkillFrame* frame = OpenSkillFrame();
    wxListCtrl* catalogue = ListOf(frame, ID_SKILLS_CATALOGUE);
    wxListCtrl* owned = ListOf(frame, ID_SKILLS_OWNED);
    const long dagger = SelectRow(catalogue, "Dagger");
    Click(frame, ID_SKILLS_ADD);
    EXPECT_EQ(ColumnTexts(catalogue), thiefWeapons_);
    EXPECT_EQ(SelectedRow(catalogue), dagger);
    EXPECT_EQ(ColumnTitles(owned), (std::vector<std::string>{"Name", "Value", "Type"}));
    EXPECT_EQ(RowTexts(owned), (std::vector<std::vector<std::string>>{{"Dagger", "Basic", "Proficiency"}}));
    EXPECT_EQ(BoxText(frame, ID_SKILLS_BP_DISPLAY), "6.5   ");
    EXPECT_EQ(BoxText(frame, ID_SKILLS_SLOT_DISPLAY), "1");

    SelectRow(catalogue, "Sling");
    Click(frame, ID_SKILLS_ADD);
    PickComboItem(ComboOf(frame, ID_SKILLS_KIND), "Talents");
    SelectRow(catalogue, "Tireless");
    Click(frame, ID_SKILLS_ADD);
    EXPECT_EQ(ColumnTexts(owned), (std::vector<std::string>{"Sling", "Dagger", "Tireless"}));
    EXPECT_EQ(BoxText(frame, ID_SKILLS_BP_DISPLAY), "0.5   ");

    // Remove takes the selected owned row; with none selected nothing is refunded.
    Click(frame, ID_SKILLS_REMOVE);
    EXPECT_EQ(owned->GetItemCount(), 3);
    SelectRow(owned, "Dagger");
    Click(frame, ID_SKILLS_REMOVE);
    EXPECT_EQ(ColumnTexts(owned), (std::vector<std::string>{"Sling", "Tireless"}));
    EXPECT_EQ(BoxText(frame, ID_SKILLS_SLOT_DISPLAY), "1");
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"BP=6.5    | Purchasing Proficieny Dagger for 1 BP",
                                                    "BP=5.5    | Purchasing Proficieny Sling for 1 BP",
                                                    "BP=0.5    | Purchasing Talent Tireless for 5 BP",
                                                    "BP=1.5    | Removing Dagger for 1 BP"}));
}

TEST_F(SkillFrameTest, ActivatingATalentRowShowsItsDescriptionAndASkillRowNothing) {
    SkillFrame* frame = OpenSkillFrame();
    wxListCtrl* catalogue = ListOf(frame, ID_SKILLS_CATALOGUE);
    PickComboItem(ComboOf(frame, ID_SKILLS_KIND), "Skills");
    ActivateRow(catalogue, SelectRow(catalogue, "Haggling"));
    EXPECT_TRUE(prompter_->Asked().empty());

    PickComboItem(ComboOf(frame, ID_SKILLS_KIND), "Talents");
    prompter_->ExpectMessage();
    ActivateRow(catalogue, SelectRow(catalogue, "Tireless"));
    ASSERT_EQ(prompter_->Asked().size(), 1u);
    EXPECT_EQ(prompter_->Asked()[0].caption, "Tireless");
    EXPECT_EQ(prompter_->Asked()[0].message,
              "The character marches two hours longer before fatigue sets in. "
              "Taken twice, the character also needs only four hours of sleep.");
}

TEST_F(SkillFrameTest, AbortKeepsThePurchasesEndsTheCreationAndFreesTheSlot) {
    SkillFrame* frame = OpenSkillFrame();
    SelectRow(ListOf(frame, ID_SKILLS_CATALOGUE), "Dagger");
    Click(frame, ID_SKILLS_ADD);
    SelectMenu(frame, ID_SKILLS_MENU_ABORT);
    EXPECT_EQ(program_data.WizardState, kWizardNone);
    PumpEvents();
    EXPECT_FALSE(VOLDFrames[kSlotSkills].IsSet());
    ASSERT_NE(ProfDataItem::First(), nullptr);
    EXPECT_EQ(ProfDataItem::First()->name, "Dagger");
    // The destructor pushed the owned lists.
    EXPECT_NE(TreeOutline(CurrentTree()).find("Proficiencies\n  Dagger\n    Basic\n"), std::string::npos)
        << TreeOutline(CurrentTree());
}

} // namespace
