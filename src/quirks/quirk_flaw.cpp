#include "quirks/quirk_flaw.h"

#include <algorithm>

#include "app/clear_all.h"
#include "quirks/quirk_flaw_data.h"

QuirkFlawTable quirkflaw;

namespace {

constexpr int kMissingFingerRow = 17;

QuirkFlaw RowFromLine(const QuirkTableSource& source, const QuirkRowLine& line) {
    auto orDefault = [](int value, int fallback) { return value == kQuirkTableDefault ? fallback : value; };
    QuirkFlaw row;
    row.name = line.name;
    row.bp = orDefault(line.bp, source.bp);
    row.bpAfterFirst = line.bpAfterFirst;
    row.book = orDefault(line.book, source.book);
    row.page = source.page;
    row.table = source.table;
    if (line.subTable != nullptr) {
        row.subTable[0] = line.subTable;
    }
    row.type = orDefault(line.type, source.type);
    row.low = line.low;
    row.high = line.high;
    row.maxTimes = orDefault(line.maxTimes, source.maxTimes);
    row.subRolls = line.subRolls;
    std::copy(line.cancels.begin(), line.cancels.end(), row.cancels.begin());
    row.cancelledBy[0] = line.cancelledBy;
    return row;
}

// Built once; every reset copies it, so run-time changes never leak into the next character.
const QuirkFlawTable& InitialTable() {
    static const QuirkFlawTable initial = [] {
        QuirkFlawTable table{};
        table[0].table = " ";
        table[0].page = " ";
        for (const QuirkTableSource& source : QuirkFlawSource()) {
            for (const QuirkRowLine& line : source.rows) {
                if (line.row >= 1 && line.row <= kQuirkFlawLastRow) {
                    table[static_cast<size_t>(line.row)] = RowFromLine(source, line);
                }
            }
        }
        return table;
    }();
    return initial;
}

struct CodeTable {
    char letter;
    const char* table;
};

constexpr CodeTable kCodeTables[] = {
    {'B', "Hero's Almanac 6B: Flaws, Minor (Physical)"},
    {'C', "Hero's Almanac 6C: Flaws, Minor (Physical)"},
    {'D', "Hero's Almanac 6D: Flaws, Minor (Physical)"},
    {'E', "Hero's Almanac 6E: Flaws, Major (Physical)"},
    {'F', "Hero's Almanac 6F: Quirks, Minor (Mental)"},
    {'G', "Hero's Almanac 6G: Quirks, Major (Mental)"},
    {'H', "Hero's Almanac 6H: Quirks, Minor (Personality)"},
    {'I', "Hero's Almanac 6I: Quirks, Major (Personality)"},
    {'J', "Magister's Almanac 6J"},
    {'K', "Magister's Almanac 6K"},
    {'L', "Magister's Almanac 6L"},
    {'M', "Warlord's Almanac 6M"},
    {'N', "Warlord's Almanac 6N"},
    {'O', "Priest's Almanac 6O"},
    {'P', "Priest's Almanac 6P"},
    {'Q', "Rogue's Almanac 6Q"},
    {'R', "Rogue's Almanac 6R"},
};

bool HoldsCode(const std::string& name, char letter) {
    const char code[] = {'6', letter, '\0'};
    return name.find(code) != std::string::npos;
}

} // namespace

void SetQuirkFlawStructure(QuirkFlawTable& table) {
    table = InitialTable();
}

void SetQuirkFlawStructure() {
    SetQuirkFlawStructure(quirkflaw);
}

void ResetQuirkFlawTable() {
    SetQuirkFlawStructure();
}

std::vector<std::string> QuirkTableNames(const QuirkFlawTable& table) {
    std::vector<std::string> names;
    for (int row = 1; row <= kQuirkFlawLastRow; ++row) {
        const std::string& name = table[static_cast<size_t>(row)].table;
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(name);
        }
    }
    return names;
}

std::vector<int> QuirkTableRows(const std::string& tableName, const QuirkFlawTable& table) {
    std::vector<int> rows;
    for (int row = 1; row <= kQuirkFlawLastRow; ++row) {
        if (table[static_cast<size_t>(row)].table == tableName) {
            rows.push_back(row);
        }
    }
    return rows;
}

std::optional<QuirkDie> QuirkTableDie(const std::string& tableName, const QuirkFlawTable& table) {
    const std::vector<int> rows = QuirkTableRows(tableName, table);
    if (rows.empty()) {
        return std::nullopt;
    }
    QuirkDie die;
    die.low = table[static_cast<size_t>(rows.front())].low;
    die.high = table[static_cast<size_t>(rows.front())].high;
    for (int row : rows) {
        die.low = std::min(die.low, table[static_cast<size_t>(row)].low);
        die.high = std::max(die.high, table[static_cast<size_t>(row)].high);
    }
    // A lowest value of 0 marks a hand-pick-only table; a range too small for the die is unrollable.
    if (die.low <= 0 || die.high < die.low) {
        return std::nullopt;
    }
    die.count = die.low;
    die.sides = die.high / die.low;
    return die;
}

int QuirkRowForRoll(const std::string& tableName, int roll, const QuirkFlawTable& table) {
    for (int row = 1; row <= kQuirkFlawLastRow; ++row) {
        const QuirkFlaw& entry = table[static_cast<size_t>(row)];
        // 0..0 marks a row that is only ever picked by hand, never found by a roll.
        if (entry.table == tableName && entry.low > 0 && entry.low <= roll && roll <= entry.high) {
            return row;
        }
    }
    return 0;
}

std::string QuirkTableForCode(char letter) {
    for (const CodeTable& code : kCodeTables) {
        if (code.letter == letter) {
            return code.table;
        }
    }
    return {};
}

std::vector<std::string> QuirkTablesFromCodes(const std::string& name) {
    std::vector<std::string> tables;
    if (name.find("twice") != std::string::npos) {
        for (char letter : {'C', 'H', 'G'}) {
            if (HoldsCode(name, letter)) {
                tables.push_back(QuirkTableForCode(letter));
                tables.push_back(QuirkTableForCode(letter));
            }
        }
        return tables;
    }
    for (const CodeTable& code : kCodeTables) {
        if (HoldsCode(name, code.letter)) {
            tables.push_back(code.table);
        }
    }
    return tables;
}

bool ApplyBpAfterFirst(int row, QuirkFlawTable& table) {
    if (row < 1 || row >= kQuirkFlawRows) {
        return false;
    }
    QuirkFlaw& gained = table[static_cast<size_t>(row)];
    if ((gained.type != kQuirkMinor && gained.type != kQuirkMajor) || gained.bpAfterFirst == 0) {
        return false;
    }
    if (row == kMissingFingerRow) {
        gained.bp = gained.bpAfterFirst;
        return true;
    }
    const std::string tableName = gained.table;
    for (int other = 1; other <= kQuirkFlawLastRow; ++other) {
        QuirkFlaw& entry = table[static_cast<size_t>(other)];
        if (entry.table == tableName) {
            entry.bp = entry.bpAfterFirst;
        }
    }
    return true;
}
