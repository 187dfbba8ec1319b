#include <climits>
#include <gtest/gtest.h>
#include <memory>
#include <set>

#include "app/character.h"
#include "app/dice.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "app/prompts.h"
#include "catalog/class_catalog.h"
#include "catalog/race_catalog.h"
#include "steps/money_rolls.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"

namespace {

using Kind = ScriptedPrompter::Kind;

class MoneyRollsTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        program_data.LogFileName = "21.log";
        race_.NAME = "Human";
        klass_.NAME = "Fighter";
        klass_.AGEDIE = 4;
        klass_.AGEDIEROLLS = 1;
        current_character.pRace = &race_;
        current_character.pClass = &klass_;
        current_character.AGE = 15;
        current_character.SOCIAL_ID = 8;
    }

    // Faces and answers of one money attempt with no BP spent and no typed roll: the d100, then the dice of
    // the band's gold.
    void QueueMoney(int32_t d100, std::initializer_list<int32_t> goldFaces) {
        prompts_->ExpectNumber(0);
        std::vector<int32_t> faces{d100};
        faces.insert(faces.end(), goldFaces);
        dice::QueueFaces(faces);
    }

    ScopedTempDir dir_;
    ScopedPrompter prompts_;
    CharacterRace race_;
    CharacterClass klass_;
};

TEST_F(MoneyRollsTest, PixieFairyKeepsItsAgeWithoutDiceQuestionOrLogLine) {
    race_.NAME = "Pixie Fairy, Female";
    program_data.BuildingPoints = 5.0f;
    BooksToUse[kOptionRollYourOwnDice] = 1;
    dice::QueueFaces({3});
    EXPECT_EQ(RollClassAge(), 15);
    EXPECT_EQ(current_character.AGE, 15);
    EXPECT_EQ(dice::QueuedFaces(), 1u);
    EXPECT_TRUE(prompts_->Asked().empty());
    EXPECT_TRUE(LogLines().empty());
}

TEST_F(MoneyRollsTest, ClassAgeDiceAreTypedWithinTheirRange) {
    klass_.AGEDIE = 6;
    klass_.AGEDIEROLLS = 2;
    BooksToUse[kOptionRollYourOwnDice] = 1;
    dice::QueueFaces({3, 4});
    prompts_->ExpectNumber(9);
    EXPECT_EQ(RollClassAge(), 24);
    ASSERT_EQ(prompts_->Asked().size(), 1u);
    const auto& asked = prompts_->Asked()[0];
    EXPECT_EQ(asked.message, "Rolling for starting age of character (adjusted by class)");
    EXPECT_EQ(asked.prompt, "2d6");
    EXPECT_EQ(asked.caption, "Enter your own Dice Roll");
    EXPECT_EQ(asked.value, 7);
    EXPECT_EQ(asked.min, 2);
    EXPECT_EQ(asked.max, 12);
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{
                  "BP=0.0    | Entered roll for starting age (adjusted by class) (15+2d6): rolled 9"}));
}

TEST_F(MoneyRollsTest, RefusedAgeRollCostsOneBPAndRollsAgain) {
    program_data.BuildingPoints = 2.0f;
    dice::QueueFaces({4, 1});
    prompts_->ExpectMessage(wxNO);
    prompts_->ExpectMessage(wxYES);
    EXPECT_EQ(RollClassAge(), 16);
    EXPECT_FLOAT_EQ(program_data.BuildingPoints, 1.0f);
    EXPECT_EQ(prompts_->Asked()[0].caption, "Accept this roll? (reroll costs 1BP)");
    EXPECT_EQ(LogLines(), (std::vector<std::string>{
                              "BP=2.0    | Rolling for starting age (adjusted by class) (15+1d4): rolled 4",
                              "BP=1.0    | Spending 1 BP to re-roll",
                              "BP=1.0    | Rolling for starting age (adjusted by class) (15+1d4): rolled 1",
                          }));
}

