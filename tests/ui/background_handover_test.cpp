// The background step's Continue and the creation run through the quirk steps to the class step.
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <wx/app.h>
#include <wx/combobox.h>

#include "app/app_globals.h"
#include "app/character.h"
#include "shell/cx_application.h"
#include "app/dice.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "creation_run.h"
#include "quirks/cherry_step7.h"
#include "quirks/frame_step7.h"
#include "steps/frame_step6.h"
#include "support/catalog_files.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"
#include "support/tree_outline.h"
#include "shell/form_main.h"
#include "ui/tree_model.h"
#include "ui/ui_test_support.h"

namespace {

using Lines = std::vector<std::string>;

const std::string k6F = "Hero's Almanac 6F: Quirks, Minor (Mental)";
const std::string k6H = "Hero's Almanac 6H: Quirks, Minor (Personality)";
const char* const kQuirkTitle = "Character Creation: Quirks and Flaws (Cherry Picking)";

class BackgroundHandoverTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        program_data.LogFileName = "11.log";
    }
    void TearDown() override {
        CloseAllWindows();
        GlobalsTest::TearDown();
    }
    FrameStep6* Open() {
        program_data.WizardState = kWizardBackground;
        auto* step = new FrameStep6(nullptr, "Character Creation: Roll Priors and Particulars",
                                    wxDefaultPosition, wxSize(500, 385));
        VOLDFrames[kSlotStep6] = step;
        step->Show(true);
        return step;
    }
    ScopedTempDir dir_;
};

TEST_F(BackgroundHandoverTest, ContinueBeforeAnyRollLeavesTheWindowOpen) {
    FrameStep6* step = Open();
    program_data.QuirkRollsOwed = 2;
    SelectMenu(step, ID_STEP6_MENU_CONTINUE);
    PumpEvents();
    EXPECT_FALSE(step->IsContinued());
    EXPECT_EQ(VOLDFrames[kSlotStep6].Live(), step);
    EXPECT_FALSE(VOLDFrames[kSlotQuirks].IsSet());
    EXPECT_EQ(program_data.WizardState, kWizardBackground);
    EXPECT_EQ(program_data.QuirkRollsOwed, 0);
    EXPECT_TRUE(LogLines().empty());

    // A roll later, Continue hands over.
    dice::QueueFaces({2});
    Click(step, ID_STEP6_AGE);
    SelectMenu(step, ID_STEP6_MENU_CONTINUE);
    EXPECT_TRUE(Closing(step));
    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardQuirks);
    EXPECT_NE(dynamic_cast<CherryStep7*>(VOLDFrames[kSlotQuirks].Live()), nullptr);
}

TEST_F(BackgroundHandoverTest, AnActingContinueOpensTheQuirkWindowThatFollows) {
    struct Case {
        const char* name;
        std::vector<int32_t> faces; // from the mother's quality on
        bool randomRolls;
    };
    // Both parents' quality rolled on a legitimate birth: 50 gives BP, 85 a minor quirk.
    for (const Case& c :
         {Case{"nothing owed", {50, 50}, false}, Case{"a minor quirk owed", {85, 50}, true}}) {
        SCOPED_TRACE(c.name);
        ResetGlobals();
        program_data.LogFileName = "11.log";
        program_data.QuirkBP.fill(4);
        FrameStep6* step = Open();
        current_character.MOTHER_ALIVE = 1;
        current_character.FATHER_ALIVE = 1;
        dice::QueueFaces(c.faces);
        // Straight to the parents' quality: their handlers, as the chain's buttons would call them.
        wxCommandEvent click;
        step->OnMomQualityRoll(click);
        step->OnDadQualityRoll(click);
        ScopedPrompter prompts;
        if (c.randomRolls)
            prompts->ExpectChoice(1);
        SelectMenu(step, ID_STEP6_MENU_CONTINUE);
        EXPECT_TRUE(Closing(step));
        PumpEvents();
        EXPECT_FALSE(VOLDFrames[kSlotStep6].IsSet());
        EXPECT_EQ(program_data.WizardState, kWizardQuirks)
            << "the closed window leaves the state as Continue set it";
        for (int32_t bp : program_data.QuirkBP)
            EXPECT_EQ(bp, 0);
        wxFrame* next = VOLDFrames[kSlotQuirks].Live();
        ASSERT_NE(next, nullptr);
        EXPECT_EQ(next->GetTitle(), kQuirkTitle);
        EXPECT_EQ(next->GetParent(), nullptr) << "no main window in this test";
        EXPECT_EQ(next->GetSize().x, 550);
        if (c.randomRolls) {
            EXPECT_NE(dynamic_cast<FrameStep7*>(next), nullptr);
            EXPECT_GE(next->GetSize().y, 550);
            EXPECT_EQ(program_data.PendingTables, Lines{k6H});
        } else {
            EXPECT_NE(dynamic_cast<CherryStep7*>(next), nullptr);
            EXPECT_GE(next->GetSize().y, 365);
            EXPECT_TRUE(program_data.PendingTables.empty());
        }
        EXPECT_EQ(program_data.BuildingPoints, c.randomRolls ? 5.0f : 10.0f);
        CloseAllWindows();
    }
}

} // namespace
