#include "catalog/class_catalog.h"

CharacterClass CClass;

namespace {

using C = CharacterClass;

const CatalogKind<CharacterClass> kClassKind{CharacterClass::kFolder, "*Class.qxf", false,
                                             &CharacterClass::ParseCXML};

} // namespace

const std::vector<CatalogKey<CharacterClass>>& CharacterClass::Keys() {
    // "<THIEFPOINTS" and "<THIEFSKILLS" contain "<THIEF", so they come first; "<HITDIE_" keeps its
    // underscore so that HITDIEROLL tags do not contain it. No key fills WISDIE.
    static const std::vector<CatalogKey<CharacterClass>> keys{
        {"<NAME", StoreAppendedText<&C::NAME>},
        {"<BOOK", StoreWhole<&C::BOOK>},
        {"<AGEDIE_", StoreWhole<&C::AGEDIE>},
        {"<AGEDIEROLLS", StoreWhole<&C::AGEDIEROLLS>},
        {"<KICKER", StoreWhole<&C::KICKER>},
        {"<BP", StoreWhole<&C::BP>},
        {"<MONEYROLL", StoreWhole<&C::MONEYROLL>},
        {"<SPECIALIZE", StoreWhole<&C::SPECIALIZE>},
        {"<STRROLLS", StoreWhole<&C::STRROLLS>},
        {"<DEXROLLS", StoreWhole<&C::DEXROLLS>},
        {"<CONROLLS", StoreWhole<&C::CONROLLS>},
        {"<INTROLLS", StoreWhole<&C::INTROLLS>},
        {"<WISROLLS", StoreWhole<&C::WISROLLS>},
        {"<CHRROLLS", StoreWhole<&C::CHRROLLS>},
        {"<COMROLLS", StoreWhole<&C::COMROLLS>},
        {"<STRDIE", StoreWhole<&C::STRDIE>},
        {"<DEXDIE", StoreWhole<&C::DEXDIE>},
        {"<CONDIE", StoreWhole<&C::CONDIE>},
        {"<INTDIE", StoreWhole<&C::INTDIE>},
        {"<CHRDIE", StoreWhole<&C::CHRDIE>},
        {"<COMDIE", StoreWhole<&C::COMDIE>},
        {"<SOCIALREQ", StoreWhole<&C::SOCIALREQ>},
        {"<MINSTR", StoreReal<&C::MINSTR>},
        {"<MAXSTR", StoreReal<&C::MAXSTR>},
        {"<MINDEX", StoreReal<&C::MINDEX>},
        {"<MAXDEX", StoreReal<&C::MAXDEX>},
        {"<MINCON", StoreReal<&C::MINCON>},
        {"<MAXCON", StoreReal<&C::MAXCON>},
        {"<MININT", StoreReal<&C::MININT>},
        {"<MAXINT", StoreReal<&C::MAXINT>},
        {"<MINWIS", StoreReal<&C::MINWIS>},
        {"<MAXWIS", StoreReal<&C::MAXWIS>},
        {"<MINCHA", StoreReal<&C::MINCHA>},
        {"<MAXCHA", StoreReal<&C::MAXCHA>},
        {"<MINCOM", StoreReal<&C::MINCOM>},
        {"<MAXCOM", StoreReal<&C::MAXCOM>},
        {"<TOHITAS", StoreWhole<&C::TOHITAS>},
        {"<SAVEAS", StoreWhole<&C::SAVEAS>},
        {"<SAVEVARIANCE", StoreWhole<&C::SAVEVARIANCE>},
        {"<SPELLJACK", StoreWhole<&C::SPELLJACK>},
        {"<TURNUNDEAD", StoreWhole<&C::TURNUNDEAD>},
        {"<XPTABLE", StoreLevelValue<&C::XPTABLE>},
        {"<CONMULTIPLIER_", StoreLevelValue<&C::CONMULTIPLIER>},
        {"<HITDIE_", StoreLevelValue<&C::HITDIE>},
        {"<HITDIEROLL", StoreLevelValue<&C::HITDIEROLL>},
        {"<HITPOINTBONUS", StoreLevelValue<&C::HITPOINTBONUS>},
        {"<THIEFPOINTS", StoreLevelValue<&C::THIEFPOINTS>},
        {"<PROFSLOTS", StoreLevelValue<&C::PROFSLOTS>},
        {"<ALIGNMENT", StoreListItem<&C::ALIGNMENT>},
        {"<THIEFSKILLS", StoreAppendedText<&C::THIEFSKILLS>},
        {"<WEAPON", StoreCountedItem<&C::WEAPON, &C::nWEAPON>},
        {"<CLERIC", StoreWhole<&C::CLERIC>},
        {"<FIGHTER", StoreWhole<&C::FIGHTER>},
        {"<MAGE", StoreWhole<&C::MAGE>},
        {"<THIEF", StoreWhole<&C::THIEF>},
    };
    return keys;
}

void CharacterClass::LoadClass() {
    LoadClass(CatalogStartFolder());
}

void CharacterClass::LoadClass(const std::filesystem::path& startFolder) {
    LoadCatalogFolder(startFolder, kClassKind);
}

void CharacterClass::ParseCXML(const std::filesystem::path& file, CharacterClass& entry) {
    ParseCatalogEntry(file, "</CHARACTER_CLASS", entry);
}

void CharacterClass::xmlConvert(std::string_view line, CharacterClass& entry) {
    ConvertCatalogLine(line, entry);
}

void CharacterClass::xmlAssign(std::string_view value, std::string_view tag, CharacterClass& entry) {
    AssignByKey(Keys(), tag, value, entry);
}
