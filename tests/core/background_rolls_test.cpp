#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "app/character.h"
#include "app/dice.h"
#include "app/numbers.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "catalog/race_catalog.h"
#include "steps/background_chain.h"
#include "steps/background_rolls.h"
#include "steps/roll_protocol.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"

namespace {

using Kind = ScriptedPrompter::Kind;

class BackgroundRollsTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        Restart();
    }
    // A fresh record, pool and log between the cases of a table; the race stays.
    void Restart() {
        CharacterRace* race = current_character.pRace;
        ResetGlobals();
        std::filesystem::remove("3.log");
        program_data.LogFileName = "3.log";
        current_character.pRace = race;
    }
    CharacterRace& UseRace(const std::string& name) {
        race_ = std::make_unique<CharacterRace>();
        race_->NAME = name;
        current_character.pRace = race_.get();
        return *race_;
    }
    // Runs the roll of one chain button and collects the rows it shows.
    std::optional<ChainButton> Roll(int id) {
        rows_.clear();
        return RollChainItem(id, gains_, [this](const ResultRow& row) { rows_.push_back(row); });
    }

    ScopedTempDir dir_;
    std::unique_ptr<CharacterRace> race_;
    BackgroundGains gains_;
    std::vector<ResultRow> rows_;
};

TEST_F(BackgroundRollsTest, AgeIsTheRaceBasePlusItsDiceRolledOrTyped) {
    CharacterRace& race = UseRace("Human");
    race.BASEAGE = 15;
    race.AGEDIE = 4;
    race.AGEDIEROLLS = 1;
    dice::QueueFaces({2});
    const std::optional<ChainButton> next = Roll(ID_STEP6_AGE);
    EXPECT_EQ(current_character.AGE, 17);
    ASSERT_EQ(rows_.size(), 1u);
    EXPECT_EQ(rows_[0].caption, "Age:");
    EXPECT_EQ(rows_[0].value, "17");
    ASSERT_TRUE(next);
    EXPECT_EQ(next->id, ID_STEP6_HANDEDNESS);
    EXPECT_STREQ(next->label, "Roll Handedness");
    EXPECT_EQ(program_data.WizardState, kWizardBackgroundRolled);
    EXPECT_EQ(LogLines(),
              std::vector<std::string>{"BP=0.0    | Rolling for starting age (15+1d4): rolled 17"});

    // Own dice: the prompt offers the rolled 2 and accepts 1 to 4; the typed number replaces the dice only.
    struct Typed {
        long typed;
        const char* line;
    };
    for (const Typed& t : {Typed{3, "BP=0.0    | Entered roll for starting age (15+1d4): rolled 18"},
                           Typed{2, "BP=0.0    | Rolling for starting age (15+1d4): rolled 17"}}) {
        Restart();
        BooksToUse[kOptionRollYourOwnDice] = 1;
        dice::QueueFaces({2});
        ScopedPrompter prompts;
        prompts->ExpectNumber(t.typed);
        EXPECT_EQ(RollUntilAccepted(GenerateAge), 15 + t.typed);
        ASSERT_EQ(prompts->Asked().size(), 1u);
        const ScriptedPrompter::Question& q = prompts->Asked()[0];
        EXPECT_EQ(q.message, "Rolling for starting age of character");
        EXPECT_EQ(q.prompt, "1d4");
        EXPECT_EQ(q.value, 2);
        EXPECT_EQ(q.min, 1);
        EXPECT_EQ(q.max, 4);
        EXPECT_EQ(LogLines(), std::vector<std::string>{t.line});
    }
}

