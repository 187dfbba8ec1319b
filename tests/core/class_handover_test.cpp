#include <climits>
#include <gtest/gtest.h>
#include <memory>

#include "app/character.h"
#include "app/item_lists.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "catalog/race_catalog.h"
#include "steps/class_handover.h"
#include "support/class_items.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"

namespace {

using Nine = std::array<int32_t, 9>;

Nine BaseValues(const ClassDataItem& record) {
    Nine base{};
    for (size_t s = 0; s < base.size(); ++s)
        base[s] = (record.*kThiefSkillTables[s].table)[0];
    return base;
}

class ClassHandoverTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        program_data.LogFileName = "22.log";
        BooksToUse[kBookCore] = 1;
        race_.NAME = "Human";
        race_.LEVELLIMIT = {"Thief=99"};
        race_.BASEPICKPOCKETS = 1;
        race_.BASEOPENLOCKS = 2;
        race_.BASEFINDTRAPS = 3;
        race_.BASEREMOVETRAPS = 4;
        race_.BASEMOVESILENTLY = 5;
        race_.BASEHIDEINSHADOWS = 6;
        race_.BASEDETECTNOISE = 7;
        race_.BASECLIMBWALLS = 8;
        race_.BASEREADLANGUAGES = 9;
        current_character.pRace = &race_;
        current_character.ABILITY_BASE = {10, 18, 10, 10, 10, 10, 10};
        current_character.ABILITY_PERC = {50, 20, 50, 50, 50, 50, 50};
        program_data.WizardState = kWizardClass;
    }

    static CharacterClass& AddClass(const std::string& name, int32_t thief = 0) {
        auto c = std::make_unique<CharacterClass>();
        c->NAME = name;
        c->THIEF = thief;
        CharacterClass& added = *c;
        CharacterClass::AddTail(std::move(c));
        return added;
    }

    ScopedTempDir dir_;
    CharacterRace race_;
};

TEST(SettledPoolTest, LessTheSpentPlusTheBonus) {
    EXPECT_EQ(SettledPool(10.0f, 4, 5), 11.0f);
    EXPECT_EQ(SettledPool(10.0f, -2, 0), 12.0f);
    EXPECT_EQ(SettledPool(2.5f, 1, 0), 1.5f);
    EXPECT_EQ(SettledPool(0.0f, 3, 0), -3.0f);
}

