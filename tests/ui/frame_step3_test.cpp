#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/app_globals.h"
#include "app/character.h"
#include "app/dice.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "catalog/race_catalog.h"
#include "steps/frame_step3.h"
#include "support/ability_faces.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "ui/tree_model.h"
#include "ui/ui_test_support.h"

namespace {

class FrameStep3Test : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        CharacterRace::Clear();
        program_data.LogFileName = "9.log";
        BooksToUse[kBookCore] = 1;
    }
    void TearDown() override {
        CloseAllWindows();
        CharacterRace::Clear();
        GlobalsTest::TearDown();
    }

    CharacterRace& AddRace(const std::string& name, const std::string& sex, int32_t minStr = 3) {
        auto race = std::make_unique<CharacterRace>();
        race->NAME = name;
        race->SEX = sex;
        race->MOVE = 12;
        race->MINSTR = minStr;
        race->MINDEX = race->MINCON = race->MININT = race->MINWIS = race->MINCHA = race->MINCOM = 3;
        race->MAXSTR = race->MAXDEX = race->MAXCON = race->MAXINT = race->MAXWIS = race->MAXCHA =
            race->MAXCOM = 18;
        CharacterRace& added = *race;
        CharacterRace::AddTail(std::move(race));
        return added;
    }

    FrameStep3* Open() {
        program_data.WizardState = kWizardAbilities;
        step_ = new FrameStep3(nullptr, "Character Creation: Roll Ability Scores and choose race",
                               wxDefaultPosition, wxSize(500, 315));
        VOLDFrames[kSlotStep3] = step_;
        step_->Show(true);
        return step_;
    }

    void Roll(const Scores& scores, const Scores& fractions = {50, 50, 50, 50, 50, 50, 50}) {
        dice::QueueFaces(RollFaces(scores, fractions));
        Click(step_, ID_STEP3_ROLL);
        EXPECT_EQ(dice::QueuedFaces(), 0u);
    }

    std::string Text(int id) const { return Control<wxTextCtrl>(step_, id)->GetValue().ToStdString(); }
    std::string Label(int id) const { return Control<wxStaticText>(step_, id)->GetLabel().ToStdString(); }
    wxListBox* Races() const { return Control<wxListBox>(step_, ID_STEP3_RACE_LIST); }
    wxComboBox* Languages() const { return Control<wxComboBox>(step_, ID_STEP3_LANGUAGE); }

    std::vector<std::string> RaceRows() const { return ListRows(Races()); }
    void PickRow(int row) { PickListRow(Races(), row); }
    void PickRow(const std::string& text) { PickListRow(Races(), text); }

    std::array<std::string, 8> ShownModifiers() const {
        std::array<std::string, 8> shown;
        for (size_t i = 0; i < 7; ++i)
            shown[i] = Label(ID_STEP3_RACEMOD_STR + static_cast<int>(i));
        shown[7] = Label(ID_STEP3_RACE_BP);
        return shown;
    }

    ScopedTempDir dir_;
    FrameStep3* step_ = nullptr;
};

TEST_F(FrameStep3Test, ANewWindowShowsZerosAndEmptyRaceControls) {
    AddRace("Dwarf", "Male");
    Open();
    EXPECT_EQ(program_data.WizardState, kWizardAbilities);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(Text(ID_STEP3_SCORE_STR + i), "0");
        EXPECT_EQ(Text(ID_STEP3_FRACTION_STR + i), "0");
        EXPECT_EQ(Label(ID_STEP3_RACEMOD_STR + i), "");
    }
    EXPECT_EQ(Text(ID_STEP3_BP_BOX), "0");
    EXPECT_EQ(Label(ID_STEP3_RACE_BP), "");
    EXPECT_EQ(Races()->GetCount(), 0u);
    EXPECT_EQ(Languages()->GetCount(), 0u);
    EXPECT_EQ(Languages()->GetValue(), "");
    EXPECT_TRUE(LogLines().empty()) << "the constructor neither rolls nor logs";

    // No race is linked after a reset, so Continue hands nothing over.
    Click(step_, ID_STEP3_CONTINUE);
    EXPECT_FALSE(Closing(step_));
    EXPECT_EQ(program_data.WizardState, kWizardAbilities);
}

