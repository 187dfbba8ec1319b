// The equipment shop: the purse in copper, catalogue prices, buying and selling items for money.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class CharacterEquip;
class Character_Class;

// The purse's worth in copper: gold x 100 + silver x 10 + copper.
int64_t PurseInCopper(const Character_Class& pc);

// Stores `copper` in the purse with the fewest coins; a negative worth is held whole in copper.
// Values beyond what a coin field holds are held at its limit.
void StorePurse(Character_Class& pc, int64_t copper);

// An entry's price in copper: COST in the coin its COIN names (the last of "Gold", "Silver", "Copper"
// it contains); 0 when it names none.
int64_t PriceInCopper(const CharacterEquip& entry);

// The catalogue entry of a row name: the entry of exactly that name, else the one with the longest
// name that occurs within it ("Dagger (inherited)" is a Dagger). An entry with an empty name never matches.
CharacterEquip* EquipEntryForRow(const std::string& rowName);

// The category names of the catalogue's "Categories" entry, in order; none without that entry.
std::vector<std::string> EquipmentCategories();

// The entries of the category at `index` (from 0: TABLEID index + 1), in catalogue order.
std::vector<const CharacterEquip*> EquipmentOfCategory(int index);

// The rows of the purchased list: the three coins, then the owned items with their quantity "x%i".
std::vector<std::pair<std::string, std::string>> PurchasedRows();

// Buys one of the entry of `rowName` when the purse holds its price: a stacking item already owned
// under that exact name counts up, anything else adds a row. Logs "Purchasing %s for %i %s".
bool BuyEquipment(const std::string& rowName);

// Sells one of the owned item named exactly `rowName` back at its entry's price, logging
// "Selling %s for %i %s"; an owned item with no catalogue entry is dropped whole for nothing.
// An empty name sells nothing.
bool SellEquipment(const std::string& rowName);
