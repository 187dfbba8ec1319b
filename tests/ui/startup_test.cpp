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

// Started in the wrong folder the race list is empty: the start-up says which catalogue folders are
// missing, once, and goes on. Folders that are there, even empty, are not named.
TEST_F(StartUpTest, SaysOnceWhichCatalogueFoldersAreMissing) {
    const struct {
        const char* what;
        std::vector<std::string> present; // copied from the sample set; "*" for all of it
        bool emptyFolders;                // the seven folders made empty first
        const char* missing;              // as listed; null: no message
    } cases[] = {
        {"an empty folder", {}, false, "Races, Classes, Skills, Spells, Talents, Proficiencies, Equipment"},
        {"the sample data", {"*"}, false, nullptr},
        {"seven empty folders", {}, true, nullptr},
        {"only the races", {"Races"}, false, "Classes, Skills, Spells, Talents, Proficiencies, Equipment"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScopedTempDir dir;
        if (c.emptyFolders) {
            for (const char* folder :
                 {"Races", "Classes", "Skills", "Spells", "Talents", "Proficiencies", "Equipment"})
                std::filesystem::create_directory(folder);
        }
        for (const std::string& folder : c.present) {
            if (folder == "*")
                std::filesystem::copy(SampleCatalogs(), dir.path(), std::filesystem::copy_options::recursive);
            else
                std::filesystem::copy(SampleCatalogs() / folder, dir.path() / folder,
                                      std::filesystem::copy_options::recursive);
        }
        ScopedPrompter prompts;
        if (c.missing)
            prompts->ExpectMessage();
        testing::internal::CaptureStdout();
        FormMain* frame = RunStartUp();
        testing::internal::GetCapturedStdout();
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(frame->IsShown());
        if (!c.missing) {
            EXPECT_TRUE(prompts->Asked().empty());
        } else {
            ASSERT_EQ(prompts->Asked().size(), 1u);
            EXPECT_EQ(prompts->Asked()[0].caption, "Catalogues");
            EXPECT_EQ(prompts->Asked()[0].message,
                      "Brindlekit reads its catalogues from the folder it is started in, \"" +
                          std::filesystem::current_path().string() +
                          "\". These catalogue folders are missing there: " + c.missing +
                          ". Their catalogues are empty; start Brindlekit in a folder that holds them.");
        }
        CloseAllWindows();
        ClearCatalogues();
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
