#include "files/character_file_fields.h"

#include "catalog/race_catalog.h"

namespace {

template <auto Member> std::string& Text(Character_Class& c) {
    return c.*Member;
}
template <auto Member> int32_t& Number(Character_Class& c) {
    return c.*Member;
}
template <size_t I> int32_t& Base(Character_Class& c) {
    return c.ABILITY_BASE[I];
}
template <size_t I> int32_t& Perc(Character_Class& c) {
    return c.ABILITY_PERC[I];
}
template <size_t I> SiblingText& Sibling(Character_Class& c) {
    return c.SIBLING_TEXT[I];
}
const std::string& RaceName(const CharacterRace& r) {
    return r.NAME;
}
const std::string& RaceSex(const CharacterRace& r) {
    return r.SEX;
}

using S = FileSection;
using P = FilePresence;
using C = Character_Class;

CharacterFileField T(S s, const char* tag, std::string& (*text)(C&), P p = P::Always) {
    return {s, tag, "", p, text, nullptr, nullptr, nullptr};
}
CharacterFileField N(S s, const char* tag, int32_t& (*number)(C&), P p = P::Always,
                     const char* attributes = "") {
    return {s, tag, attributes, p, nullptr, number, nullptr, nullptr};
}

} // namespace

const std::vector<CharacterFileField>& CharacterFileFields() {
    static const std::vector<CharacterFileField> fields = [] {
        std::vector<CharacterFileField> f = {
            T(S::Biography, "CHARACTER_NAME", Text<&C::CHARACTER_NAME>),
            {S::Biography, "PLAYER_NAME", "", P::Always, nullptr, nullptr, nullptr, nullptr},
            {S::Biography, "RACE", "", P::Always, Text<&C::RACE>, nullptr, nullptr, RaceName},
            T(S::Biography, "CLASS_LONG_NAME", Text<&C::CLASS_LONG_NAME>),
            N(S::Biography, "LEVEL", Number<&C::LEVEL>),
            T(S::Biography, "ALIGNMENT", Text<&C::ALIGNMENT>),
            T(S::Biography, "SOCIAL_CLASS", Text<&C::SOCIAL_CLASS>),
            N(S::Biography, "SOCIAL_ID", Number<&C::SOCIAL_ID>),
            N(S::Biography, "CHARACTER_HEIGHT", Number<&C::CHARACTER_HEIGHT>),
            N(S::Biography, "CHARACTER_WEIGHT", Number<&C::CHARACTER_WEIGHT>, P::Always, " UNIT=\"lbs.\""),
            {S::Biography, "SEX", "", P::Always, Text<&C::SEX>, nullptr, nullptr, RaceSex},
            T(S::Biography, "HANDEDNESS", Text<&C::HANDEDNESS>),
            N(S::Biography, "AGE", Number<&C::AGE>),

            N(S::Abilities, "STRENGTH_BASE", Base<0>),
            N(S::Abilities, "STRENGTH_PERC", Perc<0>),
            N(S::Abilities, "DEXTERITY_BASE", Base<1>),
            N(S::Abilities, "DEXTERITY_PERC", Perc<1>),
            N(S::Abilities, "CONSTITUTION_BASE", Base<2>),
            N(S::Abilities, "CONSTITUTION_PERC", Perc<2>),
            N(S::Abilities, "INTELLIGENCE_BASE", Base<3>),
            N(S::Abilities, "INTELLIGENCE_PERC", Perc<3>),
            N(S::Abilities, "WISDOM_BASE", Base<4>),
            N(S::Abilities, "WISDOM_PERC", Perc<4>),
            N(S::Abilities, "CHARISMA_BASE", Base<5>),
            N(S::Abilities, "CHARISMA_PERC", Perc<5>),
            N(S::Abilities, "COMELINESS_BASE", Base<6>),
            N(S::Abilities, "COMELINESS_PERC", Perc<6>),
            N(S::Honor, "HONOR_BASE", Number<&C::HONOR_BASE>),
            N(S::HitPoints, "HIT_POINTS", Number<&C::HIT_POINTS>),

            T(S::MagicUser, "SCHOOL_LOCATION", Text<&C::SCHOOL_LOCATION>),
            T(S::MagicUser, "SCHOOL_TYPE", Text<&C::SCHOOL_TYPE>),
            T(S::MagicUser, "MASTER_QUALITY_NURTURE", Text<&C::MASTER_QUALITY_NURTURE>),
            T(S::MagicUser, "MASTER_QUALITY_EDUCATION", Text<&C::MASTER_QUALITY_EDUCATION>),
            T(S::MagicUser, "CLASS_SIZE", Text<&C::CLASS_SIZE>),
            T(S::MagicUser, "CLASS_EQUIPMENT", Text<&C::CLASS_EQUIPMENT>),
            T(S::MagicUser, "CLASS_RANK", Text<&C::CLASS_RANK>),

            T(S::FighterCamp, "CAMP_TYPE", Text<&C::CAMP_TYPE>),
            T(S::FighterCamp, "CAMP_QUALITY", Text<&C::CAMP_QUALITY>),
            T(S::FighterCamp, "CAMP_RESULTS", Text<&C::CAMP_RESULTS>),
            T(S::FighterSpecialty, "SPECIALTY_ASSIGNMENT", Text<&C::SPECIALTY_ASSIGNMENT>),
            T(S::FighterAdvanced, "AIT_QUALITY", Text<&C::AIT_QUALITY>),
            T(S::FighterHostilities, "STATE_OF_HOSTILITIES", Text<&C::STATE_OF_HOSTILITIES>),
            T(S::FighterOccupation, "OCCUPYING_FORCE_ATTITUDE", Text<&C::OCCUPYING_FORCE_ATTITUDE>),
            {S::FighterOccupation, "OCCUPATION_EVENT", " TYPE=\"During Occupation\"", P::Always,
             Text<&C::OCCUPATION_EVENT>, nullptr, nullptr, nullptr},
            {S::FighterOccupation, "GUERILLA_EVENT", " TYPE=\"Quell Guerilla Movement\"", P::Always,
             Text<&C::GUERILLA_EVENT>, nullptr, nullptr, nullptr},

            T(S::Cleric, "PA_THE_CALL", Text<&C::PA_THE_CALL>),
            T(S::Cleric, "PA_SCHOOL_TYPE", Text<&C::PA_SCHOOL_TYPE>),
            T(S::Cleric, "PA_REVEREND_SUPERIOR_COMPETENCY", Text<&C::PA_REVEREND_SUPERIOR_COMPETENCY>),
            T(S::Cleric, "PA_REVEREND_SUPERIOR_PERSONALITY", Text<&C::PA_REVEREND_SUPERIOR_PERSONALITY>),
            T(S::Cleric, "PA_ACCOUTREMENTS", Text<&C::PA_ACCOUTREMENTS>),
            T(S::Cleric, "PA_RESIDENCY_LOCATION", Text<&C::PA_RESIDENCY_LOCATION>),
            T(S::Cleric, "PA_RESIDENCY_RESULTS", Text<&C::PA_RESIDENCY_RESULTS>),
            T(S::Cleric, "PA_FINAL_RESULTS", Text<&C::PA_FINAL_RESULTS>),

            N(S::Coins, "GOLDCOINS", Number<&C::GOLDCOINS>, P::AboveZero),
            N(S::Coins, "SILVERCOINS", Number<&C::SILVERCOINS>, P::AboveZero),
            N(S::Coins, "COPPERCOINS", Number<&C::COPPERCOINS>, P::AboveZero),

            T(S::Inherited, "INHERITED_WEAPON", Text<&C::INHERITED_WEAPON>, P::NotEmpty),
            T(S::Inherited, "INHERITED_ARMOR", Text<&C::INHERITED_ARMOR>, P::NotEmpty),
            T(S::Inherited, "INHERITED_SHIELDHELMET", Text<&C::INHERITED_SHIELDHELMET>, P::NotEmpty),
            T(S::Inherited, "INHERITED_MOUNT", Text<&C::INHERITED_MOUNT>, P::NotEmpty),
            T(S::Inherited, "INHERITED_DEED", Text<&C::INHERITED_DEED>, P::NotEmpty),

            T(S::Family, "FAMILY_HERITAGE", Text<&C::FAMILY_HERITAGE>),
            T(S::Family, "FATHER_STATUS", Text<&C::FATHER_STATUS>),
            T(S::Family, "FATHER_QUALITY", Text<&C::FATHER_QUALITY>),
            T(S::Family, "MOTHER_STATUS", Text<&C::MOTHER_STATUS>),
            T(S::Family, "MOTHER_QUALITY", Text<&C::MOTHER_QUALITY>),
            T(S::Family, "STEPPARENT", Text<&C::STEPPARENT>),
            T(S::Family, "LEGITAMACY_OF_BIRTH", Text<&C::LEGITAMACY_OF_BIRTH>),
            T(S::Family, "CIRCUMSTANCE_OF_BIRTH", Text<&C::CIRCUMSTANCE_OF_BIRTH>),
            T(S::Family, "BIRTH_ORDER", Text<&C::BIRTH_ORDER>),
            N(S::Family, "SIBLINGS", Number<&C::SIBLINGS>),
        };
        SiblingText& (*const siblings[])(C&) = {Sibling<0>, Sibling<1>, Sibling<2>, Sibling<3>, Sibling<4>,
                                                Sibling<5>, Sibling<6>, Sibling<7>, Sibling<8>};
        static const char* const siblingTags[] = {"SIBLING1", "SIBLING2", "SIBLING3", "SIBLING4", "SIBLING5",
                                                  "SIBLING6", "SIBLING7", "SIBLING8", "SIBLING9"};
        for (size_t i = 0; i < 9; ++i)
            f.push_back({S::Siblings, siblingTags[i], "", P::Always, nullptr, nullptr, siblings[i], nullptr});
        return f;
    }();
    return fields;
}