TEST_F(BackgroundRollsTest, HeightAndWeightReadTheirOwnRaceFields) {
    CharacterRace& race = UseRace("Human");
    race.BASEHEIGHT = 50;
    race.HEIGHTDIE = 10;
    race.HEIGHTDIEROLLS = 2;
    race.BASEWEIGHT = 130;
    race.WEIGHTDIE = 12;
    race.WEIGHTDIEROLLS = 3;
    BooksToUse[kOptionRollYourOwnDice] = 1;
    ScopedPrompter prompts;
    prompts->ExpectNumber(20);
    dice::QueueFaces({4, 5});
    const std::optional<ChainButton> afterHeight = Roll(ID_STEP6_HEIGHT);
    EXPECT_EQ(current_character.CHARACTER_HEIGHT, 70);
    ASSERT_EQ(prompts->Asked().size(), 1u);
    EXPECT_EQ(prompts->Asked()[0].message, "Rolling for starting Height of character");
    EXPECT_EQ(prompts->Asked()[0].min, 2);
    EXPECT_EQ(prompts->Asked()[0].max, 20);
    ASSERT_TRUE(afterHeight);
    EXPECT_EQ(afterHeight->id, ID_STEP6_WEIGHT);

    // Declining the weight roll with 1.0 BP leaves 0.0 and takes the second roll without a question.
    BooksToUse[kOptionRollYourOwnDice] = 0;
    program_data.BuildingPoints = 1.0f;
    prompts->ExpectMessage(wxNO);
    dice::QueueFaces({1, 1, 1, 12, 12, 12});
    const std::optional<ChainButton> afterWeight = Roll(ID_STEP6_WEIGHT);
    EXPECT_EQ(current_character.CHARACTER_WEIGHT, 166);
    EXPECT_EQ(program_data.BuildingPoints, 0.0f);
    ASSERT_EQ(rows_.size(), 1u);
    EXPECT_EQ(rows_[0].caption, "Weight:");
    EXPECT_EQ(rows_[0].value, "166");
    ASSERT_TRUE(afterWeight);
    EXPECT_EQ(afterWeight->id, ID_STEP6_SOCIAL_CLASS);
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{"BP=0.0    | Entered roll for Height (50+2d10): rolled 70",
                                        "BP=1.0    | Rolling for Weight (130+3d12): rolled 133",
                                        "BP=0.0    | Spending 1 BP to re-roll",
                                        "BP=0.0    | Rolling for Weight (130+3d12): rolled 166"}));
}

TEST_F(BackgroundRollsTest, ATotalOfZeroWithoutARaceIsTakenAtOnce) {
    // No race: every racial number reads 0, so the age is 0 with no dice; it is a result, not a re-roll.
    program_data.BuildingPoints = 2.0f;
    ScopedPrompter prompts;
    prompts->ExpectMessage(wxYES);
    current_character.AGE = 99;
    Roll(ID_STEP6_AGE);
    EXPECT_EQ(current_character.AGE, 0);
    EXPECT_EQ(LogLines(), std::vector<std::string>{"BP=2.0    | Rolling for starting age (0+0d0): rolled 0"});
}

