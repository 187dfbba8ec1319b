#include "catalog/equipment_catalog.h"

CharacterEquip CEquip;

namespace {

using E = CharacterEquip;

const CatalogKind<CharacterEquip> kEquipKind{CharacterEquip::kFolder, "*_Equipment.qxf", false,
                                             &CharacterEquip::ParseEquipXML};

constexpr char kGold[] = "Gold";
constexpr char kSilver[] = "Silver";
constexpr char kCopper[] = "Copper";

// A cost line sets the price and the coin together, so the last cost line decides both.
template <const char* Coin> void StoreCost(CharacterEquip& e, std::string_view, std::string_view value) {
    e.COST = CatalogWhole(value);
    e.COIN = Coin;
}

void StartCategories(CharacterEquip& e, std::string_view, std::string_view) {
    e.CATEGORY.clear();
    e.nCATEGORY = 0;
}

} // namespace

const std::vector<CatalogKey<CharacterEquip>>& CharacterEquip::Keys() {
    // "<START_CATEGORY" does not contain "<CATEGORY" (an underscore stands before it), so both reach.
    static const std::vector<CatalogKey<CharacterEquip>> keys{
        {"<NAME", StoreAppendedText<&E::NAME>},  {"<TABLEID", StoreWhole<&E::TABLEID>},
        {"<WEIGHT", StoreReal<&E::WEIGHT>},      {"<COST_IN_GOLD", StoreCost<kGold>},
        {"<COST_IN_SILVER", StoreCost<kSilver>}, {"<COST_IN_COPPER", StoreCost<kCopper>},
        {"<COMBINE", StoreFlag<&E::COMBINE>},    {"<CATEGORY", StoreCountedItem<&E::CATEGORY, &E::nCATEGORY>},
        {"<START_CATEGORY", StartCategories},
    };
    return keys;
}

void CharacterEquip::LoadEquip() {
    LoadEquip(CatalogStartFolder());
}

void CharacterEquip::LoadEquip(const std::filesystem::path& startFolder) {
    LoadCatalogFolder(startFolder, kEquipKind);
}

void CharacterEquip::ParseEquipXML(const std::filesystem::path& file, CharacterEquip& entry) {
    ParseCatalogEntry(file, "</CHARACTER_EQUIP", entry);
}

void CharacterEquip::xmlConvert(std::string_view line, CharacterEquip& entry) {
    ConvertCatalogLine(line, entry);
}

void CharacterEquip::xmlAssign(std::string_view value, std::string_view tag, CharacterEquip& entry) {
    AssignByKey(Keys(), tag, value, entry);
}

CharacterEquip* CharacterEquip::Find(std::string_view text) {
    return FindFirstContaining(First(), text, EntryName<CharacterEquip>);
}
