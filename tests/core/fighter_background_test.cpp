#include <algorithm>
#include <climits>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "app/character.h"
#include "app/dice.h"
#include "app/item_lists.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "catalog/talent_catalog.h"
#include "steps/fighter_background.h"
#include "steps/free_weapon_prof.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"

namespace {

using Kind = ScriptedPrompter::Kind;

class FighterBackgroundTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        program_data.LogFileName = "7.log";
        current_character.ABILITY_BASE[5] = 10; // Reaction_Adj 0
        current_character.SOCIAL_ID = 7;
        current_character.SOCIAL_CLASS = "Middle Class";
    }
    // Three d6 faces that sum to `total` (3 to 18).
    static std::vector<int32_t> Faces(int total) {
        std::vector<int32_t> faces;
        for (int left = 3; left > 0; --left) {
            const int face = std::min(6, total - (left - 1));
            faces.push_back(face);
            total -= face;
        }
        return faces;
    }
    ScopedTempDir dir_;
};

TEST_F(FighterBackgroundTest, SocialClassModifierByCode) {
    const std::pair<int32_t, int32_t> cases[] = {{INT32_MIN, -10}, {0, -10}, {3, -10}, {4, -8},       {5, -3},
                                                 {6, -1},          {7, 0},   {8, 1},   {9, 3},        {10, 7},
                                                 {11, 8},          {12, 9},  {20, 9},  {INT32_MAX, 9}};
    for (auto [socialId, modifier] : cases)
        EXPECT_EQ(SocialClassModifier(socialId), modifier) << socialId;
}

TEST_F(FighterBackgroundTest, CharismaTermIsHalfTheReactionAdjustmentNeverNegative) {
    const std::pair<const char*, int32_t> texts[] = {
        {"-7", 3},  {"-5", 2},  {"-1", 0},    {"0", 0},
        {"+13", 6}, {"+14", 7}, {"error", 0}, {"-2147483648", 1073741824}};
    for (auto [text, term] : texts)
        EXPECT_EQ(CharismaTerm(text), term) << text;
    // The character's own Charisma, read from the table: scores 1, 3, 7, 10 and 24 have -7, -5, -1, 0, +13.
    const std::pair<int32_t, int32_t> scores[] = {{1, 3}, {3, 2}, {7, 0}, {10, 0}, {24, 6}};
    for (auto [score, term] : scores) {
        current_character.ABILITY_BASE[5] = score;
        EXPECT_EQ(CharacterCharismaTerm(), term) << "Charisma " << score;
    }
}

TEST_F(FighterBackgroundTest, BandEdgesOfTheThreeTables) {
    struct Case {
        int32_t total;
        int band;
    } edges[] = {{INT32_MIN, 0}, {-7, 0}, {3, 0},  {4, 1},  {7, 1},  {8, 2},        {10, 2},
                 {11, 3},        {15, 3}, {16, 4}, {18, 4}, {19, 5}, {INT32_MAX, 5}};
    for (const Case& c : edges)
        EXPECT_EQ(FighterBand(c.total), c.band) << c.total;

    const char* camps[] = {"secret rebel/insurgent camp", "local militia camp",
                           "territorial militia camp",    "regular army boot camp",
                           "elite military academy",      "royal guardsmen"};
    const int32_t campNext[] = {-3, -2, -1, 0, 3, 5};
    const char* qualities[] = {"Horrific", "Poor", "Sub-par", "Average", "Above Average", "Top Notch"};
    const int32_t qualityNext[] = {-10, -4, -2, 1, 1, 4};
    const int32_t honor[] = {-2, 0, 0, 0, 0, 0};
    for (int band = 0; band < 6; ++band) {
        EXPECT_STREQ(TrainingCampBand(band).text, camps[band]);
        EXPECT_EQ(TrainingCampBand(band).next, campNext[band]);
        EXPECT_STREQ(BasicTrainingQualityBand(band).text, qualities[band]);
        EXPECT_EQ(BasicTrainingQualityBand(band).next, qualityNext[band]);
        EXPECT_EQ(TrainingResultsBand(band).next, honor[band]);
    }
    EXPECT_STREQ(TrainingResultsBand(2).text, "You gained 1 melee weapon proficiency at no BP cost");
}

