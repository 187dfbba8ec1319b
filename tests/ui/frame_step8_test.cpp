#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

#include "app/app_globals.h"
#include "app/character.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "catalog/catalogues.h"
#include "catalog/class_catalog.h"
#include "catalog/race_catalog.h"
#include "quirks/cherry_step7.h"
#include "quirks/frame_step7.h"
#include "quirks/quirk_flaw.h"
#include "steps/frame_step10.h"
#include "steps/frame_step8.h"
#include "steps/thief_skills_frame.h"
#include "support/catalog_files.h"
#include "support/class_items.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/tree_outline.h"
#include "ui/tree_model.h"
#include "ui/ui_test_support.h"

namespace {

// The class step on the sample catalogue, for a human man with 5 BP.
class FrameStep8Test : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        std::filesystem::copy(SampleCatalogs(), dir_.path(), std::filesystem::copy_options::recursive);
        LoadCatalogues();
        program_data.LogFileName = "8.log";
        BooksToUse[kBookCore] = 1;
        for (CharacterRace* race = CharacterRace::First(); race; race = race->pNext.get())
            if (race->NAME == "Human" && race->SEX == "Male")
                current_character.pRace = race;
        ASSERT_NE(current_character.pRace, nullptr);
        // DEX 8/90 misses the thief's 9.00 by one BP; INT 9/10 just makes the mage's 9.00.
        current_character.ABILITY_BASE = {12, 8, 10, 9, 10, 11, 10};
        current_character.ABILITY_PERC = {40, 90, 50, 10, 50, 50, 50};
        current_character.SOCIAL_ID = 5;
        program_data.BuildingPoints = 5.0f;
        program_data.WizardState = kWizardClass;
    }
    void TearDown() override {
        CloseAllWindows();
        GlobalsTest::TearDown();
    }

    FrameStep8* Open() {
        step_ = new FrameStep8(nullptr, "Character Creation: Quirks and Flaws", wxDefaultPosition,
                               wxSize(470, 280));
        VOLDFrames[kSlotStep8] = step_;
        step_->Show(true);
        return step_;
    }

    std::string Text(int id) const { return Control<wxTextCtrl>(step_, id)->GetValue().ToStdString(); }
    wxListBox* Classes() const { return Control<wxListBox>(step_, ID_STEP8_CLASS_LIST); }
    std::vector<std::string> Values() const {
        std::vector<std::string> values;
        for (int i = 0; i < 7; ++i)
            values.push_back(Text(ID_STEP8_VALUE_STR + i));
        return values;
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> entries;
        for (int i = 0; i < 7; ++i)
            entries.push_back(Text(ID_STEP8_BP_STR + i));
        return entries;
    }
    std::vector<std::string> ClassRows() const { return ListRows(Classes()); }
    void Type(const std::vector<std::string>& amounts) {
        for (size_t i = 0; i < amounts.size(); ++i)
            Control<wxTextCtrl>(step_, ID_STEP8_BP_STR + static_cast<int>(i))->ChangeValue(amounts[i]);
    }
    void PickRow(const std::string& text) { PickListRow(Classes(), text); }

    ScopedTempDir dir_;
    FrameStep8* step_ = nullptr;
};

const std::vector<std::string> kStoredValues = {"12/40", "8/90", "10/50", "9/10", "10/50", "11/50", "10/50"};
const std::vector<std::string> kEmpty(7, "");

TEST_F(FrameStep8Test, ANewWindowShowsTheStoredAbilitiesThePoolAndTheClasses) {
    auto quirk = std::make_unique<QuirkDataItem>();
    quirk->name = "Nervous Laugh";
    quirk->value = 1;
    current_character.QUIRKANDFLAW_SECTION.AddTail(std::move(quirk));
    Open();
    EXPECT_EQ(step_->GetTitle(), "Character Creation: Quirks and Flaws");
    EXPECT_EQ(Values(), kStoredValues);
    EXPECT_EQ(Entries(), kEmpty);
    EXPECT_EQ(Text(ID_STEP8_BP_LEFT), "5  ");
    // The book of the hedge warden is not enabled; the thief needs DEX 9.
    EXPECT_EQ(ClassRows(), (std::vector<std::string>{"Cleric", "Fighter", "Mage"}));
    EXPECT_EQ(Classes()->GetSelection(), wxNOT_FOUND);
    EXPECT_NE(TreeOutline(CurrentTree()).find("Quirks and Flaws\n  Nervous Laugh\n"), std::string::npos)
        << TreeOutline(CurrentTree());
    EXPECT_TRUE(LogLines().empty());
    EXPECT_EQ(program_data.WizardState, kWizardClass);
    EXPECT_EQ(step_->GetMenuBar(), nullptr) << "the step has no menu";
}

