// The program's one random generator and the dice rolled on it.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
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

// Test seams.
namespace dice {
// One roll asked for: `count` dice of `sides` sides.
struct Roll {
    int32_t count;
    int32_t sides;
    friend bool operator==(const Roll& a, const Roll& b) { return a.count == b.count && a.sides == b.sides; }
    friend bool operator!=(const Roll& a, const Roll& b) { return !(a == b); }
};

// Thrown when a queued face cannot show on the die asked for (outside 1..sides): either the test queued
// a wrong face or the code asks a wrong die. The rest of the queue is dropped with it.
class RefusedFace : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Seeds the generator from `word` (made odd) as the clock would: the next 25 outputs are its tempered words.
void SetSeedWord(uint32_t word);
// Back to the state at program start: unseeded, nothing queued, no roll recorded (recording stays as set).
void ResetGenerator();
// The next dice show these faces, in order, before the generator is drawn again. Each face must fit the
// die it lands on, or that roll throws RefusedFace.
void QueueFaces(std::initializer_list<int32_t> faces);
void QueueFaces(const std::vector<int32_t>& faces);
size_t QueuedFaces();
// Whether every roll asked for is recorded, in order, queued faces or not. Off in the program, which would
// only grow the record; the test programs turn it on.
void RecordRolls(bool on);
// The rolls asked for since the last reset while recording was on, rolls of no dice or no sides included.
const std::vector<Roll>& RollsAsked();
// The tempering step, exposed so tests can derive expected outputs from the state words.
uint32_t Temper(uint32_t y);
} // namespace dice
