#include "catalog/race_catalog.h"

CharacterRace CRace;

namespace {

using R = CharacterRace;

const CatalogKind<CharacterRace> kRaceKind{CharacterRace::kFolder, "*_Race.qxf", false,
                                           &CharacterRace::ParseRaceXML};

} // namespace

const std::vector<CatalogKey<CharacterRace>>& CharacterRace::Keys() {
    // The dice-sides keys end in "_" so that the number-of-dice tags (AGEDIEROLLS ...) do not contain
    // them; every key begins with "<", so MINSTR never matches "<STRADJ".
    static const std::vector<CatalogKey<CharacterRace>> keys{
        {"<NAME", StoreAppendedText<&R::NAME>},
        {"<SEX", StoreAppendedText<&R::SEX>},
        {"<RSID", StoreWhole<&R::RSID>},
        {"<BOOK", StoreWhole<&R::BOOK>},
        {"<SIZE", StoreWhole<&R::SIZE>},
        {"<MOVE", StoreWhole<&R::MOVE>},
        {"<FLY", StoreWhole<&R::FLY>},
        {"<LANGUAGES", StoreCountedItem<&R::LANGUAGES, &R::nLANGUAGES>},
        {"<RTEXT", StoreCountedItem<&R::RTEXT, &R::nRTEXT>},
        {"<RTALENTS", StoreCountedItem<&R::RTALENTS, &R::nRTALENTS>},
        {"<RDOWNSIDE", StoreCountedItem<&R::RDOWNSIDE, &R::nRDOWNSIDE>},
        {"<MINSTR", StoreWhole<&R::MINSTR>},
        {"<MAXSTR", StoreWhole<&R::MAXSTR>},
        {"<MINDEX", StoreWhole<&R::MINDEX>},
        {"<MAXDEX", StoreWhole<&R::MAXDEX>},
        {"<MINCON", StoreWhole<&R::MINCON>},
        {"<MAXCON", StoreWhole<&R::MAXCON>},
        {"<MININT", StoreWhole<&R::MININT>},
        {"<MAXINT", StoreWhole<&R::MAXINT>},
        {"<MINWIS", StoreWhole<&R::MINWIS>},
        {"<MAXWIS", StoreWhole<&R::MAXWIS>},
        {"<MINCHA", StoreWhole<&R::MINCHA>},
        {"<MAXCHA", StoreWhole<&R::MAXCHA>},
        {"<MINCOM", StoreWhole<&R::MINCOM>},
        {"<MAXCOM", StoreWhole<&R::MAXCOM>},
        {"<STRADJ", StoreWhole<&R::STRADJ>},
        {"<DEXADJ", StoreWhole<&R::DEXADJ>},
        {"<CONADJ", StoreWhole<&R::CONADJ>},
        {"<INTADJ", StoreWhole<&R::INTADJ>},
        {"<WISADJ", StoreWhole<&R::WISADJ>},
        {"<CHAADJ", StoreWhole<&R::CHAADJ>},
        {"<COMADJ", StoreWhole<&R::COMADJ>},
        {"<BP", StoreWhole<&R::BP>},
        {"<ILLIGITMOD", StoreWhole<&R::ILLIGITMOD>},
        {"<ILLIGITBIRTHMOD", StoreWhole<&R::ILLIGITBIRTHMOD>},
        {"<BASEAGE", StoreWhole<&R::BASEAGE>},
        {"<AGEDIE_", StoreWhole<&R::AGEDIE>},
        {"<AGEDIEROLLS", StoreWhole<&R::AGEDIEROLLS>},
        {"<BASEHEIGHT", StoreWhole<&R::BASEHEIGHT>},
        {"<HEIGHTDIE_", StoreWhole<&R::HEIGHTDIE>},
        {"<HEIGHTDIEROLLS", StoreWhole<&R::HEIGHTDIEROLLS>},
        {"<BASEWEIGHT", StoreWhole<&R::BASEWEIGHT>},
        {"<WEIGHTDIE_", StoreWhole<&R::WEIGHTDIE>},
        {"<WEIGHTDIEROLLS", StoreWhole<&R::WEIGHTDIEROLLS>},
        {"<BASEPICKPOCKETS", StoreWhole<&R::BASEPICKPOCKETS>},
        {"<BASEOPENLOCKS", StoreWhole<&R::BASEOPENLOCKS>},
        {"<BASEFINDTRAPS", StoreWhole<&R::BASEFINDTRAPS>},
        {"<BASEREMOVETRAPS", StoreWhole<&R::BASEREMOVETRAPS>},
        {"<BASEMOVESILENTLY", StoreWhole<&R::BASEMOVESILENTLY>},
        {"<BASEHIDEINSHADOWS", StoreWhole<&R::BASEHIDEINSHADOWS>},
        {"<BASEDETECTNOISE", StoreWhole<&R::BASEDETECTNOISE>},
        {"<BASECLIMBWALLS", StoreWhole<&R::BASECLIMBWALLS>},
        {"<BASEREADLANGUAGES", StoreWhole<&R::BASEREADLANGUAGES>},
        {"<LEVELLIMIT", StoreCountedItem<&R::LEVELLIMIT, &R::nLEVELLIMIT>},
        {"<TALENT", StoreCountedItem<&R::TALENT, &R::nTALENT>},
    };
    return keys;
}

void CharacterRace::LoadRace() {
    LoadRace(CatalogStartFolder());
}

void CharacterRace::LoadRace(const std::filesystem::path& startFolder) {
    LoadCatalogFolder(startFolder, kRaceKind);
}

void CharacterRace::ParseRaceXML(const std::filesystem::path& file, CharacterRace& entry) {
    ParseCatalogEntry(file, "</CHARACTER_RACE", entry);
}

void CharacterRace::xmlConvert(std::string_view line, CharacterRace& entry) {
    ConvertCatalogLine(line, entry);
}

void CharacterRace::xmlAssign(std::string_view value, std::string_view tag, CharacterRace& entry) {
    AssignByKey(Keys(), tag, value, entry);
}
