// The background step's rolls of age, height, weight, handedness, social class, family heritage and
// order of birth. Each follows the roll
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

// Family heritage into `FAMILY_HERITAGE`. True when it stands.
bool FamilyHeritage();

// Order of birth into `BIRTH_ORDER`, on the row of |`SIBLINGS`| bounded to 1..9. Sets `middleChildQuirks`
// to 1 for a "Middle born" text, else 0, on every attempt. True when it stands.
bool OrderofBirth(int32_t& middleChildQuirks);

// The birth order's modifier of the starting money: logged, then added to `PPMoneyModifier`. The
// abandoned get -20 whatever their order; an empty or "Middle born" order gives 0.
void EffofBirth();
