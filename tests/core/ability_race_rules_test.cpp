#include <climits>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

#include "app/character.h"
#include "app/dice.h"
#include "app/dice_log.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "catalog/race_catalog.h"
#include "steps/ability_race_rules.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "ui/tree_model.h"

namespace {

using Scores = std::array<int32_t, 7>;

class AbilityRaceRulesTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        CharacterRace::Clear();
        program_data.LogFileName = "7.log";
        BooksToUse[kBookCore] = 1;
    }
    void TearDown() override {
        CharacterRace::Clear();
        GlobalsTest::TearDown();
    }

    // Appends a race open to every score from 3 to 18, in the core book, with no modifiers.
    CharacterRace& AddRace(const std::string& name, const std::string& sex) {
        auto race = std::make_unique<CharacterRace>();
        race->NAME = name;
        race->SEX = sex;
        race->MOVE = 12;
        race->MINSTR = race->MINDEX = race->MINCON = race->MININT = race->MINWIS = race->MINCHA =
            race->MINCOM = 3;
        race->MAXSTR = race->MAXDEX = race->MAXCON = race->MAXINT = race->MAXWIS = race->MAXCHA =
            race->MAXCOM = 18;
        CharacterRace& added = *race;
        CharacterRace::AddTail(std::move(race));
        return added;
    }

    void SetScores(const Scores& scores) { current_character.ABILITY_BASE = scores; }

    ScopedTempDir dir_;
};

TEST_F(AbilityRaceRulesTest, EachRadioButtonStoresItsAbilityAndFloorOnly) {
    struct Case {
        int button;
        AbilityChoice expected;
    };
    // Starting from choices that differ from every button's, so a field a button must not touch shows.
    const AbilityChoice start{4, 4, 7, 4, 7};
    const Case cases[] = {
        {1, {0, 4, 1, 4, 7}},  {2, {1, 4, 3, 4, 7}},
        {6, {5, 4, 3, 4, 7}},  {7, {4, 0, 7, 4, 7}},
        {8, {4, 1, 7, 4, 7}},  {12, {4, 5, 7, 4, 7}},
        {13, {4, 4, 7, 0, 1}}, {14, {4, 4, 7, 1, 3}},
        {19, {4, 4, 7, 6, 3}}, {0, start},
        {20, start},
    };
    for (const Case& c : cases) {
        AbilityChoice choice = start;
        ChooseRadio(c.button, choice);
        EXPECT_EQ(choice.LowerIndex, c.expected.LowerIndex) << "button " << c.button;
        EXPECT_EQ(choice.RaiseIndex, c.expected.RaiseIndex) << "button " << c.button;
        EXPECT_EQ(choice.LowerFloor, c.expected.LowerFloor) << "button " << c.button;
        EXPECT_EQ(choice.BurnIndex, c.expected.BurnIndex) << "button " << c.button;
        EXPECT_EQ(choice.BurnFloor, c.expected.BurnFloor) << "button " << c.button;
    }
    const AbilityChoice fresh;
    EXPECT_EQ(fresh.LowerFloor, 3);
    EXPECT_EQ(fresh.BurnFloor, 3);
}

TEST_F(AbilityRaceRulesTest, AbilityLinePairsEachScoreWithItsFraction) {
    current_character.ABILITY_BASE = {1, 2, 3, 4, 5, 6, 7};
    current_character.ABILITY_PERC = {10, 20, 30, 40, 50, 60, -70};
    EXPECT_EQ(AbilityLine("Adjusted Ability Scores"),
              "Adjusted Ability Scores STR=1/10 DEX=2/20 CON=3/30 INT=4/40 WIS=5/50 CHR=6/60 COM=7/-70");
}

TEST_F(AbilityRaceRulesTest, OwnDiceIsOnForAnyFlagButZero) {
    for (int32_t flag : {0, 1, 2, -1}) {
        BooksToUse[kOptionRollYourOwnDice] = flag;
        EXPECT_EQ(OwnDiceOn(), flag != 0) << flag;
    }
}

