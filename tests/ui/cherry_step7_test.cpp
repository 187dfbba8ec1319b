// The hand-picking window, driven through its events by id.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/stattext.h>

#include "app/app_globals.h"
#include "app/character.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "quirks/cherry_step7.h"
#include "support/log_lines.h"
#include "support/quirk_test.h"
#include "support/scripted_prompter.h"
#include "ui/quirk_window_checks.h"
#include "ui/ui_test_support.h"

namespace {

constexpr int kLossOfEye = 14;
constexpr int kScarFacial = 19;
constexpr int kTrickKnee = 49;

struct Opening {
    const char* title;
    int width;
    int height;
    int slot;
};
const Opening kFromBackground = {"Character Creation: Quirks and Flaws (Cherry Picking)", 550, 365,
                                 kSlotQuirks};
const Opening kFromRandomRolls = {"Character Creation: Spend BP to raise abilities", 500, 385, kSlotStep3};

std::vector<std::string> Lines(const wxItemContainer* box) {
    std::vector<std::string> lines;
    for (unsigned i = 0; i < box->GetCount(); ++i)
        lines.push_back(box->GetString(i).ToStdString());
    return lines;
}

std::multiset<std::string> AsSet(const std::vector<std::string>& lines) {
    return {lines.begin(), lines.end()};
}

class CherryStep7Test : public QuirkTest {
protected:
    void TearDown() override {
        CloseAllWindows();
        QuirkTest::TearDown();
    }

    CherryStep7* Open(const Opening& opening = kFromBackground) {
        program_data.WizardState = kWizardQuirks;
        step_ =
            new CherryStep7(nullptr, opening.title, wxDefaultPosition, wxSize(opening.width, opening.height));
        VOLDFrames[static_cast<size_t>(opening.slot)] = step_;
        step_->Show(true);
        return step_;
    }

    wxComboBox* Minor() const { return Control<wxComboBox>(step_, ID_CHERRY_MINOR_CHOICE); }
    wxComboBox* Major() const { return Control<wxComboBox>(step_, ID_CHERRY_MAJOR_CHOICE); }
    std::vector<std::string> Held() const { return Lines(Control<wxListBox>(step_, ID_CHERRY_HELD_LIST)); }
    std::vector<std::string> Picked() const { return Lines(Control<wxListBox>(step_, ID_CHERRY_PICKS_LIST)); }

    void Choose(wxComboBox* box, const std::string& name) {
        const int at = box->FindString(name, true);
        ASSERT_NE(at, wxNOT_FOUND) << name;
        box->SetSelection(at);
    }
    void SelectPick(const std::string& name) {
        wxListBox* picks = Control<wxListBox>(step_, ID_CHERRY_PICKS_LIST);
        const int at = picks->FindString(name, true);
        ASSERT_NE(at, wxNOT_FOUND) << name;
        picks->SetSelection(at);
    }

