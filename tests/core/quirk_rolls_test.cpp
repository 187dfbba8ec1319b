// The random quirk step's rules on the real quirk table, with queued dice and scripted answers.
#include "quirks/quirk_rolls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>
#include <wx/defs.h>

#include "app/character.h"
#include "app/dice.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "catalog/race_catalog.h"
#include "quirks/quirk_corrections.h"
#include "quirks/quirk_flaw.h"
#include "support/log_lines.h"
#include "support/quirk_test.h"
#include "support/scripted_prompter.h"

namespace {

using Tables = std::vector<std::string>;

const std::string k6B = "Hero's Almanac 6B: Flaws, Minor (Physical)";
const std::string k6C = "Hero's Almanac 6C: Flaws, Minor (Physical)";
const std::string k6E = "Hero's Almanac 6E: Flaws, Major (Physical)";
const std::string k6F = "Hero's Almanac 6F: Quirks, Minor (Mental)";
const std::string k6H = "Hero's Almanac 6H: Quirks, Minor (Personality)";
const std::string kHero6A = "Hero's Almanac 6A";
const std::string kMagister6A = "Magister's Almanac 6A";
const std::string kRogue6A = "Rogue's Almanac 6A";
const std::string kMaimed = "HA Maimed Table";
const std::string kSeizure = "HA Seizure Table";

// Rows the cases use.
constexpr int kMalePatternBaldness = 15; // 6C 14-21
constexpr int kMigraines = 16;           // 6C 22-26
constexpr int kMissingFinger = 17;       // 6C 27-34, bp 5 then 1
constexpr int kScarFacial = 19;          // 6C 43-47
constexpr int kTwiceMore6C = 24;         // 6C 86-93: "Roll twice more on Table 6C"
constexpr int kOnce6EAnd6B = 50;         // 6E 91-100: "Roll once on Table 6E and once on Table 6B"
constexpr int kMaimedAgainTwice = 121;   // HA Maimed Table 6: type 2, subRolls 2
constexpr int kGrandMal = 122;           // HA Seizure Table 1-60
constexpr int kMinorSeizure = 123;       // HA Seizure Table 61-100

int32_t& Held(int row) {
    return current_character.QUIRK_COUNT[row];
}

QuirkFlaw& Row(int row) {
    return quirkflaw[static_cast<size_t>(row)];
}

QuirkRollList ListOf(Tables tables, int32_t pending) {
    QuirkRollList list;
    list.tables = std::move(tables);
    list.selection = list.tables.empty() ? -1 : 0;
    list.pending = pending;
    return list;
}

std::string RollLine(const char* bp, const std::string& table, int roll, int row,
                     const char* method = "Rolling") {
    std::string line = std::string("BP=") + bp + " | " + method + " for Table " + table + " (d100): rolled " +
                       std::to_string(roll) + ", " + Row(row).name;
    if (Row(row).bp > 0)
        line += " (" + std::to_string(Row(row).bp) + " BP)";
    return line;
}

class QuirkRollsTest : public QuirkTest {};

TEST_F(QuirkRollsTest, EachTableIsRolledOnItsOwnDie) {
    const struct {
        std::string table;
        std::vector<int32_t> faces;
        int roll;
        int row;
    } cases[] = {
        {"RA Suspicious Mannerism Table", {1, 1}, 2, 542}, // 2..16: two eight-sided dice
        {"RA Suspicious Mannerism Table", {3, 1}, 4, 544},
        {k6C, {30}, 30, kMissingFinger}, // 1..100: one hundred-sided die
        {"MA College Rivalry Table", {3}, 3, 344},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.table);
        SetQuirkFlawStructure();
        std::remove(program_data.LogFileName.c_str());
        dice::QueueFaces(c.faces);
        const QuirkTableRoll roll = QuirkFlawSubTable(c.table);
        EXPECT_EQ(dice::QueuedFaces(), 0u) << "each die of the table takes one face";
        EXPECT_EQ(roll.outcome, QuirkTableRoll::Row);
        EXPECT_EQ(roll.row, c.row);
        EXPECT_EQ(LogLines(), (Tables{RollLine("0.0   ", c.table, c.roll, c.row)}));
    }
    EXPECT_EQ(RollLine("0.0   ", k6C, 30, kMissingFinger),
              "BP=0.0    | Rolling for Table Hero's Almanac 6C: Flaws, Minor (Physical) (d100): rolled 30, "
              "Missing Finger (5 BP)");
}

