#include "app/character.h"

#include "app/numbers.h"

Character_Class current_character;

const std::array<const char*, kAbilityCount> kAbilityNames = {
    "Strength", "Dexterity", "Constitution", "Intelligence", "Wisdom", "Charisma", "Comeliness"};

std::string AbilityLine(const std::string& prefix) {
    const auto& b = current_character.ABILITY_BASE;
    const auto& p = current_character.ABILITY_PERC;
    return prefix + Format(" STR=%i/%i DEX=%i/%i CON=%i/%i INT=%i/%i WIS=%i/%i CHR=%i/%i COM=%i/%i", b[0],
                           p[0], b[1], p[1], b[2], p[2], b[3], p[3], b[4], p[4], b[5], p[5], b[6], p[6]);
}

std::vector<std::string*> Character_Class::TextFields() {
    return {&CHARACTER_NAME,
            &RACE,
            &SEX,
            &CLASS_LONG_NAME,
            &SOCIAL_CLASS,
            &LEGITAMACY_OF_BIRTH,
            &HANDEDNESS,
            &CIRCUMSTANCE_OF_BIRTH,
            &MOTHER_STATUS,
            &FATHER_STATUS,
            &MOTHER_QUALITY,
            &FATHER_QUALITY,
            &STEPPARENT,
            &FAMILY_HERITAGE,
            &BIRTH_ORDER,
            &HONOR_DICE_TEXT,
            &INHERITED_WEAPON,
            &INHERITED_ARMOR,
            &INHERITED_SHIELDHELMET,
            &INHERITED_MOUNT,
            &INHERITED_DEED,
            &ALIGNMENT,
            &SCHOOL_LOCATION,
            &SCHOOL_TYPE,
            &MASTER_QUALITY_NURTURE,
            &MASTER_QUALITY_EDUCATION,
            &CLASS_SIZE,
            &CLASS_EQUIPMENT,
            &CLASS_RANK,
            &FINAL_OUTCOME,
            &CAMP_TYPE,
            &CAMP_QUALITY,
            &CAMP_RESULTS,
            &SPECIALTY_ASSIGNMENT,
            &AIT_QUALITY,
            &STATE_OF_HOSTILITIES,
            &OCCUPYING_FORCE_ATTITUDE,
            &OCCUPATION_EVENT,
            &GUERILLA_EVENT,
            &PA_THE_CALL,
            &PA_SCHOOL_TYPE,
            &PA_REVEREND_SUPERIOR_COMPETENCY,
            &PA_REVEREND_SUPERIOR_PERSONALITY,
            &PA_ACCOUTREMENTS,
            &PA_RESIDENCY_LOCATION,
            &PA_RESIDENCY_RESULTS,
            &PA_FINAL_RESULTS};
}
