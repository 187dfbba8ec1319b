// The random-roll window and the way through hand-picking, driven through their events by id.
#include <gtest/gtest.h>

#include <string>
#include <vector>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/stattext.h>

#include "app/app_globals.h"
#include "app/character.h"
#include "app/dice.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "quirks/cherry_step7.h"
#include "quirks/frame_step7.h"
#include "support/log_lines.h"
#include "support/quirk_test.h"
#include "support/scripted_prompter.h"
#include "support/tree_outline.h"
#include "ui/quirk_window_checks.h"
#include "ui/tree_model.h"
#include "ui/ui_test_support.h"

namespace {

using Lines = std::vector<std::string>;

const std::string k6C = "Hero's Almanac 6C: Flaws, Minor (Physical)";
const std::string k6F = "Hero's Almanac 6F: Quirks, Minor (Mental)";
const std::string k6H = "Hero's Almanac 6H: Quirks, Minor (Personality)";

Lines Items(const wxItemContainer* box) {
    Lines lines;
    for (unsigned i = 0; i < box->GetCount(); ++i)
        lines.push_back(box->GetString(i).ToStdString());
    return lines;
}

Lines Tables(wxWindow* window) {
    return Items(Control<wxComboBox>(window, ID_STEP7_TABLE_LIST));
}

Lines Gained(wxWindow* window) {
    return Items(Control<wxListBox>(window, ID_STEP7_GAINED_LIST));
}

class FrameStep7Test : public QuirkTest {
protected:
    void TearDown() override {
        CloseAllWindows();
        QuirkTest::TearDown();
    }

    // As the background step hands over when it granted free tables.
    FrameStep7* OpenFromBackground(const Lines& tables) {
        program_data.WizardState = kWizardQuirks;
        program_data.PendingTables = tables;
        program_data.QuirkRollsOwed = static_cast<int32_t>(tables.size());
        program_data.QuirkBP.fill(0);
        auto* step = new FrameStep7(nullptr, "Character Creation: Quirks and Flaws (Cherry Picking)",
                                    wxDefaultPosition, wxSize(550, 550));
        VOLDFrames[kSlotQuirks] = step;
        step->Show(true);
        return step;
    }

