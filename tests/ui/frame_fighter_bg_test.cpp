#include <gtest/gtest.h>
#include <memory>
#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/stattext.h>
#include <wx/weakref.h>

#include "app/app_globals.h"
#include "app/character.h"
#include "app/dice.h"
#include "app/item_lists.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "catalog/talent_catalog.h"
#include "shell/cx_application.h"
#include "shell/form_main.h"
#include "steps/fighter_background.h"
#include "steps/frame_fighter_bg.h"
#include "steps/frame_fighter_bgq.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"
#include "ui/ui_test_support.h"

namespace {

class FrameFighterBGTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        program_data.LogFileName = "4.log";
        current_character.ABILITY_BASE[5] = 10; // Reaction_Adj 0
        current_character.SOCIAL_ID = 7;        // social-class modifier 0
        current_character.SOCIAL_CLASS = "Middle Class";
        BooksToUse[kBookCore] = 1;
    }
    void TearDown() override {
        CloseAllWindows();
        GlobalsTest::TearDown();
    }

    FrameFighterBG* Open() {
        auto* w = new FrameFighterBG(nullptr, "Test Window", wxDefaultPosition, wxSize(640, 500));
        w->Show(true);
        return w;
    }

    // Rolls the table behind `id` with three d6 faces (and any faces after them).
    static void Roll(FrameFighterBG* w, int id, std::vector<int32_t> faces) {
        dice::QueueFaces(faces);
        Click(w, id);
        EXPECT_EQ(dice::QueuedFaces(), 0u);
    }

    static std::vector<FrameFighterBGQ*> Choosers(wxWindow* parent) {
        std::vector<FrameFighterBGQ*> found;
        for (wxWindow* child : parent->GetChildren())
            if (auto* chooser = dynamic_cast<FrameFighterBGQ*>(child); chooser && !chooser->IsBeingDeleted())
                found.push_back(chooser);
        return found;
    }

    static wxString Label(wxWindow* w, int id) {
        auto* text = dynamic_cast<wxStaticText*>(w->FindWindow(id));
        EXPECT_NE(text, nullptr) << "no label " << id;
        return text ? text->GetLabelText() : wxString();
    }

    ScopedTempDir dir_;
};

TEST_F(FrameFighterBGTest, OpensWithItsMenuStatusBarAndFirstButton) {
    FrameFighterBG* w = Open();
    ExpectStepMenu(w, ContinueAbortMenu(ID_FIGHTERBG_MENU_CONTINUE, ID_FIGHTERBG_MENU_ABORT));
    auto* first = dynamic_cast<wxButton*>(w->FindWindow(ID_FIGHTERBG_CAMP));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetLabel(), "Begin Fighter Priors and Particulars");
    EXPECT_EQ(first->GetPosition(), wxPoint(5, 10));
    EXPECT_EQ(w->FindWindow(ID_FIGHTERBG_QUALITY), nullptr);
    EXPECT_EQ(w->FindWindow(ID_FIGHTERBG_ROW_LABEL), nullptr);
}

