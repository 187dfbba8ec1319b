// Creation through the main window from "&New Character" over the background and the quirk steps to the
// class step, with scripted dice and answers on the sample data.
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <wx/combobox.h>

#include "app/app_globals.h"
#include "app/character.h"
#include "shell/cx_application.h"
#include "app/dice.h"
#include "app/program_data.h"
#include "creation_run.h"
#include "quirks/cherry_step7.h"
#include "quirks/frame_step7.h"
#include "steps/frame_step6.h"
#include "steps/frame_step8.h"
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
const Scores kScores = {12, 14, 9, 13, 10, 11, 15};

// Human, Male (10 BP, so every roll asks and is accepted). Both parents known and alive; the mother
// indifferent (a free minor quirk), the father loving (5 BP); two siblings, the character the middle one.
// kPlainBackground (creation_run.h) is the same without free tables.
const BackgroundScript kOwedBackground = {
    {3, 50, 5, 5, 4, 4, 4, 45, 50, 45, 45, 85, 50, 50, 40, 5, 50, 50, 50, 15, 50, 50, 50, 50}, 21};

class CreationToClassTest : public CreationRunTest {
protected:
    // A new character through the race step and every background roll; returns the background window.
    FrameStep6* Background(const BackgroundScript& script) {
        FrameStep6* step = RunToBackground(main_, kScores, "Human, Male");
        if (step)
            RollBackground(step, script);
        return step;
    }

    // Continue with the free tables owed by kOwedBackground, then both free rolls; returns the random-roll
    // window still open in slot 5.
    FrameStep7* FreeRolls() {
        FrameStep6* step = Background(kOwedBackground);
        if (!step)
            return nullptr;
        {
            ScopedPrompter prompts;
            prompts->ExpectChoice(0); // the mother's minor quirk: 6F
            prompts->ExpectChoice(0); // the middle child: 6H, the only table offered
            SelectMenu(step, ID_STEP6_MENU_CONTINUE);
            EXPECT_EQ(prompts->Asked().size(), 2u);
            if (prompts->Asked().size() == 2) {
                EXPECT_EQ(prompts->Asked()[0].choices, (Lines{k6F, k6H}));
                EXPECT_EQ(prompts->Asked()[1].choices, (Lines{k6H}));
            }
        }
        PumpEvents();
        EXPECT_FALSE(VOLDFrames[kSlotStep6].IsSet());
        EXPECT_EQ(program_data.WizardState, kWizardQuirks);
        EXPECT_EQ(program_data.PendingTables, (Lines{k6F, k6H}));
        EXPECT_EQ(program_data.QuirkRollsOwed, 2);
        auto* rolls = dynamic_cast<FrameStep7*>(VOLDFrames[kSlotQuirks].Live());
        EXPECT_NE(rolls, nullptr);
        if (!rolls)
            return nullptr;
        EXPECT_EQ(rolls->GetTitle(), "Character Creation: Quirks and Flaws (Cherry Picking)");
        EXPECT_EQ(rolls->GetParent(), main_);
        ScopedPrompter prompts; // the quirk step asks its accept question as a Yes/No message box
        prompts->ExpectMessage(wxYES);
        prompts->ExpectMessage(wxYES);
        dice::QueueFaces({1, 1}); // "Absent Minded", "Chronic Liar"
        Click(rolls, ID_STEP7_ROLL);
        Click(rolls, ID_STEP7_ROLL);
        return rolls;
    }

    // Continue from the free rolls into hand-picking (slot 3).
    CherryStep7* HandPicking(FrameStep7* rolls) {
        SelectMenu(rolls, ID_STEP7_MENU_CONTINUE);
        PumpEvents();
        EXPECT_FALSE(VOLDFrames[kSlotQuirks].IsSet());
        return dynamic_cast<CherryStep7*>(VOLDFrames[kSlotStep3].Live());
    }

    static void Choose(wxWindow* window, int id, const std::string& name) {
        auto* box = dynamic_cast<wxComboBox*>(window->FindWindow(id));
        ASSERT_NE(box, nullptr);
        const int at = box->FindString(name, true);
        ASSERT_NE(at, wxNOT_FOUND) << name;
        box->SetSelection(at);
    }

