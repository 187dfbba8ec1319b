// Hit points, movement, saving throws and thief-skill totals worked out from the character record.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/character.h"
#include "app/item_lists.h"

class CharacterClass;

// The base saving throws of one level, one cell per column.
struct SaveRow {
    int32_t Paralyzation;
    int32_t Rod;
    int32_t Petrification;
    int32_t Breath_Weapon;
    int32_t Apology;
    int32_t Spell;
};

// Indexed by level 0..20; row 0 is all zeros and never read. A class's SAVEAS picks the table:
// 1 mage, 2 fighter, 3 thief, 4 cleric, 5 thrain.
using SaveTable = std::array<SaveRow, 21>;
extern const SaveTable magesaves;
extern const SaveTable fightersaves;
extern const SaveTable thiefsaves;
extern const SaveTable clericsaves;
extern const SaveTable thrainsaves;

// Rolls the hit dice of `pClass` at `level` (HITDIEROLL dice of HITDIE sides) plus 1 for "Great Honor"
// or -1 for "Dishonorable" in HONOR_DICE_TEXT, logs "Rolling %id%i%+i for hit points: %i" and returns
// the roll. With no class, or a level outside 0..99, nothing is rolled and the line logs zero dice.
int GetHitPoints(int level, CharacterClass* pClass);

// `base` plus 3 for a Barbarian, less what the first leg amputation in the quirk list costs with the
// character's peg legs (skills named "Peg Leg"). No lower bound.
int GetMovement(int base);

// The saving throw at `level` (held to 1..20) against the first of the thirteen save names that occurs
// in `name`, with the class and race adjustments, at least 1; 99 when no save name occurs in `name`,
// when the character has no class or its SAVEAS picks no table.
int GetSave(const std::string& name, int level);

// The sum of `table` entries 0 to `level` (at most entry 99; none for a negative level), held to
// 32 bits.
int32_t LevelTableSum(const LevelTable& table, int32_t level);

// The nine thief-skill totals of a class item: each table summed from level 0 to its CLASS_LEVEL.
std::array<int32_t, kThiefSkillCount> ThiefSkillTotals(const ClassDataItem& item);
