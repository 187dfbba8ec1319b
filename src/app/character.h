// The record of the one character being created, saved or loaded.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/item_lists.h"
#include "app/quirk_rows.h"

class CharacterRace;
class CharacterClass;

// The seven abilities, in record order STR, DEX, CON, INT, WIS, CHA, COM.
inline constexpr int kAbilityCount = 7;
// Their names, as the log lines, the tree and the step windows show them.
extern const std::array<const char*, kAbilityCount> kAbilityNames;

// A sibling description, bounded so no text runs past its entry. The longest one the background step
// writes (an illegitimate identical twin of an affair, father unknown) has 139 characters.
class SiblingText {
public:
    static constexpr size_t kMaxLength = 160;
    SiblingText& operator=(const std::string& text) {
        text_ = text.substr(0, kMaxLength);
        return *this;
    }
    SiblingText& operator+=(const std::string& text) {
        text_ += text.substr(0, kMaxLength - text_.size());
        return *this;
    }
    const std::string& str() const { return text_; }
    const char* c_str() const { return text_.c_str(); }
    bool empty() const { return text_.empty(); }
    void clear() { text_.clear(); }

private:
    std::string text_;
};

// Field names are the element names of the character file wherever the file carries them.
class Character_Class {
public:
    std::array<int32_t, kAbilityCount> ABILITY_BASE{}; // STR, DEX, CON, INT, WIS, CHA, COM
    std::array<int32_t, kAbilityCount> ABILITY_PERC{}; // percentile fraction of each score
    CharacterRace* pRace = nullptr;
    CharacterClass* pClass = nullptr;

    SkillDataItem SKILL_SECTION;
    SpellDataItem SPELL_SECTION;
    TalentDataItem TALENT_SECTION;
    ProfDataItem PROF_SECTION;
    QuirkDataItem QUIRKANDFLAW_SECTION;
    EquipDataItem EQUIPMENT_SECTION;
    ClassDataItem CLASS_DATA;

    int32_t HONOR_MOD = 0;
    int32_t AGE = 0;
    int32_t CHARACTER_HEIGHT = 0;
    int32_t CHARACTER_WEIGHT = 0;
    int32_t SOCIAL_ID = 0;
    int32_t ABANDONED = 0;
    int32_t MOTHER_ALIVE = 0;
    int32_t FATHER_ALIVE = 0;
    int32_t SIBLINGS = 0;
    int32_t HONOR_BASE = 0;
    int32_t HIT_POINTS = 0;
    int32_t GOLDCOINS = 0;
    int32_t SILVERCOINS = 0;
    int32_t COPPERCOINS = 0;
    int32_t HEREDITARY_DEBT = 0;
    int32_t PROF_SLOTS = 0;
    int32_t LEVEL = 0;
    int32_t SPECIALIZED = 0;
    int32_t HONOR_DIE = 0;
    int32_t HONOR_DIE_BONUS = 0;
    std::array<int32_t, kThiefSkillCount> THIEF_SKILLS{}; // PP, OL, FT, RT, MS, HS, DN, CW, RL

    std::string CHARACTER_NAME;
    std::string RACE;
    std::string SEX;
    std::string CLASS_LONG_NAME;
    std::string SOCIAL_CLASS;
    std::string LEGITAMACY_OF_BIRTH;
    std::string HANDEDNESS;
    std::string CIRCUMSTANCE_OF_BIRTH;
    std::string MOTHER_STATUS;
    std::string FATHER_STATUS;
    std::string MOTHER_QUALITY;
    std::string FATHER_QUALITY;
    std::string STEPPARENT;
    std::string FAMILY_HERITAGE;
    std::string BIRTH_ORDER;
    std::string HONOR_DICE_TEXT;
    std::string INHERITED_WEAPON;
    std::string INHERITED_ARMOR;
    std::string INHERITED_SHIELDHELMET;
    std::string INHERITED_MOUNT;
    std::string INHERITED_DEED;
    std::string ALIGNMENT;
    std::string SCHOOL_LOCATION;
    std::string SCHOOL_TYPE;
    std::string MASTER_QUALITY_NURTURE;
    std::string MASTER_QUALITY_EDUCATION;
    std::string CLASS_SIZE;
    std::string CLASS_EQUIPMENT;
    std::string CLASS_RANK;
    std::string FINAL_OUTCOME;
    std::string CAMP_TYPE;
    std::string CAMP_QUALITY;
    std::string CAMP_RESULTS;
    std::vector<std::string> ACCIDENT_EVENT;
    std::string SPECIALTY_ASSIGNMENT;
    std::string AIT_QUALITY;
    std::string STATE_OF_HOSTILITIES;
    std::vector<std::string> WAR_EVENT;
    std::string OCCUPYING_FORCE_ATTITUDE;
    std::string OCCUPATION_EVENT;
    std::string GUERILLA_EVENT;
    std::vector<std::string> NONCOMBAT_EVENT;
    std::string PA_THE_CALL;
    std::string PA_SCHOOL_TYPE;
    std::string PA_REVEREND_SUPERIOR_COMPETENCY;
    std::string PA_REVEREND_SUPERIOR_PERSONALITY;
    std::string PA_ACCOUTREMENTS;
    std::string PA_RESIDENCY_LOCATION;
    std::string PA_RESIDENCY_RESULTS;
    std::string PA_FINAL_RESULTS;

    std::array<SiblingText, 10> SIBLING_TEXT{}; // entry i belongs to sibling i + 1
    QuirkCounts QUIRK_COUNT;                    // times each quirk-table row is held
    // Magister's, Warlord's, Priest's, Rogue's Almanac: note this differs from the option flags' order.
    std::array<bool, 4> BOOK_CLASS_FLAG{};

    // Every text field, in declaration order, so the reset and the file code can walk them.
    std::vector<std::string*> TextFields();
    std::vector<std::vector<std::string>*> TextLists() {
        return {&ACCIDENT_EVENT, &WAR_EVENT, &NONCOMBAT_EVENT};
    }
};

// The one character: every step, the tree and the files read and write it directly.
extern Character_Class current_character;

// "<prefix> STR=%i/%i DEX=... COM=%i/%i" from the record's scores and fractions: the one form of the
// ability log lines.
std::string AbilityLine(const std::string& prefix);