TEST_F(QuirkRollsTest, ARowHeldToItsLimitIsRolledAgainForFree) {
    Held(kMalePatternBaldness) = 1;
    program_data.BuildingPoints = 3.0f;
    ScopedPrompter prompts;
    prompts->ExpectMessage(wxYES);
    QuirkRollList list = ListOf({k6C}, 1);
    dice::QueueFaces({14, 22});
    EXPECT_TRUE(QuirkRollPress(list));
    EXPECT_EQ(Held(kMalePatternBaldness), 1);
    EXPECT_EQ(Held(kMigraines), 1);
    EXPECT_FLOAT_EQ(program_data.BuildingPoints, 3.0f);
    EXPECT_EQ(prompts->Asked().size(), 1u);
    EXPECT_EQ(LogLines(), (Tables{RollLine("3.0   ", k6C, 22, kMigraines)}));
}

TEST_F(QuirkRollsTest, TheAcceptQuestionComesOnlyWhileThePoolIsAboveZero) {
    struct Case {
        const char* what;
        float bp;
        std::vector<int> answers;
        std::vector<int32_t> faces;
        int row;
        float bpAfter;
        Tables log;
    };
    const Case cases[] = {
        {"no BP: no question",
         0.0f,
         {},
         {30},
         kMissingFinger,
         0.0f,
         {RollLine("0.0   ", k6C, 30, kMissingFinger)}},
        {"Yes keeps the roll",
         2.0f,
         {wxYES},
         {30},
         kMissingFinger,
         2.0f,
         {RollLine("2.0   ", k6C, 30, kMissingFinger)}},
        {"closing the question keeps the roll",
         2.0f,
         {wxCANCEL},
         {30},
         kMissingFinger,
         2.0f,
         {RollLine("2.0   ", k6C, 30, kMissingFinger)}},
        {"No from half a BP pays a whole one and rolls the same table again",
         0.5f,
         {wxNO},
         {30, 43},
         kScarFacial,
         -0.5f,
         {RollLine("0.5   ", k6C, 30, kMissingFinger), "BP=-0.5   | Spending 1 BP to re-roll",
          RollLine("-0.5  ", k6C, 43, kScarFacial)}},
        {"No twice pays twice",
         2.0f,
         {wxNO, wxNO},
         {30, 30, 22},
         kMigraines,
         0.0f,
         {RollLine("2.0   ", k6C, 30, kMissingFinger), "BP=1.0    | Spending 1 BP to re-roll",
          RollLine("1.0   ", k6C, 30, kMissingFinger), "BP=0.0    | Spending 1 BP to re-roll",
          RollLine("0.0   ", k6C, 22, kMigraines)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetQuirkFlawStructure();
        current_character.QUIRK_COUNT.fill(0);
        std::remove(program_data.LogFileName.c_str());
        program_data.BuildingPoints = c.bp;
        ScopedPrompter prompts;
        for (int answer : c.answers)
            prompts->ExpectMessage(answer);
        QuirkRollList list = ListOf({k6C}, 1);
        dice::QueueFaces(c.faces);
        EXPECT_TRUE(QuirkRollPress(list));
        EXPECT_EQ(dice::QueuedFaces(), 0u);
        EXPECT_EQ(Held(c.row), 1);
        EXPECT_FLOAT_EQ(program_data.BuildingPoints, c.bpAfter);
        EXPECT_EQ(LogLines(), c.log);
        ASSERT_EQ(prompts->Asked().size(), c.answers.size());
        if (!c.answers.empty()) {
            EXPECT_EQ(prompts->Asked()[0].message, c.log[0] + "\n") << "the question shows the logged line";
            EXPECT_EQ(prompts->Asked()[0].caption, "Accept this roll? (reroll costs 1BP)");
        }
    }
}

TEST_F(QuirkRollsTest, OwnDiceTakeTheTypedNumber) {
    BooksToUse[kOptionRollYourOwnDice] = 1;
    struct Case {
        const char* what;
        std::function<void(ScriptedPrompter&)> script;
        int row;
        std::string line;
    };
    const Case cases[] = {
        {"the offered number", [](ScriptedPrompter& p) { p.ExpectNumber(30); }, kMissingFinger,
         RollLine("0.0   ", k6C, 30, kMissingFinger)},
        {"another number", [](ScriptedPrompter& p) { p.ExpectNumber(45); }, kScarFacial,
         RollLine("0.0   ", k6C, 45, kScarFacial, "Entered roll")},
        {"Cancel asks again",
         [](ScriptedPrompter& p) {
             p.ExpectNumberCancel();
             p.ExpectNumber(30);
         },
         kMissingFinger, RollLine("0.0   ", k6C, 30, kMissingFinger)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        current_character.QUIRK_COUNT.fill(0);
        std::remove(program_data.LogFileName.c_str());
        ScopedPrompter prompts;
        c.script(*prompts);
        dice::QueueFaces({30});
        const QuirkTableRoll roll = QuirkFlawSubTable(k6C);
        EXPECT_EQ(roll.row, c.row);
        EXPECT_EQ(LogLines(), (Tables{c.line}));
        for (const ScriptedPrompter::Question& q : prompts->Asked()) {
            EXPECT_EQ(q.message, "Rolling for Quirks and Flaws");
            EXPECT_EQ(q.caption, "Enter your own Dice Roll");
        }
    }
}

TEST_F(QuirkRollsTest, ATableThatCannotGiveARowLeavesTheListUnrolled) {
    Held(kGrandMal) = 1;
    Held(kMinorSeizure) = 1;
    for (const std::string& table :
         {std::string(), std::string("No Such Table"), std::string("WA"), kSeizure}) {
        SCOPED_TRACE('"' + table + '"');
        program_data.BuildingPoints = 2.0f;
        program_data.QuirkRollsOwed = 0;
        QuirkRollList list = ListOf({table, k6H}, 2);
        dice::QueueFaces({50});
        EXPECT_TRUE(QuirkRollPress(list));
        EXPECT_EQ(list.tables, (Tables{k6H}));
        EXPECT_EQ(list.selection, 0);
        EXPECT_EQ(list.pending, 1);
        EXPECT_EQ(dice::QueuedFaces(), 1u) << "nothing was rolled";
        dice::ResetGenerator();
        EXPECT_FLOAT_EQ(program_data.BuildingPoints, 2.0f);
        EXPECT_TRUE(LogLines().empty());
    }
    EXPECT_EQ(Held(kGrandMal), 1);
    EXPECT_EQ(Held(kMinorSeizure), 1);
    EXPECT_EQ(Row(kGrandMal).bp, 12);
}

TEST_F(QuirkRollsTest, APressThatTakesNoRowChangesNothing) {
    const auto unchanged = [](const QuirkRollList& list, const Tables& tables) {
        EXPECT_EQ(list.tables, tables);
        EXPECT_EQ(list.pending, 1);
        EXPECT_TRUE(LogLines().empty());
        for (int row = 0; row < kQuirkFlawRows; ++row)
            EXPECT_EQ(program_data.QuirkBP[static_cast<size_t>(row)], 0);
    };
    {
        SCOPED_TRACE("nothing selected");
        QuirkRollList list = ListOf({k6C}, 1);
        list.selection = -1;
        EXPECT_FALSE(QuirkRollPress(list));
        unchanged(list, {k6C});
    }
    {
        SCOPED_TRACE("a typed roll past the table's rows");
        BooksToUse[kOptionRollYourOwnDice] = 1;
        ScopedPrompter prompts;
        prompts->ExpectNumber(50);
        QuirkRollList list = ListOf({"HA Animal Antipathy Table"}, 1);
        dice::QueueFaces({7});
        EXPECT_FALSE(QuirkRollPress(list));
        unchanged(list, {"HA Animal Antipathy Table"});
        BooksToUse[kOptionRollYourOwnDice] = 0;
    }
    {
        SCOPED_TRACE("free re-rolls without end");
        Held(kGrandMal) = 1;
        QuirkRollList list = ListOf({kSeizure}, 1);
        dice::QueueFaces(std::vector<int32_t>(kQuirkFreeRerollLimit, 10));
        EXPECT_FALSE(QuirkRollPress(list));
        EXPECT_EQ(dice::QueuedFaces(), 0u);
        unchanged(list, {kSeizure});
        EXPECT_EQ(Held(kMinorSeizure), 0);
    }
}

TEST_F(QuirkRollsTest, TheMissingFingerLowersOnlyItselfAndAnExtraPersonalityItsTable) {
    QuirkRollList list = ListOf({k6C, k6C, "HA Extra Personality Table"}, 3);
    dice::QueueFaces({30, 30});
    ASSERT_TRUE(QuirkRollPress(list));
    EXPECT_EQ(program_data.QuirkBP[kMissingFinger], 5);
    ASSERT_TRUE(QuirkRollPress(list));
    EXPECT_EQ(program_data.QuirkBP[kMissingFinger], 6);
    EXPECT_EQ(Held(kMissingFinger), 2);
    EXPECT_EQ(Row(kMigraines).bp, 5);
    EXPECT_EQ(Row(kScarFacial).bp, 8);

    dice::QueueFaces({1});
    ASSERT_TRUE(QuirkRollPress(list));
    EXPECT_EQ(program_data.QuirkBP[275], 11);
    for (int row = 275; row <= 294; ++row)
        EXPECT_EQ(Row(row).bp, 5) << row;
    EXPECT_EQ(Row(295).bp, -5);
    EXPECT_TRUE(list.tables.empty());
    EXPECT_EQ(list.selection, -1);
    EXPECT_EQ(list.pending, 0);
}

TEST_F(QuirkRollsTest, RollRowsQueueTheirTablesAtTheEndOfTheList) {
    struct Case {
        const char* what;
        std::string table;
        int32_t face;
        std::function<void()> change; // to the table, before the roll
        Tables queued;
    };
    const Case cases[] = {
        {"type 2 with two sub-rolls", kMaimed, 6, [] {}, {kMaimed, kMaimed}},
        {"type 2 with no sub-rolls still queues once",
         kMaimed,
         6,
         [] { Row(kMaimedAgainTwice).subRolls = 0; },
         {kMaimed}},
        {"type 3 with twice and 6C", k6C, 90, [] {}, {k6C, k6C}},
        {"type 3 codes in letter order", k6E, 95, [] {}, {k6B, k6E}},
        {"type 3 with twice alone",
         k6C,
         90,
         [] { Row(kTwiceMore6C).name = "Roll twice, ignoring this result."; },
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetQuirkFlawStructure();
        c.change();
        QuirkRollList list = ListOf({c.table, k6H}, 0);
        program_data.QuirkRollsOwed = 2; // the two entries came from the background step
        dice::QueueFaces({c.face});
        ASSERT_TRUE(QuirkRollPress(list));
        Tables expected = {k6H};
        expected.insert(expected.end(), c.queued.begin(), c.queued.end());
        EXPECT_EQ(list.tables, expected);
        EXPECT_EQ(list.selection, 0);
        EXPECT_EQ(list.pending, -1 + static_cast<int32_t>(c.queued.size()));
        EXPECT_EQ(program_data.QuirkRollsOwed, 2);
        for (int row : {kMaimedAgainTwice, kTwiceMore6C, kOnce6EAnd6B}) {
            EXPECT_EQ(Held(row), 0) << row;
            EXPECT_EQ(program_data.QuirkBP[static_cast<size_t>(row)], 0) << row;
        }
    }
}

TEST_F(QuirkRollsTest, MainTablesShareTheOwedRollsAndBindTheClass) {
    program_data.WizardState = kWizardChosenQuirkRolls;
    program_data.QuirkRollsOwed = 2;
    BooksToUse[kBookMagister] = 1;
    QuirkRollList list = OpenQuirkRolls();
    ASSERT_EQ(list.tables, (Tables{kHero6A, kMagister6A}));

    list.selection = 1;
    dice::QueueFaces({38}); // "Roll on Table Magister's Almanac 6J"
    ASSERT_TRUE(QuirkRollPress(list));
    EXPECT_EQ(program_data.QuirkRollsOwed, 1);
    EXPECT_EQ(current_character.BOOK_CLASS_FLAG, (std::array<bool, 4>{true, false, false, false}));
    EXPECT_EQ(list.tables, (Tables{kHero6A, kMagister6A, "Magister's Almanac 6J"}));
    EXPECT_EQ(list.selection, 0);

    dice::QueueFaces({20}); // "Roll on Table Hero's Almanac 6C: ..."
    ASSERT_TRUE(QuirkRollPress(list));
    EXPECT_EQ(program_data.QuirkRollsOwed, 0);
    EXPECT_EQ(current_character.BOOK_CLASS_FLAG, (std::array<bool, 4>{true, false, false, false}));
    EXPECT_EQ(list.tables, (Tables{"Magister's Almanac 6J", k6C}))
        << "the main tables left with the last owed roll";
    EXPECT_EQ(list.selection, 0);
    EXPECT_EQ(list.pending, 2);
    EXPECT_EQ(QuirkRollsOutstanding(list), 2);

    QuirkRollList stale = ListOf({kHero6A, k6C}, 3);
    dice::QueueFaces({20});
    EXPECT_FALSE(QuirkRollPress(stale)) << "no main-table roll is owed";
    EXPECT_EQ(stale.tables, (Tables{kHero6A, k6C}));
    EXPECT_EQ(dice::QueuedFaces(), 1u);
}

TEST_F(QuirkRollsTest, NothingOwedRefusesEveryPress) {
    QuirkRollList list = ListOf({k6C}, 0);
    dice::QueueFaces({30});
    EXPECT_FALSE(QuirkRollPress(list));
    EXPECT_EQ(list.tables, (Tables{k6C}));
    EXPECT_EQ(dice::QueuedFaces(), 1u);
}

TEST_F(QuirkRollsTest, CorrectionsDropWhatAnotherHeldRowRulesOut) {
    CharacterRace female;
    female.SEX = "Female";
    CharacterRace male;
    male.SEX = "Male";
    struct Case {
        const char* what;
        CharacterRace* race;
        std::vector<int> held;
        std::vector<int> dropped;
        Tables granted;
        std::vector<std::string> lines; // logged on each pass
    };
    const std::string arms = "BP=0.0    | You have no arms! Atleast you can't lose any fingers now.";
    const std::string blind =
        "BP=0.0    | You are blind. All of your pre-existing vission problems are now gone.";
    const std::string deaf =
        "BP=0.0    | You are deaf. All of your pre-existing hearing problems are now gone.";
    const Case cases[] = {
        {"a female loses male pattern baldness",
         &female,
         {15},
         {15},
         {k6C, k6F},
         {"BP=0.0    | Females can not get male patern baldness! You lose this flaw and gain a roll on 6C "
          "and 6F"}},
        {"a male keeps it", &male, {15}, {}, {}, {}},
        {"no race keeps it", nullptr, {15}, {}, {}, {}},
        {"both arms drop one arm", nullptr, {35, 36}, {35}, {}, {arms}},
        {"both legs drop one leg and the trick knee silently", nullptr, {37, 38, 49}, {38, 49}, {}, {}},
        {"mute drops lisp, sleep chatter and stutter silently",
         nullptr,
         {44, 10, 20, 26},
         {10, 20, 26},
         {},
         {}},
        {"blindness drops the lesser sight rows",
         nullptr,
         {5, 14, 28, 39},
         {5, 14, 28, 29, 30, 46},
         {},
         {blind}},
        {"deafness drops the lesser hearing rows", nullptr, {9, 27, 40}, {9, 27}, {}, {deaf}},
        {"nothing to correct", nullptr, {14, 17}, {}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetQuirkFlawStructure();
        current_character.QUIRK_COUNT.fill(0);
        program_data.QuirkBP.fill(0);
        std::remove(program_data.LogFileName.c_str());
        current_character.pRace = c.race;
        for (int row : c.held) {
            Held(row) = 1;
            program_data.QuirkBP[static_cast<size_t>(row)] = Row(row).bp;
        }
        QuirkRollList list = ListOf({k6H}, 1);
        QuirkCorrections(list);
        for (int row : c.held) {
            const bool dropped = std::find(c.dropped.begin(), c.dropped.end(), row) != c.dropped.end();
            EXPECT_EQ(Held(row), dropped ? 0 : 1) << row;
            EXPECT_EQ(program_data.QuirkBP[static_cast<size_t>(row)], dropped ? 0 : Row(row).bp) << row;
        }
        for (int row : c.dropped)
            EXPECT_EQ(Row(row).maxTimes, 0) << row;
        Tables tables = {k6H};
        tables.insert(tables.end(), c.granted.begin(), c.granted.end());
        EXPECT_EQ(list.tables, tables);
        EXPECT_EQ(list.pending, 1 + static_cast<int32_t>(c.granted.size()));
        EXPECT_EQ(LogLines(), c.lines);

        // A second pass repeats the lines of rows still held; the female rule has dropped its own row.
        QuirkCorrections(list);
        std::vector<std::string> twice = c.lines;
        if (c.granted.empty())
            twice.insert(twice.end(), c.lines.begin(), c.lines.end());
        EXPECT_EQ(LogLines(), twice);
        EXPECT_EQ(list.tables, tables);
    }
}

TEST_F(QuirkRollsTest, TheListOpensWithWhatIsOwed) {
    Held(kMaimedAgainTwice) = 2; // type 2: its sub-table once per time held
    Held(kTwiceMore6C) = 1;      // "twice" with 6C
    Held(kOnce6EAnd6B) = 1;      // 6E and 6B: in letter order
    Held(14) = 1;                // an ordinary row stays held
    const Tables queued = {kMaimed, kMaimed, k6C, k6C, k6B, k6E};
    const struct {
        const char* what;
        WizardStep state;
        Tables head;
    } cases[] = {
        {"from hand-picking", kWizardChosenQuirkRolls, {kHero6A, kMagister6A, kRogue6A}},
        {"from the background step", kWizardQuirks, {k6F, k6H}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto saved = current_character.QUIRK_COUNT;
        BooksToUse[kBookMagister] = 1;
        BooksToUse[kBookRogue] = 1;
        program_data.WizardState = c.state;
        program_data.PendingTables = {k6F, k6H};
        const QuirkRollList list = OpenQuirkRolls();
        Tables expected = c.head;
        expected.insert(expected.end(), queued.begin(), queued.end());
        EXPECT_EQ(list.tables, expected);
        EXPECT_EQ(list.selection, 0);
        EXPECT_EQ(list.pending, 6);
        EXPECT_EQ(Held(kMaimedAgainTwice), 0);
        EXPECT_EQ(Held(kTwiceMore6C), 0);
        EXPECT_EQ(Held(kOnce6EAnd6B), 0);
        EXPECT_EQ(Held(14), 1);
        EXPECT_EQ(program_data.PendingTables, (Tables{k6F, k6H})) << "the step never changes it";
        current_character.QUIRK_COUNT = saved;
    }
}

TEST_F(QuirkRollsTest, TheListOpensWithTheBackgroundTablesAloneInTheNormalChainAndGrantsLast) {
    program_data.WizardState = kWizardQuirks;
    program_data.PendingTables = {k6F, k6H};
    Held(14) = 1;
    QuirkRollList list = OpenQuirkRolls();
    EXPECT_EQ(list.tables, (Tables{k6F, k6H}));
    EXPECT_EQ(list.pending, 0);

    CharacterRace female;
    female.SEX = "Female";
    current_character.pRace = &female;
    Held(kMalePatternBaldness) = 1;
    Held(kOnce6EAnd6B) = 1;
    list = OpenQuirkRolls();
    EXPECT_EQ(list.tables, (Tables{k6F, k6H, k6B, k6E, k6C, k6F}));
    EXPECT_EQ(list.pending, 4);
    EXPECT_EQ(LogLines().size(), 1u);
    current_character.pRace = nullptr;
}

TEST_F(QuirkRollsTest, ContinueFromTheBackgroundStepDropsTheBPAndGoesToHandPicking) {
    program_data.WizardState = kWizardQuirks;
    program_data.QuirkRollsOwed = 2;
    program_data.BuildingPoints = 3.0f;
    program_data.QuirkBP[kMissingFinger] = 5;
    QuirkRollList list = ListOf({}, -1);
    EXPECT_EQ(LeaveQuirkRolls(list), QuirkRollsExit::Refused);
    EXPECT_EQ(program_data.QuirkBP[kMissingFinger], 5);
    list.pending = -2;
    EXPECT_EQ(LeaveQuirkRolls(list), QuirkRollsExit::ToHandPicking);
    EXPECT_EQ(program_data.WizardState, kWizardQuirks);
    for (int32_t bp : program_data.QuirkBP)
        EXPECT_EQ(bp, 0);
    EXPECT_FLOAT_EQ(program_data.BuildingPoints, 3.0f);
    EXPECT_EQ(QuirkDataItem::First(), nullptr);
}

TEST_F(QuirkRollsTest, ContinueFromHandPickingPaysTheBPAndListsTheHeldRows) {
    program_data.WizardState = kWizardChosenQuirkRolls;
    program_data.QuirkRollsOwed = 1;
    program_data.BuildingPoints = 1.0f;
    Held(kScarFacial) = 1;
    Held(kMissingFinger) = 2;
    program_data.QuirkBP[kMissingFinger] = 6;
    program_data.QuirkBP[295] = -5; // paid though not held
    QuirkRollList list = ListOf({}, 0);
    EXPECT_EQ(LeaveQuirkRolls(list), QuirkRollsExit::Refused);
    EXPECT_EQ(program_data.WizardState, kWizardChosenQuirkRolls);
    program_data.QuirkRollsOwed = 0;
    EXPECT_EQ(LeaveQuirkRolls(list), QuirkRollsExit::ToClassStep);
    EXPECT_EQ(program_data.WizardState, kWizardClass);
    EXPECT_FLOAT_EQ(program_data.BuildingPoints, 2.0f);
    std::vector<std::pair<std::string, int>> nodes;
    for (const QuirkDataItem* node = QuirkDataItem::First(); node; node = node->pNext.get())
        nodes.emplace_back(node->name, node->value);
    EXPECT_EQ(nodes, (std::vector<std::pair<std::string, int>>{{"Missing Finger", 2}, {"Scar, Facial", 1}}));
}

} // namespace