TEST_F(AbilityRaceRulesTest, RollZeroesTheBPRollsScoreThenFractionAndDropsTheRace) {
    CharacterRace& race = AddRace("Dwarf", "Male");
    current_character.pRace = &race;
    program_data.BuildingPoints = 4.0f;
    // Score (three dice) and fraction (one die) ability by ability.
    dice::QueueFaces({1, 2, 3, 50, 6, 6, 6, 100, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5});
    RollAbilities();
    EXPECT_EQ(current_character.ABILITY_BASE, (Scores{6, 18, 3, 6, 9, 12, 15}));
    EXPECT_EQ(current_character.ABILITY_PERC, (Scores{50, 100, 1, 2, 3, 4, 5}));
    EXPECT_EQ(program_data.BuildingPoints, 0.0f);
    EXPECT_EQ(current_character.pRace, nullptr);
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{
                  "BP=0.0    | Rolling Ability Scores STR=6/50 DEX=18/100 CON=3/1 INT=6/2 WIS=9/3 "
                  "CHR=12/4 COM=15/5"}));
}

TEST_F(AbilityRaceRulesTest, TypedScoresFollowTheLeadingIntegerRuleWithoutOverflow) {
    CharacterRace& race = AddRace("Dwarf", "Male");
    current_character.pRace = &race;
    program_data.BuildingPoints = 6.0f;
    EnterAbilities({"abc", "18", " -3x", "99999999999", "", "+7", "07"},
                   {"0", "100", "250", "-99999999999", "x1", " 42 ", "5.9"});
    EXPECT_EQ(current_character.ABILITY_BASE, (Scores{0, 18, -3, INT32_MAX, 0, 7, 7}));
    EXPECT_EQ(current_character.ABILITY_PERC, (Scores{0, 100, 250, INT32_MIN, 0, 42, 5}));
    EXPECT_EQ(program_data.BuildingPoints, 0.0f);
    EXPECT_EQ(current_character.pRace, nullptr);
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{"BP=0.0    | Entering Ability Scores STR=0/0 DEX=18/100 CON=-3/250 "
                                        "INT=2147483647/-2147483648 WIS=0/0 CHR=7/42 COM=7/5"}));
}

TEST_F(AbilityRaceRulesTest, AdjustTradesTwoPointsForOneAboveTheFloor) {
    struct Case {
        const char* what;
        int lowerButton, raiseButton; // radio buttons chosen, 0 for none
        Scores before, after;
        bool logged;
    };
    const Case cases[] = {
        {"DEX 5 to INT", 2, 10, {10, 5, 10, 10, 10, 10, 10}, {10, 3, 10, 11, 10, 10, 10}, true},
        {"DEX 4 refused", 2, 10, {10, 4, 10, 10, 10, 10, 10}, {10, 4, 10, 10, 10, 10, 10}, false},
        {"STR 3 with its own floor", 1, 8, {3, 10, 10, 10, 10, 10, 10}, {1, 11, 10, 10, 10, 10, 10}, true},
        {"STR 3 before its button", 0, 8, {3, 10, 10, 10, 10, 10, 10}, {3, 10, 10, 10, 10, 10, 10}, false},
        {"18 raised uncapped", 6, 7, {18, 10, 10, 10, 10, 10, 10}, {19, 10, 10, 10, 10, 8, 10}, true},
        {"raise at the top",
         6,
         9,
         {10, 10, INT32_MAX, 10, 10, 10, 10},
         {10, 10, INT32_MAX, 10, 10, 8, 10},
         true},
        {"lower at the bottom",
         3,
         7,
         {10, 10, INT32_MIN + 1, 10, 10, 10, 10},
         {10, 10, INT32_MIN + 1, 10, 10, 10, 10},
         false},
    };
    for (const Case& c : cases) {
        ResetGlobals();
        program_data.LogFileName = "7.log";
        std::ofstream(program_data.LogFileName).close();
        AbilityChoice choice;
        if (c.lowerButton)
            ChooseRadio(c.lowerButton, choice);
        if (c.raiseButton)
            ChooseRadio(c.raiseButton, choice);
        SetScores(c.before);
        current_character.ABILITY_PERC = {1, 2, 3, 4, 5, 6, 7};
        current_character.pRace = &AddRace("Dwarf", "Male");
        EXPECT_TRUE(AdjustChosenAbilities(choice)) << c.what;
        EXPECT_EQ(current_character.ABILITY_BASE, c.after) << c.what;
        EXPECT_EQ(current_character.ABILITY_PERC, (Scores{1, 2, 3, 4, 5, 6, 7})) << c.what;
        EXPECT_EQ(current_character.pRace, nullptr) << c.what << ": the race choice is dropped either way";
        const std::vector<std::string> lines = LogLines();
        // A trade logs its two lines and the tree's movement line while the race is still chosen.
        EXPECT_EQ(lines.size(), c.logged ? 3u : 0u) << c.what;
        CharacterRace::Clear();
    }
}

