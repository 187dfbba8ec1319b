#include <gtest/gtest.h>
#include <set>
#include <string>

#include "catalog/class_catalog.h"
#include "gm/honor_table.h"
#include "support/catalog_files.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"

namespace {

using Points = std::array<int32_t, kHonorAlignments>;

TEST(HonorTableTest, SevenTablesInRowOrderWithTheirLabels) {
    const struct {
        int32_t table;
        size_t first;
        size_t count;
        const char* firstText;
        const char* label;
    } tables[] = {
        {1, 0, 36, "Allowing a disarmed opponent to pick up his weapon",
         "KA Table 4B: Honor Point Awards - Combat-related Actions"},
        {2, 36, 33, "Accused of a crime (innocent or not)",
         "KA Table 4C: Honor Point Awards - Social Encounters"},
        {3, 69, 13, "Acquiring land (per transaction)",
         "KA Table 4D: Honor Point Awards - Personal Achievements/Failures"},
        {4, 82, 13, "Assassinating a character/NPC of a higher level",
         "KA Table 4E: Honor Point Awards - Class/Professional"},
        {5, 95, 9, "Initiating an Honor duel with one of lower honor",
         "KA Table 4F: Honor Point Awards - NPC and Player Related"},
        {6, 104, 11, "Avenging murder of family member",
         "KA Table 4G: Honor Point Awards - Clan/Group Related"},
        {7, 115, 7, "Banished/Ousted by Party",
         "KA Table 4H: Honor Point Awards - Action/Event: Party Related"},
    };
    ASSERT_EQ(HonorData.size(), 122u);
    EXPECT_STREQ(kHonorFilterLabels[0], "Unfiltered - Honor Point Awards");
    for (const auto& t : tables) {
        EXPECT_STREQ(kHonorFilterLabels[static_cast<size_t>(t.table)], t.label);
        const std::vector<size_t> rows = HonorRowsOfFilter(t.table);
        ASSERT_EQ(rows.size(), t.count) << "table " << t.table;
        for (size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(rows[i], t.first + i) << "table " << t.table;
        EXPECT_STREQ(HonorData[t.first].text, t.firstText);
    }
    EXPECT_STREQ(HonorData[121].text, "Unnecessary deaths in course of mission");

    const std::vector<size_t> all = HonorRowsOfFilter(0);
    ASSERT_EQ(all.size(), 122u);
    for (size_t i = 0; i < all.size(); ++i)
        EXPECT_EQ(all[i], i);
    for (int32_t outside : {-1, 8, 1000})
        EXPECT_TRUE(HonorRowsOfFilter(outside).empty()) << outside;
}

// The reward list finds a row by searching its shown text for row texts: that only finds the row shown
// when every text is unique and lies inside no other.
TEST(HonorTableTest, EveryTextFindsItsOwnRowAndNoTextLiesInsideAnother) {
    for (size_t row = 0; row < kHonorRows; ++row) {
        const std::string text = HonorData[row].text;
        EXPECT_FALSE(text.empty());
        EXPECT_LE(text.size(), 79u) << row;
        for (size_t other = 0; other < kHonorRows; ++other) {
            if (other != row) {
                EXPECT_EQ(std::string(HonorData[other].text).find(text), std::string::npos)
                    << "row " << row << " lies inside row " << other;
            }
        }
        EXPECT_EQ(HonorRowOfText(text), row);
    }
    EXPECT_EQ(HonorRowOfText("  Dirty Fighting (twice)"), 10u);
    EXPECT_EQ(HonorRowOfText("dirty fighting"), std::nullopt) << "case-sensitive";
    EXPECT_EQ(HonorRowOfText(""), std::nullopt);
}

TEST(HonorTableTest, TheGivenRowsHoldTheirPointsAndAllPointsStayInRange) {
    const struct {
        size_t row;
        Points points;
    } given[] = {
        {0, {1, 1, 1, 1, 0, -1, 1, -1, -1}},     {10, {-1, -1, 0, -1, 1, 2, 0, 2, 3}},
        {27, {-5, -5, -5, 0, 0, 0, 5, 5, 5}},    {28, {-5, -5, -10, -5, -2, -10, -5, 0, -10}},
        {29, {0, 0, 0, 0, 0, 0, 0, 0, 0}},       {44, {10, 10, 10, 10, 10, 10, 10, 10, 10}},
        {59, {5, 4, 3, 0, 0, 0, -3, -4, -5}},    {82, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {86, {5, 5, 5, 3, 3, 3, -5, -5, -5}},    {112, {-8, -7, -6, -6, -5, -4, -3, 0, 3}},
        {116, {10, 7, 4, 10, 7, 4, 10, 7, 4}},   {119, {-10, -7, -4, -10, -7, -4, -10, -7, -4}},
        {121, {-2, -4, -6, 0, -2, -4, 0, 2, 0}},
    };
    for (const auto& g : given)
        EXPECT_EQ(HonorData[g.row].points, g.points) << "row " << g.row;

    size_t same = 0;
    for (const HonorAwardEntry& e : HonorData) {
        for (int32_t p : e.points) {
            EXPECT_GE(p, -10) << e.text;
            EXPECT_LE(p, 10) << e.text;
        }
        same += std::set<int32_t>(e.points.begin(), e.points.end()).size() == 1;
    }
    EXPECT_EQ(same, 60u) << "rows worth the same to every alignment";
}

TEST(HonorTableTest, EachRowHasItsNoteAndTheStoredGroups) {
    const std::pair<size_t, int32_t> notes[] = {
        {34, 1},  {38, 2},   {35, 3},   {39, 4},   {11, 5},   {54, 6},   {60, 7},
        {21, 8},  {10, 9},   {101, 10}, {102, 11}, {29, 12},  {84, 13},  {85, 13},
        {86, 13}, {88, 14},  {62, 15},  {50, 16},  {25, 17},  {44, 18},  {82, 19},
        {71, 20}, {104, 21}, {108, 22}, {114, 23}, {117, 24}, {118, 25}, {120, 26},
    };
    std::array<int32_t, kHonorRows> expected{};
    for (const auto& [row, note] : notes)
        expected[row] = note;
    for (size_t row = 0; row < kHonorRows; ++row) {
        EXPECT_EQ(HonorData[row].note, expected[row]) << "row " << row;
        EXPECT_STREQ(HonorNote(row), NoteBuffer[static_cast<size_t>(expected[row])]) << "row " << row;
    }
    EXPECT_STREQ(HonorNote(0), "Notes");
    EXPECT_STREQ(HonorNote(10),
                 "Penalties for dirty fighting do not apply if the other guy is 'dirty fighting' first");
    EXPECT_STREQ(HonorNote(82), "+50% of character's Honor");
    EXPECT_STREQ(HonorNote(120), "lose 50% of Honor");

    // The notes given only by their opening words go on past 90 characters.
    const std::pair<size_t, const char*> openings[] = {
        {1, "Paladins, dark knights, cavaliers and knigh errants earn double Honor points"},
        {4, "Includes tolerating bad service or rude behavior from merchants"},
        {7, "Includes authority figures like guards, nobles, etc."},
        {8, "If the character is witnessed humiliating an honorable character"},
        {12, "Severity Level - Critical hits to the groin"},
        {13, "Where applicable, an evil cleric gains Honor and a good cleric loses HONOR"},
        {14, "The token must be from a foe of equal or greater level/hit dice"},
        {16, "Evil characters must make an Honor check"},
    };
    for (const auto& [note, opening] : openings) {
        const std::string text = NoteBuffer[note];
        EXPECT_EQ(text.rfind(opening, 0), 0u) << note;
        EXPECT_GT(text.size(), 90u) << note;
    }

    const int32_t classGroups[] = {1, 1, 2, 2, 2, 3, 3, 4, 4, 5, 6, 6, 6};
    for (size_t row = 0; row < kHonorRows; ++row) {
        const HonorAwardEntry& e = HonorData[row];
        EXPECT_EQ(e.classGroup, e.table == 4 ? classGroups[row - 82] : 0) << row;
        EXPECT_EQ(e.group, e.table == 6 ? 1 : e.table == 7 ? 2 : 0) << row;
    }
}

TEST(HonorTableTest, PointsAreReadForTheNineAlignmentsWrittenExactly) {
    const struct {
        const char* alignment;
        std::optional<int32_t> surrendering; // row 28
        std::optional<int32_t> murder;       // row 112
    } cases[] = {
        {"Lawful-good", -5, -8},   {"Neutral-good", -5, -7},
        {"Chaotic-good", -10, -6}, {"Lawful-neutral", -5, -6},
        {"Neutral", -2, -5},       {"Chaotic-neutral", -10, -4},
        {"Lawful-evil", -5, -3},   {"Neutral-evil", 0, 0},
        {"Chaotic-evil", -10, 3},  {"lawful-good", {}, {}},
        {"Lawful Good", -5, -8},   {"Lawful-good ", {}, {}},
        {"Neutral-Good", {}, {}},  {"", {}, {}},
        {"True neutral", {}, {}},  {"True Neutral", -2, -5},
        {"Lawful good", {}, {}},   {"LAWFUL GOOD", {}, {}},
        {"Lawful  Good", {}, {}},  {"Neutral Evil", 0, 0},
        {"Chaotic Evil", -10, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HonorPoints(28, c.alignment), c.surrendering) << c.alignment;
        EXPECT_EQ(HonorPoints(112, c.alignment), c.murder) << c.alignment;
    }
    // A note that speaks of a share of honor changes nothing: the row's points are what it is worth.
    for (const char* alignment : kHonorAlignmentNames)
        EXPECT_EQ(HonorPoints(82, alignment), 1) << alignment;
    EXPECT_EQ(HonorPoints(kHonorRows, "Neutral"), std::nullopt);
    // The class catalogues' spelling of an alignment is worth what the table's is, row by row.
    for (size_t a = 0; a < kHonorAlignments; ++a)
        for (size_t row = 0; row < kHonorRows; ++row)
            ASSERT_EQ(HonorPoints(row, kCatalogueAlignmentNames[a]), HonorData[row].points[a])
                << kCatalogueAlignmentNames[a] << " row " << row;
}

// A character made from the shipped sample catalogue picks its alignment from its class's list (or is
// "Neutral" for low Wisdom): each of those must earn award points.
class HonorSampleAlignmentTest : public GlobalsTest {};

TEST_F(HonorSampleAlignmentTest, EveryAlignmentASampleClassOffersEarnsPoints) {
    ScopedTempDir dir;
    std::filesystem::copy(SampleCatalogs(), dir.path(), std::filesystem::copy_options::recursive);
    testing::internal::CaptureStdout();
    LoadCatalogues();
    testing::internal::GetCapturedStdout();
    std::set<std::string> offered = {"Neutral"};
    for (const CharacterClass* cls = CharacterClass::First(); cls; cls = cls->pNext.get())
        offered.insert(cls->ALIGNMENT.begin(), cls->ALIGNMENT.end());
    EXPECT_GE(offered.size(), 10u) << "the sample classes offer the nine alignments";
    for (const std::string& alignment : offered)
        EXPECT_TRUE(HonorPoints(116, alignment).has_value()) << '"' << alignment << '"';
    EXPECT_EQ(HonorPoints(116, "Lawful Good"), 10); // Completing a quest
    EXPECT_EQ(HonorPoints(116, "Chaotic Good"), 4);
}

} // namespace
