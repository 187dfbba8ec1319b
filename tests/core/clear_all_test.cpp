#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <type_traits>

#include "app/character.h"
#include "app/clear_all.h"
#include "app/dice.h"
#include "app/dice_log.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "catalog/race_catalog.h"
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

// One field of the record: how a finished character leaves it, and whether two records agree on it.
struct Field {
    std::string name;
    std::function<void(Character_Class&)> dirty;
    std::function<bool(Character_Class&, Character_Class&)> same;
};

// The value's type follows the member's, so a braced list fills an array member.
template <class T>
Field Member(const std::string& name, T Character_Class::*member, typename std::common_type<T>::type value) {
    return {name, [member, value](Character_Class& pc) { pc.*member = value; },
            [member](Character_Class& a, Character_Class& b) { return a.*member == b.*member; }};
}

template <class Node> Field Handle(const std::string& name, Node Character_Class::*member) {
    return {name,
            [member](Character_Class& pc) {
                (pc.*member).name = "left over";
                (pc.*member).value = 4;
            },
            [member](Character_Class& a, Character_Class& b) {
                return (a.*member).name == (b.*member).name && (a.*member).value == (b.*member).value &&
                       !(a.*member).pNext && !(b.*member).pNext;
            }};
}

LevelTable ClassDataItem::*const kClassTables[] = {
    &ClassDataItem::CLASS_HITPOINTS,      &ClassDataItem::CLASS_STR_GROW,
    &ClassDataItem::CLASS_DEX_GROW,       &ClassDataItem::CLASS_CON_GROW,
    &ClassDataItem::CLASS_INT_GROW,       &ClassDataItem::CLASS_WIS_GROW,
    &ClassDataItem::CLASS_CHR_GROW,       &ClassDataItem::CLASS_COM_GROW,
    &ClassDataItem::CLASS_PICK_POCKETS,   &ClassDataItem::CLASS_OPEN_LOCKS,
    &ClassDataItem::CLASS_FIND_TRAPS,     &ClassDataItem::CLASS_REMOVE_TRAPS,
    &ClassDataItem::CLASS_MOVE_SILENTLY,  &ClassDataItem::CLASS_HIDE_IN_SHADOWS,
    &ClassDataItem::CLASS_DETECT_NOISE,   &ClassDataItem::CLASS_CLIMB_WALLS,
    &ClassDataItem::CLASS_READ_LANGUAGES,
};

