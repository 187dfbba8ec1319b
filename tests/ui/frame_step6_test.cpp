#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/weakref.h>

#include "app/app_globals.h"
#include "app/character.h"
#include "shell/cx_application.h"
#include "app/dice.h"
#include "app/program_data.h"
#include "catalog/race_catalog.h"
#include "creation_run.h"
#include "steps/frame_step6.h"
#include "support/catalog_files.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"
#include "shell/form_main.h"
#include "ui/ui_test_support.h"

namespace {

class FrameStep6Test : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        program_data.LogFileName = "8.log";
    }
    void TearDown() override {
        CloseAllWindows();
        GlobalsTest::TearDown();
    }

    FrameStep6* Open() {
        program_data.WizardState = kWizardBackground;
        step_ = new FrameStep6(nullptr, "Character Creation: Roll Priors and Particulars", wxDefaultPosition,
                               wxSize(500, 385));
        VOLDFrames[kSlotStep6] = step_;
        step_->Show(true);
        return step_;
    }

    wxButton* ShownButton(int id) const {
        auto* button = dynamic_cast<wxButton*>(step_->FindWindow(id));
        return button && button->IsShown() ? button : nullptr;
    }

    ScopedTempDir dir_;
    FrameStep6* step_ = nullptr;
};

TEST_F(FrameStep6Test, OneButtonAtATimeAndARowPerRoll) {
    Open();
    EXPECT_EQ(step_->GetTitle(), "Character Creation: Roll Priors and Particulars");
    ExpectStepMenu(step_, ContinueAbortMenu(ID_STEP6_MENU_CONTINUE, ID_STEP6_MENU_ABORT));

    EXPECT_EQ(BackgroundRows(step_), "[10017 Begin Priors and Particulars]\n");
    EXPECT_EQ(ShownButton(ID_STEP6_AGE)->GetPosition(), wxPoint(5, 10));
    EXPECT_EQ(program_data.WizardState, kWizardBackground) << "opening the step rolls nothing";

    dice::QueueFaces({2});
    Click(step_, ID_STEP6_AGE);
    EXPECT_EQ(program_data.WizardState, kWizardBackgroundRolled);
    EXPECT_EQ(ShownButton(ID_STEP6_AGE), nullptr) << "the clicked button is hidden at once";
    PumpEvents();
    EXPECT_EQ(step_->FindWindow(ID_STEP6_AGE), nullptr) << "and destroyed once its click is over";
    EXPECT_EQ(BackgroundRows(step_), "10052 Age:\n10053 0\n[10018 Roll Handedness]\n");
    EXPECT_EQ(step_->Texts()[0]->GetPosition(), wxPoint(5, 10));
    EXPECT_EQ(step_->Texts()[1]->GetPosition(), wxPoint(210, 10));
    EXPECT_EQ(ShownButton(ID_STEP6_HANDEDNESS)->GetPosition(), wxPoint(5, 30));

    dice::QueueFaces({50});
    Click(step_, ID_STEP6_HANDEDNESS);
    PumpEvents();
    EXPECT_EQ(step_->Texts()[2]->GetPosition(), wxPoint(5, 30));
    EXPECT_EQ(ShownButton(ID_STEP6_HEIGHT)->GetPosition(), wxPoint(5, 50));
}

TEST_F(FrameStep6Test, TheClickedButtonOutlivesTheQuestionsOfItsRoll) {
    Open();
    program_data.BuildingPoints = 2.0f;
    EXPECT_TRUE(
        ClickedControlOutlivesItsQuestions(step_, ID_STEP6_AGE, [this] { Click(step_, ID_STEP6_AGE); }));
    EXPECT_EQ(BackgroundRows(step_), "10052 Age:\n10053 0\n[10018 Roll Handedness]\n");
}

TEST_F(FrameStep6Test, AbortAndTheCloseBoxEndTheCreationAndEmptyTheSlot) {
    for (const bool abort : {true, false}) {
        SCOPED_TRACE(abort ? "Abort" : "close box");
        Open();
        dice::QueueFaces({2});
        Click(step_, ID_STEP6_AGE);
        EXPECT_EQ(program_data.WizardState, kWizardBackgroundRolled);
        if (abort)
            SelectMenu(step_, ID_STEP6_MENU_ABORT);
        else
            step_->Close();
        PumpEvents();
        EXPECT_EQ(program_data.WizardState, kWizardNone);
        EXPECT_FALSE(VOLDFrames[kSlotStep6].IsSet());
        EXPECT_EQ(current_character.AGE, 0) << "what was rolled stays";
    }
}

