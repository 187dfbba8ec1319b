// Loading of the seven game-data catalogues at start-up.
#pragma once

// Loads races, classes, skills, spells, talents, proficiencies and equipment, in that order, from
// their folders under the working directory.
void LoadCatalogues();

// Empties the seven catalogues; loading appends, so a second load starts from this.
void ClearCatalogues();
