// Hit points, movement and saving throws.
#include "ui/derived_stats.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "app/character.h"
#include "app/dice.h"
#include "app/item_lists.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "catalog/race_catalog.h"

// clang-format off

// Paralyzation, Rod, Petrification, Breath Weapon, Apology, Spell
const SaveTable magesaves = {{
    {0, 0, 0, 0, 0, 0},
    {14, 11, 13, 15, 17, 12}, // 1
    {14, 11, 13, 15, 17, 12}, // 2
    {14, 11, 13, 15, 16, 11}, // 3
    {14, 10, 12, 14, 16, 11}, // 4
    {13, 10, 12, 14, 15, 11}, // 5
    {13, 10, 12, 14, 15, 10}, // 6
    {13, 9, 11, 13, 14, 10}, // 7
    {13, 9, 11, 13, 14, 10}, // 8
    {12, 8, 11, 13, 13, 9}, // 9
    {12, 8, 10, 12, 13, 9}, // 10
    {12, 8, 10, 12, 12, 9}, // 11
    {12, 7, 10, 12, 12, 8}, // 12
    {11, 7, 9, 11, 11, 8}, // 13
    {11, 7, 9, 11, 11, 8}, // 14
    {11, 6, 9, 11, 10, 7}, // 15
    {11, 6, 8, 10, 10, 7}, // 16
    {10, 5, 8, 10, 9, 7}, // 17
    {10, 5, 8, 10, 9, 6}, // 18
    {10, 5, 7, 9, 8, 6}, // 19
    {10, 4, 7, 9, 8, 6}, // 20
}};

const SaveTable fightersaves = {{
    {0, 0, 0, 0, 0, 0},
    {15, 17, 16, 19, 18, 18}, // 1
    {14, 16, 15, 18, 18, 17}, // 2
    {13, 15, 15, 17, 17, 16}, // 3
    {13, 15, 14, 16, 17, 16}, // 4
    {12, 14, 13, 15, 16, 15}, // 5
    {11, 13, 12, 14, 16, 14}, // 6
    {10, 12, 11, 13, 15, 13}, // 7
    {10, 12, 11, 12, 15, 13}, // 8
    {9, 11, 10, 11, 14, 12}, // 9
    {8, 10, 9, 10, 14, 11}, // 10
    {7, 9, 8, 9, 13, 10}, // 11
    {7, 9, 8, 8, 13, 10}, // 12
    {6, 8, 7, 7, 12, 9}, // 13
    {5, 7, 6, 6, 12, 8}, // 14
    {4, 6, 5, 4, 11, 7}, // 15
    {4, 6, 5, 4, 11, 7}, // 16
    {3, 5, 4, 3, 10, 6}, // 17
    {3, 5, 4, 2, 10, 6}, // 18
    {2, 4, 3, 2, 9, 5}, // 19
    {2, 4, 3, 2, 9, 5}, // 20
}};

const SaveTable thiefsaves = {{
    {0, 0, 0, 0, 0, 0},
    {14, 15, 13, 17, 16, 16}, // 1
    {13, 14, 12, 16, 16, 15}, // 2
    {13, 14, 12, 16, 15, 15}, // 3
    {13, 13, 11, 16, 15, 14}, // 4
    {12, 12, 11, 15, 14, 14}, // 5
    {12, 12, 11, 15, 14, 13}, // 6
    {12, 12, 11, 15, 13, 13}, // 7
    {12, 11, 11, 15, 13, 12}, // 8
    {11, 11, 10, 14, 12, 12}, // 9
    {11, 10, 10, 14, 12, 11}, // 10
    {11, 10, 10, 14, 11, 11}, // 11
    {11, 9, 10, 14, 11, 10}, // 12
    {10, 9, 9, 13, 10, 10}, // 13
    {10, 8, 9, 13, 10, 9}, // 14
    {10, 8, 9, 13, 9, 9}, // 15
    {10, 7, 9, 13, 9, 8}, // 16
    {9, 7, 8, 12, 8, 8}, // 17
    {9, 6, 8, 12, 8, 7}, // 18
    {9, 6, 8, 12, 7, 7}, // 19
    {9, 6, 8, 12, 7, 7}, // 20
}};

