// The background step's rolls of age, height, weight, handedness and social class. Each follows the roll
// protocol (roll_protocol.h): a declined roll returns nullopt or false, and the caller rolls again.
#pragma once

#include <cstdint>
#include <optional>

class CharacterRace;

// The record's race, or an empty entry (every number 0, every text empty) while none is chosen.
const CharacterRace& RaceOrNone();

// Race's base age plus its age dice (0 and no dice without a race). The total is not stored.
std::optional<int32_t> GenerateAge();
std::optional<int32_t> RollHeight();
std::optional<int32_t> RollWeight();

// Handedness into `HANDEDNESS`: every race whose name contains "Elf" is ambidextrous without a roll;
// otherwise a d100 on the table of the Dexterity score and of Dwarf or Gnome races. True when it stands.
bool HandenessRoll();

// The social-class d100: empties and rebuilds `SOCIAL_CLASS` and returns the band's code (1 for the
// slave band, else 4 to 12).
std::optional<int32_t> SocialRoll();
// The slave nature d20: returns 1, 2 or 3 and, once it stands, appends ", <nature>" to `SOCIAL_CLASS`.
std::optional<int32_t> SlaveClass();

// The money and honor modifiers of a social-class code (codes 4 and below alike, 12 and above alike).
struct SocialModifiers {
    int32_t money = 0;
    int32_t honor = 0;
};
SocialModifiers SocialModifiersFor(int32_t socialId);

// Adds the modifiers of the record's `SOCIAL_ID` to `PPMoneyModifier` and then `PPHonorModifier`, each
// logged before it is added. `PPHonorModifier` is a logged running figure only: the starting honor
// applies its own social-class adjustment.
void SocialEffect();