TEST_F(BackgroundRollsTest, SocialClassBandsGiveTheirCodeAndModifiers) {
    struct Case {
        int32_t roll;
        const char* text;
        int32_t code;
        int32_t money, honor;
    };
    const std::vector<Case> cases = {
        {2, "Lower Lower Class", 4, -20, -10},  {6, "Lower Lower Class", 4, -20, -10},
        {7, "Middle Lower Class", 5, -15, -5},  {11, "Middle Lower Class", 5, -15, -5},
        {12, "Upper Lower Class", 6, -10, -1},  {20, "Upper Lower Class", 6, -10, -1},
        {21, "Lower Middle Class", 7, -5, 0},   {35, "Lower Middle Class", 7, -5, 0},
        {36, "Middle Middle Class", 8, 0, 0},   {55, "Middle Middle Class", 8, 0, 0},
        {56, "Upper Middle Class", 9, 5, 0},    {87, "Upper Middle Class", 9, 5, 0},
        {88, "Lower Upper Class", 10, 10, 1},   {96, "Lower Upper Class", 10, 10, 1},
        {97, "Middle Upper Class", 11, 15, 5},  {99, "Middle Upper Class", 11, 15, 5},
        {100, "Upper Upper Class", 12, 20, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.roll);
        Restart();
        dice::QueueFaces({c.roll});
        const std::optional<ChainButton> next = Roll(ID_STEP6_SOCIAL_CLASS);
        EXPECT_EQ(current_character.SOCIAL_ID, c.code);
        EXPECT_EQ(current_character.SOCIAL_CLASS, c.text);
        EXPECT_EQ(program_data.PPMoneyModifier, c.money);
        EXPECT_EQ(program_data.PPHonorModifier, c.honor);
        ASSERT_EQ(rows_.size(), 1u);
        EXPECT_EQ(rows_[0].caption, "Social Class:");
        EXPECT_EQ(rows_[0].value, c.text);
        ASSERT_TRUE(next);
        EXPECT_EQ(next->id, ID_STEP6_LEGITIMACY);
        EXPECT_STREQ(next->label, "Roll Legitimacy of Birth");
        const std::string cls = c.text;
        EXPECT_EQ(LogLines(),
                  (std::vector<std::string>{
                      Format("BP=0.0    | Rolling for Social Class (d100): rolled %i = ", c.roll) + cls,
                      "BP=0.0    | Applying Modifier to Money Roll based on Social Class " + cls +
                          Format(" 0%+i=%i", c.money, c.money),
                      "BP=0.0    | Applying Modifier to Starting Honor based on Social Class " + cls +
                          Format(" 0%+i=%i", c.honor, c.honor)}));
    }
    // The modifiers add to what the step had collected before.
    Restart();
    program_data.PPMoneyModifier = 7;
    program_data.PPHonorModifier = -3;
    dice::QueueFaces({90});
    Roll(ID_STEP6_SOCIAL_CLASS);
    EXPECT_EQ(program_data.PPMoneyModifier, 17);
    EXPECT_EQ(program_data.PPHonorModifier, -2);
    EXPECT_EQ(LogLines()[1],
              "BP=0.0    | Applying Modifier to Money Roll based on Social Class Lower Upper Class 7+10=17");
}

TEST_F(BackgroundRollsTest, TheSlaveBandRollsItsNatureAndADeclineReRollsOnlyTheNature) {
    struct Case {
        int32_t d20;
        const char* socialClass;
        int32_t id;
    };
    for (const Case& c :
         {Case{5, "Slave Class, runaway slave", 1}, Case{6, "Slave Class, escaped criminal", 2},
          Case{7, "Slave Class, escaped criminal", 2}, Case{15, "Slave Class, escaped criminal", 2},
          Case{16, "Slave Class, banished", 3}, Case{20, "Slave Class, banished", 3}}) {
        SCOPED_TRACE(c.d20);
        Restart();
        dice::QueueFaces({1, c.d20});
        Roll(ID_STEP6_SOCIAL_CLASS);
        EXPECT_EQ(current_character.SOCIAL_ID, c.id);
        EXPECT_EQ(current_character.SOCIAL_CLASS, c.socialClass);
        ASSERT_EQ(rows_.size(), 1u);
        EXPECT_EQ(rows_[0].value, c.socialClass);
        EXPECT_EQ(program_data.PPMoneyModifier, -20);
        EXPECT_EQ(program_data.PPHonorModifier, -10);
    }

    Restart();
    program_data.BuildingPoints = 2.0f;
    ScopedPrompter prompts;
    prompts->ExpectMessage(wxYES);  // the social class stands
    prompts->ExpectMessage(wxNO); // the first nature is declined
    prompts->ExpectMessage(wxYES);
    dice::QueueFaces({1, 3, 7});
    Roll(ID_STEP6_SOCIAL_CLASS);
    EXPECT_EQ(dice::QueuedFaces(), 0u);
    EXPECT_EQ(current_character.SOCIAL_CLASS, "Slave Class, escaped criminal");
    EXPECT_EQ(current_character.SOCIAL_ID, 2);
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{
                  "BP=2.0    | Rolling for Social Class (d100): rolled 1 = Slave Class",
                  "BP=2.0    | Rolling for nature of Slave Class (d20): rolled 3 = runaway slave",
                  "BP=1.0    | Spending 1 BP to re-roll",
                  "BP=1.0    | Rolling for nature of Slave Class (d20): rolled 7 = escaped criminal",
                  "BP=1.0    | Applying Modifier to Money Roll based on Social Class Slave Class, escaped "
                  "criminal 0-20=-20",
                  "BP=1.0    | Applying Modifier to Starting Honor based on Social Class Slave Class, "
                  "escaped criminal "
                  "0-10=-10"}));
}