TEST_F(FrameStep3Test, ControlsCarryTheirIdsTextsAndEachIdOnce) {
    Open();
    struct Expected {
        int id;
        const char* text;
    };
    const Expected labels[] = {{10052, "Strength"},     {10053, "Dexterity"},      {10054, "Constitution"},
                               {10055, "Intelligence"}, {10056, "Wisdom"},         {10057, "Charisma"},
                               {10058, "Comeliness"},   {10059, "Building Points"}};
    for (const Expected& e : labels)
        EXPECT_EQ(Label(e.id), e.text);
    const Expected buttons[] = {
        {10017, "Roll"}, {10020, "Apply"}, {10018, "Adjust"}, {10019, "Burn"}, {10021, "Continue"}};
    for (const Expected& e : buttons)
        EXPECT_EQ(Control<wxButton>(step_, e.id)->GetLabel(), e.text);
    const Expected frames[] = {{10071, "+/-"}, {10072, "-2"}, {10073, "+1"}, {10074, "Burn"}};
    for (const Expected& e : frames)
        EXPECT_EQ(Control<wxStaticBox>(step_, e.id)->GetLabel(), e.text);
    for (int id = 10075; id <= 10093; ++id)
        EXPECT_NE(Control<wxRadioButton>(step_, id), nullptr);
    EXPECT_EQ(step_->FindWindow(10094), nullptr) << "Comeliness has no lowering or raising button";

    std::map<int, int> uses;
    for (wxWindow* child : step_->GetChildren())
        if (child->GetId() >= 0)
            ++uses[child->GetId()];
    for (const auto& [id, count] : uses)
        EXPECT_EQ(count, 1) << "id " << id << " is used by " << count << " controls";
    EXPECT_EQ(uses.size(), 61u + 1u) << "61 controls and the status bar";

    ExpectStepMenu(step_, {{10007, "&Roll", "Roll those dice!"},
                           {10012, "&Apply", "Override rolled numbers with numbers in boxes"},
                           {10004, "A&djust", "Adjust two abilities"},
                           {10005, "&Burn", "Burn an ability score for 2 BP"},
                           {10009, "&Continue", "Go on to the next step"},
                           {0, nullptr, nullptr},
                           {10008, "Ab&ort", "Abort character"}});
}

TEST_F(FrameStep3Test, EachRadioGroupKeepsItsOwnChoice) {
    Open();
    Click(step_, ID_STEP3_LOWER_STR + 1);
    Click(step_, ID_STEP3_RAISE_STR + 3);
    Click(step_, ID_STEP3_BURN_STR + 6);
    EXPECT_TRUE(Control<wxRadioButton>(step_, ID_STEP3_LOWER_STR + 1)->GetValue());
    EXPECT_TRUE(Control<wxRadioButton>(step_, ID_STEP3_RAISE_STR + 3)->GetValue());
    EXPECT_TRUE(Control<wxRadioButton>(step_, ID_STEP3_BURN_STR + 6)->GetValue());
    EXPECT_FALSE(Control<wxRadioButton>(step_, ID_STEP3_LOWER_STR)->GetValue());
    EXPECT_FALSE(Control<wxRadioButton>(step_, ID_STEP3_RAISE_STR)->GetValue());
    const AbilityChoice choice = step_->Choice();
    EXPECT_EQ(choice.LowerIndex, 1);
    EXPECT_EQ(choice.LowerFloor, 3);
    EXPECT_EQ(choice.RaiseIndex, 3);
    EXPECT_EQ(choice.BurnIndex, 6);
    EXPECT_EQ(choice.BurnFloor, 3);

    // Every one of the nineteen handlers, through its own button.
    for (int n = 1; n <= 19; ++n) {
        const int id = 10074 + n;
        AbilityChoice expected = step_->Choice();
        ChooseRadio(n, expected);
        Click(step_, id);
        const AbilityChoice got = step_->Choice();
        EXPECT_EQ(got.LowerIndex, expected.LowerIndex) << id;
        EXPECT_EQ(got.LowerFloor, expected.LowerFloor) << id;
        EXPECT_EQ(got.RaiseIndex, expected.RaiseIndex) << id;
        EXPECT_EQ(got.BurnIndex, expected.BurnIndex) << id;
        EXPECT_EQ(got.BurnFloor, expected.BurnFloor) << id;
    }
}

