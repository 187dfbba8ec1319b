#include <climits>
#include <gtest/gtest.h>

#include "app/character.h"
#include "app/program_data.h"
#include "steps/starting_honor.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"

namespace {

class StartingHonorTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        program_data.LogFileName = "16.log";
    }

    // Six scores of 10 and Charisma `charisma` (fraction 50), so the base is (60 + charisma) / 7.
    void SetScores(int32_t charisma) {
        current_character.ABILITY_BASE = {10, 10, 10, 10, 10, charisma, 10};
        current_character.ABILITY_PERC = {1, 2, 3, 4, 5, 50, 7};
    }

    ScopedTempDir dir_;
};

TEST_F(StartingHonorTest, SocialClassModifiersWithTheFirstPairForUnknownClasses) {
    const int32_t expected[] = {-10, -10, -10, -10, -10, -5, -1, 0, 0, 0, 5, 5, 10, -10};
    for (int32_t socialClass = 0; socialClass <= 13; ++socialClass)
        EXPECT_EQ(SocialHonorAdjustment(socialClass), expected[socialClass]) << socialClass;
    EXPECT_EQ(SocialHonorAdjustment(-1), -10);
}

TEST_F(StartingHonorTest, BPAdjustmentTakesTheLastPairAtOrBelowTheHonor) {
    const std::pair<int32_t, int32_t> cases[] = {
        {INT32_MIN, -9}, {0, -9}, {1, -9},  {2, -8},  {9, -1},  {10, -1},        {13, -1},
        {14, 1},         {15, 2}, {24, 11}, {25, 12}, {26, 12}, {INT32_MAX, 12},
    };
    for (const auto& [honor, bp] : cases)
        EXPECT_EQ(HonorBPAdjustment(honor), bp) << honor;
}

TEST_F(StartingHonorTest, HeritageComparesTheWholeTextAndLogsIt) {
    const std::pair<const char*, int32_t> cases[] = {
        {"Great Dishonor", -5}, {"Dishonor", -2},   {"Honorable", 2},    {"Great Honor", 5},
        {"No honor", 0},        {"great honor", 0}, {"Dishonorable", 0}, {"", 0},
    };
    program_data.BuildingPoints = 2.5f;
    std::vector<std::string> expectedLog;
    for (const auto& [heritage, modifier] : cases) {
        EXPECT_EQ(HeritageHonor(heritage), modifier) << heritage;
        expectedLog.push_back(std::string("BP=2.5    | Modifier for ") + heritage +
                              " Family Heritage to Honor: " + (modifier < 0 ? "" : "+") +
                              std::to_string(modifier));
    }
    EXPECT_EQ(LogLines(), expectedLog);
}

TEST_F(StartingHonorTest, EveryDieRowRisesToOnePeakEndingAtTheTopOfGreatHonor) {
    for (int32_t level = 1; level <= 20; ++level) {
        SCOPED_TRACE(level);
        const std::vector<HonorDieBand>& row = HonorDieRow(level);
        ASSERT_GE(row.size(), 3u);
        EXPECT_EQ(row.front().high, 10);
        EXPECT_EQ(row.back().high, INT32_MAX);
        EXPECT_EQ(row.front().die, 1);
        EXPECT_EQ(row.back().die, 1);
        EXPECT_EQ(row.back().bonus, 0);
        auto rank = [](const HonorDieBand& b) { return std::make_pair(b.die, b.bonus); };
        size_t peak = 0;
        while (peak + 1 < row.size() && rank(row[peak + 1]) > rank(row[peak]))
            ++peak;
        EXPECT_EQ(row[peak].high, 10 * level + 10);
        for (size_t i = peak + 1; i < row.size(); ++i)
            EXPECT_LT(rank(row[i]), rank(row[i - 1])) << "band " << i;
        for (size_t i = 1; i < row.size(); ++i)
            EXPECT_GT(row[i].high, row[i - 1].high) << "band " << i;
    }
    EXPECT_EQ(&HonorDieRow(25), &HonorDieRow(20));
}

TEST_F(StartingHonorTest, StateWordChangesAtTheLevelThresholds) {
    auto word = [](int32_t level, int32_t honor) {
        const std::string text = SetHonorDice(level, honor);
        return text.substr(0, text.find(" d"));
    };
    for (int32_t level = 1; level <= 20; ++level) {
        SCOPED_TRACE(level);
        EXPECT_EQ(word(level, 3 * level + 2), "Dishonorable");
        EXPECT_EQ(word(level, 3 * level + 3), "Average Honor");
        EXPECT_EQ(word(level, 8 * level + 8), "Average Honor");
        EXPECT_EQ(word(level, 8 * level + 9), "Great Honor");
        EXPECT_EQ(word(level, 10 * level + 10), "Great Honor");
        EXPECT_EQ(word(level, 10 * level + 11), "Too Much Honor");
    }
}