    // As hand-picking's Roll Randomly hands over.
    FrameStep7* OpenFromHandPicking(int rolls) {
        program_data.WizardState = kWizardChosenQuirkRolls;
        program_data.QuirkRollsOwed = rolls;
        auto* step = new FrameStep7(nullptr, "Character Creation: Quirks and Flaws", wxDefaultPosition,
                                    wxSize(550, 550));
        VOLDFrames[kSlotQuirkRolls] = step;
        step->Show(true);
        return step;
    }
};

TEST_F(FrameStep7Test, ControlsMenuAndStatusBarCarryTheirIdsAndTexts) {
    program_data.BuildingPoints = 12.0f;
    current_character.QUIRK_COUNT[17] = 3;
    FrameStep7* step = OpenFromBackground({k6F, k6H});
    EXPECT_EQ(Control<wxButton>(step, 10017)->GetLabel(), "Roll for Quirk or Flaw");
    EXPECT_EQ(Control<wxStaticText>(step, 10052)->GetLabel(), "Quirks and Flaws Gained");
    EXPECT_EQ(Control<wxStaticText>(step, 10053)->GetLabel(), "12  BP");
    EXPECT_EQ(Tables(step), (Lines{k6F, k6H}));
    EXPECT_EQ(Control<wxComboBox>(step, 10037)->GetSelection(), 0);
    EXPECT_EQ(Gained(step), (Lines{"Missing Finger", "Missing Finger", "Missing Finger"}));
    ExpectQuirkStepFrame(step, 5); // no Continue button

    // The free rolls from the background step cannot be given up.
    SelectMenu(step, ID_STEP7_MENU_ABORT);
    EXPECT_FALSE(Closing(step));
    EXPECT_EQ(program_data.WizardState, kWizardQuirks);
}

TEST_F(FrameStep7Test, FromTheBackgroundThroughHandPickingToTheClassStep) {
    FrameStep7* free = OpenFromBackground({k6F, k6H});
    SelectMenu(free, ID_STEP7_MENU_CONTINUE); // two rolls owed: refused
    EXPECT_FALSE(Closing(free));
    dice::QueueFaces({1});
    Click(free, ID_STEP7_ROLL);
    EXPECT_EQ(Tables(free), (Lines{k6H}));
    dice::QueueFaces({1});
    Click(free, ID_STEP7_ROLL);
    EXPECT_TRUE(Tables(free).empty());
    EXPECT_EQ(Gained(free), (Lines{"Absent Minded", "Chronic Liar"}));
    Click(free, ID_STEP7_ROLL); // nothing left to roll
    SelectMenu(free, ID_STEP7_MENU_CONTINUE);
    EXPECT_TRUE(Closing(free));
    EXPECT_EQ(program_data.WizardState, kWizardQuirks);
    for (int32_t bp : program_data.QuirkBP)
        EXPECT_EQ(bp, 0) << "the free rolls earn no BP";

    auto* picking = dynamic_cast<CherryStep7*>(VOLDFrames[kSlotStep3].Live());
    ASSERT_NE(picking, nullptr);
    EXPECT_EQ(picking->GetTitle(), "Character Creation: Spend BP to raise abilities");
    EXPECT_EQ(picking->GetSize().x, 500);
    EXPECT_EQ(Items(Control<wxListBox>(picking, ID_CHERRY_HELD_LIST)),
              (Lines{"Absent Minded", "Chronic Liar"}));
    PumpEvents();
    EXPECT_FALSE(VOLDFrames[kSlotQuirks].IsSet());
    EXPECT_EQ(program_data.WizardState, kWizardQuirks);

    {
        ScopedPrompter prompts;
        prompts->ExpectNumber(1);
        Click(picking, ID_CHERRY_ROLL);
    }
    auto* rolls = dynamic_cast<FrameStep7*>(VOLDFrames[kSlotQuirkRolls].Live());
    ASSERT_NE(rolls, nullptr);
    EXPECT_EQ(rolls->GetTitle(), "Character Creation: Quirks and Flaws");
    EXPECT_EQ(program_data.WizardState, kWizardChosenQuirkRolls);
    EXPECT_EQ(Tables(rolls), (Lines{"Hero's Almanac 6A"}));
    PumpEvents();
    EXPECT_FALSE(VOLDFrames[kSlotStep3].IsSet());
    EXPECT_EQ(program_data.WizardState, kWizardChosenQuirkRolls);

    dice::QueueFaces({20}); // "Roll on Table Hero's Almanac 6C: ..."
    Click(rolls, ID_STEP7_ROLL);
    EXPECT_EQ(Tables(rolls), (Lines{k6C}));
    EXPECT_EQ(program_data.QuirkRollsOwed, 0);
    SelectMenu(rolls, ID_STEP7_MENU_CONTINUE); // the queued 6C roll is still owed
    EXPECT_FALSE(Closing(rolls));
    dice::QueueFaces({30});
    Click(rolls, ID_STEP7_ROLL);
    EXPECT_EQ(Control<wxStaticText>(rolls, ID_STEP7_BP_TEXT)->GetLabel(), "0   BP");
    SelectMenu(rolls, ID_STEP7_MENU_CONTINUE);
    EXPECT_TRUE(Closing(rolls));
    EXPECT_EQ(program_data.WizardState, kWizardClass);
    EXPECT_FLOAT_EQ(program_data.BuildingPoints, 5.0f);
    EXPECT_EQ(current_character.QUIRK_COUNT[17], 1);
    EXPECT_EQ(current_character.QUIRK_COUNT[51], 1);
    EXPECT_EQ(current_character.QUIRK_COUNT[86], 1);
    Lines nodes;
    for (const QuirkDataItem* node = QuirkDataItem::First(); node; node = node->pNext.get())
        nodes.push_back(node->name + " x" + std::to_string(node->value));
    EXPECT_EQ(nodes, (Lines{"Missing Finger x1", "Absent Minded x1", "Chronic Liar x1"}));
    const std::string tree = TreeOutline(CurrentTree());
    EXPECT_NE(tree.find("Quirks and Flaws\n  Missing Finger\n  Absent Minded\n  Chronic Liar\n"),
              std::string::npos)
        << tree;
    EXPECT_EQ(
        LogLines(),
        (Lines{"BP=0.0    | Rolling for Table " + k6F + " (d100): rolled 1, Absent Minded (5 BP)",
               "BP=0.0    | Rolling for Table " + k6H + " (d100): rolled 1, Chronic Liar (5 BP)",
               "BP=0.0    | Preparing to roll 1 times for Quirks and Flaws",
               "BP=0.0    | Rolling for Table Hero's Almanac 6A (d100): rolled 20, Roll on Table " + k6C,
               "BP=0.0    | Rolling for Table " + k6C + " (d100): rolled 30, Missing Finger (5 BP)"}));
    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardClass);
    EXPECT_FALSE(VOLDFrames[kSlotQuirkRolls].IsSet());
}

TEST_F(FrameStep7Test, ARefusedContinueThenTheCloseBoxEndsTheCreation) {
    FrameStep7* step = OpenFromHandPicking(1);
    SelectMenu(step, ID_STEP7_MENU_CONTINUE);
    EXPECT_FALSE(Closing(step));
    EXPECT_FALSE(step->IsContinued());
    step->Close();
    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardNone);
    EXPECT_FALSE(VOLDFrames[kSlotQuirkRolls].IsSet());
}

TEST_F(FrameStep7Test, AbortFromHandPickingEndsTheCreation) {
    current_character.QUIRK_COUNT[17] = 1;
    FrameStep7* step = OpenFromHandPicking(2);
    SelectMenu(step, ID_STEP7_MENU_ABORT);
    EXPECT_TRUE(Closing(step));
    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardNone);
    EXPECT_FALSE(VOLDFrames[kSlotQuirkRolls].IsSet());
    EXPECT_EQ(current_character.QUIRK_COUNT[17], 1) << "nothing rolled is undone";
}

} // namespace