TEST_F(MoneyRollsTest, WithoutClassTheAgeDiceCountZero) {
    current_character.pClass = nullptr;
    EXPECT_EQ(RollClassAge(), 15);
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{
                  "BP=0.0    | Rolling for starting age (adjusted by class) (15+0d0): rolled 0"}));
}

TEST_F(MoneyRollsTest, NoBPOffersOnlyZeroAndAsksNoAcceptQuestion) {
    QueueMoney(50, {4});
    InheritanceRoll roll;
    EXPECT_EQ(RollStartingMoney(roll), 64);
    EXPECT_EQ(current_character.GOLDCOINS, 64);
    ASSERT_EQ(prompts_->Asked().size(), 1u);
    const auto& asked = prompts_->Asked()[0];
    EXPECT_EQ(asked.kind, Kind::Number);
    EXPECT_EQ(asked.message, "Rolling for starting money");
    EXPECT_EQ(asked.prompt, "each BP is 2d12");
    EXPECT_EQ(asked.caption, "How many BP do you want to spend?");
    EXPECT_EQ(asked.value, 0);
    EXPECT_EQ(asked.min, 0);
    EXPECT_EQ(asked.max, 0);
    EXPECT_EQ(LogLines(), (std::vector<std::string>{
                              "BP=0.0    | Rolling for starting gold (1d100 + 0(Class Modifier) + 0(Prior & "
                              "Particular Modifier) + 0(0 BP spent)): rolled 50"}));
}

TEST_F(MoneyRollsTest, ABPQuestionNeverAnsweredSpendsNothing) {
    program_data.BuildingPoints = 5.0f;
    for (int i = 0; i < kMaxAsks; ++i)
        prompts_->ExpectNumberCancel();
    prompts_->ExpectMessage(wxYES);
    dice::QueueFaces({50, 1});
    InheritanceRoll roll;
    EXPECT_EQ(Table4M(roll), 61);
    EXPECT_FLOAT_EQ(program_data.BuildingPoints, 5.0f);
    EXPECT_EQ(dice::QueuedFaces(), 0u) << "no 2d12 rolled";
    EXPECT_NE(LogLines().at(0).find("+ 0(0 BP spent)): rolled 50"), std::string::npos);
}

TEST_F(MoneyRollsTest, SpendableBPIsTheWholePartOfThePool) {
    const std::pair<float, long> cases[] = {{0.5f, 0}, {0.99f, 0}, {1.0f, 1}, {5.9f, 5}, {-3.0f, 0}};
    for (const auto& [pool, most] : cases) {
        ScopedPrompter prompts;
        program_data.BuildingPoints = pool;
        prompts->ExpectNumber(0);
        if (pool > 0)
            prompts->ExpectMessage(wxYES);
        dice::QueueFaces({50, 1});
        InheritanceRoll roll;
        Table4M(roll);
        EXPECT_EQ(prompts->Asked().at(0).max, most) << pool;
    }
}

TEST_F(MoneyRollsTest, SpentBPAddTwoD12EachAndAreTakenBeforeTheLogLine) {
    program_data.BuildingPoints = 5.5f;
    klass_.MONEYROLL = 5;
    program_data.PPMoneyModifier = 3;
    prompts_->ExpectNumber(3);
    prompts_->ExpectMessage(wxYES);
    dice::QueueFaces({40, 1, 2, 3, 4, 5, 6, 8});
    InheritanceRoll roll;
    EXPECT_EQ(RollStartingMoney(roll), 108); // 40 + 5 + 3 + 21 = 69: 100 + 1d8
    EXPECT_FLOAT_EQ(program_data.BuildingPoints, 2.5f);
    EXPECT_EQ(prompts_->Asked()[0].max, 5);
    EXPECT_EQ(LogLines(), (std::vector<std::string>{
                              "BP=2.5    | Rolling for starting gold (1d100 + 5(Class Modifier) + 3(Prior & "
                              "Particular Modifier) + 21(3 BP spent)): rolled 69"}));
    EXPECT_EQ(dice::QueuedFaces(), 0u);
}

