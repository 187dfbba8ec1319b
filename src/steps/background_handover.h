// The background step's hand-over: the last gains of the rolls, the free quirk tables they grant, and
// which quirk window follows.
#pragma once

#include <string>
#include <vector>

struct BackgroundGains;

// Kinds of free quirk the background grants.
enum FreeQuirkKind {
    kFreeMinorQuirk = 1,
    kFreeMajorQuirk = 2,
    kFreePersonalityQuirk = 3,
};

// The quirk tables offered for a kind, in the order they are offered (exactly the quirk table's names);
// empty for any other kind.
const std::vector<std::string>& FreeQuirkTables(int kind);

// Asks, through the prompter's single choice (empty message, caption "Free Quirk or Flaw"), which table
// of the kind the player takes, again while the answer is shorter than 10 characters (Cancel answers the
// empty text), up to kMaxAsks times (AskUntilAnswered); appends it to `PendingTables` and owes one more
// quirk roll. Never answered, nothing is queued and no roll is owed.
void FreeQuirksandFlaws(int kind);

// Where Continue leads.
enum class BackgroundExit {
    Refused,       // no background roll made yet: only `QuirkRollsOwed` is back to 0
    ToHandPicking, // nothing owed: the hand-picking window
    ToRandomRolls, // free tables queued: the random-roll window
};

// Continue: `QuirkRollsOwed` to 0; refused unless `WizardState` is kWizardBackgroundRolled. Otherwise empties
// `PendingTables`, applies the birth order to the starting money, adds the parents' quality BP (each
// logged after it is added), logs and queues one free table per owed member (mother's minor, father's
// minor, mother's major, father's major, middle child), zeroes `QuirkBP`, pushes the background into the
// tree and sets `WizardState` to kWizardQuirks.
BackgroundExit HandOverBackground(const BackgroundGains& gains);