const SaveTable clericsaves = {{
    {0, 0, 0, 0, 0, 0},
    {10, 14, 13, 16, 15, 15}, // 1
    {10, 14, 13, 16, 14, 15}, // 2
    {9, 14, 13, 16, 14, 15}, // 3
    {9, 13, 12, 15, 13, 14}, // 4
    {9, 13, 12, 15, 13, 14}, // 5
    {8, 12, 11, 14, 12, 13}, // 6
    {8, 12, 11, 14, 12, 13}, // 7
    {7, 11, 10, 13, 11, 12}, // 8
    {7, 11, 10, 13, 11, 12}, // 9
    {6, 10, 9, 12, 10, 11}, // 10
    {6, 10, 9, 12, 10, 11}, // 11
    {6, 10, 9, 12, 9, 11}, // 12
    {5, 9, 8, 11, 9, 10}, // 13
    {5, 9, 8, 11, 8, 10}, // 14
    {5, 9, 8, 11, 8, 10}, // 15
    {4, 8, 7, 10, 7, 9}, // 16
    {4, 8, 7, 10, 7, 9}, // 17
    {3, 8, 6, 9, 6, 8}, // 18
    {3, 6, 6, 9, 6, 8}, // 19
    {2, 6, 5, 8, 5, 7}, // 20
}};

const SaveTable thrainsaves = {{
    {0, 0, 0, 0, 0, 0},
    {10, 11, 13, 16, 15, 12}, // 1
    {10, 11, 13, 16, 14, 12}, // 2
    {9, 11, 13, 16, 14, 11}, // 3
    {9, 10, 12, 15, 13, 11}, // 4
    {9, 10, 12, 15, 13, 11}, // 5
    {8, 10, 11, 14, 12, 10}, // 6
    {8, 9, 11, 14, 12, 10}, // 7
    {7, 9, 10, 13, 11, 10}, // 8
    {7, 8, 10, 13, 11, 9}, // 9
    {6, 8, 9, 12, 10, 9}, // 10
    {6, 8, 9, 12, 10, 9}, // 11
    {6, 7, 9, 12, 9, 8}, // 12
    {5, 7, 8, 11, 9, 8}, // 13
    {5, 7, 8, 11, 8, 8}, // 14
    {5, 6, 8, 11, 8, 7}, // 15
    {4, 6, 7, 10, 7, 7}, // 16
    {4, 5, 7, 10, 7, 7}, // 17
    {3, 5, 6, 9, 6, 6}, // 18
    {3, 5, 6, 9, 6, 6}, // 19
    {2, 4, 5, 8, 5, 6}, // 20
}};
// clang-format on

namespace {

bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// The class tables hold levels 0..99.
constexpr int kLevelTableSize = static_cast<int>(std::tuple_size<LevelTable>::value);

// +1 for great honor, -1 for dishonor; the dishonor test comes second so it wins when both occur.
int32_t HitPointHonorAdjustment(const std::string& honor) {
    int32_t adjustment = 0;
    if (Contains(honor, "Great Honor"))
        adjustment = 1;
    if (Contains(honor, "Dishonorable"))
        adjustment = -1;
    return adjustment;
}

constexpr int kFirstSaveLevel = 1;
constexpr int kLastSaveLevel = 20;
constexpr int kNoSave = 99;

// The thirteen save names in the order they are tried, each with the column it starts from.
struct SaveName {
    const char* name;
    int32_t SaveRow::*column;
};

const SaveName kSaveNames[] = {
    {"Paralyzation", &SaveRow::Paralyzation},
    {"Rod", &SaveRow::Rod},
    {"Petrification", &SaveRow::Petrification},
    {"Breath Weapon", &SaveRow::Breath_Weapon},
    {"Apology", &SaveRow::Apology},
    {"Spell", &SaveRow::Spell},
    {"Poison", &SaveRow::Paralyzation},
    {"Death Magic", &SaveRow::Paralyzation},
    {"Staff", &SaveRow::Rod},
    {"Wand", &SaveRow::Rod},
    {"Polymorph", &SaveRow::Petrification},
    {"GoreFrenzy", &SaveRow::Petrification},
    {"GoreLust", &SaveRow::Petrification},
};
constexpr std::size_t kSaveCount = std::size(kSaveNames);
enum SaveIndex : std::size_t { kSpell = 5, kPoison = 6 };

using SaveValues = std::array<int32_t, kSaveCount>;

// The Barbarian's bonus per save name; his Spell bonus grows with level instead, a point per four.
const SaveValues kBarbarianBonus = {-3, -2, -3, -2, 0, 0, -4, -3, -2, -2, -3, 0, 0};
constexpr int32_t kPaladinBonus = -2;
// A Dwarf's Poison save improves by one for each of these Constitution scores reached.
const int32_t kDwarfConstitutionSteps[] = {4, 7, 11, 14, 18, 21, 25};

// The table a class's SAVEAS picks, or null when it picks none.
const SaveTable* SaveTableOf(int32_t saveAs) {
    switch (saveAs) {
    case 1:
        return &magesaves;
    case 2:
        return &fightersaves;
    case 3:
        return &thiefsaves;
    case 4:
        return &clericsaves;
    case 5:
        return &thrainsaves;
    default:
        return nullptr;
    }
}

// The thirteen saves of the character at `level` (already within 1..20), adjusted and floored.
SaveValues Saves(const SaveRow& row, int level, const CharacterClass& cls, const CharacterRace* race) {
    SaveValues saves{};
    for (std::size_t i = 0; i < kSaveCount; ++i)
        saves[i] = row.*kSaveNames[i].column;
    if (Contains(cls.NAME, "Barbarian")) {
        for (std::size_t i = 0; i < kSaveCount; ++i)
            saves[i] += kBarbarianBonus[i];
        saves[kSpell] -= level / 4;
    }
    if (Contains(cls.NAME, "Paladin")) {
        for (int32_t& save : saves)
            save += kPaladinBonus;
    }
    if (race && Contains(race->NAME, "Dwarf")) {
        const int32_t constitution = current_character.ABILITY_BASE[2];
        for (int32_t step : kDwarfConstitutionSteps) {
            if (constitution >= step)
                --saves[kPoison];
        }
    }
    for (int32_t& save : saves)
        save = std::max<int32_t>(save, 1);
    return saves;
}

} // namespace

