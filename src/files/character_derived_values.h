// What the character file and the character sheet both print that is looked up or worked out at the
// moment of writing rather than stored: ability modifiers, saving throws, movement, racial texts, the
// class-dependent background blocks, and the fixed credit texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Fixed credit texts, already escaped for markup: written as they stand.
extern const char* const kGameRightsNotice;
extern const char* const kProgramCreditsNotice;

using AbilityLookUp = const std::string& (*)(const std::string& key, int score, int fraction);

struct AbilityModifier {
    const char* label; // as the files print it
    const char* key;   // the look-up's column
};

// One ability with the modifiers both files show for it, in their order.
struct AbilityRow {
    const char* full;
    const char* abbr;
    AbilityLookUp lookUp; // null for Comeliness, which has no table
    std::vector<AbilityModifier> modifiers;
    size_t inFile; // the character file carries only the first `inFile` modifiers
};

// Strength to Comeliness, in the record's order.
const std::vector<AbilityRow>& AbilityRows();

struct SavingThrow {
    const char* full;     // the character file's name ("Rods")
    const char* abbr;     // the character file's short name
    const char* saveName; // the name passed to GetSave, which the sheet prints ("Rod")
    int32_t value;
};

// The thirteen saving throws of `current_character` at its LEVEL, in the files' order: Paralyzation,
// Poison, Death Magic, Petrification, Polymorph, Rod, Staff, Wand, GoreFrenzy, GoreLust, Breath Weapon,
// Apology, Spells.
std::vector<SavingThrow> SavingThrows();

// Movement of `current_character` by encumbrance, from its race's base rate (0 without a race).
struct MovementRates {
    int32_t unencumbered;
    double light; // three quarters of the unencumbered rate
    int32_t moderate;
    int32_t heavy;
    // The Strength look-ups of the loads: the weight allowance (the upper end of the unencumbered
    // load), then the light, moderate, heavy and severe ranges.
    std::string allowance, lightLoad, moderateLoad, heavyLoad, severeLoad;
};
MovementRates CharacterMovement();

// The race entry's bonus, talent and downside texts, each list as long as its count says and no
// longer than the list holds; all empty without a race.
struct RacialTexts {
    std::vector<std::string> bonuses, talents, downsides;
};
RacialTexts CharacterRacialTexts();

// Which class-dependent blocks apply to `current_character`: a box for each class type its class entry
// has (Magic-User for a MAGE above 0, the others for a flag of exactly 1), and the background within it
// when the matching sourcebook flag is set. Nothing without a class entry.
struct ClassBlocks {
    bool magicUser = false, magicUserBackground = false;
    bool fighter = false, fighterBackground = false;
    bool cleric = false, clericBackground = false;
    bool thief = false;
};
ClassBlocks CharacterClassBlocks();

// Exactly `count` event texts: `events` cut or padded with empty texts, so a block keeps its shape.
std::vector<std::string> EventLines(const std::vector<std::string>& events, size_t count);
