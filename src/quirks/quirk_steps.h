// Rules both quirk steps share: the lines of a held or picked list, the sourcebook a row binds the
// class to, and the quirk list built when a quirk step ends.
#pragma once

#include <functional>
#include <string>
#include <vector>

// The names of rows 1 to 799 whose count is above 0, each repeated by its count, in row order.
std::vector<std::string> QuirkLinesByCount(const std::function<int32_t(int)>& count);

// The same over the character's QUIRK_COUNT: what the held lists show.
std::vector<std::string> HeldQuirkLines();

// The BOOK_CLASS_FLAG element a row of `book` sets: 0 for the Magister's, 1 the Warlord's, 2 the
// Priest's, 3 the Rogue's Almanac; -1 for the core books and every other book.
int BookClassFlagFor(int book);

// Appends one quirk-list node per held row (name, times held) in row order and pushes the quirk
// branch of the tree.
void BuildQuirkList();
