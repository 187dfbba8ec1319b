#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "quirks/quirk_flaw.h"

namespace {

class QuirkHelpersTest : public ::testing::Test {
protected:
    void SetUp() override { SetQuirkFlawStructure(); }
    void TearDown() override { quirkflaw = QuirkFlawTable{}; }
};

const std::string k6B = "Hero's Almanac 6B: Flaws, Minor (Physical)";
const std::string k6C = "Hero's Almanac 6C: Flaws, Minor (Physical)";
const std::string k6E = "Hero's Almanac 6E: Flaws, Major (Physical)";
const std::string k6G = "Hero's Almanac 6G: Quirks, Major (Mental)";
const std::string k6H = "Hero's Almanac 6H: Quirks, Minor (Personality)";

TEST_F(QuirkHelpersTest, DieComesFromTheLowestAndHighestValues) {
    const struct {
        const char* table;
        int count, sides, low, high;
    } cases[] = {
        {"RA Suspicious Mannerism Table", 2, 8, 2, 16},
        {"Hero's Almanac 6A", 1, 100, 1, 100},
        {"HA Maimed Table", 1, 6, 1, 6},
        {"HA Maimed Subtable", 1, 6, 1, 6},
        {"WA Weapon Prejudice Minor", 1, 3, 1, 3},
    };
    for (const auto& c : cases) {
        const std::optional<QuirkDie> die = QuirkTableDie(c.table);
        ASSERT_TRUE(die.has_value()) << c.table;
        EXPECT_EQ(die->count, c.count) << c.table;
        EXPECT_EQ(die->sides, c.sides) << c.table;
        EXPECT_EQ(die->low, c.low) << c.table;
        EXPECT_EQ(die->high, c.high) << c.table;
    }
}

TEST_F(QuirkHelpersTest, NoRollableTableForUnknownOrHandPickOnlyNames) {
    // Unknown, empty, the blank row's table, a different case, and the 0..0 tables.
    for (const char* table : {"No Such Table", "", " ", "ha seizure table", "Hero's Almanac 6B", "WA", "FO",
                              "HT123", "Tavern Gazette 64"}) {
        EXPECT_FALSE(QuirkTableDie(table).has_value()) << '"' << table << '"';
    }
    EXPECT_TRUE(QuirkTableRows("No Such Table").empty());
}

TEST_F(QuirkHelpersTest, TableRowsMatchTheNameExactlyAndFollowIndexOrder) {
    EXPECT_EQ(QuirkTableRows("HA Obsession OR Compulsion"), (std::vector<int>{184, 470}));
    EXPECT_EQ(QuirkTableRows("HA Maimed Subtable"), (std::vector<int>{117, 118}));
    EXPECT_EQ(QuirkTableRows("HA Maimed Table"), (std::vector<int>{114, 115, 116, 119, 120, 121}));
    // "WA" must not pick up the rows of the longer "WA ..." tables.
    EXPECT_EQ(QuirkTableRows("WA"), (std::vector<int>{455, 456}));
    const std::vector<int> major = QuirkTableRows("HA Delusion Table Major");
    ASSERT_EQ(major.size(), 10u);
    for (size_t i = 0; i < major.size(); ++i) {
        EXPECT_EQ(major[i], 134 + 2 * static_cast<int>(i));
    }
}

TEST_F(QuirkHelpersTest, RollFindsTheFirstRowWhoseRangeHoldsIt) {
    const struct {
        const char* table;
        int roll;
        int row;
    } cases[] = {
        {"Priest's Almanac 6P", 1, 585},
        {"Priest's Almanac 6P", 8, 585},
        {"Priest's Almanac 6P", 9, 586},
        {"Priest's Almanac 6P", 17, 586},
        {"MA Magical Allergy Table", 71, 339},
        {"MA Magical Allergy Table", 80, 339},
        {"HA Racial Aversion Table", 4, 248},
        {"HA Racial Aversion Table", 5, 249},
        {"Hero's Almanac 6C: Flaws, Minor (Physical)", 86, 24},
        {"Hero's Almanac 6C: Flaws, Minor (Physical)", 100, 25},
        {"WA Weapon Prejudice Major", 13, 427},
        {"WA Weapon Prejudice Major", 20, 427},
        {"WA Weapon Phobia", 13, 401},
        {"HA Superstitions Table", 20, 274},
        {"RA Suspicious Mannerism Table", 2, 542},
        {"RA Suspicious Mannerism Table", 16, 556},
        // outside the die, or a table that is never rolled
        {"RA Suspicious Mannerism Table", 1, 0},
        {"Hero's Almanac 6A", 101, 0},
        {"Hero's Almanac 6A", 0, 0},
        {"Tavern Gazette 64", 0, 0},
        {"No Such Table", 5, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QuirkRowForRoll(c.table, c.roll), c.row) << c.table << " " << c.roll;
    }
}

TEST(QuirkCodeReadingTest, NamesQueueTheirCodeTables) {
    const struct {
        const char* name;
        std::vector<std::string> tables;
    } cases[] = {
        {"Roll again on Table 6B and an extra time on Table 6C", {k6B, k6C}},
        // letter order, not the order of the text
        {"Roll once on Table 6E and once on Table 6B", {k6B, k6E}},
        {"Roll again on Table 6H and an extra time on Table 6G", {k6G, k6H}},
        {"Roll on Table 6E (Flaws, Major)", {k6E}},
        // "twice" doubles 6C, 6H or 6G and looks at nothing else
        {"Roll twice more on Table 6C", {k6C, k6C}},
        {"Roll twice on Table 6H", {k6H, k6H}},
        {"Roll twice on Table 6G", {k6G, k6G}},
        {"Roll twice on Table 6B", {}},
        {"Roll twice on Table 6E and 6C", {k6C, k6C}},
        {"Roll on Table Hero's Almanac 6I: Quirks, Major (Personality)",
         {"Hero's Almanac 6I: Quirks, Major (Personality)"}},
        {"Roll on Table PA 6O", {"Priest's Almanac 6O"}},
        {"Roll on Table PA 6P", {"Priest's Almanac 6P"}},
        {"Roll on 6J, 6K, 6L, 6M, 6N, 6Q and 6R",
         {"Magister's Almanac 6J", "Magister's Almanac 6K", "Magister's Almanac 6L", "Warlord's Almanac 6M",
          "Warlord's Almanac 6N", "Rogue's Almanac 6Q", "Rogue's Almanac 6R"}},
        // no code: 6A and 6S are not codes, and neither is a lower-case letter
        {"Roll on Table 6A", {}},
        {"Roll on Table 6S or 6b", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QuirkTablesFromCodes(c.name), c.tables) << c.name;
    }
    EXPECT_EQ(QuirkTableForCode('A'), "");
    EXPECT_EQ(QuirkTableForCode('S'), "");
}

TEST_F(QuirkHelpersTest, MissingFingerLowersOnlyItself) {
    auto fresh = std::make_unique<QuirkFlawTable>();
    SetQuirkFlawStructure(*fresh);
    ASSERT_EQ(quirkflaw[17].bp, 5);
    EXPECT_TRUE(ApplyBpAfterFirst(17));
    EXPECT_EQ(quirkflaw[17].bp, 1);
    for (int row : QuirkTableRows(k6C)) {
        if (row != 17) {
            EXPECT_EQ(quirkflaw[static_cast<size_t>(row)].bp, (*fresh)[static_cast<size_t>(row)].bp) << row;
        }
    }
    // a second finger keeps the lowered value
    EXPECT_TRUE(ApplyBpAfterFirst(17));
    EXPECT_EQ(quirkflaw[17].bp, 1);
}

TEST_F(QuirkHelpersTest, FirstExtraPersonalityLowersTheWholeTable) {
    EXPECT_TRUE(ApplyBpAfterFirst(290));
    for (int row = 275; row <= 294; ++row) {
        EXPECT_EQ(quirkflaw[static_cast<size_t>(row)].bp, 5) << row;
    }
    EXPECT_EQ(quirkflaw[295].bp, -5);
    // rows of other tables keep their values
    EXPECT_EQ(quirkflaw[100].bp, 0);
    EXPECT_EQ(quirkflaw[101].bp, 11);
    EXPECT_EQ(quirkflaw[296].bp, 11);
}

TEST_F(QuirkHelpersTest, BpAfterFirstIgnoresRowsItDoesNotApplyTo) {
    const auto before = std::make_unique<QuirkFlawTable>(quirkflaw);
    // 295 has a bpAfterFirst but is of type 2; 39 and 13 have none; the rest are outside the table.
    for (int row : {295, 39, 13, 0, -1, kQuirkFlawRows, 700}) {
        EXPECT_FALSE(ApplyBpAfterFirst(row)) << row;
    }
    for (int row = 0; row < kQuirkFlawRows; ++row) {
        EXPECT_EQ(quirkflaw[static_cast<size_t>(row)].bp, (*before)[static_cast<size_t>(row)].bp) << row;
    }
}

} // namespace