TEST_F(FrameStep8Test, ControlsCarryTheirIdsTextsAndEachIdOnce) {
    Open();
    const char* names[] = {"Strength", "Wisdom", "Comeliness"};
    EXPECT_EQ(Control<wxStaticText>(step_, 10052)->GetLabel(), names[0]);
    EXPECT_EQ(Control<wxStaticText>(step_, 10056)->GetLabel(), names[1]);
    EXPECT_EQ(Control<wxStaticText>(step_, 10058)->GetLabel(), names[2]);
    EXPECT_EQ(Control<wxStaticText>(step_, 10059)->GetLabel(), "Building Points");
    EXPECT_EQ(Control<wxButton>(step_, 10017)->GetLabel(), "Apply BP Adjustments");
    EXPECT_EQ(Control<wxButton>(step_, 10018)->GetLabel(), "Continue");
    EXPECT_TRUE(Classes()->HasFlag(wxLB_HSCROLL));
    for (int id = 101; id <= 107; ++id)
        EXPECT_NE(Control<wxTextCtrl>(step_, id), nullptr);
    for (int id = 121; id <= 127; ++id)
        EXPECT_NE(Control<wxTextCtrl>(step_, id), nullptr);

    std::map<int, int> uses;
    for (wxWindow* child : step_->GetChildren())
        ++uses[child->GetId()];
    for (const auto& [id, count] : uses)
        EXPECT_EQ(count, 1) << "id " << id << " is used by " << count << " controls";
    EXPECT_EQ(uses.size(), 26u);
}

TEST_F(FrameStep8Test, AnAcceptedApplyPreviewsTheAbilitiesAndTheClassesButStoresNothing) {
    Open();
    PickRow("Fighter");
    ASSERT_NE(current_character.pClass, nullptr);
    Type({"", "1", "", "-1", "", "", "4"});
    Click(step_, ID_STEP8_APPLY);

    EXPECT_EQ(Values(),
              (std::vector<std::string>{"12/40", "9/15", "10/50", "8/85", "10/50", "11/50", "11/50"}));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"", "1", "", "-1", "", "", "4"}))
        << "the typed amounts stay";
    EXPECT_EQ(Text(ID_STEP8_BP_LEFT), "1  ");
    EXPECT_EQ(ClassRows(), (std::vector<std::string>{"Cleric", "Fighter/Thief", "Fighter", "Thief"}))
        << "the thief comes in with DEX 9/15, the mage goes with INT 8/85";
    EXPECT_EQ(Classes()->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(current_character.pClass, nullptr);
    EXPECT_EQ(step_->SpentBP(), 4);

    EXPECT_EQ(current_character.ABILITY_BASE, (AbilityValues{12, 8, 10, 9, 10, 11, 10}));
    EXPECT_EQ(current_character.ABILITY_PERC, (AbilityValues{40, 90, 50, 10, 50, 50, 50}));
    EXPECT_EQ(program_data.BuildingPoints, 5.0f);
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1],
              "BP=5.0    | Adjusting Ability Scores with BP's STR=12/40 (0 BP) DEX=9/15 (1 BP) "
              "CON=10/50 (0 BP) INT=8/85 (-1 BP) WIS=10/50 (0 BP) CHR=11/50 (0 BP) COM=11/50 (4 BP)");

    // Pressing it again with the same amounts shows the same values.
    Click(step_, ID_STEP8_APPLY);
    EXPECT_EQ(Values()[1], "9/15");
    EXPECT_EQ(Text(ID_STEP8_BP_LEFT), "1  ");
}

TEST_F(FrameStep8Test, ARefusedApplyShowsTheShortfallAndTheStoredValues) {
    Open();
    Type({"1", "1", "", "", "", "", "4"});
    Click(step_, ID_STEP8_APPLY);
    EXPECT_EQ(Values(), kStoredValues);
    EXPECT_EQ(Entries(), kEmpty);
    EXPECT_EQ(Text(ID_STEP8_BP_LEFT), "-1 ");
    EXPECT_EQ(ClassRows(), (std::vector<std::string>{"Cleric", "Fighter", "Mage"}));
    EXPECT_TRUE(LogLines().empty());
    // The refused amounts are dropped, so nothing of them can be charged later.
    EXPECT_EQ(step_->SpentBP(), 0);
    EXPECT_EQ(step_->EnteredBP(), AbilityValues{});

    // A total equal to the pool is accepted and leaves 0.
    Type({"1", "", "", "", "", "", "4"});
    Click(step_, ID_STEP8_APPLY);
    EXPECT_EQ(Text(ID_STEP8_BP_LEFT), "0  ");
    EXPECT_EQ(Values()[0], "12/65");
}