TEST_F(AbilityRaceRulesTest, AdjustLogsTheTradeThenTheScoresThenTheTreesMovementLine) {
    SetScores({10, 5, 10, 10, 10, 10, 10});
    current_character.ABILITY_PERC = {1, 2, 3, 4, 5, 6, 7};
    current_character.pRace = &AddRace("Dwarf", "Male");
    AbilityChoice choice;
    ChooseRadio(2, choice);
    ChooseRadio(10, choice);
    AdjustChosenAbilities(choice);
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{
                  "BP=0.0    | Dexterity has been reduced by 2 and Intelligence has been increased by 1",
                  "BP=0.0    | Adjusted Ability Scores STR=10/1 DEX=3/2 CON=10/3 INT=11/4 WIS=10/5 "
                  "CHR=10/6 COM=10/7",
                  "BP=0.0    | entering movement"}));
}

TEST_F(AbilityRaceRulesTest, AdjustOfOneAbilityWithItselfChangesNothingAndKeepsTheRace) {
    SetScores({10, 10, 10, 10, 10, 10, 10});
    CharacterRace& race = AddRace("Dwarf", "Male");
    current_character.pRace = &race;
    for (int button : {0, 4}) {
        AbilityChoice choice;
        if (button) {
            ChooseRadio(button, choice);
            ChooseRadio(button + 6, choice);
        }
        EXPECT_FALSE(AdjustChosenAbilities(choice));
        EXPECT_EQ(current_character.ABILITY_BASE, (Scores{10, 10, 10, 10, 10, 10, 10}));
        EXPECT_EQ(current_character.pRace, &race);
    }
    // Only the tree refresh ran: its movement line for the chosen race.
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{"BP=0.0    | entering movement", "BP=0.0    | entering movement"}));
}

TEST_F(AbilityRaceRulesTest, BurnTakesOnePointForTwoBPAboveTheFloor) {
    struct Case {
        const char* what;
        int button; // 0: no button chosen
        int32_t before, after;
        bool made;
    };
    const Case cases[] = {
        {"COM 4", 19, 4, 3, true},
        {"COM 3 refused", 19, 3, 3, false},
        {"STR 2 with its floor", 13, 2, 1, true},
        {"STR 1 refused", 13, 1, 1, false},
        {"STR 3 before its button", 0, 3, 3, false},
        {"STR 4 before its button", 0, 4, 3, true},
        {"STR at the bottom", 13, INT32_MIN, INT32_MIN, false},
    };
    for (const Case& c : cases) {
        ResetGlobals();
        program_data.LogFileName = "7.log";
        std::ofstream(program_data.LogFileName).close();
        AbilityChoice choice;
        if (c.button)
            ChooseRadio(c.button, choice);
        const size_t index = static_cast<size_t>(choice.BurnIndex);
        SetScores({10, 10, 10, 10, 10, 10, 10});
        current_character.ABILITY_BASE[index] = c.before;
        CharacterRace& race = AddRace("Dwarf", "Male");
        current_character.pRace = &race;
        EXPECT_EQ(BurnChosenAbility(choice), c.made) << c.what;
        EXPECT_EQ(current_character.ABILITY_BASE[index], c.after) << c.what;
        EXPECT_EQ(program_data.BuildingPoints, c.made ? 2.0f : 0.0f) << c.what;
        EXPECT_EQ(current_character.pRace, c.made ? nullptr : &race) << c.what;
        // A refused burn only refreshes the tree, which still sees the race.
        const std::vector<std::string> lines = LogLines();
        ASSERT_EQ(lines.size(), c.made ? 2u : 1u) << c.what;
        if (!c.made) {
            EXPECT_EQ(lines[0], "BP=0.0    | entering movement");
        }
        CharacterRace::Clear();
    }
}