TEST_F(BackgroundRollsTest, HandednessFollowsDexterityAndRace) {
    struct Case {
        const char* race;
        int32_t dex;
        int32_t roll;
        const char* hand;
    };
    const std::vector<Case> cases = {
        {"Gnome Titan", 16, 1, "Ambidextrous"},
        {"Gnome Titan", 16, 37, "Ambidextrous"},
        {"Gnome Titan", 16, 38, "Right"},
        {"Human", 16, 7, "Left"},
        {"Human", 16, 8, "Ambidextrous"},
        {"Human", 16, 27, "Ambidextrous"},
        {"Human", 16, 28, "Right"},
        {"Dwarf", 15, 2, "Left"},
        {"Dwarf", 15, 3, "Ambidextrous"},
        {"Dwarf", 15, 32, "Ambidextrous"},
        {"Dwarf", 15, 33, "Right"},
        {"Human", 15, 12, "Left"},
        {"Human", 15, 13, "Ambidextrous"},
        {"Human", 15, 22, "Ambidextrous"},
        {"Human", 15, 23, "Right"},
        {"", 15, 12, "Left"}, // no race: the common table
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.race) + Format(" DEX %i roll %i", c.dex, c.roll));
        UseRace(c.race);
        Restart();
        current_character.ABILITY_BASE[1] = c.dex;
        dice::QueueFaces({c.roll});
        const std::optional<ChainButton> next = Roll(ID_STEP6_HANDEDNESS);
        EXPECT_EQ(current_character.HANDEDNESS, c.hand);
        ASSERT_EQ(rows_.size(), 1u);
        EXPECT_EQ(rows_[0].caption, "Handeness:");
        EXPECT_EQ(rows_[0].value, c.hand);
        ASSERT_TRUE(next);
        EXPECT_EQ(next->id, ID_STEP6_HEIGHT);
        EXPECT_EQ(LogLines(),
                  std::vector<std::string>{
                      Format("BP=0.0    | Rolling for Handeness (d100) (modified by high Dex and or Race "
                             "to improve odds of an ambidextrous result) : rolled %i = ",
                             c.roll) +
                      c.hand});
    }
    // Every race whose name holds "Elf" is ambidextrous: no dice, no line, no question, even typing own dice.
    for (const char* elf : {"Elf", "Sea Elf"}) {
        SCOPED_TRACE(elf);
        UseRace(elf);
        Restart();
        program_data.BuildingPoints = 3.0f;
        BooksToUse[kOptionRollYourOwnDice] = 1;
        ScopedPrompter prompts;
        dice::QueueFaces({1});
        Roll(ID_STEP6_HANDEDNESS);
        EXPECT_EQ(current_character.HANDEDNESS, "Ambidextrous");
        EXPECT_EQ(dice::QueuedFaces(), 1u);
        EXPECT_TRUE(LogLines().empty());
        EXPECT_TRUE(prompts->Asked().empty());
        dice::ResetGenerator();
    }
}