TEST_F(MoneyRollsTest, TypedD100ComesAfterTheBPQuestion) {
    BooksToUse[kOptionRollYourOwnDice] = 1;
    prompts_->ExpectNumber(0);
    prompts_->ExpectNumber(99);
    dice::QueueFaces({50, 20});
    InheritanceRoll roll;
    EXPECT_EQ(RollStartingMoney(roll), 170);
    ASSERT_EQ(prompts_->Asked().size(), 2u);
    const auto& typed = prompts_->Asked()[1];
    EXPECT_EQ(typed.message, "Rolling for starting money");
    EXPECT_EQ(typed.prompt, "1d100");
    EXPECT_EQ(typed.caption, "Enter your own Dice Roll");
    EXPECT_EQ(typed.value, 50);
    EXPECT_EQ(typed.min, 1);
    EXPECT_EQ(typed.max, 100);
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{
                  "BP=0.0    | Entered roll for starting gold (1d100 + 0(Class Modifier) + 0(Prior & "
                  "Particular Modifier) + 0(0 BP spent)): rolled 99"}));
}

TEST_F(MoneyRollsTest, RefusedMoneyRollKeepsTheSpentBP) {
    program_data.BuildingPoints = 4.0f;
    prompts_->ExpectNumber(2);
    prompts_->ExpectMessage(wxNO);
    prompts_->ExpectNumber(0);
    prompts_->ExpectMessage(wxYES);
    dice::QueueFaces({10, 1, 1, 1, 1, 2, 60, 1});
    InheritanceRoll roll;
    EXPECT_EQ(RollStartingMoney(roll), 81);
    EXPECT_FLOAT_EQ(program_data.BuildingPoints, 1.0f);
    EXPECT_EQ(prompts_->Asked()[2].max, 1);
    const std::vector<std::string> log = LogLines();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[1], "BP=1.0    | Spending 1 BP to re-roll");
}

TEST_F(MoneyRollsTest, RefusedDebtIsClearedByTheNextAttempt) {
    program_data.BuildingPoints = 3.0f;
    prompts_->ExpectNumber(0);
    prompts_->ExpectMessage(wxNO);
    // Total 3: no gold, a debt from d100 12 (the doubled row) and a d4 of 3.
    dice::QueueFaces({3, 12, 3});
    InheritanceRoll roll;
    EXPECT_EQ(Table4M(roll), std::nullopt);
    EXPECT_EQ(current_character.HEREDITARY_DEBT, 310);
    EXPECT_EQ(roll.inheritanceText, "You have rolled a heriditary debt of +310 gold");
    EXPECT_EQ(roll.inheritanceLevel, 0);

    QueueMoney(95, {5});
    prompts_->ExpectMessage(wxYES);
    EXPECT_EQ(Table4M(roll), 150);
    EXPECT_EQ(current_character.HEREDITARY_DEBT, 0);
    EXPECT_EQ(roll.inheritanceText, "");
}

TEST_F(MoneyRollsTest, MoneyBandsCoverEveryTotalOnce) {
    const std::vector<MoneyBand>& bands = MoneyBands();
    ASSERT_EQ(bands.size(), 24u);
    EXPECT_EQ(bands.front().low, INT32_MIN);
    EXPECT_EQ(bands.front().high, 5);
    EXPECT_EQ(bands.back().high, INT32_MAX);
    for (size_t i = 1; i < bands.size(); ++i) {
        EXPECT_EQ(bands[i].low, bands[i - 1].high + 1) << i;
        if (i + 1 < bands.size()) {
            EXPECT_EQ(bands[i].high - bands[i].low, 4) << "five wide from 6 to 115: band " << i;
        }
    }
    auto levelOf = [&bands](int32_t total) {
        int found = 0, level = -1;
        for (const MoneyBand& band : bands) {
            if (total >= band.low && total <= band.high) {
                ++found;
                level = band.inheritanceLevel;
            }
        }
        EXPECT_EQ(found, 1) << total;
        return level;
    };
    for (int32_t total :
         {INT32_MIN, -1000, 0, 5, 6, 10, 11, 100, 101, 105, 106, 110, 111, 115, 116, 1000, INT32_MAX}) {
        const int expected = total >= 116 ? 5 : total >= 111 ? 4 : total >= 106 ? 3 : total >= 101 ? 2 : 0;
        EXPECT_EQ(levelOf(total), expected) << total;
    }
    for (int32_t total = -200; total <= 300; ++total)
        levelOf(total);
}