// Every field of the record, each set to a value a character could end with.
std::vector<Field> RecordFields() {
    static CharacterRace race;
    static CharacterClass cls;
    using C = Character_Class;
    std::vector<Field> fields = {
        Member("ABILITY_BASE", &C::ABILITY_BASE, {12, 13, 14, 15, 16, 17, 18}),
        Member("ABILITY_PERC", &C::ABILITY_PERC, {1, 2, 3, 4, 5, 6, 7}),
        Member("pRace", &C::pRace, &race),
        Member("pClass", &C::pClass, &cls),
        Member("THIEF_SKILLS", &C::THIEF_SKILLS, {5, 10, 15, 20, 25, 30, 35, 40, 45}),
        Member("BOOK_CLASS_FLAG", &C::BOOK_CLASS_FLAG, {true, false, true, true}),
        {"SIBLING_TEXT",
         [](C& pc) {
             for (size_t i = 0; i < pc.SIBLING_TEXT.size(); ++i)
                 pc.SIBLING_TEXT[i] = "Sibling " + std::to_string(i);
         },
         [](C& a, C& b) {
             for (size_t i = 0; i < a.SIBLING_TEXT.size(); ++i)
                 if (a.SIBLING_TEXT[i].str() != b.SIBLING_TEXT[i].str())
                     return false;
             return true;
         }},
        {"QUIRK_COUNT",
         [](C& pc) {
             pc.QUIRK_COUNT[0] = 1;
             pc.QUIRK_COUNT[17] = 2;
             pc.QUIRK_COUNT[QuirkCounts::kRows - 1] = 3;
         },
         [](C& a, C& b) {
             for (int row = 0; row < QuirkCounts::kRows; ++row)
                 if (a.QUIRK_COUNT[row] != b.QUIRK_COUNT[row])
                     return false;
             return true;
         }},
        // The list handles are nodes too; their own fields must not carry over either.
        Handle("SKILL_SECTION", &C::SKILL_SECTION),
        Handle("SPELL_SECTION", &C::SPELL_SECTION),
        Handle("TALENT_SECTION", &C::TALENT_SECTION),
        Handle("PROF_SECTION", &C::PROF_SECTION),
        Handle("QUIRKANDFLAW_SECTION", &C::QUIRKANDFLAW_SECTION),
        Handle("EQUIPMENT_SECTION", &C::EQUIPMENT_SECTION),
        {"CLASS_DATA",
         [](C& pc) {
             pc.CLASS_DATA.pClass = &cls;
             pc.CLASS_DATA.CLASS_NAME = "Thief";
             pc.CLASS_DATA.CLASS_EXP = 1250.0f;
             pc.CLASS_DATA.CLASS_LEVEL = 3;
             for (LevelTable ClassDataItem::*table : kClassTables)
                 (pc.CLASS_DATA.*table)[2] = 9;
         },
         [](C& a, C& b) {
             const ClassDataItem& x = a.CLASS_DATA;
             const ClassDataItem& y = b.CLASS_DATA;
             bool same = x.pClass == y.pClass && x.CLASS_NAME == y.CLASS_NAME && x.CLASS_EXP == y.CLASS_EXP &&
                         x.CLASS_LEVEL == y.CLASS_LEVEL && !x.pNext && !y.pNext;
             for (LevelTable ClassDataItem::*table : kClassTables)
                 same = same && x.*table == y.*table;
             return same;
         }},
    };
    const std::pair<const char*, int32_t C::*> numbers[] = {
        {"HONOR_MOD", &C::HONOR_MOD},
        {"AGE", &C::AGE},
        {"CHARACTER_HEIGHT", &C::CHARACTER_HEIGHT},
        {"CHARACTER_WEIGHT", &C::CHARACTER_WEIGHT},
        {"SOCIAL_ID", &C::SOCIAL_ID},
        {"ABANDONED", &C::ABANDONED},
        {"MOTHER_ALIVE", &C::MOTHER_ALIVE},
        {"FATHER_ALIVE", &C::FATHER_ALIVE},
        {"SIBLINGS", &C::SIBLINGS},
        {"HONOR_BASE", &C::HONOR_BASE},
        {"HIT_POINTS", &C::HIT_POINTS},
        {"GOLDCOINS", &C::GOLDCOINS},
        {"SILVERCOINS", &C::SILVERCOINS},
        {"COPPERCOINS", &C::COPPERCOINS},
        {"HEREDITARY_DEBT", &C::HEREDITARY_DEBT},
        {"PROF_SLOTS", &C::PROF_SLOTS},
        {"LEVEL", &C::LEVEL},
        {"SPECIALIZED", &C::SPECIALIZED},
        {"HONOR_DIE", &C::HONOR_DIE},
        {"HONOR_DIE_BONUS", &C::HONOR_DIE_BONUS},
    };
    int32_t value = 1;
    for (const auto& [name, member] : numbers)
        fields.push_back(Member(name, member, value++));
    const size_t texts = C().TextFields().size();
    for (size_t i = 0; i < texts; ++i)
        fields.push_back({"text field " + std::to_string(i),
                          [i](C& pc) { *pc.TextFields()[i] = "text " + std::to_string(i); },
                          [i](C& a, C& b) { return *a.TextFields()[i] == *b.TextFields()[i]; }});
    const size_t lists = C().TextLists().size();
    for (size_t i = 0; i < lists; ++i)
        fields.push_back({"text list " + std::to_string(i),
                          [i](C& pc) {
                              pc.TextLists()[i]->assign({"Ambush", "Siege"});
                          },
                          [i](C& a, C& b) { return *a.TextLists()[i] == *b.TextLists()[i]; }});
    return fields;
}