std::vector<const CharacterFileField*> FieldsOf(FileSection section) {
    std::vector<const CharacterFileField*> out;
    for (const CharacterFileField& f : CharacterFileFields())
        if (f.section == section)
            out.push_back(&f);
    return out;
}

const CharacterFileField* FindFileField(std::string_view tag) {
    for (const CharacterFileField& f : CharacterFileFields())
        if (tag == f.tag)
            return &f;
    return nullptr;
}

const std::vector<ClassLevelColumn>& ClassLevelColumns() {
    static const std::vector<ClassLevelColumn> columns = {
        {"CLASS_HITPOINTS", &ClassDataItem::CLASS_HITPOINTS},
        {"CLASS_STR_GROW", &ClassDataItem::CLASS_STR_GROW},
        {"CLASS_DEX_GROW", &ClassDataItem::CLASS_DEX_GROW},
        {"CLASS_CON_GROW", &ClassDataItem::CLASS_CON_GROW},
        {"CLASS_INT_GROW", &ClassDataItem::CLASS_INT_GROW},
        {"CLASS_WIS_GROW", &ClassDataItem::CLASS_WIS_GROW},
        {"CLASS_CHR_GROW", &ClassDataItem::CLASS_CHR_GROW}, // "CHR", not "CHA", as files have always had it
        {"CLASS_COM_GROW", &ClassDataItem::CLASS_COM_GROW},
        {"CLASS_PICK_POCKETS", &ClassDataItem::CLASS_PICK_POCKETS},
        {"CLASS_OPEN_LOCKS", &ClassDataItem::CLASS_OPEN_LOCKS},
        {"CLASS_FIND_TRAPS", &ClassDataItem::CLASS_FIND_TRAPS},
        {"CLASS_REMOVE_TRAPS", &ClassDataItem::CLASS_REMOVE_TRAPS},
        {"CLASS_MOVE_SILENTLY", &ClassDataItem::CLASS_MOVE_SILENTLY},
        {"CLASS_HIDE_IN_SHADOWS", &ClassDataItem::CLASS_HIDE_IN_SHADOWS},
        {"CLASS_DETECT_NOISE", &ClassDataItem::CLASS_DETECT_NOISE},
        {"CLASS_CLIMB_WALLS", &ClassDataItem::CLASS_CLIMB_WALLS},
        {"CLASS_READ_LANGUAGES", &ClassDataItem::CLASS_READ_LANGUAGES},
    };
    return columns;
}
