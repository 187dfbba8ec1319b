// Rules of the hand-picking quirk step: what may be picked, the picks themselves, and the two ways on.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "quirks/quirk_flaw.h"

// What the player has picked in one hand-picking window; nothing reaches the character before Continue.
struct CherryPicks {
    std::array<int32_t, kQuirkFlawRows> picked{}; // times each row is picked here
    std::array<int32_t, kQuirkFlawRows> pickBP{}; // BP those picks earn: 2 per minor, 4 per major
    int32_t minorPicksLeft = 2;
    int32_t majorPicksLeft = 1;
};

// The rows the two choices offer: rows 1 to 799 of type 0 (minor) or 1 (major) not picked here, held
// fewer times than their maxTimes, whose book is enabled. In row order; the window's boxes sort them.
struct CherryOffers {
    std::vector<std::string> minor;
    std::vector<std::string> major;
};
CherryOffers CherryOffered(const CherryPicks& picks);

// The picks list's lines: each picked row's name, repeated by its picks.
std::vector<std::string> PickedQuirkLines(const CherryPicks& picks);

// Changes one pick. `delta` +1 picks the first row of type `type` (kQuirkMinor or kQuirkMajor) whose
// name occurs in `text`, while a pick of that kind is left and the row's held count plus its picks
// stay below its maxTimes. Every sourcebook row (books 1 to 4) whose name occurs in `text` is asked
// about first, also one then passed over; only an explicit Yes goes on. `delta` -1 takes back one
// pick of the first picked row whose name occurs in `text`, asking nothing; `type` is not read.
// Rows with an empty name never match. Returns whether a pick changed.
bool CherryPick(CherryPicks& picks, const std::string& text, int delta, int32_t type);

// Add Minor, Add Major and Remove with the choice's text or the picks list's selected line.
bool CherryAddMinor(CherryPicks& picks, const std::string& text);
bool CherryAddMajor(CherryPicks& picks, const std::string& text);
bool CherryRemove(CherryPicks& picks, const std::string& selectedLine);

// Continue: the wizard moves to the class step (kWizardClass); every row's picks join QUIRK_COUNT, its
// pick BP the BP pool and QuirkBP (overwritten, 0 where nothing was picked); each held row sets the
// sourcebook flag of its book and logs one line with the running BP; then the quirk list is built.
void CherryContinue(const CherryPicks& picks);

// Roll Randomly: asks how many rolls on table 6A (1 to 9, through AskNumberUntilAnswered), moves the
// wizard to kWizardChosenQuirkRolls with that many rolls owed and logs it; the picks are dropped, nothing is
// paid. Returns the number, or 0 when no answer came after kMaxAsks tries (headless runs answer every
// question with Cancel): then nothing changed.
int CherryRollRandomly();