TEST_F(FighterBackgroundTest, TrainingCampAddsSocialClassAndCharismaAndLogsThem) {
    struct Case {
        int32_t socialId;
        int32_t charisma; // score
        int roll;
        const char* line;
        const char* camp;
        int32_t modifier;
    } cases[] = {
        {0, 10, 3,
         "Rolling for Type of Training Camp (3d6): rolled 3(-10 Middle Class +0 Charisma Reaction Adj) = -7 "
         "= "
         "secret rebel/insurgent camp",
         "secret rebel/insurgent camp", -3},
        {7, 1, 15,
         "Rolling for Type of Training Camp (3d6): rolled 15(+0 Middle Class +3 Charisma Reaction Adj) = 18 "
         "= "
         "elite military academy",
         "elite military academy", 3},
        {12, 24, 4,
         "Rolling for Type of Training Camp (3d6): rolled 4(+9 Middle Class +6 Charisma Reaction Adj) = 19 = "
         "royal guardsmen",
         "royal guardsmen", 5},
    };
    for (const Case& c : cases) {
        std::remove("7.log");
        current_character.SOCIAL_ID = c.socialId;
        current_character.ABILITY_BASE[5] = c.charisma;
        dice::QueueFaces(Faces(c.roll));
        int32_t modifier = 99;
        EXPECT_TRUE(RollTrainingCamp(modifier));
        EXPECT_EQ(modifier, c.modifier);
        EXPECT_EQ(current_character.CAMP_TYPE, c.camp);
        EXPECT_EQ(LogLines(), std::vector<std::string>{std::string("BP=0.0    | ") + c.line});
    }
}

TEST_F(FighterBackgroundTest, QualityAddsTheCampModifier) {
    struct Case {
        int32_t camp;
        int roll;
        const char* quality;
        int32_t modifier;
    } cases[] = {{5, 14, "Top Notch", 4}, {-3, 6, "Horrific", -10}, {-3, 7, "Poor", -4},
                 {0, 10, "Sub-par", -2},  {0, 11, "Average", 1},    {3, 13, "Above Average", 1},
                 {3, 16, "Top Notch", 4}};
    for (const Case& c : cases) {
        std::remove("7.log");
        dice::QueueFaces(Faces(c.roll));
        int32_t modifier = 99;
        EXPECT_TRUE(RollBasicTrainingQuality(c.camp, modifier));
        EXPECT_EQ(modifier, c.modifier);
        EXPECT_EQ(current_character.CAMP_QUALITY, c.quality);
        const std::string line = "BP=0.0    | Rolling for Quality of Basic Training (3d6): rolled " +
                                 std::to_string(c.roll) + (c.camp < 0 ? "(" : "(+") + std::to_string(c.camp) +
                                 ") = " + std::to_string(c.roll + c.camp) + " = " + c.quality;
        EXPECT_EQ(LogLines(), std::vector<std::string>{line});
    }
}

TEST_F(FighterBackgroundTest, ResultsChangeHonorAndOpenOneChooserPerGrantingBand) {
    struct Case {
        int32_t modifier;
        int roll;
        std::vector<int32_t> training; // the 1d100 face, when the band rolls it
        int32_t honorChange;
        std::vector<std::string> choosers;
        int band;
    } cases[] = {
        {-10, 13, {}, -2, {}, 0},
        {-10, 14, {50}, 0, {"Melee Weapon Limited"}, 1},
        {-10, 14, {51}, 0, {"Melee Weapon"}, 1},
        {-2, 10, {}, 0, {"Melee Weapon"}, 2},
        {1, 14, {}, 0, {"Melee Weapon"}, 3},
        {1, 17, {}, 0, {"Melee Weapon"}, 4},
        {4, 15, {}, 0, {"Melee Weapon"}, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.roll + c.modifier);
        std::remove("7.log");
        current_character.HONOR_MOD = 3;
        std::vector<int32_t> faces = Faces(c.roll);
        faces.insert(faces.end(), c.training.begin(), c.training.end());
        dice::QueueFaces(faces);
        std::vector<std::string> opened;
        size_t linesWhenOpened = 0;
        EXPECT_TRUE(RollTrainingResults(c.modifier, [&](const std::string& type) {
            opened.push_back(type);
            linesWhenOpened = LogLines().size();
        }));
        EXPECT_EQ(dice::QueuedFaces(), 0u);
        EXPECT_EQ(opened, c.choosers);
        EXPECT_EQ(current_character.HONOR_MOD, 3 + c.honorChange);
        const std::string text = TrainingResultsBand(c.band).text;
        EXPECT_EQ(current_character.CAMP_RESULTS, text);
        const std::vector<std::string> lines = LogLines();
        ASSERT_EQ(lines.size(), c.training.empty() ? 1u : 2u);
        EXPECT_EQ(lines[0], "BP=0.0    | Rolling for Results of Basic Training (3d6): rolled " +
                                std::to_string(c.roll) + (c.modifier < 0 ? "(" : "(+") +
                                std::to_string(c.modifier) + ") = " + std::to_string(c.roll + c.modifier) +
                                " = " + text);
        if (!c.training.empty()) {
            EXPECT_EQ(linesWhenOpened, 1u) << "the weapon-training line follows the chooser";
            const std::string outcome =
                c.training[0] <= 50
                    ? "You gained 1 melee weapon proficiency. However your training was so poor with this "
                      "weapon "
                      "you suffer a -1 penalty to hit, this can be rectified in the future through training: "
                    : "You gained 1 melee weapon proficiency: ";
            EXPECT_EQ(lines[1], "BP=0.0    | Rolling for Results for Quality of Weapon Proficinecy Training "
                                "(1d100): rolled " +
                                    std::to_string(c.training[0]) + " = " + outcome + text);
        }
    }
}