TEST_F(FrameStep3Test, RollFillsTheBoxesAndTheRaceList) {
    AddRace("Dwarf", "Male", 8);
    AddRace("Elf", "Female");
    AddRace("Elf", "Male");
    Open();
    Roll({7, 18, 3, 10, 11, 12, 13}, {1, 100, 3, 4, 5, 6, 7});
    const char* scores[] = {"7", "18", "3", "10", "11", "12", "13"};
    const char* fractions[] = {"1", "100", "3", "4", "5", "6", "7"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(Text(ID_STEP3_SCORE_STR + i), scores[i]);
        EXPECT_EQ(Text(ID_STEP3_FRACTION_STR + i), fractions[i]);
    }
    EXPECT_EQ(Text(ID_STEP3_BP_BOX), "0  ");
    EXPECT_EQ(RaceRows(), (std::vector<std::string>{"Elf, Female", "Elf, Male"}));
    EXPECT_EQ(Races()->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{"BP=0.0    | Rolling Ability Scores STR=7/1 DEX=18/100 CON=3/3 "
                                        "INT=10/4 WIS=11/5 CHR=12/6 COM=13/7"}));

    // The menu item does the same as the button.
    dice::QueueFaces(RollFaces({9, 9, 9, 9, 9, 9, 9}, {2, 2, 2, 2, 2, 2, 2}));
    SelectMenu(step_, ID_STEP3_MENU_ROLL);
    EXPECT_EQ(Text(ID_STEP3_SCORE_STR), "9");
    EXPECT_EQ(RaceRows(), (std::vector<std::string>{"Dwarf, Male", "Elf, Female", "Elf, Male"}));
}

TEST_F(FrameStep3Test, RollAfterTwoBurnsPutsTheBPBackToZero) {
    Open();
    Roll({10, 10, 10, 10, 10, 10, 10});
    Click(step_, ID_STEP3_BURN);
    Click(step_, ID_STEP3_BURN);
    EXPECT_EQ(program_data.BuildingPoints, 4.0f);
    EXPECT_EQ(Text(ID_STEP3_BP_BOX), "4  ");
    Roll({10, 10, 10, 10, 10, 10, 10});
    EXPECT_EQ(program_data.BuildingPoints, 0.0f);
    EXPECT_EQ(Text(ID_STEP3_BP_BOX), "0  ");
}

TEST_F(FrameStep3Test, RollAfterAPickEmptiesTheRaceChoiceAndContinueIsRefused) {
    CharacterRace& elf = AddRace("Elf", "Female");
    elf.STRADJ = -1;
    elf.LANGUAGES = {"Elvish", "Common"};
    Open();
    Roll({10, 10, 10, 10, 10, 10, 10});
    PickRow("Elf, Female");
    EXPECT_EQ(current_character.pRace, &elf);
    EXPECT_EQ(Label(ID_STEP3_RACEMOD_STR), "-1");

    Roll({11, 10, 10, 10, 10, 10, 10});
    EXPECT_EQ(current_character.pRace, nullptr);
    EXPECT_EQ(current_character.RACE, "Elf") << "the texts keep their last values";
    for (const std::string& shown : ShownModifiers())
        EXPECT_EQ(shown, "");
    EXPECT_EQ(Races()->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(Languages()->GetCount(), 2u) << "the languages stay until the next pick";

    const size_t lines = LogLines().size();
    Click(step_, ID_STEP3_CONTINUE);
    EXPECT_FALSE(Closing(step_));
    EXPECT_FALSE(step_->IsContinued());
    EXPECT_EQ(program_data.WizardState, kWizardAbilities);
    EXPECT_EQ(current_character.ABILITY_BASE[0], 11);
    EXPECT_EQ(SkillDataItem::First(), nullptr);
    EXPECT_EQ(LogLines().size(), lines);

    // A refused Continue does not count as continued: closing the window ends the creation.
    step_->Close();
    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardNone);
    EXPECT_FALSE(VOLDFrames[kSlotStep3].IsSet());
}