TEST_F(StartingHonorTest, HonorDiceByLevelAndHonor) {
    struct Case {
        int32_t level, honor;
        const char* text;
        int32_t die, bonus;
    };
    const Case cases[] = {
        {1, 10, "Average Honor d1", 1, 0},
        {1, -1, "Dishonorable d1", 1, 0},
        {1, 11, "Average Honor d3", 3, 0},
        {1, 17, "Great Honor d4", 4, 0},
        {1, 20, "Great Honor d4", 4, 0},
        {1, 21, "Too Much Honor d3", 3, 0},
        {1, 30, "Too Much Honor d3", 3, 0},
        {1, 31, "Too Much Honor d1", 1, 0},
        {2, 25, "Great Honor d4+1", 4, 1},
        {2, 26, "Great Honor d6", 6, 0},
        {4, 51, "Too Much Honor d6+1", 6, 1},
        {4, 55, "Too Much Honor d6+1", 6, 1},
        {10, 108, "Great Honor d12+2", 12, 2},
        {20, 100, "Average Honor d20", 20, 0},
        {20, 401, "Too Much Honor d1", 1, 0},
        {25, 211, "Too Much Honor d12+2", 12, 2},
        {INT32_MAX, 71, "Average Honor d20", 20, 0},
        {20, INT32_MAX, "Too Much Honor d1", 1, 0},
        {20, INT32_MIN, "Dishonorable d1", 1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SetHonorDice(c.level, c.honor), c.text) << c.level << "/" << c.honor;
        EXPECT_EQ(current_character.HONOR_DIE, c.die) << c.level << "/" << c.honor;
        EXPECT_EQ(current_character.HONOR_DIE_BONUS, c.bonus) << c.level << "/" << c.honor;
    }
    // Below level 1 there is no row: die and bonus are cleared and no text is given.
    for (int32_t level : {0, -3, INT32_MIN}) {
        SetHonorDice(10, 108);
        EXPECT_EQ(SetHonorDice(level, 108), "") << level;
        EXPECT_EQ(current_character.HONOR_DIE, 0) << level;
        EXPECT_EQ(current_character.HONOR_DIE_BONUS, 0) << level;
    }
}

TEST_F(StartingHonorTest, PlainCharacterLogsEveryTermInOrder) {
    SetScores(10);
    current_character.SOCIAL_ID = 8;
    current_character.SOCIAL_CLASS = "Middle Class";
    current_character.FAMILY_HERITAGE = "No honor";
    current_character.CLASS_LONG_NAME = "Fighter";
    program_data.BuildingPoints = 5.0f;
    program_data.WizardState = kWizardAgeAndMoney;

    EXPECT_EQ(GenerateHonor(), 10);
    EXPECT_FLOAT_EQ(program_data.BuildingPoints, 4.0f);
    EXPECT_EQ(current_character.HONOR_DIE, 1);
    EXPECT_EQ(current_character.HONOR_DIE_BONUS, 0);
    EXPECT_EQ(current_character.HONOR_DICE_TEXT, "Average Honor d1");
    EXPECT_EQ(program_data.WizardState, kWizardSkills);
    EXPECT_EQ(current_character.HONOR_BASE, 0) << "the caller stores the honor";
    EXPECT_EQ(LogLines(), (std::vector<std::string>{
                              "BP=5.0    | Base Honor: 10",
                              "BP=5.0    | Acquiring Honor adjustment from Social Class: Middle Class +0",
                              "BP=5.0    | Modifier for No honor Family Heritage to Honor: +0",
                              "BP=5.0    | Acquiring Honor adjustment from Charisma 10/50:  +0",
                              "BP=4.0    | Acquiring BP adjustment based on Honor of 10: -1",
                              "BP=4.0    | Average Honor d1",
                          }));
}

TEST_F(StartingHonorTest, FloorOfOneComesBeforeTheGatheredAdjustment) {
    current_character.ABILITY_BASE = {3, 3, 3, 3, 3, 3, 3};
    current_character.ABILITY_PERC = {0, 0, 0, 0, 0, 12, 0};
    current_character.SOCIAL_ID = 1;
    current_character.SOCIAL_CLASS = "Lower Lower Class";
    current_character.FAMILY_HERITAGE = "Great Dishonor";
    current_character.HONOR_MOD = -2;
    program_data.BuildingPoints = 10.0f;

    EXPECT_EQ(GenerateHonor(), -1);
    EXPECT_FLOAT_EQ(program_data.BuildingPoints, 1.0f);
    EXPECT_EQ(current_character.HONOR_DICE_TEXT, "Dishonorable d1");
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{
                  "BP=10.0   | Base Honor: 3",
                  "BP=10.0   | Acquiring Honor adjustment from Social Class: Lower Lower Class -10",
                  "BP=10.0   | Modifier for Great Dishonor Family Heritage to Honor: -5",
                  "BP=10.0   | Acquiring Honor adjustment from Charisma 3/12:  -7",
                  "BP=1.0    | Acquiring BP adjustment based on Honor of -1: -9",
                  "BP=1.0    | Dishonorable d1",
              }));
}

