#include <gtest/gtest.h>
#include <memory>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/stattext.h>

#include "app/app_globals.h"
#include "app/character.h"
#include "app/dice.h"
#include "app/program_data.h"
#include "app/prompts.h"
#include "catalog/class_catalog.h"
#include "catalog/race_catalog.h"
#include "steps/frame_step10.h"
#include "steps/skill_frame.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"
#include "ui/ui_test_support.h"

namespace {

using Kind = ScriptedPrompter::Kind;

class FrameStep10Test : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        program_data.LogFileName = "10.log";
        race_.NAME = "Dwarf";
        klass_.NAME = "Fighter";
        klass_.AGEDIE = 6;
        klass_.AGEDIEROLLS = 1;
        current_character.pRace = &race_;
        current_character.pClass = &klass_;
        current_character.RACE = "Dwarf";
        current_character.SOCIAL_ID = 8;
        current_character.AGE = 40;
        current_character.ABILITY_BASE = {10, 10, 10, 10, 10, 10, 10};
    }
    void TearDown() override {
        CloseAllWindows();
        GlobalsTest::TearDown();
    }

    // Opens the step as the class step hands over to it.
    FrameStep10* Open() {
        program_data.WizardState = kWizardAgeAndMoney;
        step_ = new FrameStep10(nullptr, "Character Creation: Age and Money", wxDefaultPosition,
                                wxSize(290, 155));
        VOLDFrames[kSlotStep10] = step_;
        step_->Show(true);
        return step_;
    }

    void RollAge(int32_t face) {
        dice::QueueFaces({face});
        Click(step_, ID_STEP10_ROLL_AGE);
        PumpEvents();
    }

    // The money roll with no BP to spend: the d100 (the class modifier brings it to `total`), then the
    // gold dice and the inheritance tables' dice.
    void RollMoney(int32_t total, std::vector<int32_t> faces, bool inheritance = false) {
        klass_.MONEYROLL = total - 50;
        prompts_->ExpectNumber(0);
        if (inheritance)
            prompts_->ExpectMessage(wxCANCEL); // the answer does not matter
        faces.insert(faces.begin(), 50);
        dice::QueueFaces(faces);
        Click(step_, ID_STEP10_ROLL_MONEY);
        PumpEvents();
        EXPECT_EQ(dice::QueuedFaces(), 0u);
    }

    // The message boxes with `caption` among the questions asked from the `from`th on.
    std::vector<std::string> Messages(const char* caption, size_t from = 0) {
        std::vector<std::string> texts;
        const auto& asked = prompts_->Asked();
        for (size_t i = from; i < asked.size(); ++i)
            if (asked[i].kind == Kind::Message && asked[i].caption == caption)
                texts.push_back(asked[i].message);
        return texts;
    }

    ScopedTempDir dir_;
    ScopedPrompter prompts_;
    CharacterRace race_;
    CharacterClass klass_;
    FrameStep10* step_ = nullptr;
};

TEST_F(FrameStep10Test, OpensWithThreeButtonsAndNoMenu) {
    Open();
    EXPECT_EQ(step_->GetTitle(), "Character Creation: Age and Money");
    EXPECT_EQ(step_->GetMenuBar(), nullptr);
    const std::pair<int, const char*> buttons[] = {{ID_STEP10_ROLL_AGE, "Roll for Starting Age"},
                                                   {ID_STEP10_ROLL_MONEY, "Roll for Starting Money"},
                                                   {ID_STEP10_CONTINUE, "Continue"}};
    for (const auto& [id, label] : buttons) {
        auto* button = dynamic_cast<wxButton*>(step_->FindWindow(id));
        ASSERT_NE(button, nullptr) << id;
        EXPECT_EQ(button->GetLabel(), label);
    }
    EXPECT_EQ(step_->RollsDone(), 0);
}