TEST_F(FrameStep8Test, EachPickLogsOneLineAndAnEmptySelectionDoesNothing) {
    Open();
    Type({"", "1"});
    Click(step_, ID_STEP8_APPLY);
    PickRow("Thief");
    PickRow("Fighter/Thief");
    PickRow("Thief");
    CharacterClass* thief = current_character.pClass;
    ASSERT_NE(thief, nullptr);
    EXPECT_EQ(thief->NAME, "Thief");
    EXPECT_EQ(current_character.CLASS_LONG_NAME, "Thief");
    EXPECT_EQ(step_->ClassBonus(), 2);

    Classes()->SetSelection(wxNOT_FOUND);
    wxCommandEvent event(wxEVT_LISTBOX, ID_STEP8_CLASS_LIST);
    event.SetEventObject(Classes());
    Classes()->GetEventHandler()->ProcessEvent(event);
    EXPECT_EQ(current_character.pClass, thief);

    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], "BP=5.0    | Selecting a Class: Class=Thief, BP Bonus=2");
    EXPECT_EQ(lines[2], "BP=5.0    | Selecting a Class: Class=Fighter/Thief, BP Bonus=0");
    EXPECT_EQ(lines[3], "BP=5.0    | Selecting a Class: Class=Thief, BP Bonus=2");
}

TEST_F(FrameStep8Test, TheCloseBoxAndAbortEndTheCreationAndEmptyTheSlot) {
    Open();
    step_->Close();
    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardNone);
    EXPECT_FALSE(VOLDFrames[kSlotStep8].IsSet());

    program_data.WizardState = kWizardClass;
    Open();
    SelectMenu(step_, ID_STEP8_MENU_ABORT);
    EXPECT_TRUE(Closing(step_));
    EXPECT_EQ(program_data.WizardState, kWizardNone);
    PumpEvents();
    EXPECT_FALSE(VOLDFrames[kSlotStep8].IsSet());
}

std::vector<ThiefSkills*> ThiefWindows() {
    std::vector<ThiefSkills*> windows;
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* thief = dynamic_cast<ThiefSkills*>(window); thief && !Closing(thief))
            windows.push_back(thief);
    return windows;
}

TEST_F(FrameStep8Test, ContinueWithoutAPickDoesNothing) {
    Open();
    Click(step_, ID_STEP8_CONTINUE);
    PickRow("Fighter");
    Type({"1"});
    Click(step_, ID_STEP8_APPLY); // drops the pick
    SelectMenu(step_, ID_STEP8_MENU_CONTINUE);
    EXPECT_FALSE(Closing(step_));
    EXPECT_FALSE(step_->IsContinued());
    EXPECT_EQ(program_data.WizardState, kWizardClass);
    EXPECT_EQ(program_data.BuildingPoints, 5.0f);
    EXPECT_EQ(ClassDataItem::First(), nullptr);
    EXPECT_TRUE(ThiefWindows().empty());
}