TEST_F(AbilityRaceRulesTest, ThreeBurnsEarnSixBPAndLogTheNewTotal) {
    SetScores({10, 10, 10, 10, 10, 10, 6});
    current_character.ABILITY_PERC = {1, 2, 3, 4, 5, 6, 7};
    AbilityChoice choice;
    ChooseRadio(19, choice);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(BurnChosenAbility(choice));
    EXPECT_EQ(program_data.BuildingPoints, 6.0f);
    EXPECT_EQ(current_character.ABILITY_BASE[6], 3);
    EXPECT_EQ(current_character.ABILITY_PERC, (Scores{1, 2, 3, 4, 5, 6, 7}));
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "BP=2.0    | Comeliness has been reduced by 1 and BP has been increased by 2");
    EXPECT_EQ(lines[5], "BP=6.0    | Adjusted Ability Scores STR=10/1 DEX=10/2 CON=10/3 INT=10/4 WIS=10/5 "
                        "CHR=10/6 COM=3/7");
}

TEST_F(AbilityRaceRulesTest, RacesAreOfferedWithinTheirInclusiveRangesAndEnabledBooks) {
    CharacterRace& wide = AddRace("Human", "Male");
    CharacterRace& edge = AddRace("Dwarf", "Male");
    edge.MINSTR = 8;
    edge.MAXCOM = 12;
    CharacterRace& book = AddRace("Gnome", "Female");
    book.BOOK = 2;
    CharacterRace& strong = AddRace("Ogre", "Male");
    strong.MINSTR = 9;
    CharacterRace& female = AddRace("Human", "Female");
    struct Case {
        const char* what;
        Scores scores;
        std::array<int32_t, 3> books; // flags 1, 2 and 3
        std::vector<const CharacterRace*> offered;
    };
    const Case cases[] = {
        {"at the bounds", {8, 3, 18, 10, 10, 10, 12}, {0, 1, 0}, {&wide, &edge, &book, &female}},
        {"book off", {8, 10, 10, 10, 10, 10, 12}, {0, 0, 0}, {&wide, &edge, &female}},
        {"book flag 2 is off", {8, 10, 10, 10, 10, 10, 12}, {0, 2, 0}, {&wide, &edge, &female}},
        {"one below a minimum", {7, 10, 10, 10, 10, 10, 10}, {0, 1, 0}, {&wide, &book, &female}},
        {"one above a maximum", {9, 10, 10, 10, 10, 10, 13}, {0, 1, 0}, {&wide, &book, &strong, &female}},
        {"fits nothing", {2, 10, 10, 10, 10, 10, 10}, {1, 1, 1}, {}},
    };
    for (const Case& c : cases) {
        SetScores(c.scores);
        BooksToUse[1] = c.books[0];
        BooksToUse[2] = c.books[1];
        BooksToUse[3] = c.books[2];
        for (int32_t fraction : {0, 100}) {
            current_character.ABILITY_PERC.fill(fraction);
            const std::vector<CharacterRace*> offered = RacesForScores();
            EXPECT_EQ(std::vector<const CharacterRace*>(offered.begin(), offered.end()), c.offered) << c.what;
        }
    }
}

TEST_F(AbilityRaceRulesTest, ARaceOfABookOutsideTheOptionsIsNeverOffered) {
    SetScores({10, 10, 10, 10, 10, 10, 10});
    BooksToUse.fill(1);
    CharacterRace& race = AddRace("Dwarf", "Male");
    for (int32_t book : {-1, 100, INT32_MAX, INT32_MIN}) {
        race.BOOK = book;
        EXPECT_TRUE(RacesForScores().empty()) << book;
    }
    race.BOOK = 99;
    EXPECT_EQ(RacesForScores().size(), 1u);
}

TEST_F(AbilityRaceRulesTest, RowTextAndShownModifiers) {
    CharacterRace& race = AddRace("Half-Elf", "Female");
    race.STRADJ = -2;
    race.DEXADJ = 1;
    race.COMADJ = 12;
    race.BP = 5;
    EXPECT_EQ(RaceRowText(race), "Half-Elf, Female");
    EXPECT_EQ(RaceModifierTexts(race),
              (std::array<std::string, 8>{"-2", "+1", "+0", "+0", "+0", "+0", "+12", "+5"}));
}