TEST_F(FrameStep3Test, OwnDiceApplyTakesTheTypedTextsAndRebuildsTheList) {
    AddRace("Dwarf", "Male", 8);
    AddRace("Imp", "Male", 0);
    BooksToUse[kOptionRollYourOwnDice] = 1;
    Open();
    Roll({10, 10, 10, 10, 10, 10, 10});
    PickRow("Dwarf, Male");
    program_data.BuildingPoints = 4.0f;
    Control<wxTextCtrl>(step_, ID_STEP3_SCORE_STR)->ChangeValue("abc");
    Control<wxTextCtrl>(step_, ID_STEP3_SCORE_STR + 1)->ChangeValue("07");
    Control<wxTextCtrl>(step_, ID_STEP3_FRACTION_STR)->ChangeValue("0");
    Click(step_, ID_STEP3_APPLY);
    EXPECT_EQ(current_character.ABILITY_BASE[0], 0);
    EXPECT_EQ(current_character.ABILITY_BASE[1], 7);
    EXPECT_EQ(current_character.ABILITY_PERC[0], 0);
    EXPECT_EQ(Text(ID_STEP3_SCORE_STR), "abc") << "the boxes keep the typed texts";
    EXPECT_EQ(Text(ID_STEP3_SCORE_STR + 1), "07");
    EXPECT_EQ(Text(ID_STEP3_BP_BOX), "0  ");
    EXPECT_EQ(program_data.BuildingPoints, 0.0f);
    EXPECT_EQ(RaceRows(), (std::vector<std::string>{"Imp, Male"})) << "a race needing STR above 0 is dropped";
    EXPECT_EQ(current_character.pRace, nullptr);
    EXPECT_EQ(Label(ID_STEP3_RACE_BP), "");
    EXPECT_EQ(LogLines().back(),
              "BP=0.0    | Entering Ability Scores STR=0/0 DEX=7/50 CON=10/50 INT=10/50 WIS=10/50 CHR=10/50 "
              "COM=10/50");
}

TEST_F(FrameStep3Test, ApplyWithoutTheOwnDiceOptionOnlyRestoresTheBoxes) {
    CharacterRace& dwarf = AddRace("Dwarf", "Male");
    Open();
    Roll({10, 10, 10, 10, 10, 10, 10});
    PickRow("Dwarf, Male");
    const size_t lines = LogLines().size();
    Control<wxTextCtrl>(step_, ID_STEP3_SCORE_STR)->ChangeValue("18");
    Control<wxTextCtrl>(step_, ID_STEP3_FRACTION_STR + 6)->ChangeValue("x");
    SelectMenu(step_, ID_STEP3_MENU_APPLY);
    EXPECT_EQ(Text(ID_STEP3_SCORE_STR), "10");
    EXPECT_EQ(Text(ID_STEP3_FRACTION_STR + 6), "50");
    EXPECT_EQ(current_character.ABILITY_BASE[0], 10);
    EXPECT_EQ(current_character.pRace, &dwarf);
    EXPECT_EQ(Label(ID_STEP3_RACE_BP), "+0");
    EXPECT_EQ(Races()->GetSelection(), 0);
    EXPECT_EQ(LogLines().size(), lines);
}

TEST_F(FrameStep3Test, AdjustDexterityFiveToIntelligenceWritesTwoLines) {
    Open();
    Roll({10, 5, 10, 10, 10, 10, 10});
    Click(step_, ID_STEP3_LOWER_STR + 1);
    Click(step_, ID_STEP3_RAISE_STR + 3);
    const size_t before = LogLines().size();
    Click(step_, ID_STEP3_ADJUST);
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), before + 2);
    EXPECT_EQ(lines[before],
              "BP=0.0    | Dexterity has been reduced by 2 and Intelligence has been increased by 1");
    EXPECT_EQ(lines[before + 1], "BP=0.0    | Adjusted Ability Scores STR=10/50 DEX=3/50 CON=10/50 INT=11/50 "
                                 "WIS=10/50 CHR=10/50 COM=10/50");
    EXPECT_EQ(Text(ID_STEP3_SCORE_STR + 1), "3");
    EXPECT_EQ(Text(ID_STEP3_SCORE_STR + 3), "11");

    // DEX 3 cannot give two more; the boxes are still rewritten from the record.
    Control<wxTextCtrl>(step_, ID_STEP3_SCORE_STR + 1)->ChangeValue("typed");
    SelectMenu(step_, ID_STEP3_MENU_ADJUST);
    EXPECT_EQ(current_character.ABILITY_BASE[1], 3);
    EXPECT_EQ(Text(ID_STEP3_SCORE_STR + 1), "3");
    EXPECT_EQ(LogLines().size(), before + 2);
}

TEST_F(FrameStep3Test, AdjustOfAnAbilityWithItselfLeavesTheBoxesAndTheRace) {
    CharacterRace& dwarf = AddRace("Dwarf", "Male");
    Open();
    Roll({10, 10, 10, 10, 10, 10, 10});
    PickRow("Dwarf, Male");
    Control<wxTextCtrl>(step_, ID_STEP3_SCORE_STR)->ChangeValue("typed");
    Click(step_, ID_STEP3_ADJUST); // both groups still at Strength
    EXPECT_EQ(Text(ID_STEP3_SCORE_STR), "typed");
    EXPECT_EQ(current_character.pRace, &dwarf);
    EXPECT_EQ(Label(ID_STEP3_RACE_BP), "+0");
}

