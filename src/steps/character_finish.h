// The last rules of a creation: leftover BP cashed in as gold, the alignment, the starting hit points
// and the character's name.
#pragma once

#include <optional>
#include <string>

// While the pool is above 0: adds pool x 25 gold (the fraction dropped) to GOLDCOINS, tells the player
// in an OK/Cancel box ("Character Creation: Step 13"; either answer goes on) and empties the pool.
// A pool of 0 or less changes nothing and shows nothing.
void CashInBuildingPoints();

// ALIGNMENT := `alignment`, logged as "Alignment = %s".
void TakeAlignment(const std::string& alignment);

// How the hit points of a character with several classes are averaged: the alignment step halves the
// sum whatever the number of classes, the purchase step divides it by that number.
enum class HitPointAverage { Halved, ByClassCount };

// Rolls the level-1 hit points of every class the character has (a record without a catalogue class
// is skipped): entry 0 of its CLASS_HITPOINTS the class's KICKER, entry 1 the logged roll, both added
// to HIT_POINTS; with more than one class the sum is then divided as `average` says.
void RollStartingHitPoints(HitPointAverage average);

// The character's name question ("Enter Name") with `current` as its default; nothing when cancelled.
std::optional<std::string> CharacterNameQuestion(const std::string& current);

// Asks the character's name ("Enter Name"); a cancelled question gives an empty name.
void AskCharacterName();

// What ends every creation once the alignment is taken: the starting hit points, averaged as `average`
// says, then the name.
void FinishCharacter(HitPointAverage average);

// Where the purchase step's Continue leads.
enum class PurchaseExit {
    ToAlignment, // Wisdom above 5: the alignment step chooses, and nothing else is done here
    ToEquipment, // Wisdom 5 or less: the character is finished as Neutral, the equipment window follows
};

// The purchase step's hand-over, once its window has closed. With Wisdom (ABILITY_BASE entry 4) above 5
// it does nothing: the alignment step follows. Otherwise the character takes "Neutral" (logged), its hit
// points are rolled with the sum divided by the number of classes, its name is asked, and `WizardState`
// becomes kWizardEquipment, so the equipment window that follows belongs to the creation.
PurchaseExit EndPurchaseStep();