int GetHitPoints(int level, CharacterClass* pClass) {
    int32_t count = 0;
    int32_t sides = 0;
    // A level the class tables do not hold rolls nothing rather than reading past them.
    if (pClass && level >= 0 && level < kLevelTableSize) {
        count = pClass->HITDIEROLL[static_cast<std::size_t>(level)];
        sides = pClass->HITDIE[static_cast<std::size_t>(level)];
    }
    const int32_t adjustment = HitPointHonorAdjustment(current_character.HONOR_DICE_TEXT);
    const int32_t roll = DiceRollM(sides, count, adjustment);
    LogStepLine(Format("Rolling %id%i%+i for hit points: %i", count, sides, adjustment, roll));
    return roll;
}

int GetMovement(int base) {
    // The base comes from the race catalogue: an extreme value saturates rather than wraps.
    int rate = base;
    if (Contains(current_character.CLASS_LONG_NAME, "Barbarian"))
        rate = SaturatingAdd(rate, 3);

    int pegLegs = 0;
    for (const SkillDataItem* skill = SkillDataItem::First(); skill; skill = skill->pNext.get()) {
        if (Contains(skill->name, "Peg Leg"))
            ++pegLegs;
    }

    // The first amputation in list order settles the rate; two peg legs make up for either one.
    for (const QuirkDataItem* quirk = QuirkDataItem::First(); quirk; quirk = quirk->pNext.get()) {
        if (Contains(quirk->name, "Amputee, Double, Leg")) {
            if (pegLegs == 1)
                return SaturatingAdd(rate, -1);
            if (pegLegs == 0)
                return SaturatingAdd(rate, -4);
        }
        if (Contains(quirk->name, "Amputee, Leg")) {
            if (pegLegs == 1)
                return rate;
            if (pegLegs == 0)
                return SaturatingAdd(rate, -3);
        }
    }
    return rate;
}

int GetSave(const std::string& name, int level) {
    const CharacterClass* cls = current_character.pClass;
    const SaveTable* table = cls ? SaveTableOf(cls->SAVEAS) : nullptr;
    // Without a class, or with one whose SAVEAS picks no table, there is nothing to read: every name
    // gives the value of an unknown one.
    if (!table)
        return kNoSave;
    level = std::clamp(level, kFirstSaveLevel, kLastSaveLevel);
    const SaveValues saves =
        Saves((*table)[static_cast<std::size_t>(level)], level, *cls, current_character.pRace);
    for (std::size_t i = 0; i < kSaveCount; ++i) {
        if (Contains(name, kSaveNames[i].name))
            return saves[i];
    }
    return kNoSave;
}

int32_t LevelTableSum(const LevelTable& table, int32_t level) {
    const int32_t last = std::min<int32_t>(level, static_cast<int32_t>(table.size()) - 1);
    int64_t sum = 0;
    for (int32_t k = 0; k <= last; ++k)
        sum += table[static_cast<size_t>(k)];
    return SaturateInt32(sum);
}

std::array<int32_t, kThiefSkillCount> ThiefSkillTotals(const ClassDataItem& item) {
    std::array<int32_t, kThiefSkillCount> totals{};
    for (size_t s = 0; s < kThiefSkillTables.size(); ++s)
        totals[s] = LevelTableSum(item.*kThiefSkillTables[s].table, item.CLASS_LEVEL);
    return totals;
}