TEST_F(ClearAllTest, PutsTheRecordBackToItsStartingValues) {
    std::vector<Field> fields = RecordFields();
    Character_Class fresh;
    for (const Field& field : fields)
        field.dirty(current_character);
    for (const Field& field : fields)
        ASSERT_FALSE(field.same(current_character, fresh)) << field.name << " was not dirtied";
    for (int i = 0; i < 3; ++i) {
        auto node = std::make_unique<SkillDataItem>();
        node->name = "Swimming";
        current_character.SKILL_SECTION.AddTail(std::move(node));
    }
    current_character.SPELL_SECTION.AddTail(std::make_unique<SpellDataItem>());
    current_character.TALENT_SECTION.AddTail(std::make_unique<TalentDataItem>());
    current_character.PROF_SECTION.AddTail(std::make_unique<ProfDataItem>());
    current_character.QUIRKANDFLAW_SECTION.AddTail(std::make_unique<QuirkDataItem>());
    current_character.EQUIPMENT_SECTION.AddTail(std::make_unique<EquipDataItem>());
    current_character.CLASS_DATA.AddTail(std::make_unique<ClassDataItem>());

    program_data.ProgramVersion = "5.1";
    program_data.WizardState = kWizardAgeAndMoney;
    program_data.BuildingPoints = 42.5f;
    program_data.PPMoneyModifier = 3;
    program_data.PPHonorModifier = -1;
    program_data.QuirkBP[3] = 7;
    program_data.QuirkRollsOwed = 2;
    program_data.PendingTables.push_back("Hero's Almanac 6B: Flaws, Minor (Physical)");

    Clear_All();

    for (const Field& field : fields)
        EXPECT_TRUE(field.same(current_character, fresh)) << field.name << " kept its old value";
    EXPECT_EQ(SkillDataItem::Count(), 0u);
    EXPECT_EQ(SpellDataItem::Count(), 0u);
    EXPECT_EQ(TalentDataItem::Count(), 0u);
    EXPECT_EQ(ProfDataItem::Count(), 0u);
    EXPECT_EQ(QuirkDataItem::Count(), 0u);
    EXPECT_EQ(ClassDataItem::Count(), 0u);
    ASSERT_EQ(EquipDataItem::Count(), 1u);
    EXPECT_EQ(EquipDataItem::First()->name, "Starting Clothes");

    // The run's own facts stay; the creation's are back at their start.
    EXPECT_EQ(program_data.ProgramVersion, "5.1");
    EXPECT_FALSE(program_data.LogFileName.empty());
    EXPECT_EQ(program_data.WizardState, kWizardNone);
    EXPECT_EQ(program_data.BuildingPoints, 0.0f);
    EXPECT_EQ(program_data.PPMoneyModifier, 0);
    EXPECT_EQ(program_data.PPHonorModifier, 0);
    EXPECT_TRUE(program_data.PendingTables.empty());
    EXPECT_EQ(program_data.QuirkBP[3], 7) << "set afresh by the background step before the quirk steps";
    EXPECT_EQ(program_data.QuirkRollsOwed, 2);
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

// The log is the one record of a character's rolls: the next character never empties it.
TEST_F(ClearAllTest, ALogHoldingAnEarlierCharactersLinesIsKeptAndTheNextFreeNumberStarts) {
    const std::string cleared = "BP=0.0    | All variables have been cleared \n";
    dice::QueueFaces(std::vector<int32_t>(12, 3));
    Clear_All();
    ASSERT_EQ(program_data.LogFileName, "36.log");
    std::string line = "Rolled a 4";
    Format_Entry(program_data.BuildingPoints, line, program_data.LogFileName);
    const std::string first = ReadAll("36.log");
    ASSERT_EQ(first, cleared + "BP=0.0    | Rolled a 4 \n");
    std::ofstream("37.log") << "an earlier run's log\n";

    dice::QueueFaces(std::vector<int32_t>(12, 1)); // rolled as ever, so the dice that follow stay the same
    Clear_All();
    EXPECT_EQ(dice::QueuedFaces(), 0u);
    EXPECT_EQ(program_data.LogFileName, "38.log");
    EXPECT_EQ(ReadAll("36.log"), first);
    EXPECT_EQ(ReadAll("37.log"), "an earlier run's log\n");
    EXPECT_EQ(ReadAll("38.log"), cleared);

    // Nothing logged since: the same file serves the next character.
    Clear_All();
    EXPECT_EQ(program_data.LogFileName, "38.log");
    EXPECT_EQ(ReadAll("38.log"), cleared);
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