TEST_F(FrameStep10Test, EachRollReplacesItsButtonByItsResultInEitherOrder) {
    for (bool ageFirst : {true, false}) {
        SCOPED_TRACE(ageFirst ? "age first" : "money first");
        ResetGlobals();
        SetUp();
        Open();
        if (ageFirst) {
            RollAge(5);
            EXPECT_EQ(step_->FindWindow(ID_STEP10_ROLL_AGE), nullptr);
            ASSERT_NE(step_->FindWindow(ID_STEP10_ROLL_MONEY), nullptr);
        }
        RollMoney(50, {3});
        EXPECT_EQ(step_->FindWindow(ID_STEP10_ROLL_MONEY), nullptr);
        if (!ageFirst) {
            ASSERT_NE(step_->FindWindow(ID_STEP10_ROLL_AGE), nullptr);
            RollAge(5);
            EXPECT_EQ(step_->FindWindow(ID_STEP10_ROLL_AGE), nullptr);
        }
        ASSERT_NE(step_->Label(0), nullptr);
        ASSERT_NE(step_->Label(1), nullptr);
        EXPECT_EQ(step_->Label(0)->GetLabel(), "Age: 45");
        EXPECT_EQ(step_->Label(1)->GetLabel(), "Gold: 63");
        EXPECT_EQ(step_->Label(0)->GetId(), ID_STEP10_RESULT);
        EXPECT_EQ(step_->Label(1)->GetId(), ID_STEP10_RESULT);
        EXPECT_EQ(current_character.AGE, 45);
        EXPECT_EQ(current_character.GOLDCOINS, 63);
        EXPECT_EQ(step_->RollsDone(), 2);
        EXPECT_NE(step_->FindWindow(ID_STEP10_CONTINUE), nullptr);
        EXPECT_FALSE(Closing(step_));
        CloseAllWindows();
    }
}

TEST_F(FrameStep10Test, RollEventsAfterTheRollChangeNothing) {
    Open();
    RollAge(5);
    RollMoney(50, {3});
    // The buttons are gone, but their events can still be sent: each roll is made once.
    wxCommandEvent age(wxEVT_BUTTON, ID_STEP10_ROLL_AGE);
    step_->ProcessWindowEvent(age);
    wxCommandEvent money(wxEVT_BUTTON, ID_STEP10_ROLL_MONEY);
    step_->ProcessWindowEvent(money);
    EXPECT_EQ(current_character.AGE, 45);
    EXPECT_EQ(step_->RollsDone(), 2);
}

TEST_F(FrameStep10Test, ContinueBeforeBothRollsDoesNothing) {
    Open();
    Click(step_, ID_STEP10_CONTINUE);
    RollAge(2);
    Click(step_, ID_STEP10_CONTINUE);
    SelectMenu(step_, ID_STEP10_MENU_CONTINUE);
    PumpEvents();
    EXPECT_FALSE(Closing(step_));
    EXPECT_FALSE(step_->IsContinued());
    EXPECT_EQ(program_data.WizardState, kWizardAgeAndMoney);
    EXPECT_EQ(current_character.HONOR_BASE, 0);
    EXPECT_TRUE(Messages("Honor").empty());
}