TEST_F(BackgroundRollsTest, TheNextButtonFollowsTheRollAndTheParentFlags) {
    struct Case {
        int rolled;
        int32_t mother, father, siblings;
        int next; // 0: the chain ends
    };
    const std::vector<Case> cases = {
        {ID_STEP6_AGE, 0, 0, 0, ID_STEP6_HANDEDNESS},
        {ID_STEP6_HANDEDNESS, 0, 0, 0, ID_STEP6_HEIGHT},
        {ID_STEP6_HEIGHT, 0, 0, 0, ID_STEP6_WEIGHT},
        {ID_STEP6_WEIGHT, 0, 0, 0, ID_STEP6_SOCIAL_CLASS},
        {ID_STEP6_SOCIAL_CLASS, 0, 0, 0, ID_STEP6_LEGITIMACY},
        // Legitimacy: the reset's 0 flags count as known parents.
        {ID_STEP6_LEGITIMACY, 0, 0, 0, ID_STEP6_MOTHER_STATUS},
        {ID_STEP6_LEGITIMACY, 1, -1, 0, ID_STEP6_MOTHER_STATUS},
        {ID_STEP6_LEGITIMACY, -1, 1, 0, ID_STEP6_FATHER_STATUS},
        {ID_STEP6_LEGITIMACY, -1, -1, 0, ID_STEP6_HERITAGE},
        {ID_STEP6_MOTHER_STATUS, 1, 1, 0, ID_STEP6_FATHER_STATUS},
        {ID_STEP6_MOTHER_STATUS, 0, 0, 0, ID_STEP6_FATHER_STATUS},
        {ID_STEP6_MOTHER_STATUS, 1, -1, 0, ID_STEP6_HERITAGE},
        {ID_STEP6_FATHER_STATUS, 0, 1, 0, ID_STEP6_STEP_MOTHER},
        {ID_STEP6_FATHER_STATUS, 0, 0, 0, ID_STEP6_MOTHER_QUALITY},
        {ID_STEP6_FATHER_STATUS, 1, 0, 0, ID_STEP6_MOTHER_QUALITY},
        {ID_STEP6_FATHER_STATUS, 1, 1, 0, ID_STEP6_MOTHER_QUALITY},
        {ID_STEP6_FATHER_STATUS, -1, 1, 0, ID_STEP6_FATHER_QUALITY},
        {ID_STEP6_FATHER_STATUS, -1, 0, 0, ID_STEP6_FATHER_QUALITY},
        {ID_STEP6_STEP_MOTHER, 0, 1, 0, ID_STEP6_MOTHER_QUALITY},
        {ID_STEP6_STEP_MOTHER, 2, 1, 0, ID_STEP6_MOTHER_QUALITY},
        {ID_STEP6_STEP_MOTHER, -1, 1, 0, ID_STEP6_FATHER_QUALITY},
        {ID_STEP6_STEP_MOTHER, -1, -1, 0, ID_STEP6_HERITAGE},
        {ID_STEP6_MOTHER_QUALITY, 1, 0, 0, ID_STEP6_FATHER_QUALITY}, // also for a dead father
        {ID_STEP6_MOTHER_QUALITY, 1, -1, 0, ID_STEP6_HERITAGE},
        {ID_STEP6_FATHER_QUALITY, 1, 1, 0, ID_STEP6_HERITAGE},
        {ID_STEP6_HERITAGE, 1, 1, 0, ID_STEP6_SIBLINGS},
        {ID_STEP6_SIBLINGS, 1, 1, 0, 0},
        {ID_STEP6_SIBLINGS, 1, 1, 3, ID_STEP6_BIRTH_ORDER},
        {ID_STEP6_SIBLINGS, 1, 1, -2, ID_STEP6_BIRTH_ORDER},
        {ID_STEP6_BIRTH_ORDER, 1, 1, 3, 0},
        {ID_STEP6_MENU_CONTINUE, 1, 1, 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Format("after %i with mother %i, father %i, siblings %i", c.rolled, c.mother, c.father,
                            c.siblings));
        const std::optional<ChainButton> next = NextRollButton(c.rolled, c.mother, c.father, c.siblings);
        ASSERT_EQ(next.has_value(), c.next != 0);
        if (next) {
            EXPECT_EQ(next->id, c.next);
            EXPECT_STREQ(next->label, ChainButtonFor(c.next)->label);
        }
    }
    // Each label belongs to one id.
    const std::vector<std::pair<int, const char*>> labels = {
        {ID_STEP6_AGE, "Begin Priors and Particulars"},
        {ID_STEP6_HANDEDNESS, "Roll Handedness"},
        {ID_STEP6_HEIGHT, "Roll Height"},
        {ID_STEP6_WEIGHT, "Roll Weight"},
        {ID_STEP6_SOCIAL_CLASS, "Roll Social Class"},
        {ID_STEP6_LEGITIMACY, "Roll Legitimacy of Birth"},
        {ID_STEP6_MOTHER_STATUS, "Roll Status of Mother"},
        {ID_STEP6_FATHER_STATUS, "Roll Status of Father"},
        {ID_STEP6_STEP_MOTHER, "Roll for Step Mother"},
        {ID_STEP6_MOTHER_QUALITY, "Roll Quality of Mother"},
        {ID_STEP6_FATHER_QUALITY, "Roll Quality of Father"},
        {ID_STEP6_HERITAGE, "Roll Family Heritage"},
        {ID_STEP6_SIBLINGS, "Roll for number of Siblings"},
        {ID_STEP6_BIRTH_ORDER, "Roll for Order of Birth"},
    };
    for (const auto& [id, label] : labels) {
        ASSERT_TRUE(ChainButtonFor(id));
        EXPECT_STREQ(ChainButtonFor(id)->label, label);
    }
    EXPECT_FALSE(ChainButtonFor(10025)) << "no step-father roll is offered";
}