TEST_F(FrameStep8Test, ContinueHandsTheClassOverAndOpensOneThiefWindowPerThiefClass) {
    Open();
    Type({"", "1", "", "-1"});
    Click(step_, ID_STEP8_APPLY);
    PickRow("Fighter/Thief");
    Click(step_, ID_STEP8_CONTINUE);
    EXPECT_TRUE(Closing(step_));
    EXPECT_EQ(program_data.WizardState, kWizardAgeAndMoney);
    EXPECT_EQ(current_character.ABILITY_BASE, (AbilityValues{12, 9, 10, 8, 10, 11, 10}));
    EXPECT_EQ(current_character.ABILITY_PERC, (AbilityValues{40, 15, 50, 85, 50, 50, 50}));
    EXPECT_EQ(program_data.BuildingPoints, 5.0f) << "1 BP spent, 1 given back, no bonus";
    EXPECT_EQ(current_character.LEVEL, 1);
    EXPECT_EQ(current_character.PROF_SLOTS, 3);
    EXPECT_EQ(ClassItemNames(), (std::vector<std::string>{"Fighter", "Thief"}));
    const std::vector<ThiefSkills*> windows = ThiefWindows();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0]->Record(), ClassDataItem::First()->pNext.get());
    EXPECT_EQ(windows[0]->GetTitle(), "Thief Skills");
    EXPECT_NE(TreeOutline(CurrentTree()).find("Class Data\n  Fighter\n"), std::string::npos);

    auto* next = dynamic_cast<FrameStep10*>(VOLDFrames[kSlotStep10].Live());
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->GetTitle(), "Character Creation: Age and Money");
    EXPECT_TRUE(next->IsShown());

    PumpEvents();
    EXPECT_FALSE(VOLDFrames[kSlotStep8].IsSet());
    EXPECT_EQ(program_data.WizardState, kWizardAgeAndMoney) << "a continued step leaves the creation running";
    EXPECT_EQ(ThiefWindows().size(), 1u);

    // With the age-and-money step open beside it, aborting the thief window leaves the creation running.
    Click(ThiefWindows().front(), ID_THIEF_ABORT);
    PumpEvents();
    EXPECT_TRUE(ThiefWindows().empty());
    EXPECT_EQ(program_data.WizardState, kWizardAgeAndMoney);
    EXPECT_EQ(VOLDFrames[kSlotStep10].Live(), next);
}

TEST_F(FrameStep8Test, AClassWithoutThiefSkillsOpensNoThiefWindowAndARefusedApplyCostsNothing) {
    Open();
    PickRow("Cleric");
    Type({"9"});
    Click(step_, ID_STEP8_APPLY); // refused: the pick stays dropped
    PickRow("Mage");
    Click(step_, ID_STEP8_CONTINUE);
    EXPECT_EQ(program_data.WizardState, kWizardAgeAndMoney);
    EXPECT_EQ(program_data.BuildingPoints, 5.0f);
    EXPECT_EQ(ClassItemNames(), std::vector<std::string>{"Mage"});
    EXPECT_TRUE(ThiefWindows().empty());
    EXPECT_NE(dynamic_cast<FrameStep10*>(VOLDFrames[kSlotStep10].Live()), nullptr);
    EXPECT_EQ(LogLines().at(2),
              "BP=5.0    | Adjusting Ability Scores with BP's STR=12/40 (0 BP) DEX=8/90 (0 BP) "
              "CON=10/50 (0 BP) INT=9/10 (0 BP) WIS=10/50 (0 BP) CHR=11/50 (0 BP) "
              "COM=10/50 (0 BP)");
}

TEST_F(FrameStep8Test, TheHandPickingContinueOpensTheClassStepInItsSlot) {
    SetQuirkFlawStructure();
    program_data.WizardState = kWizardQuirks;
    auto* quirks = new CherryStep7(nullptr, "Character Creation: Quirks and Flaws (Cherry Picking)",
                                   wxDefaultPosition, wxSize(550, 365));
    VOLDFrames[kSlotQuirks] = quirks;
    quirks->Show(true);
    SelectMenu(quirks, ID_CHERRY_MENU_CONTINUE);
    PumpEvents();

    auto* step = dynamic_cast<FrameStep8*>(VOLDFrames[kSlotStep8].Live());
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->GetTitle(), "Character Creation: Spend BP's to raise abilities");
    EXPECT_TRUE(step->IsShown());
    EXPECT_EQ(program_data.WizardState, kWizardClass);
    EXPECT_FALSE(VOLDFrames[kSlotQuirks].IsSet());
    step_ = step;
    EXPECT_EQ(ClassRows(), (std::vector<std::string>{"Cleric", "Fighter", "Mage"}));
}

