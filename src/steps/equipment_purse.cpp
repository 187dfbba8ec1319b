#include "steps/equipment_purse.h"

#include <memory>

#include "app/character.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "catalog/equipment_catalog.h"

namespace {

EquipDataItem* OwnedItem(const std::string& name) {
    for (EquipDataItem* n = EquipDataItem::First(); n; n = n->pNext.get())
        if (n->name == name)
            return n;
    return nullptr;
}

} // namespace

int64_t PurseInCopper(const Character_Class& pc) {
    return int64_t{pc.GOLDCOINS} * 100 + int64_t{pc.SILVERCOINS} * 10 + pc.COPPERCOINS;
}

void StorePurse(Character_Class& pc, int64_t copper) {
    if (copper < 0) {
        pc.GOLDCOINS = 0;
        pc.SILVERCOINS = 0;
        pc.COPPERCOINS = SaturateInt32(copper);
        return;
    }
    pc.GOLDCOINS = SaturateInt32(copper / 100);
    pc.SILVERCOINS = static_cast<int32_t>(copper % 100 / 10);
    pc.COPPERCOINS = static_cast<int32_t>(copper % 10);
}

int64_t PriceInCopper(const CharacterEquip& entry) {
    int64_t perUnit = 0;
    if (entry.COIN.find("Gold") != std::string::npos)
        perUnit = 100;
    if (entry.COIN.find("Silver") != std::string::npos)
        perUnit = 10;
    if (entry.COIN.find("Copper") != std::string::npos)
        perUnit = 1;
    return int64_t{entry.COST} * perUnit;
}

CharacterEquip* EquipEntryForRow(const std::string& rowName) {
    if (rowName.empty())
        return nullptr;
    for (CharacterEquip* e = CharacterEquip::First(); e; e = e->pNext.get())
        if (e->NAME == rowName)
            return e;
    // Of the entries whose names occur within the row's, the longest: "Silk Rope (inherited)" is a
    // Silk Rope even when a Rope comes first in the catalogue.
    CharacterEquip* best = nullptr;
    for (CharacterEquip* e = CharacterEquip::First(); e; e = e->pNext.get())
        if (!e->NAME.empty() && rowName.find(e->NAME) != std::string::npos &&
            (!best || e->NAME.size() > best->NAME.size()))
            best = e;
    return best;
}

std::vector<std::string> EquipmentCategories() {
    const CharacterEquip* table = nullptr;
    for (const CharacterEquip* e = CharacterEquip::First(); e && !table; e = e->pNext.get())
        if (e->NAME == "Categories")
            table = e;
    for (const CharacterEquip* e = CharacterEquip::First(); e && !table; e = e->pNext.get())
        if (!e->NAME.empty() && e->NAME.find("Categories") != std::string::npos)
            table = e;
    return table ? table->CATEGORY : std::vector<std::string>();
}

std::vector<const CharacterEquip*> EquipmentOfCategory(int index) {
    std::vector<const CharacterEquip*> entries;
    for (const CharacterEquip* e = CharacterEquip::First(); e; e = e->pNext.get())
        if (int64_t{e->TABLEID} == int64_t{index} + 1)
            entries.push_back(e);
    return entries;
}

std::vector<std::pair<std::string, std::string>> PurchasedRows() {
    const Character_Class& pc = current_character;
    std::vector<std::pair<std::string, std::string>> rows = {
        {"Gold pieces", Format("%i", pc.GOLDCOINS)},
        {"Silver pieces", Format("%i", pc.SILVERCOINS)},
        {"Copper pieces", Format("%i", pc.COPPERCOINS)},
    };
    for (const EquipDataItem* n = EquipDataItem::First(); n; n = n->pNext.get())
        rows.emplace_back(n->name, Format("x%i", n->value));
    return rows;
}

bool BuyEquipment(const std::string& rowName) {
    Character_Class& pc = current_character;
    const int64_t purse = PurseInCopper(pc);
    const CharacterEquip* entry = EquipEntryForRow(rowName);
    if (!entry)
        return false;
    const int64_t price = PriceInCopper(*entry);
    if (price > purse)
        return false;
    EquipDataItem* owned = OwnedItem(rowName);
    if (owned && entry->COMBINE) {
        owned->value = SaturatingAdd(owned->value, 1);
    } else {
        auto node = std::make_unique<EquipDataItem>();
        node->name = rowName;
        node->value = 1;
        pc.EQUIPMENT_SECTION.AddTail(std::move(node));
    }
    StorePurse(pc, purse - price);
    LogStepLine(Format("Purchasing %s for %i %s", rowName.c_str(), entry->COST, entry->COIN.c_str()));
    return true;
}

bool SellEquipment(const std::string& rowName) {
    Character_Class& pc = current_character;
    EquipDataItem* owned = rowName.empty() ? nullptr : OwnedItem(rowName);
    if (!owned)
        return false;
    const CharacterEquip* entry = EquipEntryForRow(rowName);
    if (!entry) {
        // Not from the catalogue (the starting clothes, say): it has no price to give back.
        pc.EQUIPMENT_SECTION.Remove(owned);
        return true;
    }
    const int64_t purse = PurseInCopper(pc);
    owned->value -= 1;
    if (owned->value <= 0)
        pc.EQUIPMENT_SECTION.Remove(owned);
    StorePurse(pc, purse + PriceInCopper(*entry));
    LogStepLine(Format("Selling %s for %i %s", rowName.c_str(), entry->COST, entry->COIN.c_str()));
    return true;
}
