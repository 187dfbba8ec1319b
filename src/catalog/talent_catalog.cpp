#include "catalog/talent_catalog.h"

CharacterTalent CTalent;
CharacterProf CProfs;

namespace {

using T = CharacterTalent;
using P = CharacterProf;

const CatalogKind<CharacterTalent> kTalentKind{"Talents", "*_Talent.qxf", true,
                                               &CharacterTalent::ParseTalentXML};
const CatalogKind<CharacterProf> kProfKind{"Proficiencies", "*_Prof.qxf", true, &CharacterProf::ParseProfXML};

// These two catalogues always end with the blank entry, which a look-up by name must never return.
template <class Entry> Entry* FindBeforeLast(Entry* first, std::string_view text) {
    for (Entry* p = first; p && p->pNext; p = p->pNext.get())
        if (p->NAME.find(text) != std::string::npos)
            return p;
    return nullptr;
}

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
    ReadCatalogFile(file, "</CHARACTER_TALENT", kTalentLineLimit,
                    [&entry](std::string_view line) { xmlConvert(line, entry); });
}

void CharacterTalent::xmlConvert(std::string_view line, CharacterTalent& entry) {
    std::string_view tag, value;
    if (SplitCatalogLine(line, tag, value))
        xmlAssign(value, tag, entry);
}

void CharacterTalent::xmlAssign(std::string_view value, std::string_view tag, CharacterTalent& entry) {
    AssignByKey(Keys(), tag, value, entry);
}

CharacterTalent* CharacterTalent::Find(std::string_view text) {
    return FindBeforeLast(First(), text);
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
    ReadCatalogFile(file, "</CHARACTER_PROF", kCatalogLineLimit,
                    [&entry](std::string_view line) { xmlConvert(line, entry); });
}

void CharacterProf::xmlConvert(std::string_view line, CharacterProf& entry) {
    std::string_view tag, value;
    if (SplitCatalogLine(line, tag, value))
        xmlAssign(value, tag, entry);
}

void CharacterProf::xmlAssign(std::string_view value, std::string_view tag, CharacterProf& entry) {
    AssignByKey(Keys(), tag, value, entry);
}

CharacterProf* CharacterProf::Find(std::string_view text) {
    return FindBeforeLast(First(), text);
}
