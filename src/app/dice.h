// The program's one random generator and the dice rolled on it.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// The next 32-bit output of the generator; seeded from the clock at the first draw of the run.
uint32_t VOLDrand();

// `count` dice of `sides` sides. Without penetration the sum plus `modifier`; with penetration every
// highest face adds a die, the modifier goes on every die and every die after the first counts one less.
// 0 when `count` or `sides` is below 1.
int32_t DiceRollAll(int32_t sides, int32_t count, int32_t modifier, int32_t penetrate);
int32_t DiceRoll(int32_t sides, int32_t count);
int32_t DiceRollM(int32_t sides, int32_t count, int32_t modifier);
int32_t DiceRollPen(int32_t sides, int32_t count);
int32_t DiceRollPenM(int32_t sides, int32_t count, int32_t modifier);

// Inputs of the honor-aware rolls; nothing in the program changes them.
extern std::string HonorText;
extern std::string Package;
extern std::string szTempQuirk;

int32_t HonorMod();
int32_t ScholarMod();
int32_t DiceRollHonor(int32_t sides, int32_t count);
int32_t DiceRollMHonor(int32_t sides, int32_t count, int32_t modifier);
int32_t DiceRollPenHonor(int32_t sides, int32_t count);
int32_t DiceRollPenMHonor(int32_t sides, int32_t count, int32_t modifier);

// Rolls the seven abilities (3d6 score, then 1d100 fraction, ability by ability) and logs them.
void RollStats();

// Test seams.
namespace dice {
// Seeds the generator from `word` (made odd) as the clock would: the next 25 outputs are its tempered words.
void SetSeedWord(uint32_t word);
// Back to the state at program start: unseeded, nothing queued.
void ResetGenerator();
// The next dice show these faces, in order, before the generator is drawn again.
void QueueFaces(std::initializer_list<int32_t> faces);
void QueueFaces(const std::vector<int32_t>& faces);
size_t QueuedFaces();
// The tempering step, exposed so tests can derive expected outputs from the state words.
uint32_t Temper(uint32_t y);
} // namespace dice