TEST_F(AbilityRaceRulesTest, PickLinksTheRaceLogsItAndRefreshesTheTree) {
    AddRace("Elf", "Female");
    CharacterRace& half = AddRace("Half-Elf", "Female");
    HeadlessTreeHost* host = new HeadlessTreeHost;
    SetTreeWindowHost(std::unique_ptr<TreeWindowHost>(host));
    PickRace(half);
    EXPECT_EQ(current_character.pRace, &half);
    EXPECT_EQ(current_character.RACE, "Half-Elf");
    EXPECT_EQ(current_character.SEX, "Female");
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{"BP=0.0    | Selecting a Race/Sex: Race=Half-Elf, Sex=Female",
                                        "BP=0.0    | entering movement"}));
    TreeItem racial;
    ASSERT_NE(CurrentTree(), nullptr);
    Search(*CurrentTree(), "Racial Data", racial, CurrentTree()->GetRootItem());
    EXPECT_TRUE(racial.IsOk());
}

TEST_F(AbilityRaceRulesTest, HandOverIsRefusedWithoutARace) {
    SetScores({10, 10, 10, 10, 10, 10, 10});
    program_data.WizardState = kWizardAbilities;
    program_data.BuildingPoints = 2.0f;
    EXPECT_FALSE(HandOverRace("Elvish", {"+1", "+1", "+1", "+1", "+1", "+1", "+1"}, "+5"));
    EXPECT_EQ(program_data.WizardState, kWizardAbilities);
    EXPECT_EQ(program_data.BuildingPoints, 2.0f);
    EXPECT_EQ(current_character.ABILITY_BASE, (Scores{10, 10, 10, 10, 10, 10, 10}));
    EXPECT_EQ(SkillDataItem::First(), nullptr);
    EXPECT_TRUE(LogLines().empty());
}

TEST_F(AbilityRaceRulesTest, HandOverAppliesTheShownModifiersLanguageAndBonus) {
    struct Case {
        const char* language;
        std::array<std::string, 7> modifiers;
        const char* bonus;
        Scores after;
        float bp;
        const char* skill;
    };
    const Case cases[] = {
        {"Elvish",
         {"-1", "", "+1", "+0", "x", "-2", "+3"},
         "+5",
         {9, 10, 11, 10, 10, 8, 13},
         7.0f,
         "Language, Modern: Elvish"},
        {"", {"", "", "", "", "", "", ""}, "", {10, 10, 10, 10, 10, 10, 10}, 2.0f, "Language, Modern: "},
        {"Common",
         {"-20", "+99999999999", "", "", "", "", ""},
         "-3",
         {-10, INT32_MAX, 10, 10, 10, 10, 10},
         -1.0f,
         "Language, Modern: Common"},
    };
    for (const Case& c : cases) {
        ResetGlobals();
        program_data.LogFileName = "7.log";
        std::ofstream(program_data.LogFileName).close();
        SetScores({10, 10, 10, 10, 10, 10, 10});
        current_character.ABILITY_PERC = {1, 2, 3, 4, 5, 6, 7};
        program_data.WizardState = kWizardAbilities;
        program_data.BuildingPoints = 2.0f;
        auto earlier = std::make_unique<SkillDataItem>();
        earlier->name = "Riding";
        current_character.SKILL_SECTION.AddTail(std::move(earlier));
        CharacterRace& race = AddRace("Elf", "Female");
        current_character.pRace = &race;

        EXPECT_TRUE(HandOverRace(c.language, c.modifiers, c.bonus)) << c.language;
        EXPECT_EQ(program_data.WizardState, kWizardBackground);
        EXPECT_EQ(current_character.ABILITY_BASE, c.after) << c.language;
        EXPECT_EQ(current_character.ABILITY_PERC, (Scores{1, 2, 3, 4, 5, 6, 7}));
        EXPECT_EQ(program_data.BuildingPoints, c.bp) << c.language;
        EXPECT_EQ(current_character.pRace, &race);
        const SkillDataItem* last = SkillDataItem::First();
        ASSERT_NE(last, nullptr);
        while (last->pNext)
            last = last->pNext.get();
        EXPECT_EQ(last->name, c.skill);
        EXPECT_EQ(last->value, 100);
        EXPECT_EQ(SkillDataItem::Count(), 2u);
        const std::vector<std::string> lines = LogLines();
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0], FormatLogLine(c.bp, AbilityLine("Adjusted Ability Scores by Race")));
        CharacterRace::Clear();
    }
}

} // namespace