TEST_F(FrameFighterBGTest, EachRollReplacesItsButtonByARowAndTheNextButton) {
    FrameFighterBG* w = Open();
    wxWeakRef<wxWindow> first(w->FindWindow(ID_FIGHTERBG_CAMP));
    Roll(w, ID_FIGHTERBG_CAMP, {6, 6, 4}); // 16: elite military academy, +3
    EXPECT_FALSE(first->IsShown()) << "hidden at once";
    PumpEvents();
    EXPECT_FALSE(first) << "destroyed once its click is over";
    EXPECT_EQ(Label(w, 10052), "Type of Training Camp:");
    EXPECT_EQ(Label(w, 10053), "elite military academy");
    EXPECT_EQ(w->FindWindow(10053)->GetPosition().y, 10);
    auto* next = dynamic_cast<wxButton*>(w->FindWindow(ID_FIGHTERBG_QUALITY));
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->GetLabel(), "Quality of Basic Training");
    EXPECT_EQ(next->GetPosition(), wxPoint(5, 30));
    EXPECT_EQ(w->CampModifier(), 3);

    Roll(w, ID_FIGHTERBG_QUALITY, {6, 6, 4}); // 16 + 3 = 19: Top Notch, +4
    PumpEvents();
    EXPECT_EQ(w->FindWindow(ID_FIGHTERBG_QUALITY), nullptr);
    EXPECT_EQ(Label(w, 10054), "Quality of Basic Training:");
    EXPECT_EQ(Label(w, 10055), "Top Notch");
    EXPECT_EQ(w->FindWindow(10055)->GetPosition().y, 30);
    auto* last = dynamic_cast<wxButton*>(w->FindWindow(ID_FIGHTERBG_RESULTS));
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->GetLabel(), "Results of Basic Training");
    EXPECT_EQ(last->GetPosition(), wxPoint(5, 50));
    EXPECT_EQ(w->TrainingModifier(), 4);

    Roll(w, ID_FIGHTERBG_RESULTS, {5, 5, 5}); // 15 + 4 = 19: two proficiencies, one chooser
    PumpEvents();
    EXPECT_EQ(Label(w, 10056), "Results of Basic Training:");
    EXPECT_EQ(Label(w, 10057), TrainingResultsBand(5).text);
    EXPECT_EQ(w->FindWindow(ID_FIGHTERBG_RESULTS), nullptr);
    EXPECT_EQ(w->FindWindow(10020), nullptr) << "no button after the last table";
    EXPECT_EQ(w->CurrentButton(), nullptr);
    ASSERT_EQ(Choosers(w).size(), 1u);
    EXPECT_EQ(Choosers(w)[0]->Type(), "Melee Weapon");
    EXPECT_EQ(Choosers(w)[0]->GetTitle(), "Select a Free Weapon Proficiency");

    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], "BP=0.0    | Rolling for Results of Basic Training (3d6): rolled 15(+4) = 19 = " +
                            std::string(TrainingResultsBand(5).text))
        << "the longest line reaches the log whole";
    EXPECT_EQ(current_character.CAMP_TYPE, "elite military academy");
    EXPECT_EQ(current_character.CAMP_QUALITY, "Top Notch");
}

TEST_F(FrameFighterBGTest, LowestResultsCostHonorAndOpenNoChooser) {
    FrameFighterBG* w = Open();
    current_character.HONOR_MOD = 1;
    Roll(w, ID_FIGHTERBG_CAMP, {1, 1, 1});    // 3: secret camp, -3
    Roll(w, ID_FIGHTERBG_QUALITY, {1, 2, 3}); // 6 - 3 = 3: Horrific, -10
    Roll(w, ID_FIGHTERBG_RESULTS, {6, 6, 1}); // 13 - 10 = 3
    EXPECT_EQ(current_character.HONOR_MOD, -1);
    EXPECT_TRUE(Choosers(w).empty());
    EXPECT_EQ(Label(w, 10057), TrainingResultsBand(0).text);
}

TEST_F(FrameFighterBGTest, WeakTrainingRollsTheWeaponTrainingAndOpensOneChooser) {
    FrameFighterBG* w = Open();
    Roll(w, ID_FIGHTERBG_CAMP, {1, 1, 1});
    Roll(w, ID_FIGHTERBG_QUALITY, {1, 2, 3});
    Roll(w, ID_FIGHTERBG_RESULTS, {6, 6, 2, 50}); // 14 - 10 = 4, then 1d100 = 50
    ASSERT_EQ(Choosers(w).size(), 1u);
    EXPECT_EQ(Choosers(w)[0]->Type(), "Melee Weapon Limited");
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(
        lines[3].rfind("BP=0.0    | Rolling for Results for Quality of Weapon Proficinecy Training (1d100): "
                       "rolled 50 = You gained 1 melee weapon proficiency. However",
                       0),
        0u);
}

TEST_F(FrameFighterBGTest, DeclinedRollsArePaidAndRolledAgainInTheSameClick) {
    program_data.BuildingPoints = 0.1f;
    FrameFighterBG* w = Open();
    ScopedPrompter prompts;
    prompts->ExpectMessage(wxNO);
    Roll(w, ID_FIGHTERBG_CAMP, {1, 1, 1, 4, 4, 4}); // declined 3, then 12 stands unasked
    EXPECT_FLOAT_EQ(program_data.BuildingPoints, -0.9f);
    EXPECT_EQ(Label(w, 10053), "regular army boot camp");
    EXPECT_EQ(prompts->Asked().size(), 1u);
}

TEST_F(FrameFighterBGTest, TheClickedButtonOutlivesTheQuestionOfItsRoll) {
    program_data.BuildingPoints = 2.0f;
    FrameFighterBG* w = Open();
    EXPECT_TRUE(ClickedControlOutlivesItsQuestions(w, ID_FIGHTERBG_CAMP, [w] {
        Roll(w, ID_FIGHTERBG_CAMP, {1, 1, 1, 4, 4, 4});
    }));
    EXPECT_EQ(Label(w, 10053), "regular army boot camp");
}