TEST_F(StartingHonorTest, EachTermOfTheHonor) {
    struct Case {
        const char* what;
        int32_t socialId;
        const char* heritage;
        int32_t charisma;
        const char* className;
        int32_t honorMod;
        int32_t honor, bp;
        const char* text;
    };
    // With Charisma 18 (base 11, modifier +7), class 8 and no heritage the honor is 18.
    const Case cases[] = {
        {"plain", 8, "No honor", 18, "Fighter", 0, 18, 5, "Great Honor d4"},
        {"social 0", 0, "No honor", 18, "Fighter", 0, 8, -2, "Average Honor d1"},
        {"social 1", 1, "No honor", 18, "Fighter", 0, 8, -2, "Average Honor d1"},
        {"social 5", 5, "No honor", 18, "Fighter", 0, 13, -1, "Average Honor d3"},
        {"social 6", 6, "No honor", 18, "Fighter", 0, 17, 4, "Great Honor d4"},
        {"social 10", 10, "No honor", 18, "Fighter", 0, 23, 10, "Too Much Honor d3"},
        {"social 12", 12, "No honor", 18, "Fighter", 0, 28, 12, "Too Much Honor d3"},
        {"social 13", 13, "No honor", 18, "Fighter", 0, 8, -2, "Average Honor d1"},
        {"Great Dishonor", 8, "Great Dishonor", 18, "Fighter", 0, 13, -1, "Average Honor d3"},
        {"Dishonor", 8, "Dishonor", 18, "Fighter", 0, 16, 3, "Average Honor d4"},
        {"Honorable", 8, "Honorable", 18, "Fighter", 0, 20, 7, "Great Honor d4"},
        {"Great Honor", 8, "Great Honor", 18, "Fighter", 0, 23, 10, "Too Much Honor d3"},
        {"Charisma 3", 8, "No honor", 3, "Fighter", 0, 2, -8, "Dishonorable d1"},
        {"Charisma 10", 8, "No honor", 10, "Fighter", 0, 10, -1, "Average Honor d1"},
        {"Charisma 30 reads 25", 8, "No honor", 30, "Fighter", 0, 26, 12, "Too Much Honor d3"},
        {"Battle Mage", 8, "No honor", 18, "Battle Mage", 0, 20, 7, "Great Honor d4"},
        {"Battle Mage II", 8, "No honor", 18, "Battle Mage II", 0, 18, 5, "Great Honor d4"},
        {"battle mage", 8, "No honor", 18, "battle mage", 0, 18, 5, "Great Honor d4"},
        {"adjustment up", 8, "No honor", 18, "Fighter", 3, 21, 8, "Too Much Honor d3"},
        {"adjustment down", 8, "No honor", 18, "Fighter", -4, 14, 1, "Average Honor d3"},
        {"floor, then adjustment", 1, "No honor", 3, "Fighter", 5, 6, -4, "Average Honor d1"},
    };
    for (const Case& c : cases) {
        ResetGlobals();
        program_data.LogFileName = "16.log";
        SetScores(c.charisma);
        current_character.SOCIAL_ID = c.socialId;
        current_character.FAMILY_HERITAGE = c.heritage;
        current_character.CLASS_LONG_NAME = c.className;
        current_character.HONOR_MOD = c.honorMod;
        // The background's honor modifier is not a term: the social class counts once.
        program_data.PPHonorModifier = 7;
        program_data.BuildingPoints = 20.0f;

        EXPECT_EQ(GenerateHonor(), c.honor) << c.what;
        EXPECT_FLOAT_EQ(program_data.BuildingPoints, 20.0f + static_cast<float>(c.bp)) << c.what;
        EXPECT_EQ(current_character.HONOR_DICE_TEXT, c.text) << c.what;
        EXPECT_EQ(program_data.WizardState, kWizardSkills) << c.what;
    }
}

TEST_F(StartingHonorTest, ExtremeScoresDoNotOverflow) {
    current_character.ABILITY_BASE.fill(INT32_MAX);
    current_character.SOCIAL_ID = 12;
    current_character.FAMILY_HERITAGE = "Great Honor";
    current_character.HONOR_MOD = INT32_MAX;
    EXPECT_EQ(GenerateHonor(), INT32_MAX);
    EXPECT_EQ(current_character.HONOR_DICE_TEXT, "Too Much Honor d1");

    ResetGlobals();
    program_data.LogFileName = "16.log";
    current_character.ABILITY_BASE.fill(INT32_MIN);
    current_character.HONOR_MOD = INT32_MIN;
    EXPECT_EQ(GenerateHonor(), INT32_MIN + 1);
    EXPECT_EQ(current_character.HONOR_DICE_TEXT, "Dishonorable d1");
}

} // namespace