TEST_F(FrameStep6Test, TheRaceStepOpensTheBackgroundAndItRollsToTheLegitimacy) {
    std::filesystem::copy(SampleCatalogs(), dir_.path(), std::filesystem::copy_options::recursive);
    FormMain* main = RunStartUp();
    FrameStep6* step = RunToBackground(main, {12, 14, 9, 13, 10, 11, 15}, "Human, Male");
    ASSERT_NE(step, nullptr);
    step_ = step;
    EXPECT_EQ(step->GetTitle(), "Character Creation: Roll Priors and Particulars");
    EXPECT_EQ(step->GetParent(), main);
    EXPECT_EQ(program_data.WizardState, kWizardBackground);
    EXPECT_EQ(program_data.BuildingPoints, 10.0f);
    EXPECT_EQ(BackgroundRows(step), "[10017 Begin Priors and Particulars]\n");

    ScopedPrompter prompts;
    dice::QueueFaces({3});
    prompts->ExpectMessage(wxYES);
    Click(step, ID_STEP6_AGE);
    EXPECT_EQ(program_data.WizardState, kWizardBackgroundRolled);
    dice::QueueFaces({50});
    prompts->ExpectMessage(wxYES);
    Click(step, ID_STEP6_HANDEDNESS);
    dice::QueueFaces({1, 1, 5, 5});
    prompts->ExpectMessage(wxNO);
    prompts->ExpectMessage(wxYES);
    Click(step, ID_STEP6_HEIGHT);
    dice::QueueFaces({4, 4, 4});
    prompts->ExpectMessage(wxYES);
    Click(step, ID_STEP6_WEIGHT);
    dice::QueueFaces({45});
    prompts->ExpectMessage(wxYES);
    Click(step, ID_STEP6_SOCIAL_CLASS);
    PumpEvents();
    EXPECT_EQ(dice::QueuedFaces(), 0u);

    const Character_Class& pc = current_character;
    EXPECT_EQ(pc.AGE, 18);
    EXPECT_EQ(pc.HANDEDNESS, "Right");
    EXPECT_EQ(pc.CHARACTER_HEIGHT, 70);
    EXPECT_EQ(pc.CHARACTER_WEIGHT, 142);
    EXPECT_EQ(pc.SOCIAL_ID, 8);
    EXPECT_EQ(pc.SOCIAL_CLASS, "Middle Middle Class");
    EXPECT_EQ(program_data.BuildingPoints, 9.0f);
    EXPECT_EQ(program_data.WizardState, kWizardBackgroundRolled);
    EXPECT_EQ(VOLDFrames[kSlotStep6].Live(), step);
    EXPECT_EQ(BackgroundRows(step), "10052 Age:\n10053 18\n10054 Handeness:\n10055 Right\n10056 Height:\n"
                                    "10057 70\n10058 Weight:\n10059 142\n10060 Social Class:\n"
                                    "10061 Middle Middle Class\n[10022 Roll Legitimacy of Birth]\n");
    EXPECT_EQ(prompts->Asked()[0].message, "BP=10.0   | Rolling for starting age (15+1d4): rolled 18\n")
        << "the question shows the line as the dice log took it";
    EXPECT_EQ(prompts->Asked()[0].caption, "Accept this roll? (reroll costs 1BP)");

    const std::vector<std::string> lines = LogLines();
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(
        std::vector<std::string>(lines.end() - 9, lines.end()),
        (std::vector<std::string>{
            "BP=10.0   | Rolling for starting age (15+1d4): rolled 18",
            "BP=10.0   | Rolling for Handeness (d100) (modified by high Dex and or Race to improve odds of "
            "an "
            "ambidextrous result) : rolled 50 = Right",
            "BP=10.0   | Rolling for Height (60+2d10): rolled 62", "BP=9.0    | Spending 1 BP to re-roll",
            "BP=9.0    | Rolling for Height (60+2d10): rolled 70",
            "BP=9.0    | Rolling for Weight (130+3d12): rolled 142",
            "BP=9.0    | Rolling for Social Class (d100): rolled 45 = Middle Middle Class",
            "BP=9.0    | Applying Modifier to Money Roll based on Social Class Middle Middle Class 0+0=0",
            "BP=9.0    | Applying Modifier to Starting Honor based on Social Class Middle Middle Class "
            "0+0=0"}));
    EXPECT_EQ(lines[lines.size() - 10], "BP=10.0   | entering movement")
        << "the race step's hand-over comes first";
}

} // namespace
