// The free weapon proficiency a fighter's basic training grants: what may be chosen, and taking it.
#pragma once

#include <string>
#include <vector>

// The weapon proficiencies the character's class may take for free under `type`, in catalogue order and
// not de-duplicated: entries of enabled books with TYPE 0 whose name occurs in one of the class's weapon
// texts (the catalogue's blank last entry aside). Empty unless `type` contains "Melee Weapon" and the
// character has a class.
std::vector<std::string> FreeWeaponProfChoices(const std::string& type);

// Takes `name` as a free proficiency at rating 1 ("Basic"): only when the catalogue knows it, a slot is
// left (PROF_SLOTS above 0) and the character holds no proficiency of exactly that name. Uses one slot,
// no BP, and logs "Purchasing Proficieny <name> for free". Returns whether it was taken.
bool TakeFreeWeaponProf(const std::string& name);
