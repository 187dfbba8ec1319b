#include "quirks/quirk_rolls.h"

#include <algorithm>
#include <optional>

#include "app/character.h"
#include "app/numbers.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "quirks/quirk_corrections.h"
#include "quirks/quirk_flaw.h"
#include "quirks/quirk_steps.h"
#include "steps/roll_protocol.h"

namespace {

// The main tables in the order the list offers them, each with the book that must be on.
struct MainTable {
    const char* table;
    int book;
};
const MainTable kMainTables[] = {
    {"Hero's Almanac 6A", kBookCore},       {"Magister's Almanac 6A", kBookMagister},
    {"Warlord's Almanac 6A", kBookWarlord}, {"Rogue's Almanac 6A", kBookRogue},
    {"Priest's Almanac 6A", kBookPriest},
};

// Each sourcebook's tables carry its title: rolling its main table binds the class to that book.
const MainTable kSourcebookTitles[] = {
    {"Warlord's Almanac", kBookWarlord},
    {"Magister's Almanac", kBookMagister},
    {"Rogue's Almanac", kBookRogue},
    {"Priest's Almanac", kBookPriest},
};

QuirkFlaw& RowOf(int row) {
    return quirkflaw[static_cast<size_t>(row)];
}

void SelectFirst(QuirkRollList& list) {
    list.selection = list.tables.empty() ? -1 : 0;
}

void Append(QuirkRollList& list, const std::string& table, int times) {
    for (int i = 0; i < times; ++i)
        list.tables.push_back(table);
    list.pending = SaturatingAdd(list.pending, times);
    SelectFirst(list);
}

// The list upkeep of a roll: a main table uses one owed main-table roll and stays until none is owed;
// any other entry leaves the list.
void KeepList(QuirkRollList& list, bool mainTable) {
    if (!mainTable) {
        list.tables.erase(list.tables.begin() + list.selection);
        list.pending = SaturatingAdd(list.pending, -1);
        SelectFirst(list);
        return;
    }
    program_data.QuirkRollsOwed -= 1;
    if (program_data.QuirkRollsOwed != 0)
        return;
    while (!list.tables.empty() && IsMainQuirkTable(list.tables.front())) {
        list.tables.erase(list.tables.begin());
        SelectFirst(list);
    }
}

void SetSourcebookFlags(const std::string& table) {
    for (const MainTable& title : kSourcebookTitles) {
        if (table.find(title.table) != std::string::npos)
            current_character.BOOK_CLASS_FLAG[static_cast<size_t>(BookClassFlagFor(title.book))] = true;
    }
}

void ApplyRow(QuirkRollList& list, int row) {
    const QuirkFlaw& entry = RowOf(row);
    const size_t i = static_cast<size_t>(row);
    switch (entry.type) {
    case kQuirkMinor:
    case kQuirkMajor:
    case kQuirkCountedChoice:
        current_character.QUIRK_COUNT[row] = SaturatingAdd(current_character.QUIRK_COUNT[row], 1);
        program_data.QuirkBP[i] = SaturatingAdd(program_data.QuirkBP[i], entry.bp);
        if (entry.type != kQuirkCountedChoice)
            ApplyBpAfterFirst(row);
        break;
    case kQuirkRollSubTable:
        Append(list, entry.subTable[0], std::max(1, entry.subRolls));
        break;
    case kQuirkRollByCode:
        for (const std::string& table : QuirkTablesFromCodes(entry.name))
            Append(list, table, 1);
        break;
    default:
        break;
    }
}

} // namespace

bool IsMainQuirkTable(const std::string& table) {
    return table.find("6A") != std::string::npos;
}

QuirkRollList OpenQuirkRolls() {
    // The corrections run before the queue is built, so what they grant is queued after it.
    QuirkRollList granted;
    QuirkCorrections(granted);

    QuirkRollList list;
    list.pending = granted.pending;
    if (program_data.WizardState <= kWizardQuirks) {
        list.tables = program_data.PendingTables;
    } else {
        for (const MainTable& main : kMainTables) {
            if (BookEnabled(main.book))
                list.tables.push_back(main.table);
        }
    }
    for (int row = 0; row < kQuirkFlawRows; ++row) {
        int32_t& held = current_character.QUIRK_COUNT[row];
        if (held > 0 && RowOf(row).type == kQuirkRollSubTable) {
            Append(list, RowOf(row).subTable[0], held);
            held = 0;
        }
    }
    for (int row = 0; row < kQuirkFlawRows; ++row) {
        int32_t& held = current_character.QUIRK_COUNT[row];
        if (held <= 0)
            continue;
        const std::vector<std::string> tables = QuirkTablesFromCodes(RowOf(row).name);
        for (const std::string& table : tables)
            Append(list, table, 1);
        if (!tables.empty())
            held = 0;
    }
    list.tables.insert(list.tables.end(), granted.tables.begin(), granted.tables.end());
    SelectFirst(list);
    return list;
}