TEST_F(FrameStep3Test, BurningStrengthAtThreeNeedsItsOwnFloor) {
    Open();
    Roll({3, 10, 10, 10, 10, 10, 10});
    Control<wxTextCtrl>(step_, ID_STEP3_SCORE_STR)->ChangeValue("typed");
    Click(step_, ID_STEP3_BURN);
    EXPECT_EQ(current_character.ABILITY_BASE[0], 3);
    EXPECT_EQ(program_data.BuildingPoints, 0.0f);
    EXPECT_EQ(Text(ID_STEP3_SCORE_STR), "typed") << "a refused burn leaves the boxes alone";

    Click(step_, ID_STEP3_BURN_STR);
    Click(step_, ID_STEP3_BURN);
    EXPECT_EQ(current_character.ABILITY_BASE[0], 2);
    Click(step_, ID_STEP3_BURN);
    EXPECT_EQ(current_character.ABILITY_BASE[0], 1);
    EXPECT_EQ(Text(ID_STEP3_SCORE_STR), "1");
    Click(step_, ID_STEP3_BURN);
    EXPECT_EQ(current_character.ABILITY_BASE[0], 1);
    EXPECT_EQ(program_data.BuildingPoints, 4.0f);
}

TEST_F(FrameStep3Test, ThreeBurnsGiveSixBP) {
    Open();
    Roll({10, 10, 10, 10, 10, 10, 10});
    Click(step_, ID_STEP3_BURN_STR + 6);
    for (int i = 0; i < 3; ++i)
        SelectMenu(step_, ID_STEP3_MENU_BURN);
    EXPECT_EQ(program_data.BuildingPoints, 6.0f);
    EXPECT_EQ(Text(ID_STEP3_BP_BOX), "6  ");
    EXPECT_EQ(Text(ID_STEP3_SCORE_STR + 6), "7");
    EXPECT_EQ(LogLines().back(),
              "BP=6.0    | Adjusted Ability Scores STR=10/50 DEX=10/50 CON=10/50 INT=10/50 "
              "WIS=10/50 CHR=10/50 COM=7/50");
}

TEST_F(FrameStep3Test, APickTakesTheEntryOfItsOwnRow) {
    // Entry texts contain each other: "Elf" is in "Half-Elf", and a sex written "male" is in "Female".
    CharacterRace& elfFemale = AddRace("Elf", "Female");
    CharacterRace& halfFemale = AddRace("Half-Elf", "Female");
    CharacterRace& elfMale = AddRace("Elf", "male");
    CharacterRace& halfMale = AddRace("Half-Elf", "Male");
    elfFemale.BP = 1;
    halfFemale.BP = 2;
    elfMale.BP = 3;
    halfMale.BP = 4;
    Open();
    Roll({10, 10, 10, 10, 10, 10, 10});
    ASSERT_EQ(RaceRows(),
              (std::vector<std::string>{"Elf, Female", "Half-Elf, Female", "Elf, male", "Half-Elf, Male"}));
    const struct {
        const char* row;
        CharacterRace* entry;
        const char* bonus;
    } cases[] = {{"Half-Elf, Female", &halfFemale, "+2"},
                 {"Elf, Female", &elfFemale, "+1"},
                 {"Elf, male", &elfMale, "+3"},
                 {"Half-Elf, Male", &halfMale, "+4"}};
    for (const auto& c : cases) {
        const size_t before = LogLines().size();
        PickRow(c.row);
        EXPECT_EQ(current_character.pRace, c.entry) << c.row;
        EXPECT_EQ(current_character.RACE, c.entry->NAME);
        EXPECT_EQ(current_character.SEX, c.entry->SEX);
        EXPECT_EQ(Label(ID_STEP3_RACE_BP), c.bonus) << c.row;
        const std::vector<std::string> lines = LogLines();
        ASSERT_EQ(lines.size(), before + 2) << "one pick, one log line and the tree's movement line";
        EXPECT_EQ(lines[before],
                  "BP=0.0    | Selecting a Race/Sex: Race=" + c.entry->NAME + ", Sex=" + c.entry->SEX);
        EXPECT_EQ(lines[before + 1], "BP=0.0    | entering movement");
    }
}

