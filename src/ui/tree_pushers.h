// The functions that copy each part of the character into the character tree.
#pragma once

#include <cstdint>
#include <string>

#include "app/item_lists.h"
#include "ui/derived_stats.h" // LevelTableSum, ThiefSkillTotals

// Each pusher reads `current_character`, its lists and the catalogues, rebuilds its branches whole
// and writes them through UpdateTreeBranch, so calling one again is harmless.

// "Prior and Particulars": the 24 background facts, always.
void messagePPtotree();

// The ability branches; with a race also "Racial Data", "Classes Available", one branch per class the
// race may take (its level limit and ability bounds) and "Movement", which writes one dice-log line.
void messagetotree();

// Once a class is taken: removes "Classes Available", pushes "Class Data" with the classes, hit points,
// spells and sourcebook backgrounds, and each class's level and thief-skill totals. The totals of the
// last thief-type class are stored in `THIEF_SKILLS`.
void messagetotreeStep8();

// The list branches; an empty list pushes nothing, so the branch keeps what it showed.
void sendquirkflawtotree(); // "Quirks and Flaws": names only
void sendskillstotree();    // "Skills": rating in percent
void sendtalentstotree();   // "Talents": times taken when more than once
void sendprofstotree();     // "Proficiencies": "Basic", "Specialized", ...
void sendequiptotree();     // "Equipment": quantity

// "Unlimitted" for a level limit that reads as 99, "Allowed" for one that reads as 1, otherwise the
// limit as written.
std::string LevelLimitText(const std::string& limit);
