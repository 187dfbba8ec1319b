#include "catalog/skill_catalog.h"

CharacterSkill CSkill;
CharacterSpell CSpell;

namespace {

using S = CharacterSkill;
using P = CharacterSpell;

const CatalogKind<CharacterSkill> kSkillKind{CharacterSkill::kFolder, "*_Skill.qxf", true,
                                             &CharacterSkill::ParseSkillXML};
const CatalogKind<CharacterSpell> kSpellKind{CharacterSpell::kFolder, "*_Spell.qxf", false,
                                             &CharacterSpell::ParseSpellXML};

} // namespace

const std::vector<CatalogKey<CharacterSkill>>& CharacterSkill::Keys() {
    // EP_ADJ and COURSE_COST fill the same field: whichever line comes last wins.
    static const std::vector<CatalogKey<CharacterSkill>> keys{
        {"<NAME", StoreAppendedText<&S::NAME>},
        {"<BOOK", StoreWhole<&S::BOOK>},
        {"<BP", StoreWhole<&S::BP>},
        {"<EP_ADJ", StoreWhole<&S::EP_ADJ>},
        {"<COURSE_COST", StoreWhole<&S::EP_ADJ>},
        {"<COURSE_DIE", StoreWhole<&S::COURSE_DIE>},
        {"<NUM_OF_COURSE_DIE", StoreWhole<&S::NUM_OF_COURSE_DIE>},
        {"<DIFFICULTY", StoreWhole<&S::DIFFICULTY>},
        {"<CATEGORY", StoreWhole<&S::CATEGORY>},
        {"<PAGE", StoreReplacedText<&S::PAGE>},
        {"<MASTERY_ABILITIES", StoreReplacedText<&S::MASTERY_ABILITIES>},
        {"<COURSE_PREREQS", StoreCountedItem<&S::COURSE_PREREQS, &S::nCOURSE_PREREQS>},
        {"<SKILL_SUITE_SUBS", StoreCountedItem<&S::SKILL_SUITE_SUBS, &S::nSKILL_SUITE_SUBS>},
        {"<EXTEND", StoreFlag<&S::EXTEND>},
    };
    return keys;
}

void CharacterSkill::LoadSkill() {
    LoadSkill(CatalogStartFolder());
}

void CharacterSkill::LoadSkill(const std::filesystem::path& startFolder) {
    LoadCatalogFolder(startFolder, kSkillKind);
}

void CharacterSkill::ParseSkillXML(const std::filesystem::path& file, CharacterSkill& entry) {
    ParseCatalogEntry(file, "</CHARACTER_SKILL", entry);
}

void CharacterSkill::xmlConvert(std::string_view line, CharacterSkill& entry) {
    ConvertCatalogLine(line, entry);
}

void CharacterSkill::xmlAssign(std::string_view value, std::string_view tag, CharacterSkill& entry) {
    AssignByKey(Keys(), tag, value, entry);
}

CharacterSkill* CharacterSkill::Find(std::string_view text) {
    return FindFirstContaining(First(), text, EntryName<CharacterSkill>);
}

const std::vector<CatalogKey<CharacterSpell>>& CharacterSpell::Keys() {
    static const std::vector<CatalogKey<CharacterSpell>> keys{
        {"<NAME", StoreAppendedText<&P::NAME>},
        {"<BOOK", StoreWhole<&P::BOOK>},
        {"<LEVEL", StoreWhole<&P::LEVEL>},
        {"<TYPE", StoreAppendedText<&P::TYPE>},
        {"<SPECIALIZATION", StoreAppendedText<&P::SPECIALIZATION>},
        {"<RANGE", StoreAppendedText<&P::RANGE>},
        {"<COMPONENT", StoreAppendedText<&P::COMPONENT>},
        {"<DURATION", StoreAppendedText<&P::DURATION>},
        {"<CASTING_TIME", StoreAppendedText<&P::CASTING_TIME>},
        {"<AREA_OF_EFFECT", StoreReplacedText<&P::AREA_OF_EFFECT>},
        {"<SAVING_THROW", StoreReplacedText<&P::SAVING_THROW>},
        {"<CATEGORY", StoreAppendedText<&P::CATEGORY>},
    };
    return keys;
}

void CharacterSpell::LoadSpell() {
    LoadSpell(CatalogStartFolder());
}

void CharacterSpell::LoadSpell(const std::filesystem::path& startFolder) {
    LoadCatalogFolder(startFolder, kSpellKind);
}

void CharacterSpell::ParseSpellXML(const std::filesystem::path& file, CharacterSpell& entry) {
    ParseCatalogEntry(file, "</CHARACTER_SPELL", entry);
}

void CharacterSpell::xmlConvert(std::string_view line, CharacterSpell& entry) {
    ConvertCatalogLine(line, entry);
}

void CharacterSpell::xmlAssign(std::string_view value, std::string_view tag, CharacterSpell& entry) {
    AssignByKey(Keys(), tag, value, entry);
}

CharacterSpell* CharacterSpell::Find(std::string_view text) {
    return FindFirstContaining(First(), text, EntryName<CharacterSpell>);
}