    CherryStep7* step_ = nullptr;
};

TEST_F(CherryStep7Test, BothOpeningsShowTheHeldRowsAndTheOffers) {
    for (const Opening& opening : {kFromBackground, kFromRandomRolls}) {
        SCOPED_TRACE(opening.title);
        current_character.QUIRK_COUNT[kLossOfEye] = 2;
        current_character.QUIRK_COUNT[kTrickKnee] = 1;
        Open(opening);
        EXPECT_EQ(step_->GetTitle(), opening.title);
        EXPECT_EQ(VOLDFrames[static_cast<size_t>(opening.slot)].Live(), step_);
        EXPECT_EQ(step_->GetSize().x, opening.width);
        EXPECT_GE(step_->GetSize().y, opening.height) << "grown only where GTK's boxes need the room";
        EXPECT_EQ(program_data.WizardState, kWizardQuirks);

        EXPECT_EQ(Held(), (std::vector<std::string>{"Loss of Eye", "Loss of Eye", "Trick Knee"}));
        EXPECT_TRUE(Picked().empty());
        const CherryOffers offers = CherryOffered(CherryPicks{});
        EXPECT_EQ(AsSet(Lines(Minor())), AsSet(offers.minor));
        EXPECT_EQ(AsSet(Lines(Major())), AsSet(offers.major));
        EXPECT_TRUE(std::find(offers.major.begin(), offers.major.end(), "Trick Knee") != offers.major.end());
        EXPECT_TRUE(std::find(offers.minor.begin(), offers.minor.end(), "Loss of Eye") == offers.minor.end());
        for (wxComboBox* box : {Minor(), Major()}) {
            EXPECT_NE(box->GetSelection(), wxNOT_FOUND);
            EXPECT_FALSE(box->GetValue().empty());
        }
        step_->Close();
        PumpEvents();
        EXPECT_EQ(program_data.WizardState, kWizardNone) << "the close box ends the creation";
        EXPECT_FALSE(VOLDFrames[static_cast<size_t>(opening.slot)].IsSet());
    }
}

TEST_F(CherryStep7Test, ControlsMenuAndStatusBarCarryTheirIdsAndTexts) {
    Open();
    EXPECT_EQ(Control<wxStaticText>(step_, 10052)->GetLabel(),
              "Quirks and Flaws gained for zero BP up to this point");
    const std::map<int, const char*> buttons = {{10017, "Add Minor Quirk/Flaw"},
                                                {10018, "Add Major Quirk/Flaw"},
                                                {10019, "Remove Quirk/Flaw"},
                                                {10020, "Roll Randomly"}};
    for (const auto& [id, label] : buttons)
        EXPECT_EQ(Control<wxButton>(step_, id)->GetLabel(), label);
    EXPECT_NE(Control<wxListBox>(step_, 10046), nullptr);
    EXPECT_NE(Control<wxListBox>(step_, 10047), nullptr);
    EXPECT_NE(Control<wxComboBox>(step_, 10037), nullptr);
    EXPECT_NE(Control<wxComboBox>(step_, 10038), nullptr);
    ExpectQuirkStepFrame(step_, 9);
}

TEST_F(CherryStep7Test, PicksAndRemovesThroughTheButtonsThenContinues) {
    current_character.QUIRK_COUNT[kLossOfEye] = 1;
    program_data.BuildingPoints = 1.0f;
    Open();
    Choose(Minor(), "Scar, Facial");
    Click(step_, ID_CHERRY_ADD_MINOR);
    Click(step_, ID_CHERRY_ADD_MINOR);
    Click(step_, ID_CHERRY_ADD_MINOR); // no minor pick left
    EXPECT_EQ(Picked(), (std::vector<std::string>{"Scar, Facial", "Scar, Facial"}));
    Click(step_, ID_CHERRY_REMOVE); // nothing selected: nothing changes
    EXPECT_EQ(Picked().size(), 2u);
    SelectPick("Scar, Facial");
    Click(step_, ID_CHERRY_REMOVE);
    Choose(Minor(), "Loss of Eye");
    Click(step_, ID_CHERRY_ADD_MINOR);
    Choose(Major(), "Trick Knee");
    Click(step_, ID_CHERRY_ADD_MAJOR);
    EXPECT_EQ(AsSet(Picked()), (std::multiset<std::string>{"Loss of Eye", "Scar, Facial", "Trick Knee"}));
    EXPECT_EQ(step_->Picks().minorPicksLeft, 0);
    EXPECT_EQ(step_->Picks().majorPicksLeft, 0);

    SelectMenu(step_, ID_CHERRY_MENU_CONTINUE);
    EXPECT_TRUE(Closing(step_));
    EXPECT_EQ(program_data.WizardState, kWizardClass);
    EXPECT_FLOAT_EQ(program_data.BuildingPoints, 9.0f);
    EXPECT_EQ(current_character.QUIRK_COUNT[kLossOfEye], 2);
    EXPECT_EQ(current_character.QUIRK_COUNT[kScarFacial], 1);
    EXPECT_EQ(current_character.QUIRK_COUNT[kTrickKnee], 1);
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{
                  "BP=3.0    | Acquired the Loss of Eye Quirk/Flaw (x2) via Cherry Picking for 2 BP",
                  "BP=5.0    | Acquired the Scar, Facial Quirk/Flaw (x1) via Cherry Picking for 2 BP",
                  "BP=9.0    | Acquired the Trick Knee Quirk/Flaw (x1) via Cherry Picking for 4 BP",
              }));
    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardClass) << "destruction after Continue keeps the state";
    EXPECT_FALSE(VOLDFrames[kSlotQuirks].IsSet());
}

TEST_F(CherryStep7Test, RollRandomlyDropsThePicksAndLeavesStateSeven) {
    program_data.BuildingPoints = 2.0f;
    Open(kFromRandomRolls);
    Choose(Minor(), "Scar, Facial");
    Click(step_, ID_CHERRY_ADD_MINOR);
    ScopedPrompter prompts;
    prompts->ExpectNumberCancel();
    prompts->ExpectNumber(2);
    Click(step_, ID_CHERRY_ROLL);
    EXPECT_TRUE(Closing(step_));
    EXPECT_TRUE(step_->IsContinued());
    EXPECT_EQ(program_data.WizardState, kWizardChosenQuirkRolls);
    EXPECT_EQ(program_data.QuirkRollsOwed, 2);
    EXPECT_EQ(current_character.QUIRK_COUNT[kScarFacial], 0);
    EXPECT_FLOAT_EQ(program_data.BuildingPoints, 2.0f);
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{"BP=2.0    | Preparing to roll 2 times for Quirks and Flaws"}));
    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardChosenQuirkRolls)
        << "destruction after Roll Randomly keeps the state";
    EXPECT_FALSE(VOLDFrames[kSlotStep3].IsSet());
}

TEST_F(CherryStep7Test, AbortEndsTheCreation) {
    Open();
    SelectMenu(step_, ID_CHERRY_MENU_ABORT);
    EXPECT_TRUE(Closing(step_));
    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardNone);
    EXPECT_FALSE(VOLDFrames[kSlotQuirks].IsSet());
    EXPECT_EQ(current_character.QUIRK_COUNT[kScarFacial], 0);
}

TEST_F(CherryStep7Test, NoOffersLeaveTheChoicesEmptyAndTheButtonsHarmless) {
    for (int row = 1; row < kQuirkFlawRows; ++row)
        quirkflaw[static_cast<size_t>(row)].maxTimes = 0;
    Open();
    for (wxComboBox* box : {Minor(), Major()}) {
        EXPECT_EQ(box->GetCount(), 0u);
        EXPECT_EQ(box->GetSelection(), wxNOT_FOUND);
        EXPECT_TRUE(box->GetValue().empty());
    }
    Click(step_, ID_CHERRY_ADD_MINOR);
    Click(step_, ID_CHERRY_ADD_MAJOR);
    EXPECT_TRUE(Picked().empty());
    EXPECT_EQ(step_->Picks().minorPicksLeft, 2);
}

} // namespace