TEST_F(FrameFighterBGTest, ContinueActsOnlyAfterARollAndTheStateFollowsTheWindow) {
    FrameFighterBG* w = Open();
    wxWeakRef<wxFrame> ref(w);
    SelectMenu(w, ID_FIGHTERBG_MENU_CONTINUE);
    PumpEvents();
    ASSERT_TRUE(ref) << "Continue before a roll does nothing";
    EXPECT_EQ(program_data.WizardState, kWizardNone);

    Roll(w, ID_FIGHTERBG_CAMP, {3, 3, 3});
    EXPECT_EQ(program_data.WizardState, kWizardFighterRolled);
    Roll(w, ID_FIGHTERBG_QUALITY, {3, 3, 3}); // 9 - 1 = 8: Sub-par
    Roll(w, ID_FIGHTERBG_RESULTS, {3, 3, 4}); // 10 - 2 = 8: a chooser
    ASSERT_EQ(Choosers(w).size(), 1u);
    Choosers(w)[0]->Close(true);
    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardFighterRolled) << "a closed chooser changes nothing";
    SelectMenu(w, ID_FIGHTERBG_MENU_CONTINUE);
    EXPECT_EQ(program_data.WizardState, kWizardQuirks);
    PumpEvents();
    EXPECT_FALSE(ref);
    EXPECT_EQ(program_data.WizardState, kWizardNone);
}

TEST_F(FrameFighterBGTest, AbortAndCloseGiveBackOnlyWhatTheWindowTook) {
    struct Case {
        WizardStep before; // WizardState when the window opens
        bool roll;         // roll the first table
        bool abort;        // Abort, else the close box
        WizardStep during; // after the roll
        WizardStep after;  // once the window is gone
    } cases[] = {
        {kWizardNone, true, true, kWizardFighterRolled, kWizardNone},
        {kWizardNone, true, false, kWizardFighterRolled, kWizardNone},
        {kWizardNone, false, false, kWizardNone, kWizardNone},
        {kWizardBackground, true, true, kWizardBackground, kWizardBackground},
        {kWizardBackground, true, false, kWizardBackground, kWizardBackground},
    };
    for (const Case& c : cases) {
        program_data.WizardState = c.before;
        FrameFighterBG* w = Open();
        wxWeakRef<wxFrame> ref(w);
        if (c.roll)
            Roll(w, ID_FIGHTERBG_CAMP, {3, 3, 3});
        EXPECT_EQ(program_data.WizardState, c.during);
        if (c.abort)
            SelectMenu(w, ID_FIGHTERBG_MENU_ABORT);
        else
            w->Close(true);
        PumpEvents();
        EXPECT_FALSE(ref);
        EXPECT_EQ(program_data.WizardState, c.after) << c.before << (c.abort ? " abort" : " close");
    }
}

TEST_F(FrameFighterBGTest, OpenedDuringACreationItLeavesTheStateAloneAndContinueStillCloses) {
    program_data.WizardState = kWizardClass;
    FrameFighterBG* w = Open();
    wxWeakRef<wxFrame> ref(w);
    Roll(w, ID_FIGHTERBG_CAMP, {3, 3, 3});
    EXPECT_EQ(program_data.WizardState, kWizardClass);
    SelectMenu(w, ID_FIGHTERBG_MENU_CONTINUE);
    PumpEvents();
    EXPECT_FALSE(ref);
    EXPECT_EQ(program_data.WizardState, kWizardClass);
}

TEST_F(FrameFighterBGTest, TestMenuOpensAWindowEachTimeInNoSlot) {
    FormMain* main = RunStartUp();
    SelectMenu(main, ID_MAIN_TEST);
    SelectMenu(main, ID_MAIN_TEST);
    std::vector<FrameFighterBG*> windows;
    for (wxWindow* child : main->GetChildren())
        if (auto* w = dynamic_cast<FrameFighterBG*>(child))
            windows.push_back(w);
    ASSERT_EQ(windows.size(), 2u);
    for (FrameFighterBG* w : windows) {
        EXPECT_EQ(w->GetTitle(), "Test Window");
        EXPECT_TRUE(w->IsShown());
        for (const FrameSlot& slot : VOLDFrames)
            EXPECT_FALSE(slot.Holds(w));
    }
    program_data.LogFileName = "4.log";
    Roll(windows[0], ID_FIGHTERBG_CAMP, {6, 6, 6});
    EXPECT_EQ(windows[0]->CampModifier(), 3);
    EXPECT_EQ(windows[1]->CampModifier(), 0) << "each window has its own modifiers";
    ASSERT_NE(windows[1]->FindWindow(ID_FIGHTERBG_CAMP), nullptr);
}

