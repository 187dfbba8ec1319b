// The background step's rolls of the character's birth and parents: legitimacy and circumstances of
// birth, the parents' status, a step-mother and the parents' quality. Each follows the roll protocol
// (roll_protocol.h): a declined roll returns nullopt or false, and the caller rolls again.
#pragma once

#include <cstdint>
#include <optional>

struct BackgroundGains;

// Codes of the circumstances of an illegitimate birth, and the results of their extension roll.
enum BirthCircumstance {
    kBirthAbandoned = 1,
    kBirthRape = 2,
    kBirthProstitute = 3,
    kBirthFatherUnknown = 4,
    kBirthFatherKnown = 5,
    kBirthMotherKnown = 6,
    kBirthMotherUnknown = 7,
    kBirthAffair = 10,
    kBirthSurrogate = 20,
};

// The legitimacy d100 plus the race's `ILLIGITMOD`: "Legitimate" with "N/A" up to 90, else
// "Illegitimate" with "Unknown". Its question shows the line without the BP prefix. True when it stands.
bool BirthCircum();

// The circumstances of an illegitimate birth: d100 plus the race's `ILLIGITBIRTHMOD`, open at both ends;
// sets the parent flags and texts. An affair or a surrogate mother rolls its extension until it stands.
// Once all stands the circumstance's honor modifier is applied. Returns the code, or the extension's
// result for an affair or surrogate.
std::optional<int32_t> IlligitBirth();

// The extension roll of an affair (`kind` 10: father known or not) or a surrogate (20: mother's identity
// known or not). Sets the parent flag on every attempt; once it stands, appends ": <text>" to
// `CIRCUMSTANCE_OF_BIRTH`. Returns 4 to 7.
std::optional<int32_t> NatureofUnknown(int32_t kind);

// Logs and adds the honor modifier of a circumstance code to `PPHonorModifier`.
void EffectofIlligitimateBirth(int32_t code);

// The mother's status d100; while the father is not unknown it settles his flag and text too.
bool MomStatus();
// The father's status d100.
bool DadStatus();
// Whether the widowed father married again (d20): 1 for "No", 3 for "Yes".
std::optional<int32_t> StepParent();
// The step-mother's status d100 into `STEPPARENT`.
bool StepMother();

// A parent's quality d100 (+35 for an illegitimate character) into the quality text and, on every
// attempt, that parent's BP and quirk members of `gains`.
bool MomQuality(BackgroundGains& gains);
bool DadQuality(BackgroundGains& gains);
