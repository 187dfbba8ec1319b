// Rules of the random quirk step: the tables still to roll, one roll on a table, one press of the roll
// button, and the two ways out of the step.
#pragma once

#include <cstdint>
#include <string>

#include "quirks/quirk_roll_list.h"

// True for a main table: one whose name holds "6A".
bool IsMainQuirkTable(const std::string& table);

// The step as it opens, after its gained list was filled: the corrections run once; the list holds
// PendingTables (kWizardQuirks or lower) or the core and enabled sourcebook main tables
// (kWizardChosenQuirkRolls and above), then one entry per time a held type-2 row is held and the tables named
// by the codes of held rows (those rows' counts go to 0), then the tables the corrections granted. Entry 0 is
// selected.
QuirkRollList OpenQuirkRolls();

// What one roll on a table gave.
struct QuirkTableRoll {
    enum Outcome {
        Row,        // `row` is taken
        FreeReroll, // the row is held to its maxTimes: roll again at no cost
        PaidReroll, // the player refused the roll and paid 1 BP: roll again
        NoRow,      // the table has no die, or the (typed) roll falls in none of its rows
    } outcome = NoRow;
    int row = 0;
};

// Rolls once on the named table: its die, or the player's own number (1 to 100) under the own-dice
// option; a row held to its maxTimes comes back as a free re-roll without a line or a question; else
// one log line, and while the pool is above 0 the accept question (only an explicit No refuses).
QuirkTableRoll QuirkFlawSubTable(const std::string& table);

// How many free re-rolls in a row one press makes before it gives up.
constexpr int kQuirkFreeRerollLimit = 1000;

// True when a roll on the table can give a row: it has a die and a row it may reach is held fewer
// times than its maxTimes.
bool QuirkTableCanGiveRow(const std::string& table);

// One press of the roll button on the selected entry. Refused, changing nothing: no entry selected, a
// main table with no main-table roll owed, or nothing owed at all. A table that cannot give a row is
// not rolled: its entry leaves the list as a rolled one would, and nothing else changes. Otherwise the
// table is rolled until a row is taken (the press ends with nothing taken when a typed roll falls in no
// row, or after many free re-rolls in a row), the list is kept, the row applied by its type and the
// corrections run. Returns whether a row was taken or the entry left the list.
bool QuirkRollPress(QuirkRollList& list);

// The rolls still owed: the pending count plus QuirkRollsOwed.
int64_t QuirkRollsOutstanding(const QuirkRollList& list);

// Where Continue leads.
enum class QuirkRollsExit {
    Refused,       // rolls are still owed: nothing changed
    ToHandPicking, // free rolls from the background step done: kWizardQuirks, every QuirkBP 0
    ToClassStep,   // rolls chosen in hand-picking done: kWizardClass, QuirkBP paid, quirk list built
};
QuirkRollsExit LeaveQuirkRolls(const QuirkRollList& list);
