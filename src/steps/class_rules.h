// Rules of the class step: building points into ability fractions, class eligibility and the class pick.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "steps/ability_race_rules.h"

class CharacterClass;
class CharacterRace;

using AbilityValues = std::array<int32_t, kAbilityCount>;

// Fraction points bought by one building point.
inline constexpr int32_t kFractionPerBP = 25;
// A typed amount is held to this many BP either way, so no sum of amounts can overflow.
inline constexpr int32_t kMaxTypedBP = 10000;

// Carries a fraction above 100 into the score and borrows for one below 0, 100 per point, so the fraction
// ends in 0..100 (100 itself and 0 stay). Worked out at once however far out the fraction is; the score
// saturates at the 32-bit range.
void EqualizeAbilityScore(int32_t& score, int32_t& fraction);

// The working abilities of the class step after spending BP: the stored values plus the allotment.
struct BPAllotment {
    AbilityValues scores{};
    AbilityValues fractions{};
    AbilityValues entered{}; // BP typed per ability, held to -kMaxTypedBP..kMaxTypedBP
    int32_t spent = 0;       // sum of `entered`
    bool accepted = false;   // whether `spent` fits in the BP pool
};

// Spends the typed amounts (STR to COM, read by the leading-integer rule) on the stored scores and
// fractions: 25 fraction points per BP, each pair normalised. Accepted when the sum is at most the pool.
BPAllotment AllotBP(const AbilityValues& scores, const AbilityValues& fractions,
                    const std::array<std::string, kAbilityCount>& typed, float pool);

// The Apply of the class step: the allotment from the character's stored abilities and the pool. An
// accepted one drops the picked class and logs the previewed values; a refused one changes and logs
// nothing. The record's abilities and the pool stay as they are either way.
BPAllotment ApplyClassStepBP(const std::array<std::string, kAbilityCount>& typed);

// "Adjusting Ability Scores with BP's STR=%i/%i (%i BP) ... COM=%i/%i (%i BP)".
std::string AdjustingLine(const AbilityValues& scores, const AbilityValues& fractions,
                          const AbilityValues& entered);

// The BP-left box: the pool less `spent`, left-aligned in three places without decimals.
std::string BPLeftText(float pool, int32_t spent);

// The Comeliness modifier of the class test for a Charisma score; scores below 0 read entry 0, above
// 25 entry 25.
int32_t ComModByCharisma(int32_t charisma);

// A score and fraction read as one number the way the class limits are written: "%i.%i", so 15/7 and
// 15/70 both give 15.7 and 15/100 gives 15.1.
float ClassTestValue(int32_t score, int32_t fraction);

// Everything about the character that decides which classes it may take.
struct ClassTest {
    std::array<float, kAbilityCount> values{}; // test values, Comeliness with its modifier
    int32_t socialLevel = 0;                   // 12 while social class is not enforced
    std::array<bool, 4> bookClassFlag{};       // Magister's, Warlord's, Priest's, Rogue's Almanac
    const CharacterRace* race = nullptr;       // no race admits no class
};

// The test for the working abilities and the character record, the program's options and wizard state.
ClassTest MakeClassTest(const AbilityValues& scores, const AbilityValues& fractions);

// Whether `c` may be taken: every test value within its inclusive limits, its book enabled, its social
// requirement met, no sourcebook flag barring its type, and the race's level limits naming it.
bool ClassQualifies(const CharacterClass& c, const ClassTest& test);

// The catalogue classes the working abilities qualify for, in catalogue order.
std::vector<CharacterClass*> ClassesForAbilities(const AbilityValues& scores, const AbilityValues& fractions);

// The class pick: the last catalogue entry whose name is exactly `text` becomes the character's class
// (and long class name), and the pick is logged with its BP bonus. With no such entry nothing changes
// and null is returned.
CharacterClass* PickClass(const std::string& text);