TEST_F(FighterBackgroundTest, LongestResultLineReachesTheLogWhole) {
    dice::QueueFaces({6, 6, 6});
    EXPECT_TRUE(RollTrainingResults(4, [](const std::string&) {}));
    const std::string text = TrainingResultsBand(5).text;
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_GT(lines[0].size(), 320u);
    EXPECT_EQ(lines[0],
              "BP=0.0    | Rolling for Results of Basic Training (3d6): rolled 18(+4) = 22 = " + text);
}

TEST_F(FighterBackgroundTest, RollProtocolQuestionReRollAndOwnDice) {
    // A pool of 0: no question. A pool of 0.1: the question, No costs 1 BP, the next roll stands unasked.
    {
        ScopedPrompter prompts;
        program_data.BuildingPoints = 0.1f;
        prompts->ExpectMessage(wxNO);
        dice::QueueFaces({1, 1, 1, 6, 6, 6});
        int32_t modifier = 0;
        EXPECT_FALSE(RollTrainingCamp(modifier));
        EXPECT_EQ(current_character.CAMP_TYPE, "");
        EXPECT_TRUE(RollTrainingCamp(modifier));
        EXPECT_EQ(current_character.CAMP_TYPE, "elite military academy");
        EXPECT_FLOAT_EQ(program_data.BuildingPoints, -0.9f);
        const std::vector<std::string> lines = LogLines();
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[1], "BP=-0.9   | Spending 1 BP to re-roll");
        ASSERT_EQ(prompts->Asked().size(), 1u);
        EXPECT_EQ(prompts->Asked()[0].caption, "Accept this roll? (reroll costs 1BP)");
        EXPECT_EQ(prompts->Asked()[0].message, lines[0] + "\n") << "the question shows the logged line";
    }
    // Own dice: the rolled number keeps "Rolling", another number is "Entered roll"; the 1d100 asks too.
    std::remove("7.log");
    program_data.BuildingPoints = 0.0f;
    BooksToUse[kOptionRollYourOwnDice] = 1;
    ScopedPrompter prompts;
    prompts->ExpectNumber(9);
    prompts->ExpectNumber(12);
    prompts->ExpectNumberCancel();
    prompts->ExpectNumber(4);
    prompts->ExpectNumber(80);
    dice::QueueFaces({3, 3, 3, 3, 3, 3, 4, 4, 4, 20});
    int32_t modifier = 0;
    EXPECT_TRUE(RollBasicTrainingQuality(0, modifier));
    EXPECT_TRUE(RollBasicTrainingQuality(0, modifier));
    std::vector<std::string> types;
    EXPECT_TRUE(RollTrainingResults(0, [&](const std::string& type) { types.push_back(type); }));
    EXPECT_EQ(types, std::vector<std::string>{"Melee Weapon"});
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].rfind("BP=0.0    | Rolling for Quality of Basic Training (3d6): rolled 9(+0)", 0), 0u);
    EXPECT_EQ(
        lines[1].rfind("BP=0.0    | Entered roll for Quality of Basic Training (3d6): rolled 12(+0)", 0), 0u);
    EXPECT_EQ(
        lines[2].rfind("BP=0.0    | Entered roll for Results of Basic Training (3d6): rolled 4(+0) = 4", 0),
        0u);
    EXPECT_EQ(
        lines[3].rfind("BP=0.0    | Entered roll for Results for Quality of Weapon Proficinecy Training "
                       "(1d100): rolled 80 = You gained 1 melee weapon proficiency: ",
                       0),
        0u);
    const std::vector<ScriptedPrompter::Question>& asked = prompts->Asked();
    ASSERT_EQ(asked.size(), 5u);
    EXPECT_EQ(asked[0].message, "Rolling for Quality of Basic Training");
    EXPECT_EQ(asked[0].prompt, "3d6");
    EXPECT_EQ(asked[0].min, 3);
    EXPECT_EQ(asked[0].max, 18);
    EXPECT_EQ(asked[2].message, "Rolling for Results of Basic Training");
    EXPECT_EQ(asked[4].message, "Rolling for Quality of Weapon Proficiency Training");
    EXPECT_EQ(asked[4].prompt, "1d100");
    EXPECT_EQ(asked[4].value, 20);
    EXPECT_EQ(asked[4].min, 1);
    EXPECT_EQ(asked[4].max, 100);
}

class FreeWeaponProfTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        program_data.LogFileName = "8.log";
        BooksToUse.fill(0);
        BooksToUse[kBookCore] = 1;
        BooksToUse[kBookWarlord] = 1;
        fighter_.NAME = "Fighter";
        fighter_.WEAPON = {"Long Sword", "Mace, Flail, Morning Star", "Spear", "Axe"};
        fighter_.nWEAPON = 3; // "Axe" lies past the count
        current_character.pClass = &fighter_;
        AddProf("Sword", 0, 0);      // inside "Long Sword"
        AddProf("Flail", 0, 0);      // inside a text naming several weapons
        AddProf("Bow", 0, 1);        // missile
        AddProf("Spear", 3, 0);      // Rogue's Almanac, not enabled
        AddProf("Long Sword", 2, 0); // Warlord's Almanac
        AddProf("Axe", 0, 0);        // past the class's weapon count
        AddProf("Sword", 0, 0);      // listed again
        AddProf("Mace", 0, 0);       // the catalogue's last entry: never visited
    }
    void AddProf(const std::string& name, int32_t book, int32_t type) {
        auto prof = std::make_unique<CharacterProf>();
        prof->NAME = name;
        prof->BOOK = book;
        prof->TYPE = type;
        CharacterProf::AddTail(std::move(prof));
    }
    CharacterClass fighter_;
    ScopedTempDir dir_;
};

TEST_F(FreeWeaponProfTest, ListsTheClassWeaponsOfEnabledBooksInCatalogueOrder) {
    const std::vector<std::string> expected = {"Sword", "Flail", "Long Sword", "Sword"};
    EXPECT_EQ(FreeWeaponProfChoices("Melee Weapon"), expected);
    EXPECT_EQ(FreeWeaponProfChoices("Melee Weapon Limited"), expected);
    EXPECT_TRUE(FreeWeaponProfChoices("Missile Weapon").empty());
    EXPECT_TRUE(FreeWeaponProfChoices("melee weapon").empty());
    fighter_.nWEAPON = 0;
    EXPECT_TRUE(FreeWeaponProfChoices("Melee Weapon").empty());
    fighter_.nWEAPON = 99; // a count past the texts reads only the texts there are
    EXPECT_EQ(FreeWeaponProfChoices("Melee Weapon").size(), 5u);
    current_character.pClass = nullptr;
    EXPECT_TRUE(FreeWeaponProfChoices("Melee Weapon").empty());
    current_character.pClass = &fighter_;
    CharacterProf::Clear();
    EXPECT_TRUE(FreeWeaponProfChoices("Melee Weapon").empty());
}

TEST_F(FreeWeaponProfTest, TakesAKnownProficiencyOnceForASlotAndNoBP) {
    program_data.BuildingPoints = 2.5f;
    current_character.PROF_SLOTS = 2;
    auto held = std::make_unique<ProfDataItem>();
    held->name = "Long Sword";
    held->value = 2;
    current_character.PROF_SECTION.AddTail(std::move(held));

    EXPECT_TRUE(TakeFreeWeaponProf("Sword")) << "holding Long Sword does not hold Sword";
    EXPECT_FALSE(TakeFreeWeaponProf("Sword")) << "held under its exact name";
    EXPECT_FALSE(TakeFreeWeaponProf("Halberd")) << "not in the catalogue";
    EXPECT_FALSE(TakeFreeWeaponProf("Mace")) << "the blank last entry's place is never found";
    EXPECT_TRUE(TakeFreeWeaponProf("Flail"));
    EXPECT_EQ(current_character.PROF_SLOTS, 0);
    EXPECT_FALSE(TakeFreeWeaponProf("Axe")) << "no slot left";
    current_character.PROF_SLOTS = -1;
    EXPECT_FALSE(TakeFreeWeaponProf("Axe"));

    std::vector<std::pair<std::string, int32_t>> profs;
    for (const ProfDataItem* p = ProfDataItem::First(); p; p = p->pNext.get())
        profs.emplace_back(p->name, p->value);
    EXPECT_EQ(profs,
              (std::vector<std::pair<std::string, int32_t>>{{"Long Sword", 2}, {"Sword", 1}, {"Flail", 1}}));
    EXPECT_FLOAT_EQ(program_data.BuildingPoints, 2.5f);
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"BP=2.5    | Purchasing Proficieny Sword for free",
                                                    "BP=2.5    | Purchasing Proficieny Flail for free"}));
}

} // namespace
