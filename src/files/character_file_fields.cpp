#include "files/character_file_fields.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <type_traits>

#include "catalog/race_catalog.h"

namespace {

using S = FileSection;
using P = FilePresence;
using C = Character_Class;

template <auto Member> std::string& Text(C& c) {
    return c.*Member;
}
template <auto Member> int32_t& Number(C& c) {
    return c.*Member;
}
template <auto Member> std::vector<std::string>& Events(C& c) {
    return c.*Member;
}
template <size_t I> int32_t& Base(C& c) {
    return c.ABILITY_BASE[I];
}
template <size_t I> int32_t& Perc(C& c) {
    return c.ABILITY_PERC[I];
}
template <size_t I> SiblingText& Sibling(C& c) {
    return c.SIBLING_TEXT[I];
}
const std::string& RaceName(const CharacterRace& r) {
    return r.NAME;
}
const std::string& RaceSex(const CharacterRace& r) {
    return r.SEX;
}
template <auto List> void Item(C& c, const std::string& name, int32_t number) {
    auto node = std::make_unique<std::remove_reference_t<decltype(c.*List)>>();
    node->name = name;
    node->value = number;
    (c.*List).AddTail(std::move(node));
}
ClassDataItem& ClassRecord(C& c, const std::string& name) {
    auto owned = std::make_unique<ClassDataItem>();
    ClassDataItem& record = *owned;
    record.CLASS_NAME = name;
    c.CLASS_DATA.AddTail(std::move(owned));
    return record;
}

CharacterFileField Row(S s, const char* tag, int readOrder) {
    CharacterFileField f;
    f.section = s;
    f.tag = tag;
    f.readOrder = readOrder;
    return f;
}
CharacterFileField T(S s, const char* tag, int readOrder, std::string& (*text)(C&), P p = P::Always) {
    CharacterFileField f = Row(s, tag, readOrder);
    f.text = text;
    f.presence = p;
    return f;
}
CharacterFileField N(S s, const char* tag, int readOrder, int32_t& (*number)(C&), P p = P::Always) {
    CharacterFileField f = Row(s, tag, readOrder);
    f.number = number;
    f.presence = p;
    return f;
}
CharacterFileField E(S s, const char* tag, int readOrder, std::vector<std::string>& (*events)(C&),
                     size_t lines) {
    CharacterFileField f = Row(s, tag, readOrder);
    f.events = events;
    f.eventLines = lines;
    return f;
}
CharacterFileField I(const char* tag, int readOrder, void (*item)(C&, const std::string&, int32_t)) {
    CharacterFileField f = Row(S::Items, tag, readOrder);
    f.item = item;
    return f;
}
CharacterFileField WithAttributes(CharacterFileField f, const char* attributes) {
    f.attributes = attributes;
    return f;
}
CharacterFileField FromRace(CharacterFileField f, const std::string& (*raceText)(const CharacterRace&)) {
    f.raceText = raceText;
    return f;
}
CharacterFileField Book(CharacterFileField f, int book) {
    f.book = book;
    return f;
}

// The read order is the order the keys have always been tried in; it only tells for a damaged line
// whose tag text holds more than one key.
std::vector<CharacterFileField> BuildFileFields() {
    std::vector<CharacterFileField> f = {
        T(S::Biography, "CHARACTER_NAME", 29, Text<&C::CHARACTER_NAME>),
        Row(S::Biography, "PLAYER_NAME", -1),
        FromRace(T(S::Biography, "RACE", 12, Text<&C::RACE>), RaceName),
        T(S::Biography, "CLASS_LONG_NAME", 20, Text<&C::CLASS_LONG_NAME>),
        N(S::Biography, "LEVEL", 51, Number<&C::LEVEL>),
        T(S::Biography, "ALIGNMENT", 30, Text<&C::ALIGNMENT>),
        T(S::Biography, "SOCIAL_CLASS", 23, Text<&C::SOCIAL_CLASS>),
        N(S::Biography, "SOCIAL_ID", 52, Number<&C::SOCIAL_ID>),
        N(S::Biography, "CHARACTER_HEIGHT", 48, Number<&C::CHARACTER_HEIGHT>),
        WithAttributes(N(S::Biography, "CHARACTER_WEIGHT", 49, Number<&C::CHARACTER_WEIGHT>),
                       " UNIT=\"lbs.\""),
        FromRace(T(S::Biography, "SEX", 13, Text<&C::SEX>), RaceSex),
        T(S::Biography, "HANDEDNESS", 22, Text<&C::HANDEDNESS>),
        N(S::Biography, "AGE", 46, Number<&C::AGE>),

        N(S::Abilities, "STRENGTH_BASE", 31, Base<0>),
        N(S::Abilities, "STRENGTH_PERC", 32, Perc<0>),
        N(S::Abilities, "DEXTERITY_BASE", 33, Base<1>),
        N(S::Abilities, "DEXTERITY_PERC", 34, Perc<1>),
        N(S::Abilities, "CONSTITUTION_BASE", 35, Base<2>),
        N(S::Abilities, "CONSTITUTION_PERC", 36, Perc<2>),
        N(S::Abilities, "INTELLIGENCE_BASE", 37, Base<3>),
        N(S::Abilities, "INTELLIGENCE_PERC", 38, Perc<3>),
        N(S::Abilities, "WISDOM_BASE", 39, Base<4>),
        N(S::Abilities, "WISDOM_PERC", 40, Perc<4>),
        N(S::Abilities, "CHARISMA_BASE", 41, Base<5>),
        N(S::Abilities, "CHARISMA_PERC", 42, Perc<5>),
        N(S::Abilities, "COMELINESS_BASE", 43, Base<6>),
        N(S::Abilities, "COMELINESS_PERC", 44, Perc<6>),
        N(S::Honor, "HONOR_BASE", 45, Number<&C::HONOR_BASE>),
        N(S::HitPoints, "HIT_POINTS", 47, Number<&C::HIT_POINTS>),

        Book(T(S::MagicUser, "SCHOOL_LOCATION", 56, Text<&C::SCHOOL_LOCATION>), 0),
        T(S::MagicUser, "SCHOOL_TYPE", 57, Text<&C::SCHOOL_TYPE>),
        T(S::MagicUser, "MASTER_QUALITY_NURTURE", 58, Text<&C::MASTER_QUALITY_NURTURE>),
        T(S::MagicUser, "MASTER_QUALITY_EDUCATION", 59, Text<&C::MASTER_QUALITY_EDUCATION>),
        T(S::MagicUser, "CLASS_SIZE", 60, Text<&C::CLASS_SIZE>),
        T(S::MagicUser, "CLASS_EQUIPMENT", 61, Text<&C::CLASS_EQUIPMENT>),
        T(S::MagicUser, "CLASS_RANK", 62, Text<&C::CLASS_RANK>),

        Book(T(S::FighterCamp, "CAMP_TYPE", 63, Text<&C::CAMP_TYPE>), 1),
        T(S::FighterCamp, "CAMP_QUALITY", 64, Text<&C::CAMP_QUALITY>),
        T(S::FighterCamp, "CAMP_RESULTS", 65, Text<&C::CAMP_RESULTS>),
        WithAttributes(E(S::FighterCamp, "ACCIDENT_EVENT", 66, Events<&C::ACCIDENT_EVENT>, 2),
                       " TYPE=\"Accident\""),
        T(S::FighterSpecialty, "SPECIALTY_ASSIGNMENT", 67, Text<&C::SPECIALTY_ASSIGNMENT>),
        T(S::FighterAdvanced, "AIT_QUALITY", 68, Text<&C::AIT_QUALITY>),
        T(S::FighterHostilities, "STATE_OF_HOSTILITIES", 69, Text<&C::STATE_OF_HOSTILITIES>),
        WithAttributes(E(S::FighterHostilities, "WAR_EVENT", 70, Events<&C::WAR_EVENT>, 3), " TYPE=\"War\""),
        T(S::FighterOccupation, "OCCUPYING_FORCE_ATTITUDE", 71, Text<&C::OCCUPYING_FORCE_ATTITUDE>),
        WithAttributes(T(S::FighterOccupation, "OCCUPATION_EVENT", 72, Text<&C::OCCUPATION_EVENT>),
                       " TYPE=\"During Occupation\""),
        WithAttributes(T(S::FighterOccupation, "GUERILLA_EVENT", 73, Text<&C::GUERILLA_EVENT>),
                       " TYPE=\"Quell Guerilla Movement\""),
        WithAttributes(E(S::FighterOccupation, "NONCOMBAT_EVENT", 74, Events<&C::NONCOMBAT_EVENT>, 4),
                       " TYPE=\"Non-combat Tour\""),

        Book(T(S::Cleric, "PA_THE_CALL", 75, Text<&C::PA_THE_CALL>), 2),
        T(S::Cleric, "PA_SCHOOL_TYPE", 76, Text<&C::PA_SCHOOL_TYPE>),
        T(S::Cleric, "PA_REVEREND_SUPERIOR_COMPETENCY", 77, Text<&C::PA_REVEREND_SUPERIOR_COMPETENCY>),
        T(S::Cleric, "PA_REVEREND_SUPERIOR_PERSONALITY", 78, Text<&C::PA_REVEREND_SUPERIOR_PERSONALITY>),
        T(S::Cleric, "PA_ACCOUTREMENTS", 79, Text<&C::PA_ACCOUTREMENTS>),
        T(S::Cleric, "PA_RESIDENCY_LOCATION", 80, Text<&C::PA_RESIDENCY_LOCATION>),
        T(S::Cleric, "PA_RESIDENCY_RESULTS", 81, Text<&C::PA_RESIDENCY_RESULTS>),
        T(S::Cleric, "PA_FINAL_RESULTS", 82, Text<&C::PA_FINAL_RESULTS>),

        N(S::Coins, "GOLDCOINS", 53, Number<&C::GOLDCOINS>, P::AboveZero),
        N(S::Coins, "SILVERCOINS", 54, Number<&C::SILVERCOINS>, P::AboveZero),
        N(S::Coins, "COPPERCOINS", 55, Number<&C::COPPERCOINS>, P::AboveZero),

        T(S::Inherited, "INHERITED_WEAPON", 24, Text<&C::INHERITED_WEAPON>, P::NotEmpty),
        T(S::Inherited, "INHERITED_ARMOR", 25, Text<&C::INHERITED_ARMOR>, P::NotEmpty),
        T(S::Inherited, "INHERITED_SHIELDHELMET", 26, Text<&C::INHERITED_SHIELDHELMET>, P::NotEmpty),
        T(S::Inherited, "INHERITED_MOUNT", 27, Text<&C::INHERITED_MOUNT>, P::NotEmpty),
        T(S::Inherited, "INHERITED_DEED", 28, Text<&C::INHERITED_DEED>, P::NotEmpty),

        T(S::Family, "FAMILY_HERITAGE", 2, Text<&C::FAMILY_HERITAGE>),
        T(S::Family, "FATHER_STATUS", 18, Text<&C::FATHER_STATUS>),
        T(S::Family, "FATHER_QUALITY", 19, Text<&C::FATHER_QUALITY>),
        T(S::Family, "MOTHER_STATUS", 16, Text<&C::MOTHER_STATUS>),
        T(S::Family, "MOTHER_QUALITY", 17, Text<&C::MOTHER_QUALITY>),
        T(S::Family, "STEPPARENT", 14, Text<&C::STEPPARENT>),
        T(S::Family, "LEGITAMACY_OF_BIRTH", 1, Text<&C::LEGITAMACY_OF_BIRTH>),
        T(S::Family, "CIRCUMSTANCE_OF_BIRTH", 0, Text<&C::CIRCUMSTANCE_OF_BIRTH>),
        T(S::Family, "BIRTH_ORDER", 15, Text<&C::BIRTH_ORDER>),
        N(S::Family, "SIBLINGS", 50, Number<&C::SIBLINGS>),
    };
    SiblingText& (*const siblings[])(C&) = {Sibling<0>, Sibling<1>, Sibling<2>, Sibling<3>, Sibling<4>,
                                            Sibling<5>, Sibling<6>, Sibling<7>, Sibling<8>};
    static const char* const siblingTags[] = {"SIBLING1", "SIBLING2", "SIBLING3", "SIBLING4", "SIBLING5",
                                              "SIBLING6", "SIBLING7", "SIBLING8", "SIBLING9"};
    for (size_t i = 0; i < 9; ++i) {
        f.push_back(Row(S::Siblings, siblingTags[i], 3 + static_cast<int>(i)));
        f.back().sibling = siblings[i];
    }

    CharacterFileField classRecord = Row(S::Items, "CLASS_NAME", 21);
    classRecord.classRecord = ClassRecord;
    f.push_back(classRecord);
    f.push_back(I("SKILLNAME", 83, Item<&C::SKILL_SECTION>));
    f.push_back(I("TALENTNAME", 84, Item<&C::TALENT_SECTION>));
    f.push_back(I("PROFICIENCYNAME", 85, Item<&C::PROF_SECTION>));
    f.push_back(I("QUIRKNAME", 86, Item<&C::QUIRKANDFLAW_SECTION>));
    f.push_back(I("EQUIPNAME", 87, Item<&C::EQUIPMENT_SECTION>));
    f.push_back(I("SPELLNAME", 88, Item<&C::SPELL_SECTION>));

    for (CharacterFileField& field : f)
        field.key = std::string("<") + field.tag;
    return f;
}

} // namespace

