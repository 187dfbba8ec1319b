#include "creation_run.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <vector>
#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/stattext.h>

#include "app/app_globals.h"
#include "shell/cx_application.h"
#include "app/dice.h"
#include "steps/frame_step3.h"
#include "steps/frame_step6.h"
#include "support/catalog_files.h"
#include "support/scripted_prompter.h"
#include "shell/form_main.h"
#include "ui/ui_test_support.h"

void CreationRunTest::SetUp() {
    GlobalsTest::SetUp();
    std::filesystem::copy(SampleCatalogs(), dir_.path(), std::filesystem::copy_options::recursive);
    main_ = RunStartUp();
}

void CreationRunTest::TearDown() {
    CloseAllWindows();
    GlobalsTest::TearDown();
}

FrameStep6* RunToBackground(FormMain* main, const Scores& scores, const std::string& raceRow) {
    dice::QueueFaces(std::vector<int32_t>(12, 3)); // the dice-log name: 12d12, "36.log"
    SelectMenu(main, ID_MAIN_NEW);
    auto* step3 = dynamic_cast<FrameStep3*>(VOLDFrames[kSlotStep3].Live());
    EXPECT_NE(step3, nullptr);
    if (!step3)
        return nullptr;
    dice::QueueFaces(RollFaces(scores, {50, 50, 50, 50, 50, 50, 50}));
    Click(step3, ID_STEP3_ROLL);
    PickListRow(dynamic_cast<wxListBox*>(step3->FindWindow(ID_STEP3_RACE_LIST)), raceRow);
    if (testing::Test::HasFatalFailure())
        return nullptr;
    Click(step3, ID_STEP3_CONTINUE);
    PumpEvents();
    auto* background = dynamic_cast<FrameStep6*>(VOLDFrames[kSlotStep6].Live());
    EXPECT_NE(background, nullptr);
    return background;
}

std::string BackgroundRows(FrameStep6* step) {
    std::string rows;
    for (wxStaticText* text : step->Texts())
        rows += std::to_string(text->GetId()) + " " + text->GetLabel().ToStdString() + "\n";
    for (int id = 10017; id <= 10031; ++id)
        if (auto* button = dynamic_cast<wxButton*>(step->FindWindow(id)); button && button->IsShown())
            rows += "[" + std::to_string(id) + " " + button->GetLabel().ToStdString() + "]\n";
    return rows;
}

std::vector<int> ClickThroughBackground(FrameStep6* step, int limit) {
    std::vector<int> clicked;
    for (int n = 0; n < limit; ++n) {
        int shown = 0;
        for (int id = ID_STEP6_AGE; id <= ID_STEP6_BIRTH_ORDER; ++id)
            if (auto* button = dynamic_cast<wxButton*>(step->FindWindow(id)); button && button->IsShown())
                shown = id;
        if (!shown)
            break;
        clicked.push_back(shown);
        Click(step, shown);
        PumpEvents();
    }
    return clicked;
}

const BackgroundScript kPlainBackground = {{3, 50, 5, 5, 4, 4, 4, 45, 50, 45, 45, 50, 50, 50, 10}, 12};

void RollBackground(FrameStep6* step, const BackgroundScript& script) {
    ScopedPrompter prompts;
    for (size_t i = 0; i < script.questions; ++i)
        prompts->ExpectMessage(wxYES);
    dice::QueueFaces(script.faces);
    ClickThroughBackground(step);
    EXPECT_EQ(dice::QueuedFaces(), 0u);
}
