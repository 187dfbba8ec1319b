// The source rows of the quirk-and-flaw table: one header per table, one line per row.
#pragma once

#include <array>
#include <climits>
#include <cstdint>
#include <vector>

// Marks a row field that takes its table's default.
constexpr int kQuirkTableDefault = INT_MIN;

// One row. Fields left out after `name` take the table's defaults (type, bp, maxTimes, book)
// or are empty (bpAfterFirst 0, no subTable, subRolls 0, no cancels, no cancelledBy).
struct QuirkRowLine {
    int row;
    int low;
    int high;
    const char* name;
    int type = kQuirkTableDefault;
    int bp = kQuirkTableDefault;
    int maxTimes = kQuirkTableDefault;
    int bpAfterFirst = 0;
    const char* subTable = nullptr;
    int subRolls = 0;
    std::array<int32_t, 6> cancels{};
    int cancelledBy = 0;
    int book = kQuirkTableDefault;
};

// One table with the defaults of its rows.
struct QuirkTableSource {
    const char* table;
    int book;
    const char* page;
    int type;
    int bp;
    int maxTimes;
    std::vector<QuirkRowLine> rows;
};

// The 57 tables in the order of their first rows.
const std::vector<QuirkTableSource>& QuirkFlawSource();