TEST_F(MoneyRollsTest, GoldTotalsThroughTheMoneyRoll) {
    struct Case {
        int32_t total;
        std::vector<int32_t> goldFaces; // after the d100 of 50; a debt takes its d100 and die here too
        int32_t gold, level, debt;
        const char* text;
    };
    const Case cases[] = {
        {-40, {1, 1}, 0, 0, 210, "You have rolled a heriditary debt of +210 gold"},
        {5, {100, 20}, 0, 0, 1700, "You have rolled a heriditary debt of +1700 gold"},
        {6, {}, 0, 0, 0, "You are flat broke"},
        {10, {}, 0, 0, 0, "You are flat broke"},
        {11, {1}, 21, 0, 0, ""},
        {95, {20}, 165, 0, 0, ""},
        {100, {1}, 151, 0, 0, ""},
        {101, {1}, 161, 2, 0, ""},
        {106, {20}, 190, 3, 0, ""},
        {111, {1, 20}, 201, 4, 0, ""},
        {116, {20, 20}, 230, 5, 0, ""},
        {400, {1, 1}, 192, 5, 0, ""},
    };
    for (const Case& c : cases) {
        ScopedPrompter prompts;
        prompts->ExpectNumber(0);
        klass_.MONEYROLL = c.total - 50;
        std::vector<int32_t> faces{50};
        faces.insert(faces.end(), c.goldFaces.begin(), c.goldFaces.end());
        dice::QueueFaces(faces);
        InheritanceRoll roll;
        EXPECT_EQ(Table4M(roll), c.gold) << c.total;
        EXPECT_EQ(roll.inheritanceLevel, c.level) << c.total;
        EXPECT_EQ(current_character.HEREDITARY_DEBT, c.debt) << c.total;
        EXPECT_EQ(roll.inheritanceText, c.text) << c.total;
        EXPECT_EQ(dice::QueuedFaces(), 0u) << c.total;
    }
}

TEST_F(MoneyRollsTest, DebtDoublesOneD4InItsSecondRowAndStaysInRange) {
    struct Case {
        int32_t d100, die, debt;
    };
    const Case cases[] = {{1, 1, 210},  {10, 4, 240}, {11, 1, 270},  {15, 4, 330},
                          {16, 4, 340}, {50, 6, 660}, {96, 1, 1510}, {100, 20, 1700}};
    for (const Case& c : cases) {
        dice::QueueFaces({c.d100, c.die});
        EXPECT_EQ(Debt(), c.debt) << c.d100 << "/" << c.die;
        EXPECT_EQ(dice::QueuedFaces(), 0u);
    }

    dice::SetSeedWord(2121);
    int32_t low = INT32_MAX, high = INT32_MIN;
    for (int i = 0; i < 5000; ++i) {
        const int32_t debt = Debt();
        ASSERT_GE(debt, 210);
        ASSERT_LE(debt, 1700);
        ASSERT_EQ(debt % 10, 0);
        low = std::min(low, debt);
        high = std::max(high, debt);
    }
    EXPECT_LT(low, 250);
    EXPECT_GT(high, 1650);

    // The doubled row only ever adds an even number: 270, 290, 310 or 330, never 280, 300 or 320.
    std::set<int32_t> doubled;
    for (int i = 0; i < 400; ++i) {
        dice::QueueFaces({13});
        doubled.insert(Debt());
    }
    EXPECT_EQ(doubled, (std::set<int32_t>{270, 290, 310, 330}));
}

