#include "catalog/talent_catalog.h"

CharacterTalent CTalent;
CharacterProf CProfs;

namespace {

using T = CharacterTalent;
using P = CharacterProf;

const CatalogKind<CharacterTalent> kTalentKind{CharacterTalent::kFolder, "*_Talent.qxf", true,
                                               &CharacterTalent::ParseTalentXML};
const CatalogKind<CharacterProf> kProfKind{CharacterProf::kFolder, "*_Prof.qxf", true,
                                           &CharacterProf::ParseProfXML};

} // namespace

const std::vector<CatalogKey<CharacterTalent>>& CharacterTalent::Keys() {
    static const std::vector<CatalogKey<CharacterTalent>> keys{
        {"<NAME", StoreAppendedText<&T::NAME>},
        {"<BOOK", StoreWhole<&T::BOOK>},
        {"<BP", StoreWhole<&T::BP>},
        {"<EP_ADJ", StoreWhole<&T::EP_ADJ>},
        {"<PAGE", StoreReplacedText<&T::PAGE>},
        {"<MAX", StoreWhole<&T::MAX>},
        {"<EXTEND", StoreFlag<&T::EXTEND>},
        {"<DESCRIPTION", StoreReplacedText<&T::DESCRIPTION>},
    };
    return keys;
}

void CharacterTalent::LoadTalent() {
    LoadTalent(CatalogStartFolder());
}

void CharacterTalent::LoadTalent(const std::filesystem::path& startFolder) {
    LoadCatalogFolder(startFolder, kTalentKind);
}

void CharacterTalent::ParseTalentXML(const std::filesystem::path& file, CharacterTalent& entry) {
    ParseCatalogEntry(file, "</CHARACTER_TALENT", entry, kTalentLineLimit);
}

void CharacterTalent::xmlConvert(std::string_view line, CharacterTalent& entry) {
    ConvertCatalogLine(line, entry);
}

void CharacterTalent::xmlAssign(std::string_view value, std::string_view tag, CharacterTalent& entry) {
    AssignByKey(Keys(), tag, value, entry);
}

CharacterTalent* CharacterTalent::Find(std::string_view text) {
    // These two catalogues always end with the blank entry, which a look-up by name must never return.
    return FindFirstContaining(First(), text, EntryName<CharacterTalent>, true);
}

const std::vector<CatalogKey<CharacterProf>>& CharacterProf::Keys() {
    static const std::vector<CatalogKey<CharacterProf>> keys{
        {"<NAME", StoreAppendedText<&P::NAME>}, {"<BOOK", StoreWhole<&P::BOOK>},
        {"<TYPE", StoreWhole<&P::TYPE>},        {"<SPCOST", StoreWhole<&P::SPCOST>},
        {"<EXTEND", StoreFlag<&P::EXTEND>},
    };
    return keys;
}

void CharacterProf::LoadProfs() {
    LoadProfs(CatalogStartFolder());
}

void CharacterProf::LoadProfs(const std::filesystem::path& startFolder) {
    LoadCatalogFolder(startFolder, kProfKind);
}

void CharacterProf::ParseProfXML(const std::filesystem::path& file, CharacterProf& entry) {
    ParseCatalogEntry(file, "</CHARACTER_PROF", entry);
}

void CharacterProf::xmlConvert(std::string_view line, CharacterProf& entry) {
    ConvertCatalogLine(line, entry);
}

void CharacterProf::xmlAssign(std::string_view value, std::string_view tag, CharacterProf& entry) {
    AssignByKey(Keys(), tag, value, entry);
}

CharacterProf* CharacterProf::Find(std::string_view text) {
    // These two catalogues always end with the blank entry, which a look-up by name must never return.
    return FindFirstContaining(First(), text, EntryName<CharacterProf>, true);
}
