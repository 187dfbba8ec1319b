// The six compiled-in ability tables (Comeliness has none); read only through AbilityScores.
#pragma once

#include <array>
#include <cstdint>

// Keyed rows apply to `score` at fractions from `fractionMin` up; the other cells are the
// table's columns in display order. Text cells point at constant literals.
struct StrengthRow {
    int32_t score;
    int32_t fractionMin;
    int32_t to_hit_adj;
    int32_t Damage_adj;
    int32_t Weight_Allowance;
    int32_t Max_Press;
    const char* Open_Doors;
    int32_t Bend_Bars;
    // The four encumbrance cells hold the upper limit of each band; the lower limit is
    // one above the previous band (the first one above Weight_Allowance).
    int32_t Light_Encumbrance;
    int32_t Moderate_Encumbrance;
    int32_t Heavy_Encumbrance;
    int32_t Severe_Encumbrance;
};

struct DexterityRow {
    int32_t score;
    int32_t fractionMin;
    int32_t Defense_adj;
    int32_t Reaction_adj;
    int32_t Missile_adj;
    int32_t Pick_Pockets;
    int32_t Open_Locks;
    int32_t Find_Traps;
    int32_t Remove_Traps;
    int32_t Move_Silently;
    int32_t Hide_in_Shadows;
};

// Row i of the Constitution table belongs to score i.
struct ConstitutionRow {
    int32_t HP_Adj;
    int32_t System_Shock;
    int32_t Resurection_Survival;
    int32_t Poison_Save;
    int32_t Immunity_to_Disease;
    const char* Regeneration;
};

struct IntelligenceRow {
    int32_t score;
    int32_t fractionMin;
    int32_t Maximum_Languages;
    const char* Maximum_Spell_Level;
    int32_t Learn_Spells;
    const char* Maximum_Number_Spells;
    const char* Illussion_Immunity;
    int32_t Spell_Mishap;
};

struct WisdomRow {
    int32_t score;
    int32_t fractionMin;
    int32_t Magical_Defense;
    const char* Bonus_Spells;
    int32_t Spell_Failure;
    const char* Spell_Immunity;
    int32_t Improve_Skill;
};

// Row i of the Charisma table belongs to score i.
struct CharismaRow {
    int32_t Max_Henchmen;
    int32_t Loyalty_Base;
    int32_t Reaction_Adj;
    int32_t Com_Mod;
    int32_t Hon_Mod;
};

extern const std::array<StrengthRow, 49> StrengthTable;
extern const std::array<DexterityRow, 49> DexterityTable;
extern const std::array<ConstitutionRow, 26> ConstitutionTable;
extern const std::array<IntelligenceRow, 27> IntelligenceTable;
extern const std::array<WisdomRow, 27> WisdomTable;
extern const std::array<CharismaRow, 26> CharismaTable;