TEST_F(BackgroundRollsTest, FamilyHeritageBands) {
    struct Case {
        int32_t roll;
        const char* heritage;
    };
    for (const Case& c : {Case{1, "Great Dishonor"}, Case{2, "Dishonor"}, Case{15, "Dishonor"},
                          Case{16, "No honor"}, Case{45, "No honor"}, Case{46, "Honorable"},
                          Case{76, "Honorable"}, Case{77, "Great Honor"}, Case{100, "Great Honor"}}) {
        SCOPED_TRACE(c.roll);
        Restart();
        dice::QueueFaces({c.roll});
        const std::optional<ChainButton> next = Roll(ID_STEP6_HERITAGE);
        EXPECT_EQ(current_character.FAMILY_HERITAGE, c.heritage);
        ASSERT_EQ(rows_.size(), 1u);
        EXPECT_EQ(rows_[0].caption, "Family Heritage:");
        EXPECT_EQ(rows_[0].value, c.heritage);
        ASSERT_TRUE(next);
        EXPECT_EQ(next->id, ID_STEP6_SIBLINGS);
        EXPECT_EQ(
            LogLines(),
            std::vector<std::string>{
                Format("BP=0.0    | Rolling for family heritage (d100): rolled %i = ", c.roll) + c.heritage});
    }
}

