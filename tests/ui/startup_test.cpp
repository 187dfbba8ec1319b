#include <gtest/gtest.h>
#include <wx/display.h>

#include "app/app_globals.h"
#include "shell/cx_application.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "catalog/equipment_catalog.h"
#include "catalog/race_catalog.h"
#include "support/catalog_files.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "shell/form_main.h"
#include "ui/ui_test_support.h"

namespace {

class StartUpTest : public GlobalsTest {};

TEST_F(StartUpTest, OpensTheMainWindowWithEmptySlotsAndNoStepOpen) {
    ScopedTempDir dir;
    std::filesystem::copy(FixtureCatalogs(), dir.path(), std::filesystem::copy_options::recursive);
    program_data.WizardState = kWizardAbilities;
    VOLDFrames[5] = new wxFrame(nullptr, wxID_ANY, "stale"); // a slot left set must be emptied

    testing::internal::CaptureStdout();
    FormMain* frame = RunStartUp();
    const std::string trace = testing::internal::GetCapturedStdout();

    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(MasterFrame, frame);
    EXPECT_EQ(program_data.ProgramVersion, "5.1");
    EXPECT_EQ(program_data.WizardState, kWizardNone);
    for (const FrameSlot& slot : VOLDFrames)
        EXPECT_FALSE(slot.IsSet());
    EXPECT_EQ(frame->GetTitle(), "Brindlekit");
    // The catalogues are read once, races first and equipment last.
    EXPECT_EQ(CharacterRace::Count(), 2u);
    EXPECT_EQ(CharacterEquip::Count(), 2u);
    EXPECT_LT(trace.find("Loading MarshRunner_Female_Race.qxf"), trace.find("Loading Lamplighter_Class.qxf"));
    EXPECT_LT(trace.find("Loading Lamplighter_Class.qxf"), trace.find("Loading Categories_Equipment.qxf"));
    EXPECT_NE(trace.find("Loading Categories_Equipment.qxf"), std::string::npos);
    EXPECT_TRUE(frame->IsShown());

    int w = 0, h = 0;
    wxDisplaySize(&w, &h);
    EXPECT_EQ(MasterWidth, w);
    EXPECT_EQ(MasterHeight, h - 25);
    if (w == 1024 && h == 768) {
        EXPECT_EQ(MasterHeight, 743);
        EXPECT_EQ(frame->GetPosition(), wxPoint(0, 0));
        EXPECT_EQ(frame->GetSize(), wxSize(824, 543));
    }
}

TEST(FrameSlotTest, KeepsItsValueButNeverReachesADestroyedWindow) {
    FrameSlot slot;
    auto* frame = new wxFrame(nullptr, wxID_ANY, "slot"); // owned by wx
    slot = frame;
    EXPECT_TRUE(slot.IsSet());
    EXPECT_EQ(slot.Live(), frame);
    frame->Destroy();
    PumpEvents();
    EXPECT_TRUE(slot.IsSet());
    EXPECT_EQ(slot.Live(), nullptr);
    slot.Clear();
    EXPECT_FALSE(slot.IsSet());
}

} // namespace
