#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/app_globals.h"
#include "app/character.h"
#include "app/clear_all.h"
#include "app/item_lists.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "steps/thief_skills_frame.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/tree_outline.h"
#include "ui/tree_model.h"
#include "ui/ui_test_support.h"

namespace {

const char* const kAllNine = "Pick Pockets, Open Locks, Find Traps, Remove Traps, Move Silently, Hide in "
                             "Shadows, Detect Noise, Climb Walls, Read Languages";

class ThiefSkillsTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        program_data.LogFileName = "31.log";
        program_data.WizardState = kWizardAgeAndMoney;
        thief_ = std::make_unique<CharacterClass>();
        thief_->NAME = "Thief";
        thief_->THIEF = 1;
        thief_->THIEFSKILLS = "Pick Pockets, Climb Walls";
        thief_->THIEFPOINTS[1] = 60;
        current_character.pClass = thief_.get();
        record_ = AddRecord();
    }
    void TearDown() override {
        CloseAllWindows();
        GlobalsTest::TearDown();
    }

    ClassDataItem* AddRecord() {
        auto record = std::make_unique<ClassDataItem>();
        record->pClass = thief_.get();
        record->CLASS_NAME = "Thief";
        record->CLASS_LEVEL = 1;
        record->CLASS_PICK_POCKETS[0] = 35;
        record->CLASS_CLIMB_WALLS[0] = 60;
        ClassDataItem* added = record.get();
        current_character.CLASS_DATA.AddTail(std::move(record));
        return added;
    }

    ThiefSkills* Open() {
        window_ = new ThiefSkills(nullptr, "Thief Skills", wxDefaultPosition, wxSize(300, 300), record_);
        window_->Show(true);
        return window_;
    }

    std::string Text(int id) const { return Control<wxTextCtrl>(window_, id)->GetValue().ToStdString(); }
    void Type(int skill, const char* points) {
        Control<wxTextCtrl>(window_, ID_THIEF_ENTRY_PP + skill)->ChangeValue(points);
    }
    int Y(int id) const { return Control<wxWindow>(window_, id)->GetPosition().y; }

    ScopedTempDir dir_;
    std::unique_ptr<CharacterClass> thief_;
    ClassDataItem* record_ = nullptr;
    ThiefSkills* window_ = nullptr;
};

TEST_F(ThiefSkillsTest, RowsOfTheOfferedSkillsAndTheButtonsBelowThem) {
    struct Case {
        const char* skills;
        std::vector<int> rows; // the skills given rows, in order
        int buttonY;
    };
    const Case cases[] = {
        {"Pick Pockets, Climb Walls", {0, 7}, 100},
        {"Read Languages", {8}, 60},
        {kAllNine, {0, 1, 2, 3, 4, 5, 6, 7, 8}, 220},
        {"", {}, 60},
    };
    for (const Case& c : cases) {
        thief_->THIEFSKILLS = c.skills;
        Open();
        int y = 25;
        size_t next = 0;
        for (int skill = 0; skill < 9; ++skill) {
            const bool offered = next < c.rows.size() && c.rows[next] == skill;
            EXPECT_EQ(window_->FindWindow(ID_THIEF_LABEL_PP + skill) != nullptr, offered)
                << c.skills << skill;
            EXPECT_EQ(window_->FindWindow(ID_THIEF_TOTAL_PP + skill) != nullptr, offered)
                << c.skills << skill;
            EXPECT_EQ(window_->FindWindow(ID_THIEF_ENTRY_PP + skill) != nullptr, offered)
                << c.skills << skill;
            if (!offered)
                continue;
            ++next;
            EXPECT_EQ(Y(ID_THIEF_LABEL_PP + skill), y) << c.skills << skill;
            EXPECT_EQ(Y(ID_THIEF_TOTAL_PP + skill), y);
            EXPECT_EQ(Y(ID_THIEF_ENTRY_PP + skill), y);
            y += 20;
        }
        for (int id : {ID_THIEF_APPLY, ID_THIEF_CONTINUE, ID_THIEF_ABORT})
            EXPECT_EQ(Y(id), c.buttonY) << c.skills;
        window_->Destroy();
        PumpEvents();
    }
}

TEST_F(ThiefSkillsTest, HeaderBoxesAndEachIdOnce) {
    Open();
    EXPECT_EQ(window_->GetTitle(), "Thief Skills");
    EXPECT_EQ(Control<wxStaticText>(window_, ID_THIEF_HEADER)->GetLabel(), "Thief Skills");
    EXPECT_EQ(Control<wxStaticText>(window_, ID_THIEF_BASE_HEADER)->GetLabel(), "Base");
    EXPECT_EQ(Control<wxStaticText>(window_, ID_THIEF_POINTS_LABEL)->GetLabel(), "60 Points");
    EXPECT_EQ(Control<wxStaticText>(window_, ID_THIEF_LABEL_PP + 7)->GetLabel(), "Climb Walls");
    EXPECT_EQ(Text(ID_THIEF_TOTAL_PP), "35");
    EXPECT_EQ(Text(ID_THIEF_TOTAL_PP + 7), "60");
    EXPECT_EQ(Text(ID_THIEF_ENTRY_PP), "0");
    EXPECT_FALSE(Control<wxTextCtrl>(window_, ID_THIEF_TOTAL_PP)->IsEditable());
    EXPECT_TRUE(Control<wxTextCtrl>(window_, ID_THIEF_ENTRY_PP)->IsEditable());
    EXPECT_EQ(Control<wxButton>(window_, ID_THIEF_APPLY)->GetLabel(), "Apply");
    EXPECT_EQ(Control<wxButton>(window_, ID_THIEF_CONTINUE)->GetLabel(), "Continue");
    EXPECT_EQ(Control<wxButton>(window_, ID_THIEF_ABORT)->GetLabel(), "Abort");

    std::map<int, int> uses;
    for (wxWindow* child : window_->GetChildren())
        ++uses[child->GetId()];
    for (const auto& [id, count] : uses)
        EXPECT_EQ(count, 1) << "id " << id << " is used by " << count << " controls";
    EXPECT_EQ(uses.size(), 3u + 2u * 3u + 3u);
}

