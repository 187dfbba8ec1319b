// The quirk-and-flaw record, the global 800-row table and the table look-ups the quirk steps share.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/quirk_rows.h" // kQuirkFlawRows

constexpr int kQuirkFlawLastRow = 618; // last filled row; rows 619 to 799 stay empty

// Row types.
constexpr int32_t kQuirkMinor = 0;         // minor quirk or flaw
constexpr int32_t kQuirkMajor = 1;         // major quirk or flaw
constexpr int32_t kQuirkRollSubTable = 2;  // queues subTable[0] subRolls times
constexpr int32_t kQuirkRollByCode = 3;    // queues the tables whose codes ("6B".."6R") its name holds
constexpr int32_t kQuirkCountedChoice = 4; // counted major; the specific choice is picked by hand

// One row of the quirk-and-flaw table.
struct QuirkFlaw {
    std::string name;                    // the quirk, flaw or instruction; trailing blanks belong to it
    int32_t bp = 0;                      // BP earned each time a random roll gains the row
    int32_t bpAfterFirst = 0;            // new bp once the first row of the table is gained (0: none)
    int32_t book = 0;                    // index into BooksToUse
    std::string page;                    // page reference; never read
    std::string table;                   // the table the row belongs to (exact, case-sensitive)
    std::array<std::string, 4> subTable; // [0]: table to roll (type 2) or of choices (type 4)
    int32_t type = 0;                    // kQuirkMinor .. kQuirkCountedChoice
    int32_t low = 0;                     // die range, inclusive; 0..0 is never rolled
    int32_t high = 0;
    int32_t maxTimes = 0;                  // how often the row may be held; 0 blocks it until the reset
    int32_t subRolls = 0;                  // type 2: rolls on subTable[0] to queue
    std::array<int32_t, 10> cancels{};     // rows this row removes while held; 0 ends the list
    std::array<int32_t, 10> cancelledBy{}; // [0]: the row whose cancels name this row; informational
};

using QuirkFlawTable = std::array<QuirkFlaw, kQuirkFlawRows>;

// Global because both quirk steps and the reset share it, indexed like QUIRK_COUNT and QuirkBP.
extern QuirkFlawTable quirkflaw;

// Rewrites the whole table with its initial values: row 0 blank, rows 1 to 618 the catalogue,
// rows 619 to 799 empty. Undoes the run-time changes to bp and maxTimes.
void SetQuirkFlawStructure(QuirkFlawTable& table);
void SetQuirkFlawStructure();

// The names of the tables of rows 1 to 618, in the order of their first rows.
std::vector<std::string> QuirkTableNames(const QuirkFlawTable& table = quirkflaw);

// Rows 1 to 618 whose table equals tableName exactly, in index order.
std::vector<int> QuirkTableRows(const std::string& tableName, const QuirkFlawTable& table = quirkflaw);

// The die a table is rolled on: count dice of sides faces, covering low..high.
struct QuirkDie {
    int count = 0;
    int sides = 0;
    int low = 0;
    int high = 0;
};

// The die of a table from its lowest low L and highest high H: L dice of H / L sides.
// No value ("no rollable table") when the table is unknown or its lowest low is 0.
std::optional<QuirkDie> QuirkTableDie(const std::string& tableName, const QuirkFlawTable& table = quirkflaw);

// The first row of the table, in index order, whose range holds roll; 0 when none does.
// Rows of range 0..0 are never found.
int QuirkRowForRoll(const std::string& tableName, int roll, const QuirkFlawTable& table = quirkflaw);

// The table a code letter ('B' to 'R' of "6B".."6R") stands for; empty for any other letter.
std::string QuirkTableForCode(char letter);

// The tables a type-3 row's name queues, in queue order. A name holding "twice" queues each of
// 6C, 6H and 6G it holds twice and nothing else; otherwise every code 6B to 6R it holds queues
// its table once, in letter order.
std::vector<std::string> QuirkTablesFromCodes(const std::string& name);

// The bpAfterFirst rule, for a row just gained by a random roll: when the row is of type 0 or 1
// and its bpAfterFirst is not 0, every row of its table takes its own bpAfterFirst as bp; the
// missing finger (row 17) changes only itself. Returns whether anything was changed.
bool ApplyBpAfterFirst(int row, QuirkFlawTable& table = quirkflaw);
