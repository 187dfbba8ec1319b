#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#include "app/app_globals.h"
#include "shell/cx_application.h"
#include "gm/honor_tracking_frame.h"
#include "steps/frame_step3.h"
#include "support/catalog_files.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "shell/form_main.h"
#include "ui/ui_test_support.h"

namespace {

class GtkWarningsTest : public GlobalsTest {
protected:
    ScopedTempDir dir_;
};

// GTK reports a control given less than its minimum size on stderr, and then draws it clipped.
TEST_F(GtkWarningsTest, StartUpAndEveryWindowOfTheMainMenuOpenWithoutGtkWarnings) {
    std::filesystem::copy(SampleCatalogs(), dir_.path(), std::filesystem::copy_options::recursive);
    struct Step {
        const char* what;
        int menu;
    } steps[] = {
        {"the options window", ID_MAIN_OPTIONS},
        {"the first step, the dice log and the tree", ID_MAIN_NEW},
        {"the critical-hit roller", ID_MAIN_CRITICAL},
        {"the fighter background window", ID_MAIN_TEST},
        {"the honor tracker", ID_MAIN_HONOR},
    };
    testing::internal::CaptureStderr();
    FormMain* main = RunStartUp();
    PumpEvents();
    std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(printed.find("Gtk-"), std::string::npos) << "start-up:\n" << printed;
    for (const Step& step : steps) {
        testing::internal::CaptureStderr();
        SelectMenu(main, step.menu);
        PumpEvents();
        printed = testing::internal::GetCapturedStderr();
        EXPECT_EQ(printed.find("Gtk-"), std::string::npos) << step.what << ":\n" << printed;
    }
    testing::internal::CaptureStderr();
    Click(VOLDFrames[kSlotStep3].Live(), ID_STEP3_ROLL); // fills the race list
    PumpEvents();
    printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(printed.find("Gtk-"), std::string::npos) << "a roll in the first step:\n" << printed;

    HonorTrackingFrame* tracker = FindTopLevel<HonorTrackingFrame>();
    ASSERT_NE(tracker, nullptr);
    testing::internal::CaptureStderr();
    Click(tracker, ID_HONOR_ADD_PC); // the party picker
    PumpEvents();
    printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(printed.find("Gtk-"), std::string::npos) << "the party picker:\n" << printed;
}

} // namespace