TEST_F(ThiefSkillsTest, ApplyShowsTotalsWithinThePointsAndStoresNothing) {
    Open();
    Type(0, "30");
    Type(7, "20");
    Click(window_, ID_THIEF_APPLY);
    EXPECT_EQ(Text(ID_THIEF_TOTAL_PP), "65");
    EXPECT_EQ(Text(ID_THIEF_TOTAL_PP + 7), "80");
    EXPECT_EQ(record_->CLASS_PICK_POCKETS[1], 0);
    EXPECT_TRUE(LogLines().empty());

    // Over the cap, or over the points: the boxes keep what they showed.
    Type(0, "31");
    Click(window_, ID_THIEF_APPLY);
    Type(0, "30");
    Type(7, "30 and more");
    thief_->THIEFPOINTS[1] = 59;
    Click(window_, ID_THIEF_APPLY);
    EXPECT_EQ(Text(ID_THIEF_TOTAL_PP), "65");
    EXPECT_EQ(Text(ID_THIEF_TOTAL_PP + 7), "80");
    EXPECT_EQ(Control<wxStaticText>(window_, ID_THIEF_POINTS_LABEL)->GetLabel(), "60 Points")
        << "never updated";

    // Continue with a sum short of the points does nothing either.
    thief_->THIEFPOINTS[1] = 60;
    Type(7, "29");
    Click(window_, ID_THIEF_CONTINUE);
    EXPECT_FALSE(Closing(window_));
    EXPECT_EQ(record_->CLASS_PICK_POCKETS[1], 0);
    EXPECT_TRUE(LogLines().empty());
}

TEST_F(ThiefSkillsTest, ContinueStoresThePointsFillsTheTreeAndKeepsTheWizardState) {
    Open();
    Type(0, "30");
    Type(7, "30");
    Click(window_, ID_THIEF_CONTINUE);
    EXPECT_TRUE(Closing(window_));
    EXPECT_TRUE(window_->IsContinued());
    EXPECT_EQ(Text(ID_THIEF_TOTAL_PP), "65");
    EXPECT_EQ(record_->CLASS_PICK_POCKETS[1], 30);
    EXPECT_EQ(record_->CLASS_CLIMB_WALLS[1], 30);
    EXPECT_EQ(LogLines().size(), 9u);
    EXPECT_EQ(LogLines().front(), "BP=0.0    | Pick Pockets 35 +30 = 65");
    const std::string tree = TreeOutline(CurrentTree());
    EXPECT_NE(tree.find("Thief\n    Level\n      1\n    Pick Pockets\n      65\n"), std::string::npos)
        << tree;
    EXPECT_NE(tree.find("Climb Walls\n      90\n"), std::string::npos) << tree;
    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardAgeAndMoney);
}

TEST_F(ThiefSkillsTest, AbortEndsTheCreationOnlyWhenNoStepIsOpenBesideIt) {
    // The age-and-money step open beside it keeps the creation going.
    auto* nextStep = new wxFrame(nullptr, wxID_ANY, "Character Creation: Age and Money");
    VOLDFrames[kSlotStep10] = nextStep;
    Open();
    Click(window_, ID_THIEF_ABORT);
    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardAgeAndMoney);
    EXPECT_EQ(record_->CLASS_PICK_POCKETS[1], 0);

    // Alone, Abort and the close box end it.
    nextStep->Destroy();
    PumpEvents();
    Open();
    Click(window_, ID_THIEF_ABORT);
    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardNone);

    program_data.WizardState = kWizardAgeAndMoney;
    Open();
    window_->Close();
    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardNone);
    EXPECT_TRUE(LogLines().empty());
}

TEST_F(ThiefSkillsTest, AWindowLeftFromAReplacedCharacterIsInert) {
    Open();
    Type(0, "30");
    Type(7, "30");
    Clear_All();
    program_data.WizardState = kWizardAbilities; // the next character's first step
    current_character.pClass = thief_.get();
    ClassDataItem* next = AddRecord();
    const size_t lines = LogLines().size();

    Click(window_, ID_THIEF_APPLY);
    EXPECT_EQ(Text(ID_THIEF_TOTAL_PP), "35");
    Click(window_, ID_THIEF_CONTINUE);
    EXPECT_FALSE(Closing(window_));
    EXPECT_EQ(next->CLASS_PICK_POCKETS[1], 0);
    EXPECT_EQ(LogLines().size(), lines);
    window_->Close();
    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardAbilities);
}

} // namespace
