#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/character.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "app/prompts.h"
#include "quirks/quirk_flaw.h"
#include "steps/background_chain.h"
#include "steps/background_handover.h"
#include "support/log_lines.h"
#include "support/quirk_test.h"
#include "support/scripted_prompter.h"

namespace {

using Lines = std::vector<std::string>;

const std::string k6F = "Hero's Almanac 6F: Quirks, Minor (Mental)";
const std::string k6G = "Hero's Almanac 6G: Quirks, Major (Mental)";
const std::string k6H = "Hero's Almanac 6H: Quirks, Minor (Personality)";
const std::string k6I = "Hero's Almanac 6I: Quirks, Major (Personality)";

class BackgroundHandoverTest : public QuirkTest {};

TEST_F(BackgroundHandoverTest, OwedMembersBecomeBPAndChosenFreeTables) {
    struct Case {
        const char* name;
        BackgroundGains gains;
        std::vector<int> answers;   // the choice answers in order; -1 cancels
        std::vector<Lines> offered; // the tables offered at each choice
        Lines pending;              // PendingTables afterwards
        float bp;                   // from 2.0
        Lines lines;                // the log
        BackgroundExit exit;
    };
    BackgroundGains none;
    BackgroundGains bpAndMajor;
    bpAndMajor.momQualityBP = 5;
    bpAndMajor.dadMajorQuirks = 1;
    BackgroundGains minorAndMiddle;
    minorAndMiddle.momMinorQuirks = 1;
    minorAndMiddle.middleChildQuirks = 1;
    BackgroundGains all;
    all.momQualityBP = 5; // the rolls never give a parent BP and a quirk at once; the order still shows
    all.dadQualityBP = 5;
    all.momMinorQuirks = 1;
    all.dadMinorQuirks = 2; // one table however many
    all.momMajorQuirks = 1;
    all.dadMajorQuirks = 1;
    all.middleChildQuirks = 1;
    const std::string birth =
        "BP=2.0    | Applying Modifier for Birth Order (+0) to Starting Money Roll +0 = 0";
    const std::vector<Case> cases = {
        {"nothing owed", none, {}, {}, {}, 2.0f, {birth}, BackgroundExit::ToHandPicking},
        {"the mother's BP and the father's major quirk",
         bpAndMajor,
         {1},
         {{k6G, k6I}},
         {k6I},
         7.0f,
         {birth, "BP=7.0    | Adjusted BP by 5 due to quality of mother",
          "BP=7.0    | Acquired a new major quirk due to quality of father"},
         BackgroundExit::ToRandomRolls},
        {"the mother's minor quirk and a middle child, the first choice cancelled",
         minorAndMiddle,
         {-1, 0, 0},
         {{k6F, k6H}, {k6F, k6H}, {k6H}},
         {k6F, k6H},
         2.0f,
         {birth, "BP=2.0    | Acquired a new minor quirk due to quality of mother",
          "BP=2.0    | Acquired a new personality quirk due to being a middle child"},
         BackgroundExit::ToRandomRolls},
        {"everything owed",
         all,
         {1, 0, 0, 1, 0},
         {{k6F, k6H}, {k6F, k6H}, {k6G, k6I}, {k6G, k6I}, {k6H}},
         {k6H, k6F, k6G, k6I, k6H},
         12.0f,
         {birth, "BP=7.0    | Adjusted BP by 5 due to quality of mother",
          "BP=12.0   | Adjusted BP by 5 due to quality of father",
          "BP=12.0   | Acquired a new minor quirk due to quality of mother",
          "BP=12.0   | Acquired a new minor quirk due to quality of father",
          "BP=12.0   | Acquired a new major quirk due to quality of mother",
          "BP=12.0   | Acquired a new major quirk due to quality of father",
          "BP=12.0   | Acquired a new personality quirk due to being a middle child"},
         BackgroundExit::ToRandomRolls},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetGlobals();
        SetQuirkFlawStructure();
        program_data.LogFileName = std::string(c.name) + ".log";
        program_data.WizardState = kWizardBackgroundRolled;
        program_data.BuildingPoints = 2.0f;
        program_data.QuirkRollsOwed = 4;
        program_data.PendingTables = {"left by an earlier character"};
        program_data.QuirkBP[17] = 5;
        program_data.QuirkBP[799] = 3;
        ScopedPrompter prompts;
        for (int answer : c.answers)
            prompts->ExpectChoice(answer);

        EXPECT_EQ(HandOverBackground(c.gains), c.exit);
        EXPECT_EQ(program_data.WizardState, kWizardQuirks);
        EXPECT_EQ(program_data.PendingTables, c.pending);
        EXPECT_EQ(program_data.QuirkRollsOwed, static_cast<int32_t>(c.pending.size()));
        EXPECT_EQ(program_data.BuildingPoints, c.bp);
        for (int32_t bp : program_data.QuirkBP)
            EXPECT_EQ(bp, 0);
        EXPECT_EQ(LogLines(), c.lines);
        ASSERT_EQ(prompts->Asked().size(), c.offered.size());
        for (size_t i = 0; i < c.offered.size(); ++i) {
            EXPECT_EQ(prompts->Asked()[i].kind, ScriptedPrompter::Kind::Choice);
            EXPECT_EQ(prompts->Asked()[i].message, "");
            EXPECT_EQ(prompts->Asked()[i].caption, "Free Quirk or Flaw");
            EXPECT_EQ(prompts->Asked()[i].choices, c.offered[i]);
        }
    }
}

TEST_F(BackgroundHandoverTest, AFreeTableNeverChosenIsGivenUpAfterTheBoundedAsks) {
    program_data.QuirkRollsOwed = 1;
    ScopedPrompter prompts;
    for (int i = 0; i < kMaxAsks; ++i)
        prompts->ExpectChoice(i % 2 == 0 ? -1 : 2); // cancelled, or no row of the choice
    FreeQuirksandFlaws(kFreeMinorQuirk);
    EXPECT_EQ(prompts->Asked().size(), static_cast<size_t>(kMaxAsks));
    EXPECT_TRUE(program_data.PendingTables.empty());
    EXPECT_EQ(program_data.QuirkRollsOwed, 1) << "no roll owed for a table never chosen";
}

TEST_F(BackgroundHandoverTest, ContinueBeforeAnyRollChangesNothingButTheOwedRolls) {
    for (const WizardStep state : {kWizardBackground, kWizardNone, kWizardQuirks}) {
        SCOPED_TRACE(state);
        program_data.WizardState = state;
        program_data.QuirkRollsOwed = 3;
        program_data.PendingTables = {k6F};
        program_data.QuirkBP[4] = 2;
        BackgroundGains gains;
        gains.momQualityBP = 5;
        gains.middleChildQuirks = 1;
        ScopedPrompter prompts;
        EXPECT_EQ(HandOverBackground(gains), BackgroundExit::Refused);
        EXPECT_EQ(program_data.WizardState, state);
        EXPECT_EQ(program_data.QuirkRollsOwed, 0);
        EXPECT_EQ(program_data.PendingTables, Lines{k6F}) << "a refused Continue leaves the queue";
        EXPECT_EQ(program_data.QuirkBP[4], 2);
        EXPECT_EQ(program_data.BuildingPoints, 0.0f);
        EXPECT_TRUE(LogLines().empty());
    }
}

TEST_F(BackgroundHandoverTest, EveryOfferedNameIsAQuirkTableWithADie) {
    for (const int kind : {kFreeMinorQuirk, kFreeMajorQuirk, kFreePersonalityQuirk}) {
        ASSERT_FALSE(FreeQuirkTables(kind).empty());
        for (const std::string& table : FreeQuirkTables(kind)) {
            SCOPED_TRACE(table);
            EXPECT_TRUE(QuirkTableDie(table).has_value());
            EXPECT_FALSE(QuirkTableRows(table).empty());
        }
    }
    EXPECT_TRUE(FreeQuirkTables(0).empty());
    EXPECT_TRUE(FreeQuirkTables(4).empty());
}

} // namespace