TEST_F(FrameStep3Test, APickShowsTheModifiersAndFillsTheLanguages) {
    CharacterRace& dwarf = AddRace("Dwarf", "Male");
    dwarf.STRADJ = 1;
    dwarf.CHAADJ = -2;
    dwarf.BP = 5;
    dwarf.LANGUAGES = {"Dwarvish", "Gnomish", "Common"};
    AddRace("Mute", "Female");
    Open();
    Roll({10, 10, 10, 10, 10, 10, 10});
    PickRow("Dwarf, Male");
    EXPECT_EQ(ShownModifiers(), (std::array<std::string, 8>{"+1", "+0", "+0", "+0", "+0", "-2", "+0", "+5"}));
    ASSERT_EQ(Languages()->GetCount(), 3u);
    EXPECT_EQ(Languages()->GetString(2), "Common");
    EXPECT_EQ(Languages()->GetValue(), "Dwarvish");
    ASSERT_NE(CurrentTree(), nullptr);
    TreeItem racial;
    Search(*CurrentTree(), "Racial Data", racial, CurrentTree()->GetRootItem());
    EXPECT_TRUE(racial.IsOk());

    PickRow("Mute, Female");
    EXPECT_EQ(Languages()->GetCount(), 0u);
    EXPECT_EQ(Languages()->GetValue(), "");
}

TEST_F(FrameStep3Test, ContinueAppliesTheRaceAndHandsOver) {
    CharacterRace& dwarf = AddRace("Dwarf", "Female");
    dwarf.STRADJ = -1;
    dwarf.CONADJ = 1;
    dwarf.BP = 5;
    dwarf.LANGUAGES = {"Dwarvish", "Common"};
    AddRace("Dwarf", "Male");
    Open();
    Roll({10, 10, 10, 10, 10, 10, 17}, {1, 2, 3, 4, 5, 6, 7});
    Click(step_, ID_STEP3_BURN_STR + 6);
    Click(step_, ID_STEP3_BURN);
    PickRow("Dwarf, Female");
    Languages()->SetSelection(1);
    Click(step_, ID_STEP3_CONTINUE);

    EXPECT_EQ(current_character.ABILITY_BASE, (Scores{9, 10, 11, 10, 10, 10, 16}));
    EXPECT_EQ(current_character.ABILITY_PERC, (Scores{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(program_data.BuildingPoints, 7.0f);
    EXPECT_EQ(program_data.WizardState, kWizardBackground);
    ASSERT_NE(SkillDataItem::First(), nullptr);
    EXPECT_EQ(SkillDataItem::First()->name, "Language, Modern: Common");
    EXPECT_EQ(SkillDataItem::First()->value, 100);
    EXPECT_EQ(SkillDataItem::Count(), 1u);
    EXPECT_EQ(current_character.pRace, &dwarf);
    const std::vector<std::string> lines = LogLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2],
              "BP=7.0    | Adjusted Ability Scores by Race STR=9/1 DEX=10/2 CON=11/3 "
              "INT=10/4 WIS=10/5 CHR=10/6 COM=16/7");
    EXPECT_EQ(lines.back(), "BP=7.0    | entering movement");
    EXPECT_TRUE(step_->IsContinued());
    EXPECT_TRUE(Closing(step_));

    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardBackground)
        << "a window that handed over does not end the creation";
    EXPECT_FALSE(VOLDFrames[kSlotStep3].IsSet());
}

TEST_F(FrameStep3Test, AbortAndTheCloseBoxEndTheCreation) {
    for (bool abort : {true, false}) {
        Open();
        Roll({10, 10, 10, 10, 10, 10, 10});
        if (abort)
            SelectMenu(step_, ID_STEP3_MENU_ABORT);
        else
            step_->Close();
        EXPECT_TRUE(Closing(step_));
        PumpEvents();
        EXPECT_EQ(program_data.WizardState, kWizardNone);
        EXPECT_EQ(current_character.ABILITY_BASE[0], 10) << "the record keeps what was rolled";
        EXPECT_FALSE(VOLDFrames[kSlotStep3].IsSet());
    }
}

TEST_F(FrameStep3Test, AnotherWindowInTheSlotIsLeftThere) {
    Open();
    FrameStep3* first = step_;
    auto* other = new wxFrame(nullptr, wxID_ANY, "other");
    VOLDFrames[kSlotStep3] = other;
    first->Close();
    PumpEvents();
    EXPECT_EQ(VOLDFrames[kSlotStep3].Live(), other);
}

} // namespace
