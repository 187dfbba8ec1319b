// The background step's siblings: how many, legitimate or not, and one description per sibling. Each
// roll follows the roll protocol (roll_protocol.h); a declined detail roll costs its BP without a log line.
#pragma once

#include <cstdint>
#include <optional>

// The sibling count d100: 0 to 9, or for 96-100 minus an illegitimate count rolled on a d4 (-1 to -4).
std::optional<int32_t> SiblingCount();
// The illegitimate count d4: minus the number rolled.
std::optional<int32_t> IllSiblingCount();

// The detail rolls of sibling `i` (0-based; the log shows i + 1). Each appends its text to
// `SIBLING_TEXT`[i] once it stands; the sex roll first starts the entry afresh with "This sibling is ".
bool SiblingSex(int i);
bool SiblingDeadorAlive(int i);
bool SiblingRivalry(int i);
bool SiblingTwin(int i);
// The nature of an illegitimate sibling's birth, on the d100 less 10 (every value of 15 or less is the
// first band). Returns 2 for an affair, else 1.
std::optional<int32_t> SiblingIllNature(int i);
bool SiblingKnownUnknownFather(int i);

// Rolls the description of every sibling of the record's count in turn (at most the ten entries).
void SiblingSetup();
