// Rules of the age-and-money step: the class's age dice, the starting gold with its hereditary debt and
// inheritance, and the hand-over that stores the inherited items and the starting honor.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the money roll leaves for the inheritance message.
struct InheritanceRoll {
    int32_t inheritanceLevel = 0; // 0 (nothing inherited) or 2 to 5: how many inheritance tables are rolled
    std::string inheritanceText;  // the "Inheritance" message, or the debt or broke text (never shown)
};

// A band of the money table: totals `low` to `high` give `base` gold plus `count` dice of `sides`, and
// the inheritance level. The lowest band is the hereditary debt (gold 0, the debt rolled apart).
struct MoneyBand {
    int32_t low;
    int32_t high;
    int32_t base;
    int32_t count;
    int32_t sides;
    int32_t inheritanceLevel;
};

// A band of the debt table over 1d100: 10 x (`base` + one die of `sides`, taken twice when `doubled`).
struct DebtBand {
    int32_t low;
    int32_t high;
    int32_t base;
    int32_t sides;
    bool doubled;
};

// The money bands from every total up (the first band open downwards, the last upwards) and the debt bands.
const std::vector<MoneyBand>& MoneyBands();
const std::vector<DebtBand>& DebtBands();

// The class's age dice by the roll protocol: the roll, or nullopt when the player refused it and paid 1 BP.
// A race whose name contains "Pixie Fairy" gets 0 at once, with no dice, question or log line.
// Without a class the dice count 0.
std::optional<int32_t> Table4B();

// The age roll of the step: Table4B until a roll stands, added to the record's age. Returns the new age.
int32_t RollClassAge();

// One attempt at the starting gold: a d100, extra 2d12 bought with BP (asked until a number from 0 to
// the whole BP comes, none bought when it never comes; spent even when the roll is later refused), the
// player's own d100, the class's and the background's modifiers, the money band with its hereditary debt or
// inheritance level, one log line and the accept question. Every attempt starts without a debt. Returns the
// gold, or nullopt when the player refused the roll.
std::optional<int32_t> Table4M(InheritanceRoll& roll);

// A hereditary debt in gold, 210 to 1700: no log line, no question.
int32_t Debt();

// Rolls the inheritance of `roll`'s level into the record and builds its message; nothing below level 2.
void MoneySpecialRoll(InheritanceRoll& roll);

// The money roll of the step: Table4M until a roll stands, the gold stored, and the inheritance rolled
// when the level asks for one. Returns the gold.
int32_t RollStartingMoney(InheritanceRoll& roll);

// The step's hand-over: the inherited items go to the end of the equipment list as "<item> (inherited)",
// quantity 1, weapon first and deed last, empty ones skipped; then the starting honor is worked out and
// stored, shown ("Your starting Honor is %i", caption "Honor") and logged. Returns the honor.
int32_t HandOverAgeAndMoney();