class FrameFighterBGQTest : public FrameFighterBGTest {
protected:
    void SetUp() override {
        FrameFighterBGTest::SetUp();
        fighter_.NAME = "Fighter";
        fighter_.WEAPON = {"Long Sword, Short Sword", "Mace"};
        fighter_.nWEAPON = 2;
        current_character.pClass = &fighter_;
        AddProf("Short Sword", kBookCore, 0);
        AddProf("Mace", kBookRogue, 0);      // book not enabled
        AddProf("Long Sword", kBookCore, 1); // not a melee type
        AddProf("Long Sword", kBookCore, 0);
        AddProf("", kBookCore, 0); // the loader's blank last entry
    }
    void AddProf(const std::string& name, int32_t book, int32_t type) {
        auto prof = std::make_unique<CharacterProf>();
        prof->NAME = name;
        prof->BOOK = book;
        prof->TYPE = type;
        CharacterProf::AddTail(std::move(prof));
    }
    FrameFighterBGQ* OpenChooser(const wxString& type) {
        auto* w = new FrameFighterBGQ(nullptr, "Select a Free Weapon Proficiency", wxDefaultPosition,
                                      wxSize(200, 500), type);
        w->Show(true);
        return w;
    }
    static void DoubleClick(FrameFighterBGQ* w, int row) {
        wxListBox* list = w->List();
        list->SetSelection(row);
        wxCommandEvent event(wxEVT_LISTBOX_DCLICK, ID_FIGHTERBGQ_LIST);
        event.SetInt(row);
        event.SetEventObject(list);
        list->GetEventHandler()->ProcessEvent(event);
    }
    CharacterClass fighter_;
};

TEST_F(FrameFighterBGQTest, ListsTheClassWeaponsInsideTheWindow) {
    FrameFighterBGQ* w = OpenChooser("Melee Weapon Limited");
    EXPECT_EQ(Label(w, ID_FIGHTERBGQ_TYPE), "Melee Weapon Limited");
    EXPECT_EQ(w->FindWindow(ID_FIGHTERBGQ_TYPE)->GetPosition(), wxPoint(5, 15));
    EXPECT_EQ(ListRows(w->List()), (std::vector<std::string>{"Short Sword", "Long Sword"}));
    wxListBox* list = w->List();
    EXPECT_EQ(list->GetPosition(), wxPoint(5, 35));
    const wxSize client = w->GetClientSize();
    EXPECT_LE(list->GetPosition().x + 160, client.x) << "the list lies inside the window";

    current_character.pClass = nullptr;
    EXPECT_TRUE(ListRows(OpenChooser("Melee Weapon")->List()).empty());
}

TEST_F(FrameFighterBGQTest, DoubleClickTakesAFreeProficiencyWhileSlotsLast) {
    program_data.BuildingPoints = 3.0f;
    program_data.WizardState = kWizardNone;
    current_character.PROF_SLOTS = 1;
    FrameFighterBGQ* w = OpenChooser("Melee Weapon");
    wxWeakRef<wxFrame> ref(w);
    DoubleClick(w, 1);
    DoubleClick(w, 0); // no slot left
    std::vector<std::pair<std::string, int32_t>> profs;
    for (const ProfDataItem* p = ProfDataItem::First(); p; p = p->pNext.get())
        profs.emplace_back(p->name, p->value);
    EXPECT_EQ(profs, (std::vector<std::pair<std::string, int32_t>>{{"Long Sword", 1}}));
    EXPECT_EQ(current_character.PROF_SLOTS, 0);
    EXPECT_FLOAT_EQ(program_data.BuildingPoints, 3.0f);
    EXPECT_EQ(LogLines(), std::vector<std::string>{"BP=3.0    | Purchasing Proficieny Long Sword for free"});
    EXPECT_TRUE(ref) << "the chooser stays open";
    w->Close(true);
    PumpEvents();
    EXPECT_FALSE(ref);
    EXPECT_EQ(program_data.WizardState, kWizardNone);
}

} // namespace
