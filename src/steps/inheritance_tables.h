// The inheritance tables: what a rich character inherits from his father, by social class.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One band of an item table: the inclusive range of totals and its item. A band with a `raceWord` gives
// `raceText` instead of `text` when the race text contains that word (case-sensitive).
struct ItemBand {
    int32_t low;
    int32_t high;
    const char* text;
    const char* raceWord = nullptr;
    const char* raceText = nullptr;
};

// An item table: the die it is rolled on, the kind its social-class modifier is looked up by (empty:
// no modifier and no adjustment count) and its bands in rising order.
struct ItemTable {
    int32_t die;
    const char* kind;
    std::vector<ItemBand> bands;
};

const ItemTable& WeaponTable();
const ItemTable& ArmorTable();
const ItemTable& ShieldHelmetTable();
const ItemTable& MountTable();
const ItemTable& DeedTable();

// The modifier to an item roll for `socialClass` and `kind` ("Weapon", "Armor", "Shield" or "Mount",
// compared whole and case-sensitively); 0 for any other kind or a class outside 1 to 12.
int32_t Table3K(int32_t socialClass, const std::string& kind);

// The item of `table`'s band that holds `total`, chosen by `race` where the band has two; empty when no
// band holds it.
std::string BandItem(const ItemTable& table, int32_t total, const std::string& race);

// The inherited weapon, armour, shield or helmet and mount. Each rolls its die plus the class modifier
// until the total falls inside the die's range; every total above the range adds 1 to the item's count
// and every total of 0 or less takes 1 away. A count other than 0 follows the item as "+N" or "-N"
// (a mount's as "+N hp per hit die").
std::string Table3L(int32_t socialClass);
std::string Table3M(int32_t socialClass, const std::string& race);
std::string Table3N(int32_t socialClass);
std::string Table3O(int32_t socialClass, const std::string& race);

// The inherited deed to land: one d100, no modifier.
std::string Table3P();