bool QuirkTableCanGiveRow(const std::string& table) {
    const std::optional<QuirkDie> die = QuirkTableDie(table);
    if (!die)
        return false;
    const int64_t lowest = die->count;
    const int64_t highest = static_cast<int64_t>(die->count) * die->sides;
    for (int row : QuirkTableRows(table)) {
        const QuirkFlaw& entry = RowOf(row);
        if (entry.low > 0 && entry.low <= highest && entry.high >= lowest &&
            current_character.QUIRK_COUNT[row] < entry.maxTimes)
            return true;
    }
    return false;
}

QuirkTableRoll QuirkFlawSubTable(const std::string& table) {
    QuirkTableRoll result;
    const std::optional<QuirkDie> die = QuirkTableDie(table);
    if (!die)
        return result;
    // The typed roll reads "1d100" with the bounds 1 to 100 whatever the table's die.
    const RolledDice dice =
        RollOrEnter(die->sides, die->count, "Rolling for Quirks and Flaws", "1d100", 1, 100);
    const int row = QuirkRowForRoll(table, dice.roll);
    if (row == 0)
        return result;
    const QuirkFlaw& entry = RowOf(row);
    if (current_character.QUIRK_COUNT[row] >= entry.maxTimes) {
        result.outcome = QuirkTableRoll::FreeReroll;
        return result;
    }
    std::string line = Format("%s for Table %s (d100): rolled %i, %s", dice.method.c_str(), table.c_str(),
                              dice.roll, entry.name.c_str());
    if (entry.bp > 0)
        line += Format(" (%i BP)", entry.bp);
    if (!LogAndAccept(line)) {
        result.outcome = QuirkTableRoll::PaidReroll;
        return result;
    }
    result.outcome = QuirkTableRoll::Row;
    result.row = row;
    return result;
}

bool QuirkRollPress(QuirkRollList& list) {
    if (list.selection < 0 || static_cast<size_t>(list.selection) >= list.tables.size())
        return false;
    const std::string table = list.tables[static_cast<size_t>(list.selection)];
    const bool mainTable = IsMainQuirkTable(table);
    if (mainTable && program_data.QuirkRollsOwed == 0)
        return false;
    if (list.pending == 0 && program_data.QuirkRollsOwed == 0)
        return false;
    if (!QuirkTableCanGiveRow(table)) {
        KeepList(list, mainTable);
        return true;
    }
    QuirkTableRoll roll;
    for (int freeRerolls = 0; roll.outcome != QuirkTableRoll::Row;) {
        roll = QuirkFlawSubTable(table);
        if (roll.outcome == QuirkTableRoll::NoRow)
            return false;
        // A table with a free row is checked first, but the player's own typed rolls may keep landing on
        // held rows, so a run of free re-rolls is cut off.
        if (roll.outcome == QuirkTableRoll::FreeReroll && ++freeRerolls >= kQuirkFreeRerollLimit)
            return false;
    }
    KeepList(list, mainTable);
    if (mainTable)
        SetSourcebookFlags(table);
    ApplyRow(list, roll.row);
    QuirkCorrections(list);
    return true;
}

int64_t QuirkRollsOutstanding(const QuirkRollList& list) {
    return static_cast<int64_t>(list.pending) + program_data.QuirkRollsOwed;
}

QuirkRollsExit LeaveQuirkRolls(const QuirkRollList& list) {
    if (QuirkRollsOutstanding(list) >= 1)
        return QuirkRollsExit::Refused;
    if (program_data.WizardState <= kWizardQuirks) {
        program_data.WizardState = kWizardQuirks;
        program_data.QuirkBP.fill(0);
        return QuirkRollsExit::ToHandPicking;
    }
    program_data.WizardState = kWizardClass;
    for (int32_t bp : program_data.QuirkBP)
        program_data.BuildingPoints += static_cast<float>(bp);
    BuildQuirkList();
    return QuirkRollsExit::ToClassStep;
}