TEST_F(FrameStep8Test, TheRandomQuirkStepsContinueOpensTheClassStepInItsSlot) {
    SetQuirkFlawStructure();
    current_character.QUIRK_COUNT[17] = 1;
    program_data.WizardState = kWizardChosenQuirkRolls;
    program_data.QuirkRollsOwed = 0;
    auto* rolls =
        new FrameStep7(nullptr, "Character Creation: Quirks and Flaws", wxDefaultPosition, wxSize(550, 550));
    VOLDFrames[kSlotQuirkRolls] = rolls;
    rolls->Show(true);
    SelectMenu(rolls, ID_STEP7_MENU_CONTINUE);
    PumpEvents();

    step_ = dynamic_cast<FrameStep8*>(VOLDFrames[kSlotStep8].Live());
    ASSERT_NE(step_, nullptr);
    EXPECT_EQ(step_->GetTitle(), "Character Creation: Quirks and Flaws");
    EXPECT_TRUE(step_->IsShown());
    EXPECT_EQ(program_data.WizardState, kWizardClass);
    EXPECT_FALSE(VOLDFrames[kSlotQuirkRolls].IsSet());
    EXPECT_EQ(ClassRows(), (std::vector<std::string>{"Cleric", "Fighter", "Mage"}));
    // The quirks held reach the tree as the class step opens.
    EXPECT_NE(TreeOutline(CurrentTree()).find("Quirks and Flaws\n"), std::string::npos);
}

// GTK reports a control given less than its minimum size on stderr, and then draws it clipped.
TEST_F(FrameStep8Test, TheStepAndItsThiefWindowOpenWithoutGtkWarnings) {
    testing::internal::CaptureStderr();
    Open();
    Type({"", "1"});
    Click(step_, ID_STEP8_APPLY);
    PickRow("Thief");
    Click(step_, ID_STEP8_CONTINUE);
    PumpEvents();
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(printed.find("Gtk-"), std::string::npos) << printed;
    EXPECT_EQ(ThiefWindows().size(), 1u);
}

TEST_F(FrameStep8Test, TwoThiefClassesGetTwoWindowsEachWritingItsOwnItem) {
    for (const char* name : {"Assassin", "Thief/Assassin"}) {
        auto c = std::make_unique<CharacterClass>();
        c->NAME = name;
        c->THIEF = 1;
        c->MINSTR = c->MINDEX = c->MINCON = c->MININT = c->MINWIS = c->MINCHA = c->MINCOM = 3.0f;
        c->MAXSTR = c->MAXDEX = c->MAXCON = c->MAXINT = c->MAXWIS = c->MAXCHA = c->MAXCOM = 99.0f;
        c->THIEFSKILLS = "Pick Pockets, Climb Walls";
        c->THIEFPOINTS[1] = 40;
        CharacterClass::AddTail(std::move(c));
    }
    current_character.pRace->LEVELLIMIT.push_back("Thief/Assassin=9");
    Open();
    Type({"", "1"});
    Click(step_, ID_STEP8_APPLY);
    PickRow("Thief/Assassin");
    Click(step_, ID_STEP8_CONTINUE);
    EXPECT_EQ(ClassItemNames(), (std::vector<std::string>{"Thief", "Assassin"}));
    const std::vector<ThiefSkills*> windows = ThiefWindows();
    ASSERT_EQ(windows.size(), 2u);
    ClassDataItem* thief = ClassDataItem::First();
    ClassDataItem* assassin = thief->pNext.get();
    ThiefSkills* assassinWindow = windows[0]->Record() == assassin ? windows[0] : windows[1];
    ASSERT_EQ(assassinWindow->Record(), assassin);

    // The assassin's window shows the assassin's base values and writes the assassin's item only.
    const int32_t base = assassin->CLASS_CLIMB_WALLS[0];
    auto* total = dynamic_cast<wxTextCtrl*>(assassinWindow->FindWindow(ID_THIEF_TOTAL_PP + 7));
    ASSERT_NE(total, nullptr);
    EXPECT_EQ(total->GetValue(), std::to_string(base));
    dynamic_cast<wxTextCtrl*>(assassinWindow->FindWindow(ID_THIEF_ENTRY_PP))->ChangeValue("15");
    dynamic_cast<wxTextCtrl*>(assassinWindow->FindWindow(ID_THIEF_ENTRY_PP + 7))->ChangeValue("25");
    Click(assassinWindow, ID_THIEF_CONTINUE);
    EXPECT_EQ(assassin->CLASS_PICK_POCKETS[1], 15);
    EXPECT_EQ(assassin->CLASS_CLIMB_WALLS[1], 25);
    EXPECT_EQ(thief->CLASS_PICK_POCKETS[1], 0);
    EXPECT_EQ(thief->CLASS_CLIMB_WALLS[1], 0);
    EXPECT_EQ(total->GetValue(), std::to_string(base + 25));
    PumpEvents();
    EXPECT_EQ(ThiefWindows().size(), 1u);
    EXPECT_EQ(program_data.WizardState, kWizardAgeAndMoney);
}

} // namespace