    // The log from the background's Continue on.
    static Lines LinesFrom(const std::string& first) {
        const Lines all = LogLines();
        for (size_t i = 0; i < all.size(); ++i)
            if (all[i].find(first) != std::string::npos)
                return Lines(all.begin() + static_cast<long>(i), all.end());
        ADD_FAILURE() << "no log line holds " << first;
        return {};
    }

    static Lines QuirkList() {
        Lines nodes;
        for (const QuirkDataItem* node = QuirkDataItem::First(); node; node = node->pNext.get())
            nodes.push_back(node->name + " x" + std::to_string(node->value));
        return nodes;
    }
};

// The background's Continue and the free rolls, as both runs log them.
const Lines kHandOverLines = {
    "BP=10.0   | Applying Modifier for Birth Order (+0) to Starting Money Roll +0 = 0",
    "BP=15.0   | Adjusted BP by 5 due to quality of father",
    "BP=15.0   | Acquired a new minor quirk due to quality of mother",
    "BP=15.0   | Acquired a new personality quirk due to being a middle child",
    "BP=15.0   | Rolling for Table " + k6F + " (d100): rolled 1, Absent Minded (5 BP)",
    "BP=15.0   | Rolling for Table " + k6H + " (d100): rolled 1, Chronic Liar (5 BP)",
};

TEST_F(CreationToClassTest, FreeTablesThenHandPickingReachTheClassStep) {
    FrameStep7* rolls = FreeRolls();
    ASSERT_NE(rolls, nullptr);
    CherryStep7* picking = HandPicking(rolls);
    ASSERT_NE(picking, nullptr);
    EXPECT_EQ(program_data.WizardState, kWizardQuirks);
    Choose(picking, ID_CHERRY_MINOR_CHOICE, "Scar, Facial");
    Click(picking, ID_CHERRY_ADD_MINOR);
    Choose(picking, ID_CHERRY_MINOR_CHOICE, "Loss of Eye");
    Click(picking, ID_CHERRY_ADD_MINOR);
    Choose(picking, ID_CHERRY_MAJOR_CHOICE, "Trick Knee");
    Click(picking, ID_CHERRY_ADD_MAJOR);
    SelectMenu(picking, ID_CHERRY_MENU_CONTINUE);
    PumpEvents();

    EXPECT_EQ(program_data.WizardState, kWizardClass);
    EXPECT_NE(dynamic_cast<FrameStep8*>(VOLDFrames[kSlotStep8].Live()), nullptr);
    EXPECT_FLOAT_EQ(program_data.BuildingPoints, 23.0f)
        << "10 from the race, 5 from the father, 8 for the picks";
    const Character_Class& pc = current_character;
    EXPECT_EQ(pc.BIRTH_ORDER, "Middle born (2nd)");
    EXPECT_EQ(pc.MOTHER_QUALITY, "Indiferent parent");
    EXPECT_EQ(pc.FATHER_QUALITY, "Loving parent");
    for (const bool book : pc.BOOK_CLASS_FLAG)
        EXPECT_FALSE(book) << "only core tables were used";
    EXPECT_EQ(QuirkList(), (Lines{"Loss of Eye x1", "Scar, Facial x1", "Trick Knee x1", "Absent Minded x1",
                                  "Chronic Liar x1"}));
    const std::string tree = TreeOutline(CurrentTree());
    EXPECT_NE(tree.find("Quirks and Flaws\n  Loss of Eye\n  Scar, Facial\n  Trick Knee\n  Absent Minded\n"
                        "  Chronic Liar\n"),
              std::string::npos)
        << tree;
    EXPECT_NE(tree.find("Prior and Particulars"), std::string::npos) << tree;

    Lines expected = kHandOverLines;
    expected.insert(expected.end(),
                    {"BP=17.0   | Acquired the Loss of Eye Quirk/Flaw (x1) via Cherry Picking for 2 BP",
                     "BP=19.0   | Acquired the Scar, Facial Quirk/Flaw (x1) via Cherry Picking for 2 BP",
                     "BP=23.0   | Acquired the Trick Knee Quirk/Flaw (x1) via Cherry Picking for 4 BP"});
    const Lines lines = LinesFrom("Applying Modifier for Birth Order");
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + static_cast<long>(expected.size())), expected);
}