TEST_F(ClassHandoverTest, RecordsComeFromTheChosenNamesPartsByExactName) {
    AddClass("Mage");
    AddClass("Battle Mage");
    AddClass("Thief");
    AddClass("Fighter/Thief");
    AddClass("Fighter");
    AddClass("Thief"); // a second entry of the same name is not taken again
    struct Case {
        const char* chosen;
        std::vector<std::string> records;
    };
    const Case cases[] = {
        {"Mage", {"Mage"}},
        {"Battle Mage", {"Battle Mage"}},
        {"Fighter/Thief", {"Thief", "Fighter"}}, // catalogue order, not the name's
        {"Thief/Bard", {"Thief"}},               // no entry named Bard
        {"Mage/Battle Mage", {"Mage", "Battle Mage"}},
        {"Bard", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        ClassDataItem().Clear();
        CharacterClass chosen;
        chosen.NAME = c.chosen;
        const std::vector<ClassDataItem*> added = AddClassRecords(chosen);
        EXPECT_EQ(ClassItemNames(), c.records) << c.chosen;
        ASSERT_EQ(added.size(), c.records.size()) << c.chosen;
        for (const ClassDataItem* item : added) {
            ASSERT_NE(item->pClass, nullptr);
            EXPECT_EQ(item->pClass->NAME, item->CLASS_NAME);
            EXPECT_EQ(item->CLASS_LEVEL, 1);
            EXPECT_EQ(item->CLASS_EXP, 0.0f);
            EXPECT_EQ(BaseValues(*item), Nine{}) << "only thief-type items get start values, and later";
        }
    }
    // The first entry of a repeated name is the one linked.
    ClassDataItem().Clear();
    CharacterClass chosen;
    chosen.NAME = "Thief";
    EXPECT_EQ(AddClassRecords(chosen).front()->pClass, CharacterClass::First()->pNext->pNext.get());
}

TEST_F(ClassHandoverTest, ThiefStartValuesFromDexterityRaceAndName) {
    struct Case {
        const char* name;
        int32_t dexterity;
        bool withRace;
        Nine base;
    };
    // Dexterity 18 gives 10 15 5 5 10 10 on the six columns; the race 1 to 9.
    const Case cases[] = {
        {"Thief", 18, true, {26, 27, 13, 14, 25, 21, 22, 68, 9}},
        {"Bard", 18, true, {21, 0, 0, 0, 0, 0, 27, 58, 14}},
        {"Bounty Hunter", 18, true, {0, 0, 13, 14, 25, 21, 0, 0, 0}},
        {"Bard Thief", 18, true, {36, 0, 0, 0, 0, 0, 42, 118, 14}},
        {"Scout", 18, true, {11, 17, 8, 9, 15, 16, 7, 8, 9}},
        // Out of the table: above 25 reads the row for 25, below 1 the first row; no race adds nothing.
        {"Assassin", 40, false, {60, 60, 45, 45, 50, 55, 15, 60, 0}},
        {"Bounty Hunter", -5, false, {0, 0, -15, -15, -20, -15, 0, 0, 0}},
        {"Bard", INT32_MIN, false, {-15, 0, 0, 0, 0, 0, 20, 50, 5}},
    };
    for (const Case& c : cases) {
        current_character.ABILITY_BASE[1] = c.dexterity;
        current_character.pRace = c.withRace ? &race_ : nullptr;
        ClassDataItem record;
        record.CLASS_NAME = c.name;
        SetThiefStart(record);
        EXPECT_EQ(BaseValues(record), c.base) << c.name << " " << c.dexterity;
        for (const ThiefSkillTable& skill : kThiefSkillTables)
            EXPECT_EQ((record.*skill.table)[1], 0) << "only entry 0 is written";
    }

    // Racial values at the 32-bit limit saturate instead of wrapping.
    race_.BASECLIMBWALLS = INT32_MAX;
    current_character.pRace = &race_;
    ClassDataItem record;
    record.CLASS_NAME = "Thief";
    SetThiefStart(record);
    EXPECT_EQ(record.CLASS_CLIMB_WALLS[0], INT32_MAX);
}

TEST_F(ClassHandoverTest, WithoutAClassNothingIsHandedOver) {
    current_character.ABILITY_BASE[0] = 3;
    program_data.BuildingPoints = 4.0f;
    EXPECT_FALSE(HandOverClass({}, {}, {}, 2, 1).has_value());
    EXPECT_EQ(program_data.WizardState, kWizardClass);
    EXPECT_EQ(program_data.BuildingPoints, 4.0f);
    EXPECT_EQ(current_character.ABILITY_BASE[0], 3);
    EXPECT_EQ(ClassDataItem::First(), nullptr);
    EXPECT_TRUE(LogLines().empty());
}

TEST_F(ClassHandoverTest, TheHandOverStoresSettlesLogsAndMakesTheRecords) {
    CharacterClass& thief = AddClass("Thief", 1);
    thief.PROFSLOTS[1] = 2;
    thief.PROFSLOTS[2] = 9;
    current_character.pClass = &thief;
    program_data.BuildingPoints = 10.0f;
    const AbilityValues scores = {11, 18, 9, 10, 12, 13, 14};
    const AbilityValues fractions = {5, 20, 100, 0, 45, 50, 75};
    const AbilityValues entered = {1, 0, -1, 2, 0, 0, 2};
    const auto thieves = HandOverClass(scores, fractions, entered, 4, 5);
    ASSERT_TRUE(thieves.has_value());
    EXPECT_EQ(program_data.WizardState, kWizardAgeAndMoney);
    EXPECT_EQ(current_character.ABILITY_BASE, scores);
    EXPECT_EQ(current_character.ABILITY_PERC, fractions);
    EXPECT_EQ(program_data.BuildingPoints, 11.0f);
    EXPECT_EQ(current_character.PROF_SLOTS, 2);
    EXPECT_EQ(current_character.LEVEL, 1);
    ASSERT_EQ(thieves->size(), 1u);
    EXPECT_EQ(ClassItemNames(), std::vector<std::string>{"Thief"});
    EXPECT_EQ(BaseValues(*thieves->front()), (Nine{26, 27, 13, 14, 25, 21, 22, 68, 9}));
    // The tree pushers ran: the totals of the thief item are in the record.
    EXPECT_EQ(current_character.THIEF_SKILLS, (Nine{26, 27, 13, 14, 25, 21, 22, 68, 9}));
    const std::vector<std::string> lines = LogLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0],
              "BP=11.0   | Adjusting Ability Scores with BP's STR=11/5 (1 BP) DEX=18/20 (0 BP) "
              "CON=9/100 (-1 BP) INT=10/0 (2 BP) WIS=12/45 (0 BP) CHR=13/50 (0 BP) COM=14/75 (2 BP)");
    EXPECT_EQ(lines.back(), "BP=11.0   | entering movement");
}

TEST_F(ClassHandoverTest, TwoThiefTypePartsGetTwoRecordsWithStartValuesOnceEach) {
    AddClass("Thief", 1);
    AddClass("Fighter");
    AddClass("Assassin", 1);
    CharacterClass& chosen = AddClass("Assassin/Fighter/Thief", 1);
    current_character.pClass = &chosen;
    const auto thieves = HandOverClass({}, {}, {}, 0, 0);
    ASSERT_TRUE(thieves.has_value());
    EXPECT_EQ(ClassItemNames(), (std::vector<std::string>{"Thief", "Fighter", "Assassin"}));
    ASSERT_EQ(thieves->size(), 2u);
    EXPECT_EQ((*thieves)[0]->CLASS_NAME, "Thief");
    EXPECT_EQ((*thieves)[1]->CLASS_NAME, "Assassin");
    // Dexterity 0 reads the first row: -25 -20 -20 -20 -30 -20; then the race and the name, once.
    const Nine once = {
        -25 + 1 + 15, -20 + 2 + 10, -20 + 3 + 5, -20 + 4 + 5, -30 + 5 + 10, -20 + 6 + 5, 7 + 15, 8 + 60, 9};
    EXPECT_EQ(BaseValues(*(*thieves)[0]), once);
    EXPECT_EQ(BaseValues(*(*thieves)[1]), once);
    EXPECT_EQ(BaseValues(*ClassDataItem::First()->pNext), Nine{}) << "the fighter gets none";
}

} // namespace
