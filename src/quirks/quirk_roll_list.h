// The random quirk step's list of tables still to roll: what the rolls and the corrections after them
// both work on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The step's list of tables still to roll and the rolls it queued itself.
struct QuirkRollList {
    std::vector<std::string> tables; // table names, in list order
    int selection = -1;              // the selected entry; -1 for none
    // Rolls this step queued beyond the main tables, less the rolls made on tables that are not main
    // tables: it falls below 0 as the tables the background step queued (owed through QuirkRollsOwed)
    // are rolled.
    int32_t pending = 0;
};
