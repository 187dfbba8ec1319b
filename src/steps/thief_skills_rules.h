// Rules of the thief-skill window: which skills a class has, reading the typed points, the 30-point cap,
// the class's points and what a finished distribution stores.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "app/item_lists.h" // ClassDataItem, kThiefSkillCount

class CharacterClass;

// The most points one skill may take at first level.
inline constexpr int32_t kThiefSkillCap = 30;

using ThiefTexts = std::array<std::string, kThiefSkillCount>;
using ThiefValues = std::array<int32_t, kThiefSkillCount>;
using ThiefOffered = std::array<bool, kThiefSkillCount>;

// The skills whose names the class's THIEFSKILLS text contains; none without a class.
ThiefOffered OfferedThiefSkills(const CharacterClass* chosen);

// The first-level points the class distributes (entry 1 of THIEFPOINTS); 0 without a class.
int32_t ThiefClassPoints(const CharacterClass* chosen);

// The base values of an item: entry 0 of its nine tables.
ThiefValues ThiefBaseValues(const ClassDataItem& record);

// The typed points read against an item.
struct ThiefAllotment {
    ThiefValues points{}; // offered skills by the leading-integer rule, the others 0
    ThiefValues totals{}; // base + points, held to 32 bits
    int64_t sum = 0;      // of the points, counted until one skill passes the cap
    bool overCap = false; // one skill took more than kThiefSkillCap points
};

// Reads the entry texts of the offered skills (the others count 0) against the item's base values.
ThiefAllotment ReadThiefEntries(const ThiefTexts& texts, const ThiefOffered& offered,
                                const ClassDataItem& record);

// Apply takes an allotment within the cap whose sum is at most the class points; Continue one whose sum
// is exactly the class points.
bool ThiefApplyFits(const ThiefAllotment& allotment, int32_t classPoints);
bool ThiefContinueFits(const ThiefAllotment& allotment, int32_t classPoints);

// "<skill name> %i %+i = %i": base, points and total.
std::string ThiefLogLine(size_t skill, int32_t base, int32_t points, int32_t total);

// The item the window was opened for while it is still on the character's class list, else null: a new
// character or an opened file has replaced it.
ClassDataItem* LiveClassItem(const ClassDataItem* record, uint64_t serial);

// Apply: the allotment to show, or nothing when it is refused. Reads the chosen class anew.
std::optional<ThiefAllotment> ApplyThiefPoints(const ClassDataItem& record, const ThiefTexts& texts);

// Continue: when the points spend exactly the class points, logs the nine skills (those not offered with
// +0), stores the points in entry 1 of the item's tables, and pushes the class branches of the tree.
// Returns the allotment, or nothing, changing nothing, when it is refused.
std::optional<ThiefAllotment> FinishThiefPoints(ClassDataItem& record, const ThiefTexts& texts);
