#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>

#include "app/dice.h"
#include "gm/critical_roll.h"
#include "gm/critical_table.h"
#include "support/reset_globals.h"

namespace {

size_t RowOf(int type, int severity, int location) {
    return static_cast<size_t>(type * 1200 + (severity - 1) * 50 + location);
}

bool IsException(int type, int severity) {
    return type == 0 && severity == 5;
}

TEST(CriticalTable, RowsSitWhereTheirTypeSeverityAndLocationPutThem) {
    ASSERT_EQ(criticaldata.size(), 4800u);
    for (int type = 0; type < 4; ++type)
        for (int severity = 1; severity <= 24; ++severity)
            for (int location = 0; location < 50; ++location) {
                const CriticalEntry& row = criticaldata[RowOf(type, severity, location)];
                const CriticalLocation& where = kCriticalLocationTable[location];
                EXPECT_EQ(row.type, type);
                EXPECT_EQ(row.severity, severity);
                EXPECT_EQ(row.high, where.high);
                const int32_t low = IsException(type, severity) && location == 0 ? 1 : where.low;
                EXPECT_EQ(row.low, low) << type << "/" << severity << "/" << location;
                EXPECT_EQ(row.text.rfind(std::string(where.name) + ": ", 0), 0u) << row.text;
            }
}

TEST(CriticalTable, EveryGroupCoversTheWholeRollWithoutGapOrOverlap) {
    EXPECT_STREQ(kCriticalLocationTable[30].name, "Forarm, back");
    for (int type = 0; type < 4; ++type)
        for (int severity = 1; severity <= 24; ++severity) {
            const CriticalEntry* group = &criticaldata[RowOf(type, severity, 0)];
            EXPECT_EQ(group[0].low, IsException(type, severity) ? 1 : 0);
            for (int location = 1; location < 50; ++location)
                EXPECT_EQ(group[location].low, group[location - 1].high + 1);
            EXPECT_EQ(group[49].high, 10000);
        }
}

// Every code is one of the roller's legend, with a single digit where the legend has X.
TEST(CriticalTable, TextsAreShortAndUseOnlyLegendCodesAndLateOutcomes) {
    const std::regex code(
        "[0-9]+|x[2-5]|(a|b|bf|bm|bs|d|h|mt|s|t|v)[0-9]|f|ib|ls|m([1-9]|10)|mc|p|pb|sc|u|w|ws");
    const std::set<std::string> outcomes = {"brain goo",
                                            "skull caved-in",
                                            "skull caved in",
                                            "jaw removed",
                                            "choking",
                                            "windpipe crushed",
                                            "run thru (dead)",
                                            "decapitated (dead)",
                                            "neck snapped (dead)",
                                            "cut in twain (dead)",
                                            "body cavity crushed (dead)",
                                            "spine crushed (dead)"};
    std::set<std::string> outcomesSeen;
    for (const CriticalEntry& row : criticaldata) {
        EXPECT_LE(row.text.size(), kCriticalTextMax) << row.text;
        const size_t colon = row.text.find(": ");
        ASSERT_NE(colon, std::string::npos) << row.text;
        std::string rest = row.text.substr(colon + 2);
        ASSERT_FALSE(rest.empty()) << row.text;
        size_t start = 0;
        while (start <= rest.size()) {
            size_t end = rest.find(", ", start);
            if (end == std::string::npos)
                end = rest.size();
            const std::string part = rest.substr(start, end - start);
            if (outcomes.count(part)) {
                EXPECT_GE(row.severity, 22) << row.text;
                outcomesSeen.insert(part);
                if (part.find("(dead)") != std::string::npos) {
                    EXPECT_EQ(part, rest) << "a fatal outcome stands alone: " << row.text;
                }
            } else {
                EXPECT_TRUE(std::regex_match(part, code)) << "'" << part << "' in " << row.text;
            }
            start = end + 2;
        }
    }
    EXPECT_EQ(outcomesSeen, outcomes);
}

// Effects grow with severity: from 9 on a multiplier, never falling as the level rises.
TEST(CriticalTable, DamageGrowsWithSeverity) {
    for (int type = 0; type < 4; ++type)
        for (int location = 0; location < 50; ++location) {
            int previous = 0;
            for (int severity = 1; severity <= 21; ++severity) {
                const std::string& text = criticaldata[RowOf(type, severity, location)].text;
                const std::string first =
                    text.substr(text.find(": ") + 2, text.find(", ") - text.find(": ") - 2);
                int weight = 0;
                if (severity <= 8) {
                    ASSERT_TRUE(std::isdigit(static_cast<unsigned char>(first[0]))) << text;
                    weight = std::stoi(first);
                } else {
                    ASSERT_EQ(first[0], 'x') << text;
                    weight = 100 * std::stoi(first.substr(1));
                }
                if (!(type == 0 && severity == 12 && location == 21)) {
                    EXPECT_GE(weight, previous) << text;
                }
                previous = weight;
            }
        }
}

TEST(CriticalTable, LookUps) {
    struct Case {
        int32_t roll, severity, type;
        const char* text;
    } cases[] = {
        {0, 1, 0, "Foot, top: 1"},
        {2331, 1, 0, "Groin (Male only): 1, f, h1"},
        {2405, 1, 0, "Groin (Male only): 1, f, h1"},
        {10000, 1, 0, "Head, top: 8"},
        {1, 5, 0, "Foot, top: 4, m1"},
        {100, 5, 0, "Foot, top: 4, m1"},
        {0, 3, 0, "Foot, top: 3"},
        {500, 12, 0, "Shin: x2, d2, f, m2"},
        {3156, 12, 0, "Chest: x3, w, ib, bf1"},
        {3200, 10, 0, "Chest: x3, w, t2"},
        {3200, 10, 3, "Chest: x3, w, t2, ib"},
        {3425, 24, 0, "Chest: run thru (dead)"},
        {3200, 24, 1, "Chest: cut in twain (dead)"},
        {9101, 23, 1, "Neck, front: neck snapped (dead)"},
        {3200, 24, 2, "Chest: body cavity crushed (dead)"},
        {9121, 22, 2, "Neck, front: windpipe crushed, choking"},
        {3200, 1, 3, "Chest: 1"},
        {3200, 1, 0, "Chest: 3"},
        {3200, 24, 3, "Chest: x5, bm4, pb, ib, v3, u"},
        {9924, 24, 3, "Head, top: brain goo"},
        // Severities: below 1 negated whatever else, 25 and more read as 24.
        {3200, 0, 0, "Severity level below 1; Critical Hit negated"},
        {-50, -3, 9, "Severity level below 1; Critical Hit negated"},
        {3200, 30, 0, "Chest: run thru (dead)"},
        {9924, 2147483647, 2, "Head, top: brain goo"},
        {3200, 25, 0, "Chest: run thru (dead)"}, // exactly 25: the first level lowered
        {9101, 25, 1, "Neck, front: decapitated (dead)"},
        {9101, 24, 1, "Neck, front: decapitated (dead)"},
        {9101, 23, 1, "Neck, front: neck snapped (dead)"},
        // Range ends are inclusive.
        {100, 1, 0, "Foot, top: 1"},
        {101, 1, 0, criticaldata[RowOf(0, 1, 1)].text.c_str()},
        {9923, 1, 0, criticaldata[RowOf(0, 1, 48)].text.c_str()},
        {9924, 1, 0, "Head, top: 8"},
        // Rolls and types no row holds.
        {0, 5, 0, "Error, incomplete data in program"},
        {0, 5, 1, criticaldata[RowOf(1, 5, 0)].text.c_str()},
        {10001, 1, 0, "Error, incomplete data in program"},
        {-1, 1, 0, "Error, incomplete data in program"},
        {3200, 1, 4, "Error, incomplete data in program"},
        {3200, 24, -1, "Error, incomplete data in program"},
    };
    EXPECT_EQ(criticaldata[RowOf(0, 1, 1)].text.rfind("Heel: ", 0), 0u);
    EXPECT_EQ(criticaldata[RowOf(0, 1, 48)].text.rfind("Face, upper center: ", 0), 0u);
    for (const Case& c : cases) {
        std::string out = "stale";
        Criticalhit(c.roll, c.severity, c.type, out);
        EXPECT_EQ(out, c.text) << c.roll << "/" << c.severity << "/" << c.type;
    }
    for (int type = 0; type < 4; ++type) {
        std::string out;
        Criticalhit(9924, 30, type, out);
        EXPECT_EQ(out, "Head, top: brain goo");
    }
}

// Which part of the body a location belongs to decides most of its effects. At severity 8 a puncture's
// row shows it plainly: the extra damage carries the region's bonus, and legs, arms and the groin add
// their own effects.
TEST(CriticalTable, EveryLocationTakesTheEffectsOfItsBodyRegion) {
    const std::map<std::string, std::string> regionOfCodes = {
        {"7, m1", "leg"}, {"7, ws, a1", "arm"}, {"7, f, h1", "groin"}, {"9", "torso"},
        {"11", "neck"},   {"14", "head"},       {"14, h1", "head"},
    };
    const struct {
        const char* location;
        const char* region;
    } expected[kCriticalLocations] = {
        {"Foot, top", "leg"},
        {"Heel", "leg"},
        {"Toe(s)", "leg"},
        {"Foot, arch", "leg"},
        {"Ankle, inner", "leg"},
        {"Ankle, outer", "leg"},
        {"Ankle, upper/Achilles", "leg"},
        {"Shin", "leg"},
        {"Calf", "leg"},
        {"Knee", "leg"},
        {"Knee, back", "leg"},
        {"Hamstring", "leg"},
        {"Thigh", "leg"},
        {"Hip", "torso"},
        {"Groin (Male only)", "groin"},
        {"Buttock", "torso"},
        {"Abdomen, lower", "torso"},
        {"Side, lower", "torso"},
        {"Abdomen, upper", "torso"},
        {"Back, small of", "torso"},
        {"Back, lower", "torso"},
        {"Chest", "torso"},
        {"Side, upper", "torso"},
        {"Back, upper", "torso"},
        {"Back, upper middle", "torso"},
        {"Armpit", "torso"},
        {"Arm, upper outer", "arm"},
        {"Arm, upper inner", "arm"},
        {"Elbow", "arm"},
        {"Inner joint", "arm"},
        {"Forarm, back", "arm"},
        {"Forarm, inner", "arm"},
        {"Wrist, back", "arm"},
        {"Wrist, front", "arm"},
        {"Hand, back", "arm"},
        {"Palm", "arm"},
        {"Finger(s)", "arm"},
        {"Shoulder, side", "arm"},
        {"Shoulder, top", "arm"},
        {"Neck, front", "neck"},
        {"Neck, back", "neck"},
        {"Neck, side", "neck"},
        {"Head, side", "head"},
        {"Head, back lower", "head"},
        {"Face, lower side", "head"},
        {"Face, lower center", "head"},
        {"Head, back upper", "head"},
        {"Face, upper side", "head"},
        {"Face, upper center", "head"},
        {"Head, top", "head"},
    };
    for (int location = 0; location < kCriticalLocations; ++location) {
        const std::string name = expected[location].location;
        const std::string& text = criticaldata[RowOf(0, 8, location)].text;
        ASSERT_EQ(text.rfind(name + ": ", 0), 0u) << text;
        const auto region = regionOfCodes.find(text.substr(name.size() + 2));
        ASSERT_NE(region, regionOfCodes.end()) << text;
        EXPECT_EQ(region->second, expected[location].region) << text;
    }
}

class CriticalRollTest : public GlobalsTest {};

TEST_F(CriticalRollTest, OpenEndedBothWaysWithTheBaseInEveryThrow) {
    struct Case {
        int32_t base;
        std::vector<int32_t> faces;
        int32_t total;
    } cases[] = {
        {5, {8, 3}, 20},      {5, {1, 4}, -2},  {5, {8, 1, 6}, 8},     {0, {8, 8, 2}, 16}, {0, {5}, 5},
        {0, {1, 3}, -1},      {10, {1, 3}, -1}, {0, {1, 1, 1, 7}, -5}, // 1 - 0 - 0 - 6: a run of ones keeps
                                                                       // subtracting
        {2, {1, 8, 8, 4}, 8}, // 3 - 9 + 9 + 5: each throw's direction follows the throw before it
    };
    for (const Case& c : cases) {
        dice::QueueFaces(c.faces);
        EXPECT_EQ(CriticalHitDiceRoll(8, 1, c.base), c.total) << "base " << c.base;
        EXPECT_EQ(dice::QueuedFaces(), 0u);
    }
}

TEST_F(CriticalRollTest, SaturatesAndStopsOnDiceThatCannotEnd) {
    dice::QueueFaces({8, 8, 8, 2});
    EXPECT_EQ(CriticalHitDiceRoll(8, 1, INT32_MAX), INT32_MAX);
    dice::QueueFaces({8, 8, 2});
    EXPECT_EQ(CriticalHitDiceRoll(8, 1, INT32_MIN), INT32_MIN);
    dice::QueueFaces({1, 1, 1});
    EXPECT_EQ(CriticalHitDiceRoll(1, 1, 4), 5);
    EXPECT_EQ(dice::QueuedFaces(), 2u);
    dice::ResetGenerator();
    EXPECT_EQ(CriticalHitDiceRoll(1, 8, 0), 8); // eight one-sided dice: always 8, thrown once
    EXPECT_EQ(CriticalHitDiceRoll(0, 1, 3), 3);
    dice::SetSeedWord(77);
    int32_t lowest = 8, highest = 0;
    for (int i = 0; i < 2000; ++i) {
        const int32_t total = CriticalHitDiceRoll(8, 1, 0);
        lowest = std::min(lowest, total);
        highest = std::max(highest, total);
    }
    EXPECT_LT(lowest, 0);
    EXPECT_GT(highest, 14);
}

} // namespace