TEST_F(BackgroundRollsTest, EveryBirthOrderRowCoversOneToAHundred) {
    struct Band {
        int32_t low, high;
        const char* text;
    };
    // The rows as the rules give them, by number of siblings.
    const std::vector<std::vector<Band>> rows = {
        {{1, 50, "First born"}, {51, 100, "Last born"}},
        {{1, 33, "First born"}, {34, 66, "Middle born (2nd)"}, {67, 100, "Last born"}},
        {{1, 25, "First born"}, {26, 50, "2nd born"}, {51, 75, "2nd to last born"}, {76, 100, "Last born"}},
        {{1, 21, "First born"},
         {22, 41, "2nd born"},
         {42, 61, "Middle born (3rd)"},
         {62, 81, "2nd to last born"},
         {82, 100, "Last born"}},
        {{1, 16, "First born"},
         {17, 32, "2nd born"},
         {33, 48, "Middle born (3rd)"},
         {49, 64, "Middle born (4th)"},
         {65, 80, "2nd to last born"},
         {81, 100, "Last born"}},
        {{1, 14, "First born"},
         {15, 28, "2nd born"},
         {29, 42, "Middle born (3rd)"},
         {43, 56, "Middle born (4th)"},
         {57, 70, "Middle born (5th)"},
         {71, 84, "2nd to last born"},
         {85, 100, "Last born"}},
        {{1, 12, "First born"},
         {13, 24, "2nd born"},
         {25, 36, "Middle born (3rd)"},
         {37, 48, "Middle born (4th)"},
         {49, 60, "Middle born (5th)"},
         {61, 72, "Middle born (6th)"},
         {73, 84, "2nd to last born"},
         {85, 100, "Last born"}},
        {{1, 11, "First born"},
         {12, 22, "2nd born"},
         {23, 33, "Middle born (3rd)"},
         {34, 44, "Middle born (4th)"},
         {45, 55, "Middle born (5th)"},
         {56, 66, "Middle born (6th)"},
         {67, 77, "Middle born (7th)"},
         {78, 88, "2nd to last born"},
         {89, 100, "Last born"}},
        {{1, 10, "First born"},
         {11, 20, "2nd born"},
         {21, 30, "Middle born (3rd)"},
         {31, 40, "Middle born (4th)"},
         {41, 50, "Middle born (5th)"},
         {51, 60, "Middle born (6th)"},
         {61, 70, "Middle born (7th)"},
         {71, 80, "Middle born (8th)"},
         {81, 90, "2nd to last born"},
         {91, 100, "Last born"}},
    };
    for (int32_t siblings = -4; siblings <= 9; ++siblings) {
        if (siblings == 0)
            continue;
        const std::vector<Band>& row = rows[static_cast<size_t>((siblings < 0 ? -siblings : siblings) - 1)];
        for (int32_t roll = 1; roll <= 100; ++roll) {
            SCOPED_TRACE(Format("siblings %i, roll %i", siblings, roll));
            Restart();
            current_character.SIBLINGS = siblings;
            dice::QueueFaces({roll});
            int32_t middle = -1;
            ASSERT_TRUE(OrderofBirth(middle));
            const Band* expected = nullptr;
            for (const Band& band : row)
                if (roll >= band.low && roll <= band.high)
                    expected = &band;
            ASSERT_NE(expected, nullptr);
            EXPECT_EQ(current_character.BIRTH_ORDER, expected->text);
            const bool isMiddle = std::string(expected->text).rfind("Middle born", 0) == 0;
            EXPECT_EQ(middle, isMiddle ? 1 : 0);
        }
    }

    // The handler's row and line; the chain ends here.
    Restart();
    current_character.SIBLINGS = -2;
    dice::QueueFaces({50});
    EXPECT_FALSE(Roll(ID_STEP6_BIRTH_ORDER));
    EXPECT_EQ(gains_.middleChildQuirks, 1);
    ASSERT_EQ(rows_.size(), 1u);
    EXPECT_EQ(rows_[0].caption, "Order of Birth:");
    EXPECT_EQ(rows_[0].value, "Middle born (2nd)");
    EXPECT_EQ(LogLines(),
              std::vector<std::string>{"BP=0.0    | Rolling for order of birth (d100): rolled 50 Middle "
                                       "born (2nd), 1 Minor Personality Quirk"});
    // A declined middle child re-rolled to a first born owes nothing; a count changed beyond 9 reads row 9.
    Restart();
    current_character.SIBLINGS = 25;
    gains_.middleChildQuirks = 0;
    program_data.BuildingPoints = 1.0f;
    ScopedPrompter prompts;
    prompts->ExpectMessage(wxNO);
    dice::QueueFaces({75, 10});
    Roll(ID_STEP6_BIRTH_ORDER);
    EXPECT_EQ(current_character.BIRTH_ORDER, "First born");
    EXPECT_EQ(gains_.middleChildQuirks, 0);
    EXPECT_EQ(LogLines()[0],
              "BP=1.0    | Rolling for order of birth (d100): rolled 75 Middle born (8th), 1 Minor "
              "Personality Quirk");
}

TEST_F(BackgroundRollsTest, BirthOrderModifiesTheStartingMoney) {
    struct Case {
        const char* order;
        int32_t abandoned;
        int32_t modifier;
    };
    const std::vector<Case> cases = {
        {"First born", 0, 5},        {"FIRST BORN", 0, 5},
        {"2nd born", 0, 2},          {"2nd to last born", 0, -2},
        {"only child", 0, 10},       {"Last born", 0, -5},
        {"Middle born (3rd)", 0, 0}, {"", 0, 0},
        {"First born ", 0, 0}, // whole text only
        {"First born", 1, -20},      {"", 1, -20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.order + Format("\" abandoned %i", c.abandoned));
        Restart();
        current_character.BIRTH_ORDER = c.order;
        current_character.ABANDONED = c.abandoned;
        program_data.PPMoneyModifier = 10;
        EffofBirth();
        EXPECT_EQ(program_data.PPMoneyModifier, 10 + c.modifier);
        EXPECT_EQ(LogLines(), std::vector<std::string>{Format(
                                  "BP=0.0    | Applying Modifier for Birth Order (%+i) to Starting Money "
                                  "Roll +10 = %i",
                                  c.modifier, 10 + c.modifier)});
    }
}

} // namespace