TEST_F(CreationToClassTest, FreeTablesThenRandomRollsReachTheClassStep) {
    FrameStep7* rolls = FreeRolls();
    ASSERT_NE(rolls, nullptr);
    CherryStep7* picking = HandPicking(rolls);
    ASSERT_NE(picking, nullptr);
    {
        ScopedPrompter prompts;
        prompts->ExpectNumber(2);
        Click(picking, ID_CHERRY_ROLL);
    }
    PumpEvents();
    auto* random = dynamic_cast<FrameStep7*>(VOLDFrames[kSlotQuirkRolls].Live());
    ASSERT_NE(random, nullptr);
    EXPECT_EQ(program_data.WizardState, kWizardChosenQuirkRolls);
    ScopedPrompter prompts;
    for (int i = 0; i < 4; ++i)
        prompts->ExpectMessage(wxYES);
    dice::QueueFaces({60, 80, 6, 9}); // 6A: 6F, then 6H; 6F: "Acrophobia"; 6H: "Clingy"
    for (int i = 0; i < 4; ++i)
        Click(random, ID_STEP7_ROLL);
    EXPECT_EQ(dice::QueuedFaces(), 0u);
    SelectMenu(random, ID_STEP7_MENU_CONTINUE);
    PumpEvents();

    EXPECT_EQ(program_data.WizardState, kWizardClass);
    EXPECT_NE(dynamic_cast<FrameStep8*>(VOLDFrames[kSlotStep8].Live()), nullptr);
    EXPECT_FLOAT_EQ(program_data.BuildingPoints, 25.0f) << "the random rolls' 10 BP on top of the 15";
    EXPECT_EQ(QuirkList(),
              (Lines{"Absent Minded x1", "Acrophobia (fear of heights) x1", "Chronic Liar x1", "Clingy x1"}));
    const std::string tree = TreeOutline(CurrentTree());
    EXPECT_NE(tree.find("Quirks and Flaws\n  Absent Minded\n  Acrophobia (fear of heights)\n  Chronic Liar\n"
                        "  Clingy\n"),
              std::string::npos)
        << tree;

    Lines expected = kHandOverLines;
    expected.insert(
        expected.end(),
        {"BP=15.0   | Preparing to roll 2 times for Quirks and Flaws",
         "BP=15.0   | Rolling for Table Hero's Almanac 6A (d100): rolled 60, Roll on Table " + k6F,
         "BP=15.0   | Rolling for Table Hero's Almanac 6A (d100): rolled 80, Roll on Table " + k6H,
         "BP=15.0   | Rolling for Table " + k6F + " (d100): rolled 6, Acrophobia (fear of heights) (5 BP)",
         "BP=15.0   | Rolling for Table " + k6H + " (d100): rolled 9, Clingy (5 BP)"});
    const Lines lines = LinesFrom("Applying Modifier for Birth Order");
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + static_cast<long>(expected.size())), expected);
}

TEST_F(CreationToClassTest, ANextCharacterOwesNoneOfTheFirstOnesTables) {
    FrameStep7* rolls = FreeRolls();
    ASSERT_NE(rolls, nullptr);
    rolls->Close(); // the close box, with both tables rolled but before Continue
    PumpEvents();
    EXPECT_EQ(program_data.WizardState, kWizardNone);

    FrameStep6* step = Background(kPlainBackground);
    ASSERT_NE(step, nullptr);
    ScopedPrompter prompts; // no choice is asked
    SelectMenu(step, ID_STEP6_MENU_CONTINUE);
    PumpEvents();
    EXPECT_TRUE(program_data.PendingTables.empty());
    EXPECT_EQ(program_data.QuirkRollsOwed, 0);
    EXPECT_EQ(program_data.WizardState, kWizardQuirks);
    auto* picking = dynamic_cast<CherryStep7*>(VOLDFrames[kSlotQuirks].Live());
    ASSERT_NE(picking, nullptr);
    EXPECT_EQ(picking->GetTitle(), "Character Creation: Quirks and Flaws (Cherry Picking)");
    EXPECT_FLOAT_EQ(program_data.BuildingPoints, 20.0f);
}

} // namespace
