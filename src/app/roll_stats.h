// The roll of a new character's abilities: dice and log line together, apart from the generator itself.
#pragma once

// Rolls the seven abilities (3d6 score, then 1d100 fraction, ability by ability) and logs them.
void RollStats();
