#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "quirks/quirk_flaw.h"

namespace {

class QuirkTableTest : public ::testing::Test {
protected:
    void SetUp() override { SetQuirkFlawStructure(); }
    void TearDown() override { quirkflaw = QuirkFlawTable{}; }
};

const QuirkFlaw& Row(int row) {
    return quirkflaw[static_cast<size_t>(row)];
}

// Every field, so a reset can be compared with a fresh table row by row.
void ExpectSameRow(const QuirkFlaw& a, const QuirkFlaw& b, int row) {
    EXPECT_EQ(a.name, b.name) << row;
    EXPECT_EQ(a.bp, b.bp) << row;
    EXPECT_EQ(a.bpAfterFirst, b.bpAfterFirst) << row;
    EXPECT_EQ(a.book, b.book) << row;
    EXPECT_EQ(a.page, b.page) << row;
    EXPECT_EQ(a.table, b.table) << row;
    EXPECT_EQ(a.subTable, b.subTable) << row;
    EXPECT_EQ(a.type, b.type) << row;
    EXPECT_EQ(a.low, b.low) << row;
    EXPECT_EQ(a.high, b.high) << row;
    EXPECT_EQ(a.maxTimes, b.maxTimes) << row;
    EXPECT_EQ(a.subRolls, b.subRolls) << row;
    EXPECT_EQ(a.cancels, b.cancels) << row;
    EXPECT_EQ(a.cancelledBy, b.cancelledBy) << row;
}

struct TableCase {
    const char* name;
    int firstRow;
    int count;
    int dieCount; // 0: never rolled
    int dieSides;
};

// The 57 tables in array order, with their first row, row count and die.
const TableCase kTables[] = {
    {"Hero's Almanac 6B: Flaws, Minor (Physical)", 1, 12, 1, 100},
    {"Hero's Almanac 6C: Flaws, Minor (Physical)", 13, 13, 1, 100},
    {"Hero's Almanac 6D: Flaws, Minor (Physical)", 26, 7, 1, 100},
    {"Hero's Almanac 6E: Flaws, Major (Physical)", 33, 18, 1, 100},
    {"Hero's Almanac 6F: Quirks, Minor (Mental)", 51, 20, 1, 100},
    {"Hero's Almanac 6G: Quirks, Major (Mental)", 71, 15, 1, 100},
    {"Hero's Almanac 6H: Quirks, Minor (Personality)", 86, 14, 1, 100},
    {"Hero's Almanac 6I: Quirks, Major (Personality)", 100, 4, 1, 100},
    {"HA Animal Antipathy Table", 104, 10, 1, 20},
    {"HA Maimed Table", 114, 6, 1, 6},
    {"HA Maimed Subtable", 117, 2, 1, 6},
    {"HA Seizure Table", 122, 2, 1, 100},
    {"HA Animal Phobia Table", 124, 10, 1, 20},
    {"HA Delusion Table Major", 134, 10, 1, 10},
    {"HA Delusion Table Minor", 135, 10, 1, 10},
    {"HA Class Enmity Table", 154, 20, 1, 20},
    {"HA Racial Enmity Table", 174, 10, 1, 10},
    {"HA Obsession OR Compulsion", 184, 2, 1, 2},
    {"HA Obsession", 185, 20, 1, 20},
    {"HA Compulsion", 205, 20, 1, 20},
    {"HA Class Aversion Table", 225, 20, 1, 20},
    {"HA Racial Aversion Table", 245, 10, 1, 10},
    {"HA Superstitions Table", 255, 20, 1, 20},
    {"HA Extra Personality Table", 275, 21, 1, 100},
    {"HA Allergen Table", 296, 10, 1, 20},
    {"Magister's Almanac 6J", 306, 7, 1, 100},
    {"MA Sloppy Penmanship Table", 313, 2, 1, 6},
    {"Magister's Almanac 6K", 315, 7, 1, 100},
    {"Magister's Almanac 6L", 322, 6, 1, 100},
    {"MA Magical Allergy Table", 328, 14, 1, 100},
    {"MA College Rivalry Table", 342, 8, 1, 8},
    {"MA Superstitious Caster Table", 350, 10, 1, 10},
    {"Warlord's Almanac 6M", 360, 8, 1, 100},
    {"Warlord's Almanac 6N", 368, 11, 1, 100},
    {"WA Armor Prejudice", 379, 18, 1, 100},
    {"WA Weapon Phobia", 397, 27, 1, 100},
    {"WA Weapon Prejudice Major", 424, 26, 1, 100},
    {"WA Weapon Prejudice Minor", 450, 3, 1, 3},
    {"WA Weapon Prejudice Major/Minor", 453, 2, 1, 2},
    {"WA", 455, 2, 0, 0},
    {"FO", 457, 1, 0, 0},
    {"HT123", 458, 1, 0, 0},
    {"Tavern Gazette 64", 459, 11, 0, 0},
    {"Hero's Almanac 6A", 471, 8, 1, 100},
    {"Magister's Almanac 6A", 479, 11, 1, 100},
    {"Warlord's Almanac 6A", 490, 10, 1, 100},
    {"Rogue's Almanac 6A", 500, 10, 1, 100},
    {"Rogue's Almanac 6Q", 510, 10, 1, 100},
    {"Rogue's Almanac 6R", 520, 15, 1, 100},
    {"RA Precious Metal Allergy Table", 535, 7, 1, 20},
    {"RA Suspicious Mannerism Table", 542, 15, 2, 8},
    {"RA Poor Impulse Control Table", 557, 10, 1, 20},
    {"Priest's Almanac 6A", 567, 10, 1, 100},
    {"Priest's Almanac 6O", 577, 8, 1, 100},
    {"Priest's Almanac 6P", 585, 12, 1, 100},
    {"PA Goiter SubTable", 597, 2, 1, 100},
    {"PA Unusual Convictions SubTable", 599, 20, 1, 20},
};

TEST_F(QuirkTableTest, HoldsTheFiftySevenTablesInArrayOrderWithTheirRowCountsAndDice) {
    const std::vector<std::string> names = QuirkTableNames();
    ASSERT_EQ(names.size(), std::size(kTables));
    for (size_t i = 0; i < names.size(); ++i) {
        const TableCase& expected = kTables[i];
        EXPECT_EQ(names[i], expected.name);
        const std::vector<int> rows = QuirkTableRows(expected.name);
        ASSERT_FALSE(rows.empty()) << expected.name;
        EXPECT_EQ(rows.front(), expected.firstRow) << expected.name;
        EXPECT_EQ(static_cast<int>(rows.size()), expected.count) << expected.name;
        const std::optional<QuirkDie> die = QuirkTableDie(expected.name);
        if (expected.dieCount == 0) {
            EXPECT_FALSE(die.has_value()) << expected.name;
            continue;
        }
        ASSERT_TRUE(die.has_value()) << expected.name;
        EXPECT_EQ(die->count, expected.dieCount) << expected.name;
        EXPECT_EQ(die->sides, expected.dieSides) << expected.name;
    }
}

TEST_F(QuirkTableTest, EveryCatalogueRowIsInOneKnownTableAndTheOthersInNone) {
    std::set<std::string> known;
    for (const TableCase& t : kTables) {
        known.insert(t.name);
    }
    int rowsInTables = 0;
    for (const TableCase& t : kTables) {
        rowsInTables += static_cast<int>(QuirkTableRows(t.name).size());
    }
    EXPECT_EQ(rowsInTables, kQuirkFlawLastRow);
    for (int row = 1; row <= kQuirkFlawLastRow; ++row) {
        EXPECT_EQ(known.count(Row(row).table), 1u) << row;
        EXPECT_FALSE(Row(row).name.empty()) << row;
        EXPECT_FALSE(Row(row).page.empty()) << row;
    }
    EXPECT_EQ(known.count(Row(0).table), 0u);
}

TEST_F(QuirkTableTest, RowZeroIsBlankAndRowsPastTheCatalogueStayEmpty) {
    QuirkFlaw blank;
    blank.table = " ";
    blank.page = " ";
    ExpectSameRow(Row(0), blank, 0);
    for (int row = kQuirkFlawLastRow + 1; row < kQuirkFlawRows; ++row) {
        ExpectSameRow(Row(row), QuirkFlaw{}, row);
    }
}

// Rolled tables: ranges ascend in row order, never overlap and leave no gap, so every face of
// the die finds a row and every row is the first match for some face.
TEST_F(QuirkTableTest, EveryRolledTableCoversItsDieWithoutGapsOrOverlaps) {
    for (const TableCase& t : kTables) {
        const std::optional<QuirkDie> die = QuirkTableDie(t.name);
        const std::vector<int> rows = QuirkTableRows(t.name);
        if (!die) {
            for (int row : rows) {
                EXPECT_EQ(Row(row).low, 0) << row;
                EXPECT_EQ(Row(row).high, 0) << row;
            }
            continue;
        }
        EXPECT_EQ(die->low, die->count) << t.name;
        EXPECT_EQ(die->high, die->count * die->sides) << t.name;
        int next = die->low;
        for (int row : rows) {
            EXPECT_EQ(Row(row).low, next) << t.name << " row " << row;
            EXPECT_LE(Row(row).low, Row(row).high) << t.name << " row " << row;
            next = Row(row).high + 1;
        }
        EXPECT_EQ(next - 1, die->high) << t.name;
        std::set<int> reached;
        for (int roll = die->low; roll <= die->high; ++roll) {
            const int row = QuirkRowForRoll(t.name, roll);
            EXPECT_NE(row, 0) << t.name << " roll " << roll;
            reached.insert(row);
        }
        EXPECT_EQ(reached.size(), rows.size()) << t.name;
    }
}

TEST_F(QuirkTableTest, EveryQueuedTableExistsAndCanBeRolled) {
    for (int row = 1; row <= kQuirkFlawLastRow; ++row) {
        const QuirkFlaw& q = Row(row);
        ASSERT_GE(q.type, kQuirkMinor) << row;
        ASSERT_LE(q.type, kQuirkCountedChoice) << row;
        if (q.type == kQuirkRollSubTable) {
            EXPECT_TRUE(QuirkTableDie(q.subTable[0]).has_value()) << row << " " << q.subTable[0];
            EXPECT_GE(q.subRolls, 1) << row;
            EXPECT_LE(q.subRolls, 2) << row;
        } else if (q.type == kQuirkCountedChoice) {
            EXPECT_FALSE(QuirkTableRows(q.subTable[0]).empty()) << row;
        } else {
            EXPECT_EQ(q.subRolls, 0) << row;
        }
        if (q.type == kQuirkRollByCode) {
            const std::vector<std::string> queued = QuirkTablesFromCodes(q.name);
            EXPECT_FALSE(queued.empty()) << row << " " << q.name;
            for (const std::string& table : queued) {
                EXPECT_TRUE(QuirkTableDie(table).has_value()) << row << " " << table;
            }
        }
    }
}

TEST_F(QuirkTableTest, TypeThreeRowsQueueTheCodeTablesTheGameNames) {
    // The type-3 rows that queue each code table, as the game's tables name them.
    const std::map<std::string, std::set<int>> expected = {
        {"Hero's Almanac 6B: Flaws, Minor (Physical)", {11, 12, 31, 50, 567}},
        {"Hero's Almanac 6C: Flaws, Minor (Physical)", {11, 23, 24, 25, 31, 568}},
        {"Hero's Almanac 6D: Flaws, Minor (Physical)", {12, 569}},
        {"Hero's Almanac 6E: Flaws, Major (Physical)", {25, 32, 50, 570}},
        {"Hero's Almanac 6F: Quirks, Minor (Mental)", {23, 69, 70, 84, 572}},
        {"Hero's Almanac 6G: Quirks, Major (Mental)", {69, 84, 85, 99, 103, 573}},
        {"Hero's Almanac 6H: Quirks, Minor (Personality)", {70, 85, 99, 102, 574}},
        {"Hero's Almanac 6I: Quirks, Major (Personality)", {575}},
        {"Priest's Almanac 6O", {571}},
        {"Priest's Almanac 6P", {576}},
    };
    std::map<std::string, std::set<int>> found;
    for (int row = 1; row <= kQuirkFlawLastRow; ++row) {
        if (Row(row).type == kQuirkRollByCode) {
            for (const std::string& table : QuirkTablesFromCodes(Row(row).name)) {
                found[table].insert(row);
            }
        }
    }
    EXPECT_EQ(found, expected);
}

TEST_F(QuirkTableTest, NamesOfMinorAndMajorRowsAreUnique) {
    std::map<std::string, int> seen;
    for (int row = 1; row <= kQuirkFlawLastRow; ++row) {
        const QuirkFlaw& q = Row(row);
        if (q.type == kQuirkMinor || q.type == kQuirkMajor) {
            const auto [it, fresh] = seen.emplace(q.name, row);
            EXPECT_TRUE(fresh) << "row " << row << " repeats row " << it->second << ": " << q.name;
        }
    }
}

TEST_F(QuirkTableTest, CancelledByIsTheInverseOfCancels) {
    for (int row = 1; row <= kQuirkFlawLastRow; ++row) {
        const QuirkFlaw& q = Row(row);
        for (size_t i = 0; i < q.cancels.size(); ++i) {
            const int target = q.cancels[i];
            if (i >= 6) {
                EXPECT_EQ(target, 0) << row; // only entries 0 to 6 are read; the data use 6 at most
            }
            if (target != 0) {
                ASSERT_GT(target, 0) << row;
                ASSERT_LE(target, kQuirkFlawLastRow) << row;
                EXPECT_EQ(Row(target).cancelledBy[0], row) << target;
            }
        }
        if (q.cancelledBy[0] != 0) {
            const auto& by = Row(q.cancelledBy[0]).cancels;
            EXPECT_NE(std::find(by.begin(), by.end(), row), by.end()) << row;
        }
        for (size_t i = 1; i < q.cancelledBy.size(); ++i) {
            EXPECT_EQ(q.cancelledBy[i], 0) << row;
        }
    }
}

struct FullRow {
    int row;
    const char* name;
    const char* table;
    int type, low, high, bp, bpAfterFirst, maxTimes, book;
    const char* subTable;
    int subRolls;
    std::array<int32_t, 10> cancels;
    int cancelledBy;
};

TEST_F(QuirkTableTest, RowsGivenInFullMatchFieldByField) {
    const char* k6C = "Hero's Almanac 6C: Flaws, Minor (Physical)";
    const char* k6E = "Hero's Almanac 6E: Flaws, Major (Physical)";
    const FullRow rows[] = {
        {5,
         "Blind, Color",
         "Hero's Almanac 6B: Flaws, Minor (Physical)",
         0,
         27,
         35,
         5,
         0,
         1,
         0,
         "",
         0,
         {},
         39},
        {17, "Missing Finger", k6C, 0, 27, 34, 5, 1, 10, 0, "", 0, {}, 0},
        {24, "Roll twice more on Table 6C", k6C, 3, 86, 93, 0, 0, 1, 0, "", 0, {}, 0},
        {25,
         "Roll again on Table 6C and an extra time on Table 6E",
         k6C,
         3,
         94,
         100,
         0,
         0,
         999,
         0,
         "",
         0,
         {},
         0},
        {39, "Blind    ", k6E, 1, 29, 31, 20, 0, 1, 0, "", 0, {14, 28, 29, 30, 46, 5}, 0},
        {43, "Maimed    ", k6E, 2, 51, 56, 11, 0, 999, 0, "HA Maimed Table", 1, {}, 0},
        {58,
         "Delusional (Minor)    ",
         "Hero's Almanac 6F: Quirks, Minor (Mental)",
         2,
         33,
         35,
         0,
         0,
         10,
         0,
         "HA Delusion Table Minor",
         1,
         {},
         0},
        {73,
         "Enmity toward [class]",
         "Hero's Almanac 6G: Quirks, Major (Mental)",
         4,
         8,
         13,
         13,
         0,
         1,
         0,
         "HA Class Enmity Table",
         0,
         {},
         0},
        {121,
         "Maimed: Person gets an additional area of maiming. Roll again twice on the Maimed Table",
         "HA Maimed Table",
         2,
         6,
         6,
         0,
         0,
         999,
         0,
         "HA Maimed Table",
         2,
         {},
         0},
        {209, "Compulsion to srub and brush horses.", "HA Compulsion", 0, 5, 5, 10, 0, 1, 0, "", 0, {}, 0},
        {275,
         "Multiple Personality Disorder: Young member of the opposite sex.",
         "HA Extra Personality Table",
         1,
         1,
         4,
         11,
         5,
         999,
         0,
         "",
         0,
         {},
         0},
        {295,
         "Roll twice more for extra Personalities.",
         "HA Extra Personality Table",
         2,
         81,
         100,
         -11,
         -5,
         999,
         0,
         "HA Extra Personality Table",
         2,
         {},
         0},
        {305,
         "Character must roll an additional allergy, roll twice.",
         "HA Allergen Table",
         2,
         19,
         20,
         -11,
         0,
         10,
         0,
         "HA Allergen Table",
         2,
         {},
         0},
        {427, "Weapon Prejudice: Club", "WA Weapon Prejudice Major", 1, 10, 20, 9, 0, 1, 2, "", 0, {}, 0},
        {466, "Bad Reputation", "Tavern Gazette 64", 0, 0, 0, 0, 0, 1, 2, "", 0, {}, 0},
        {468, "Married", "Tavern Gazette 64", 0, 0, 0, 0, 0, 999, 10, "", 0, {}, 0},
        {470, "Compulsion    ", "HA Obsession OR Compulsion", 2, 2, 2, 0, 0, 1, 0, "HA Compulsion", 1, {}, 0},
        {504,
         "Roll on Table RA 6Q",
         "Rogue's Almanac 6A",
         2,
         45,
         60,
         0,
         0,
         999,
         3,
         "Rogue's Almanac 6Q",
         1,
         {},
         0},
        {576, "Roll on Table PA 6P", "Priest's Almanac 6A", 3, 89, 100, 0, 0, 1, 4, "", 0, {}, 0},
        {585, "Atheist", "Priest's Almanac 6P", 1, 1, 8, 20, 0, 1, 4, "", 0, {}, 0},
        {618,
         "Unusual Convictions: Roll twice",
         "PA Unusual Convictions SubTable",
         2,
         20,
         20,
         4,
         0,
         1,
         4,
         "PA Unusual Convictions SubTable",
         2,
         {},
         0},
    };
    for (const FullRow& e : rows) {
        const QuirkFlaw& q = Row(e.row);
        EXPECT_EQ(q.name, e.name) << e.row;
        EXPECT_EQ(q.table, e.table) << e.row;
        EXPECT_EQ(q.type, e.type) << e.row;
        EXPECT_EQ(q.low, e.low) << e.row;
        EXPECT_EQ(q.high, e.high) << e.row;
        EXPECT_EQ(q.bp, e.bp) << e.row;
        EXPECT_EQ(q.bpAfterFirst, e.bpAfterFirst) << e.row;
        EXPECT_EQ(q.maxTimes, e.maxTimes) << e.row;
        EXPECT_EQ(q.book, e.book) << e.row;
        EXPECT_EQ(q.subTable[0], e.subTable) << e.row;
        EXPECT_EQ(q.subRolls, e.subRolls) << e.row;
        EXPECT_EQ(q.cancels, e.cancels) << e.row;
        EXPECT_EQ(q.cancelledBy[0], e.cancelledBy) << e.row;
    }
}

// Parent names keep their four trailing blanks so they do not occur inside their children's names.
TEST_F(QuirkTableTest, TrailingBlanksKeepParentNamesOutOfTheirChildren) {
    const struct {
        int parent;
        int child;
    } pairs[] = {{43, 114}, {312, 313}, {368, 379}, {377, 397}, {378, 424}};
    for (const auto& p : pairs) {
        const std::string& parent = Row(p.parent).name;
        ASSERT_GE(parent.size(), 4u);
        EXPECT_EQ(parent.substr(parent.size() - 4), "    ") << p.parent;
        EXPECT_EQ(Row(p.child).name.find(parent), std::string::npos) << p.child;
    }
}

TEST_F(QuirkTableTest, ResetRestoresEveryRowAfterARunChangedIt) {
    auto fresh = std::make_unique<QuirkFlawTable>();
    SetQuirkFlawStructure(*fresh);

    ASSERT_TRUE(ApplyBpAfterFirst(17));
    ASSERT_TRUE(ApplyBpAfterFirst(280));
    quirkflaw[35].maxTimes = 0;
    quirkflaw[27].maxTimes = 0;
    quirkflaw[700].name = "stray";
    ASSERT_EQ(quirkflaw[17].bp, 1);
    ASSERT_EQ(quirkflaw[275].bp, 5);

    SetQuirkFlawStructure();
    for (int row = 0; row < kQuirkFlawRows; ++row) {
        ExpectSameRow(Row(row), (*fresh)[static_cast<size_t>(row)], row);
    }
    EXPECT_EQ(Row(17).bp, 5);
    EXPECT_EQ(Row(35).maxTimes, 1);
}

} // namespace
