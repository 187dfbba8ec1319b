// The reset that prepares a new character.
#pragma once

#include <string>

// What the reset asks of the folders above the foundation. Each is defined there (the tree in ui/, the
// quirk table in quirks/), so the foundation includes none of their headers.
void ResetCharacterTree();  // empties the character tree
void ResetQuirkFlawTable(); // fills the quirk-and-flaw table afresh

// Puts the quirk table, the character record and the wizard state back to their starting values,
// re-reads the options, empties the tree, starts the dice-log file afresh and logs one line.
void Clear_All();

// Makes `buffer` the empty text and returns it.
std::string& Clear_String(std::string& buffer);

// Kept for the quirk steps, which call it on entry; the table is already filled by the reset.
void LoadQuirksandFlaws();
