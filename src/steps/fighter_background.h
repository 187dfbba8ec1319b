// The fighter background tables: training camp (2C), quality (2D) and results (2E) of basic training.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The six bands of a 3d6 total plus modifiers, shared by the three tables: 0 for 3 or less, 1 for 4
// to 7, 2 for 8 to 10, 3 for 11 to 15, 4 for 16 to 18, 5 for 19 or more.
int FighterBand(int32_t total);

// Table 2C's modifier for the character's social-class code (3 or less -10 ... 12 or more +9).
int32_t SocialClassModifier(int32_t socialId);
// Table 2C's Charisma term: the Charisma table's "Reaction_Adj" text read as a whole number, its
// absolute value halved (never negative).
int32_t CharismaTerm(const std::string& reactionAdj);
// The same for the character's Charisma score and fraction.
int32_t CharacterCharismaTerm();

// Each band's result text and the modifier it hands to the next table.
struct FighterBandResult {
    const char* text;
    int32_t next;
};
const FighterBandResult& TrainingCampBand(int band);
const FighterBandResult& BasicTrainingQualityBand(int band);
// Table 2E's result text of a band (its `next` is the honor change: -2 in the lowest band, else 0).
const FighterBandResult& TrainingResultsBand(int band);

// The proficiency types a chooser is opened with.
inline constexpr const char* kMeleeWeapon = "Melee Weapon";
inline constexpr const char* kMeleeWeaponLimited = "Melee Weapon Limited";

// The log texts of the tables, without the result text that follows each.
std::string TrainingCampLogText(const std::string& method, int32_t roll, int32_t social,
                                const std::string& socialClass, int32_t charisma, int32_t total);
std::string BasicTrainingQualityLogText(const std::string& method, int32_t roll, int32_t modifier,
                                        int32_t total);
std::string TrainingResultsLogText(const std::string& method, int32_t roll, int32_t modifier, int32_t total);
// The whole line of the weapon-training roll: its roll, the outcome and the 2E result text.
std::string WeaponTrainingLogText(const std::string& method, int32_t roll, const std::string& resultText);
// The chooser type the weapon-training roll gives: 1 to 50 the limited one, 51 to 100 the full one.
const char* WeaponTrainingType(int32_t roll);

// One roll of a table by the roll protocol (3d6, own dice, log line, the paid re-roll). Each returns false
// when the player declined the roll and paid for a new one, true when it stands: then its text is in
// `current_character` (CAMP_TYPE, CAMP_QUALITY, CAMP_RESULTS). The modifier handed on is set either way.
bool RollTrainingCamp(int32_t& campModifier);
bool RollBasicTrainingQuality(int32_t campModifier, int32_t& trainingModifier);
// A standing 2E roll also changes HONOR_MOD and calls `openChooser` with the proficiency type of every
// band that grants one (after the weapon-training roll in the band 4 to 7, whose log line follows the call).
bool RollTrainingResults(int32_t trainingModifier,
                         const std::function<void(const std::string&)>& openChooser);
