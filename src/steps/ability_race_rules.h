// Rules of the ability-and-race step: rolling, typed scores, trades, burns, the race list and the race pick.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/character.h" // kAbilityCount, kAbilityNames, AbilityLine

class CharacterRace;

// The abilities chosen by the three radio groups of the step and the floors that go with them.
struct AbilityChoice {
    int LowerIndex = 0; // 0 (STR) to 5 (CHA): the ability Adjust lowers by 2
    int RaiseIndex = 0; // 0 (STR) to 5 (CHA): the ability Adjust raises by 1
    int LowerFloor = 3; // the lowest score Adjust may leave in the lowered ability
    int BurnIndex = 0;  // 0 (STR) to 6 (COM): the ability Burn lowers by 1
    int BurnFloor = 3;  // the lowest score Burn may leave
};

// Radio button `button` (1 to 19: lowering STR..CHA, raising STR..CHA, burning STR..COM) chosen:
// stores its ability, and for the lowering and burning groups its floor (1 for STR, else 3).
// Any other number changes nothing.
void ChooseRadio(int button, AbilityChoice& choice);

// True while the own-dice option is on: its flag is anything but 0.
bool OwnDiceOn();

// Roll: the BP pool back to 0, seven new scores and fractions (logged), the race choice dropped,
// the tree refreshed.
void RollAbilities();

// Typed scores and fractions (STR to COM) under the own-dice option: the BP pool back to 0, each
// text read by the leading-integer rule into the record, the race choice dropped, one log line,
// the tree refreshed.
void EnterAbilities(const std::array<std::string, kAbilityCount>& scores,
                    const std::array<std::string, kAbilityCount>& fractions);

// Adjust: lowers the chosen ability by 2 and raises the other by 1 unless both are the same ability or
// the lowered score would fall below its floor; a trade is logged in two lines. Returns false when both
// choices are the same ability: then only the tree is refreshed and the step's boxes stay as they are.
// Otherwise, trade made or not, the race choice is dropped and the tree refreshed.
bool AdjustChosenAbilities(const AbilityChoice& choice);

// Burn: lowers the chosen ability by 1 for 2 BP unless that takes it below its floor, logs two lines and
// drops the race choice. Returns whether the burn was made; the tree is refreshed either way.
bool BurnChosenAbility(const AbilityChoice& choice);

// True when `race` is offered for the record's scores: every score within the race's inclusive
// range and the race's book enabled.
bool RaceFits(const CharacterRace& race);

// The catalogue entries offered for the record's scores, in catalogue order.
std::vector<CharacterRace*> RacesForScores();

// The race list's text of an entry: "<NAME>, <SEX>".
std::string RaceRowText(const CharacterRace& race);

// What the step shows of a race: the seven ability modifiers and then the BP bonus, each as "%+i".
std::array<std::string, kAbilityCount + 1> RaceModifierTexts(const CharacterRace& race);

// Kept for the character-file reader, which calls it after linking a loaded character to its race.
void StepFive();

// The race pick: links `race` into the record (race and sex texts too), logs the choice and refreshes
// the tree.
void PickRace(CharacterRace& race);

// Continue: with a race linked, appends the language skill "Language, Modern: <language>" at 100,
// moves the wizard on (kWizardBackground), adds the shown modifiers (read from `modifierTexts`, STR to COM)
// to the scores and the shown bonus to the BP pool, and logs the adjusted scores. Returns false, changing
// nothing, when no race is linked.
bool HandOverRace(const std::string& language, const std::array<std::string, kAbilityCount>& modifierTexts,
                  const std::string& bonusText);
