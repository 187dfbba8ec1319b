// Rules of the class step's hand-over: the abilities and BP settled, the class items and their thief
// start values.
#pragma once

#include <optional>
#include <vector>

#include "steps/class_rules.h"

struct ClassDataItem;

// The pool once the class step is done: less the BP spent on abilities, plus the class's bonus.
float SettledPool(float pool, int32_t spent, int32_t bonus);

// Appends one class item per class that `chosen` names: a single class its own entry, "A/B" the entries
// named A and B. Each part is taken by its exact name from the first catalogue entry without "/" that
// bears it; the items are appended in catalogue order, and a part with no entry gets none. Returns the
// items appended.
std::vector<ClassDataItem*> AddClassRecords(const CharacterClass& chosen);

// Puts the starting thief-skill values into entry 0 of a thief-type item's nine tables: the Dexterity
// table's values for the character's stored Dexterity, the race's base values, then the class name's
// bonuses ("Thief" or "Assassin", "Bard", "Bounty Hunter", in that order; a Bard's and a Bounty
// Hunter's unused skills are set to 0). Without a race only the Dexterity and name parts apply.
void SetThiefStart(ClassDataItem& record);

// The class step's Continue: with a class picked, moves the wizard on (kWizardAgeAndMoney), stores the
// working abilities, settles and logs the pool, sets proficiency slots and level, appends the class items
// with their thief start values and pushes the tree. Returns the thief-type items appended (each gets its own
// thief-skill window), or nothing, changing nothing, when no class is picked.
std::optional<std::vector<ClassDataItem*>> HandOverClass(const AbilityValues& scores,
                                                         const AbilityValues& fractions,
                                                         const AbilityValues& entered, int32_t spent,
                                                         int32_t bonus);
