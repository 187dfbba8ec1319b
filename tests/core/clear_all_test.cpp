#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#include "app/character.h"
#include "app/clear_all.h"
#include "app/dice.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "quirks/quirk_flaw.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"

namespace {

class ClearAllTest : public GlobalsTest {
protected:
    ScopedTempDir dir;
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void FillCharacter() {
    Character_Class& pc = current_character;
    pc.ABILITY_BASE.fill(12);
    pc.ABILITY_PERC.fill(50);
    pc.AGE = 30;
    pc.HONOR_DIE_BONUS = 2;
    pc.HONOR_MOD = -2;
    pc.THIEF_SKILLS.fill(5);
    pc.QUIRK_COUNT[17] = 2;
    for (std::string* text : pc.TextFields())
        *text = "something";
    pc.WAR_EVENT.push_back("Ambush");
    pc.SIBLING_TEXT[3] = "Sister";
    pc.BOOK_CLASS_FLAG[2] = true;
    auto skill = std::make_unique<SkillDataItem>();
    skill->name = "Swimming";
    pc.SKILL_SECTION.AddTail(std::move(skill));
    pc.CLASS_DATA.AddTail(std::make_unique<ClassDataItem>());
    program_data.WizardState = 9;
    program_data.BuildingPoints = 42.5f;
    program_data.PPMoneyModifier = 3;
    program_data.PPHonorModifier = -1;
    program_data.PendingTables.push_back("Hero's Almanac 6B: Flaws, Minor (Physical)");
}

TEST_F(ClearAllTest, PutsTheRecordBackToItsStartingValues) {
    FillCharacter();
    Clear_All();
    const Character_Class& pc = current_character;
    EXPECT_EQ(program_data.WizardState, 0);
    EXPECT_EQ(program_data.BuildingPoints, 0.0f);
    EXPECT_EQ(program_data.PPMoneyModifier, 0);
    EXPECT_EQ(program_data.PPHonorModifier, 0);
    EXPECT_TRUE(program_data.PendingTables.empty());
    EXPECT_EQ(pc.ABILITY_BASE[3] + pc.ABILITY_PERC[6] + pc.AGE + pc.HONOR_DIE_BONUS + pc.HONOR_MOD, 0);
    EXPECT_EQ(pc.THIEF_SKILLS[8], 0);
    EXPECT_EQ(pc.QUIRK_COUNT[17], 0);
    for (std::string* text : current_character.TextFields())
        EXPECT_EQ(*text, "");
    EXPECT_TRUE(pc.WAR_EVENT.empty());
    EXPECT_TRUE(pc.SIBLING_TEXT[3].empty());
    EXPECT_FALSE(pc.BOOK_CLASS_FLAG[2]);
    EXPECT_EQ(SkillDataItem::First(), nullptr);
    EXPECT_EQ(ClassDataItem::First(), nullptr);
}

TEST_F(ClearAllTest, EquipmentHoldsOnlyStartingClothesAfterEveryReset) {
    for (int i = 0; i < 3; ++i) {
        Clear_All();
        ASSERT_EQ(EquipDataItem::Count(), 1u);
        EXPECT_EQ(EquipDataItem::First()->name, "Starting Clothes");
        EXPECT_EQ(EquipDataItem::First()->value, 1);
    }
}

TEST_F(ClearAllTest, CoreBooksAreOnInMemoryWhateverTheFileHolds) {
    Clear_All(); // no options file yet: it is created with zeros
    EXPECT_EQ(BooksToUse[0], 1);
    EXPECT_EQ(ReadAll("options.qxb"), std::string(404, '\0'));
    std::string bytes(404, '\0');
    bytes[4 * 2] = 1;
    std::ofstream("options.qxb", std::ios::binary) << bytes;
    Clear_All();
    EXPECT_EQ(BooksToUse[0], 1);
    EXPECT_EQ(BooksToUse[2], 1);
}

TEST_F(ClearAllTest, StartsTheDiceLogAfreshUnderOneNamePerRun) {
    dice::QueueFaces(std::vector<int32_t>(12, 3)); // the 12d12 that names the file
    Clear_All();
    EXPECT_EQ(program_data.LogFileName, "36.log");
    EXPECT_EQ(ReadAll("36.log"), "BP=0.0    | All variables have been cleared \n");
    program_data.BuildingPoints = 7.0f;
    Clear_All();
    EXPECT_EQ(program_data.LogFileName, "36.log");
    EXPECT_EQ(ReadAll("36.log"), "BP=0.0    | All variables have been cleared \n");
}

TEST_F(ClearAllTest, RefillsTheQuirkTable) {
    Clear_All();
    const QuirkFlaw original = quirkflaw[5];
    quirkflaw[5].bp = 999;
    quirkflaw[5].maxTimes = 0;
    quirkflaw[5].high = 0;
    Clear_All();
    EXPECT_EQ(quirkflaw[5].bp, original.bp);
    EXPECT_EQ(quirkflaw[5].maxTimes, original.maxTimes);
    EXPECT_EQ(quirkflaw[5].high, original.high);
    EXPECT_FALSE(quirkflaw[5].name.empty());
}

TEST(ClearStringTest, EmptiesTheBuffer) {
    std::string buffer = "Fighter/Thief";
    EXPECT_EQ(&Clear_String(buffer), &buffer);
    EXPECT_EQ(buffer, "");
}

} // namespace