const std::vector<CharacterFileField>& CharacterFileFields() {
    static const std::vector<CharacterFileField> fields = [] {
        std::vector<CharacterFileField> f = BuildFileFields();
        CheckFileFields(f);
        return f;
    }();
    return fields;
}

void CheckFileFields(const std::vector<CharacterFileField>& fields) {
    const auto fail = [](const CharacterFileField& f, const std::string& what) {
        throw std::logic_error(std::string("character file table: ") + f.tag + " " + what);
    };
    std::vector<const CharacterFileField*> read;
    for (size_t i = 0; i < fields.size(); ++i) {
        const CharacterFileField& f = fields[i];
        for (size_t j = 0; j < i; ++j)
            if (std::string_view(fields[j].tag) == f.tag)
                fail(f, "is named twice");
        const int places = (f.text != nullptr) + (f.number != nullptr) + (f.sibling != nullptr) +
                           (f.events != nullptr) + (f.item != nullptr) + (f.classRecord != nullptr);
        if (places > 1)
            fail(f, "has more than one place");
        if (places == 1 && f.readOrder < 0)
            fail(f, "has a place but is never read");
        if (places == 0 && f.readOrder >= 0)
            fail(f, "is read but has no place");
        if (f.section == FileSection::Items && !f.item && !f.classRecord)
            fail(f, "is in the Items section but begins no item or class record");
        if (f.section != FileSection::Items && (f.item || f.classRecord))
            fail(f, "begins an item or a class record outside the Items section");
        if (f.events && f.eventLines == 0)
            fail(f, "has events but no lines to write them on");
        if (f.book < -1 || f.book >= static_cast<int>(std::tuple_size_v<decltype(C::BOOK_CLASS_FLAG)>))
            fail(f, "sets a sourcebook flag the record does not have");
        if (f.readOrder >= 0)
            read.push_back(&f);
    }
    std::stable_sort(read.begin(), read.end(), [](const CharacterFileField* a, const CharacterFileField* b) {
        return a->readOrder < b->readOrder;
    });
    for (size_t i = 0; i < read.size(); ++i) {
        const std::string_view tag = read[i]->tag;
        if (i > 0 && read[i - 1]->readOrder == read[i]->readOrder)
            fail(*read[i], std::string("has the read order of ") + read[i - 1]->tag);
        for (size_t j = i + 1; j < read.size(); ++j)
            if (std::string_view(read[j]->tag).substr(0, tag.size()) == tag)
                fail(*read[j], "is read after " + std::string(tag) + ", which would take its lines");
    }
}

std::vector<const CharacterFileField*> FieldsOf(FileSection section) {
    std::vector<const CharacterFileField*> out;
    for (const CharacterFileField& f : CharacterFileFields())
        if (f.section == section)
            out.push_back(&f);
    return out;
}

const std::vector<const CharacterFileField*>& FieldsInReadOrder() {
    static const std::vector<const CharacterFileField*> order = [] {
        std::vector<const CharacterFileField*> out;
        for (const CharacterFileField& f : CharacterFileFields())
            if (f.readOrder >= 0)
                out.push_back(&f);
        std::sort(out.begin(), out.end(), [](const CharacterFileField* a, const CharacterFileField* b) {
            return a->readOrder < b->readOrder;
        });
        return out;
    }();
    return order;
}

const CharacterFileField& FileFieldNamed(std::string_view tag) {
    for (const CharacterFileField& f : CharacterFileFields())
        if (tag == f.tag)
            return f;
    throw std::logic_error("character file table: no element " + std::string(tag));
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