TEST_F(MoneyRollsTest, InheritanceByLevel) {
    current_character.RACE = "Dwarf";
    const std::string weapon = "You have inherited your father's weapon: Long sword";
    const std::string three = weapon + ", armor: Padded, shield/helmet: Shield, Body";
    const std::string four = three + ", Mount: Horse, dwarven war";
    struct Case {
        int32_t level;
        std::vector<int32_t> faces; // weapon, armour, shield, mount, deed
        std::string text;
    };
    const Case cases[] = {
        {0, {}, "before"},
        {1, {}, "before"},
        {2, {4636}, weapon + "."},
        {3, {4636, 1, 400}, three + "."},
        {4, {4636, 1, 400, 5600}, four + "."},
        {5,
         {4636, 1, 400, 5600, 100},
         four + ", and the deed to some land: Parcel in country borders - city, "
                "business."},
    };
    for (const Case& c : cases) {
        current_character.INHERITED_WEAPON = current_character.INHERITED_ARMOR =
            current_character.INHERITED_SHIELDHELMET = current_character.INHERITED_MOUNT =
                current_character.INHERITED_DEED = "";
        dice::QueueFaces(c.faces);
        InheritanceRoll roll{c.level, "before"};
        MoneySpecialRoll(roll);
        EXPECT_EQ(roll.inheritanceText, c.text) << c.level;
        EXPECT_EQ(current_character.INHERITED_WEAPON.empty(), c.level < 2) << c.level;
        EXPECT_EQ(current_character.INHERITED_ARMOR, c.level >= 3 ? "Padded" : "") << c.level;
        EXPECT_EQ(current_character.INHERITED_SHIELDHELMET, c.level >= 3 ? "Shield, Body" : "") << c.level;
        EXPECT_EQ(current_character.INHERITED_MOUNT, c.level >= 4 ? "Horse, dwarven war" : "") << c.level;
        EXPECT_EQ(current_character.INHERITED_DEED.empty(), c.level < 5) << c.level;
        EXPECT_EQ(dice::QueuedFaces(), 0u) << c.level;
    }
}

TEST_F(MoneyRollsTest, HandOverAppendsTheInheritedItemsThenStoresShowsAndLogsTheHonor) {
    auto rope = std::make_unique<EquipDataItem>();
    rope->name = "Rope";
    rope->value = 2;
    current_character.EQUIPMENT_SECTION.AddTail(std::move(rope));
    current_character.INHERITED_WEAPON = "Dagger";
    current_character.INHERITED_MOUNT = "Mule+1 hp per hit die";
    current_character.INHERITED_DEED = "Parcel in country borders - farm";
    current_character.ABILITY_BASE = {10, 10, 10, 10, 10, 10, 10};
    program_data.BuildingPoints = 3.0f;
    program_data.WizardState = kWizardAgeAndMoney;
    prompts_->ExpectMessage(wxCANCEL); // the answer does not matter

    EXPECT_EQ(HandOverAgeAndMoney(), 10);
    EXPECT_EQ(current_character.HONOR_BASE, 10);
    EXPECT_EQ(program_data.WizardState, kWizardSkills);
    std::vector<std::pair<std::string, int32_t>> items;
    for (const EquipDataItem* item = EquipDataItem::First(); item; item = item->pNext.get())
        items.emplace_back(item->name, item->value);
    EXPECT_EQ(items, (std::vector<std::pair<std::string, int32_t>>{
                         {"Rope", 2},
                         {"Dagger (inherited)", 1},
                         {"Mule+1 hp per hit die (inherited)", 1},
                         {"Parcel in country borders - farm (inherited)", 1},
                     }));
    ASSERT_EQ(prompts_->Asked().size(), 1u);
    EXPECT_EQ(prompts_->Asked()[0].message, "Your starting Honor is 10");
    EXPECT_EQ(prompts_->Asked()[0].caption, "Honor");
    const std::vector<std::string> log = LogLines();
    ASSERT_EQ(log.size(), 7u);
    EXPECT_EQ(log[0], "BP=3.0    | Base Honor: 10");
    EXPECT_EQ(log[6], "BP=2.0    | Your starting Honor is 10");
}

} // namespace