TEST_F(FrameStep10Test, InheritanceMessageOnlyForTheRichest) {
    const std::string weapon = "You have inherited your father's weapon: Long sword";
    const std::string three = weapon + ", armor: Padded, shield/helmet: Shield, Body";
    struct Case {
        int32_t total;
        std::vector<int32_t> faces; // gold dice, then the weapon, armour, shield, mount and deed
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {3, {1, 1}, {}}, // a debt: its text is built but not shown
        {8, {}, {}},     // flat broke: the same
        {100, {1}, {}},
        {101, {1, 4636}, {weapon + "."}},
        {106, {1, 4636, 1, 400}, {three + "."}},
        {116,
         {1, 1, 4636, 1, 400, 5600, 1},
         {three +
          ", Mount: Horse, dwarven war, and the deed to some land: Parcel of land in wilderness - harsh "
          "climate."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.total);
        ResetGlobals();
        SetUp();
        Open();
        const size_t asked = prompts_->Asked().size();
        RollMoney(c.total, c.faces, !c.messages.empty());
        EXPECT_EQ(Messages("Inheritance", asked), c.messages);
        EXPECT_EQ(current_character.HEREDITARY_DEBT > 0, c.total <= 5);
        EXPECT_EQ(step_->RollsDone(), 1);
        CloseAllWindows();
    }
}

TEST_F(FrameStep10Test, TheMoneyButtonOutlivesItsClickWhileTheInheritanceIsShown) {
    // Installed for this test only; the fixture's scripted prompter comes back however it ends.
    struct Installed {
        ModalLoopPrompter* prompter = new ModalLoopPrompter;
        std::unique_ptr<Prompter> previous = SetPrompter(std::unique_ptr<Prompter>(prompter));
        ~Installed() { SetPrompter(std::move(previous)); }
    } installed;
    ModalLoopPrompter& prompts = *installed.prompter;
    Open();
    RollAge(5);
    const wxWeakRef<wxWindow> clicked = step_->FindWindow(ID_STEP10_ROLL_MONEY);
    ASSERT_TRUE(clicked);
    bool aliveWhileAsked = false;
    prompts.whileAsked = [&] { aliveWhileAsked = clicked && !clicked->IsShown(); };
    klass_.MONEYROLL = 101 - 50;
    prompts.ExpectNumber(0);
    prompts.ExpectMessage();
    dice::QueueFaces({50, 1, 4636});
    Click(step_, ID_STEP10_ROLL_MONEY);
    EXPECT_TRUE(aliveWhileAsked) << "hidden, but still there while the inheritance is shown";
    ASSERT_EQ(prompts.Asked().size(), 2u);
    EXPECT_EQ(prompts.Asked()[1].caption, "Inheritance");
    EXPECT_EQ(prompts.Pending(), 0u);
    PumpEvents();
    EXPECT_FALSE(clicked) << "destroyed once its click is over";
    EXPECT_EQ(step_->RollsDone(), 2);
}

TEST_F(FrameStep10Test, ContinueHandsOverTheItemsAndTheHonorThenCloses) {
    Open();
    RollAge(1);
    RollMoney(116, {1, 1, 4636, 1, 400, 5600, 1}, true);
    prompts_->ExpectMessage(); // the honor
    Click(step_, ID_STEP10_CONTINUE);

    std::vector<std::string> items;
    for (const EquipDataItem* item = EquipDataItem::First(); item; item = item->pNext.get()) {
        items.push_back(item->name);
        EXPECT_EQ(item->value, 1) << item->name;
    }
    EXPECT_EQ(items, (std::vector<std::string>{"Long sword (inherited)", "Padded (inherited)",
                                               "Shield, Body (inherited)", "Horse, dwarven war (inherited)",
                                               "Parcel of land in wilderness - harsh climate (inherited)"}));
    EXPECT_EQ(current_character.HONOR_BASE, 10);
    EXPECT_EQ(Messages("Honor"), (std::vector<std::string>{"Your starting Honor is 10"}));
    EXPECT_EQ(LogLines().back(), "BP=-1.0   | Your starting Honor is 10");
    EXPECT_EQ(program_data.WizardState, kWizardSkills);
    EXPECT_TRUE(step_->IsContinued());
    EXPECT_TRUE(Closing(step_));

    // The skills step follows, under the main window in its own slot.
    auto* skills = dynamic_cast<SkillFrame*>(VOLDFrames[kSlotSkills].Live());
    ASSERT_NE(skills, nullptr);
    EXPECT_EQ(skills->GetTitle(), "Character Creation: Skills Talents & Proficiencies");
    EXPECT_TRUE(skills->IsShown());

    PumpEvents();
    EXPECT_EQ(VOLDFrames[kSlotStep10].Live(), nullptr);
    EXPECT_FALSE(VOLDFrames[kSlotStep10].IsSet());
    EXPECT_EQ(VOLDFrames[kSlotSkills].Live(), skills);
    EXPECT_EQ(program_data.WizardState, kWizardSkills) << "a continued step does not end the creation";
}

TEST_F(FrameStep10Test, LeavingWithoutContinueEndsTheCreation) {
    for (bool abort : {false, true}) {
        SCOPED_TRACE(abort ? "abort" : "close box");
        ResetGlobals();
        SetUp();
        Open();
        RollAge(3);
        if (abort)
            SelectMenu(step_, ID_STEP10_MENU_ABORT);
        else
            step_->Close();
        PumpEvents();
        EXPECT_EQ(program_data.WizardState, kWizardNone);
        EXPECT_FALSE(VOLDFrames[kSlotStep10].IsSet());
        EXPECT_EQ(current_character.HONOR_BASE, 0);
    }
}

// GTK reports a control given less than its minimum size on stderr, and then draws it clipped.
TEST_F(FrameStep10Test, OpensAndShowsItsResultsWithoutGtkWarnings) {
    testing::internal::CaptureStderr();
    Open();
    PumpEvents();
    RollAge(6);
    RollMoney(60, {8});
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(printed.find("Gtk-"), std::string::npos) << printed;
    EXPECT_EQ(step_->Label(1)->GetLabel(), "Gold: 88");
}

} // namespace
