// Dice faces that make the ability roll come out as a test wants it.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

using Scores = std::array<int32_t, 7>;

// The faces of one roll of the seven abilities, ability by ability: the score (3 to 18) as three dice,
// then the fraction as one die.
std::vector<int32_t> RollFaces(const Scores& scores, const Scores& fractions);
