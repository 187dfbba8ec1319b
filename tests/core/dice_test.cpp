#include <gtest/gtest.h>

#include "app/dice.h"
#include "app/roll_stats.h"
#include "support/dice_rolls.h"
#include "support/reset_globals.h"

namespace {

class DiceTest : public GlobalsTest {};

// A second, plain TT800 written from the generator's description, to check the program's one.
struct ReferenceTT800 {
    uint32_t x[25];
    int k = 0;
    explicit ReferenceTT800(uint32_t seed) {
        x[0] = seed | 1;
        for (int i = 1; i < 25; ++i)
            x[i] = static_cast<uint32_t>((uint64_t(x[i - 1]) * 69069u) % 4294967296ull);
    }
    uint32_t Next() {
        static const uint32_t mag[2] = {0, 0x8ebfd028u};
        if (k == 25) {
            for (int j = 0; j < 25; ++j) {
                const int src = j < 18 ? j + 7 : j - 18;
                x[j] = x[src] ^ (x[j] >> 1) ^ mag[x[j] % 2];
            }
            k = 0;
        }
        uint32_t y = x[k++];
        y ^= (y << 7) & 0x2b5b2500u;
        y ^= (y << 15) & 0xdb8b0000u;
        y ^= y >> 16;
        return y;
    }
};

TEST_F(DiceTest, FixedSeedGivesTheTemperedSeedWordsThenRegenerates) {
    for (uint32_t seed : {1u, 12345u, 0xfffffffeu, 1733836800u}) {
        dice::SetSeedWord(seed);
        ReferenceTT800 ref(seed);
        uint32_t word = seed | 1u;
        for (int i = 0; i < 25; ++i) {
            ASSERT_EQ(VOLDrand(), dice::Temper(word)) << "seed " << seed << " output " << i;
            ASSERT_EQ(ref.Next(), dice::Temper(word));
            word *= 69069u;
        }
        for (int i = 25; i < 200; ++i)
            ASSERT_EQ(VOLDrand(), ref.Next()) << "seed " << seed << " output " << i;
    }
}

TEST_F(DiceTest, TemperingMatchesKnownValues) {
    EXPECT_EQ(dice::Temper(0), 0u);
    // 1 -> 1 ^ (0x80 & 0x2b5b2500 = 0) ... worked by hand: only the >>16 step can move low bits.
    EXPECT_EQ(dice::Temper(1), 1u);
    const uint32_t y = 0x80000000u;
    EXPECT_EQ(dice::Temper(y), y ^ (y >> 16));
}

TEST_F(DiceTest, NoDiceOrNoSidesGiveZeroWhateverTheModifier) {
    EXPECT_EQ(DiceRoll(6, 0), 0);
    EXPECT_EQ(DiceRoll(0, 3), 0);
    EXPECT_EQ(DiceRollM(6, 0, 5), 0);
    EXPECT_EQ(DiceRollPenM(-4, 2, 3), 0);
    EXPECT_EQ(dice::QueuedFaces(), 0u);
}

TEST_F(DiceTest, ScriptedFacesFollowThePenetrationRule) {
    struct Case {
        int sides, count, modifier, penetrate;
        std::vector<int32_t> faces;
        int expected;
    } cases[] = {
        {4, 1, 0, 1, {3}, 3},
        {4, 1, 0, 1, {4, 2}, 5},
        {4, 1, 0, 1, {4, 4, 1}, 7},
        {4, 2, 0, 1, {2, 3}, 4},
        {6, 1, 2, 1, {6, 3}, 12},
        {6, 3, 0, 0, {6, 6, 6}, 18},
        {6, 2, 3, 0, {1, 1}, 5},
        {6, 2, 3, 0, {6, 6}, 15},
        {12, 12, 0, 0, std::vector<int32_t>(12, 12), 144},
        // Modifiers at the 32-bit ends saturate instead of wrapping, die by die and in the total.
        {6, 1, INT32_MAX, 1, {3}, INT32_MAX},
        {6, 1, INT32_MAX, 1, {6, 2}, INT32_MAX},
        {6, 1, INT32_MAX - 6, 1, {5}, INT32_MAX - 1},
        {6, 1, INT32_MIN, 1, {6, 1}, INT32_MIN},
        {6, 2, INT32_MIN + 10, 1, {6, 1, 1}, INT32_MIN},
        {6, 1, INT32_MIN, 0, {4}, INT32_MIN + 4},
        {6, 2, INT32_MAX, 0, {6, 6}, INT32_MAX},
        {6, 2, INT32_MIN, 0, {1, 1}, INT32_MIN + 2},
    };
    for (const Case& c : cases) {
        dice::QueueFaces(c.faces);
        EXPECT_EQ(DiceRollAll(c.sides, c.count, c.modifier, c.penetrate), c.expected)
            << c.sides << " sides, " << c.count << " dice, modifier " << c.modifier << ", penetrate "
            << c.penetrate;
        EXPECT_EQ(dice::QueuedFaces(), 0u);
    }
}

TEST_F(DiceTest, OneSidedDiceDoNotPenetrateForever) {
    EXPECT_EQ(DiceRollPen(1, 3), 3);
    EXPECT_EQ(DiceRollPenM(1, 2, 4), 6);
}

TEST_F(DiceTest, DiceStayInTheirRangeAndReachBothEnds) {
    dice::SetSeedWord(20261210);
    struct Range {
        int sides, count, modifier, lo, hi;
    } ranges[] = {
        {6, 2, 3, 5, 15}, {10000, 1, 0, 1, 10000}, {6, 3, 0, 3, 18}, {100, 1, 0, 1, 100}, {2, 1, 0, 1, 2}};
    for (const Range& r : ranges) {
        int seenLo = r.hi, seenHi = r.lo;
        for (int i = 0; i < 20000; ++i) {
            const int v = DiceRollM(r.sides, r.count, r.modifier);
            ASSERT_GE(v, r.lo);
            ASSERT_LE(v, r.hi);
            seenLo = std::min(seenLo, v);
            seenHi = std::max(seenHi, v);
        }
        if (r.sides <= 100) {
            EXPECT_EQ(seenLo, r.lo) << r.sides;
            EXPECT_EQ(seenHi, r.hi) << r.sides;
        }
    }
}

TEST_F(DiceTest, HonorAndScholarModifiers) {
    struct Case {
        const char* honor;
        const char* package;
        const char* quirk;
        int honorMod, scholarMod;
    } cases[] = {
        {"No honor in particular", "Pizza Man", "I scream at monsters!", 0, 0},
        {"Great Honor", "scholar", "INT bonus", 1, 1},
        {"Dishonorable", "SCHOLAR", "WIS and Tool use", -1, 0},
        {"Great Dishonorable", "Scholar", "Combat Procedures", 1, -1},
        {"great", "Scholars", "INT", 0, 0},
    };
    for (const Case& c : cases) {
        HonorText = c.honor;
        Package = c.package;
        szTempQuirk = c.quirk;
        EXPECT_EQ(HonorMod(), c.honorMod) << c.honor;
        EXPECT_EQ(ScholarMod(), c.scholarMod) << c.package << " / " << c.quirk;
    }
    HonorText = "Great";
    Package = "Scholar";
    szTempQuirk = "INT";
    dice::QueueFaces({3, 4});
    EXPECT_EQ(DiceRollMHonor(6, 2, 1), 3 + 4 + 1 + 1 + 1);
}

// A face the die cannot show means the test or the code asks the wrong die: the roll stops there.
TEST_F(DiceTest, AQueuedFaceTheDieCannotShowIsRefusedWithTheDieNamed) {
    struct Case {
        int sides, count, penetrate;
        std::vector<int32_t> faces;
        const char* message;
    } cases[] = {
        {6, 1, 0, {7}, "queued face 7 cannot show on a d6 (the roll asked for 1d6)"},
        {6, 3, 0, {6, 0, 2}, "queued face 0 cannot show on a d6 (the roll asked for 3d6)"},
        {1000, 1, 0, {10000}, "queued face 10000 cannot show on a d1000 (the roll asked for 1d1000)"},
        {20, 1, 0, {-3}, "queued face -3 cannot show on a d20 (the roll asked for 1d20)"},
        // The die a penetration adds is checked as well.
        {4, 1, 1, {4, 5}, "queued face 5 cannot show on a d4 (the roll asked for 1d4)"},
        {1, 2, 0, {1, 2}, "queued face 2 cannot show on a d1 (the roll asked for 2d1)"},
    };
    for (const Case& c : cases) {
        dice::QueueFaces(c.faces);
        dice::QueueFaces({1, 1}); // meant for later dice, dropped with the refusal
        try {
            DiceRollAll(c.sides, c.count, 0, c.penetrate);
            ADD_FAILURE() << "no refusal for " << c.message;
        } catch (const dice::RefusedFace& refused) {
            EXPECT_STREQ(refused.what(), c.message);
        }
        EXPECT_EQ(dice::QueuedFaces(), 0u) << c.message;
    }
    // Both ends of the die are faces it shows.
    dice::QueueFaces({1, 10000, 1, 6, 6, 2});
    EXPECT_EQ(DiceRoll(10000, 2), 10001);
    EXPECT_EQ(DiceRollPen(6, 2), 1 + (6 - 1) + (6 - 1) + (2 - 1));
    EXPECT_EQ(dice::QueuedFaces(), 0u);
}

TEST_F(DiceTest, EveryRollAskedIsRecordedWithItsCountAndSides) {
    using Rolls = std::vector<dice::Roll>;
    EXPECT_EQ(dice::RollsAsked(), Rolls{});
    dice::QueueFaces({2, 3, 4, 4, 1});
    DiceRoll(6, 2);
    DiceRollPenM(4, 1, 1); // the die a penetration adds belongs to the roll asked for
    DiceRollM(8, 0, 3);    // no dice, nothing drawn, still asked for
    DiceRollHonor(10, 1);
    DiceRoll(0, 2);
    EXPECT_EQ(dice::RollsAsked(), (Rolls{{2, 6}, {1, 4}, {0, 8}, {1, 10}, {2, 0}}));
    EXPECT_EQ(dice::QueuedFaces(), 0u);

    // Seeded rolls are recorded the same way; a reset empties the record.
    dice::SetSeedWord(9);
    DiceRoll(100, 1);
    EXPECT_EQ(dice::RollsAsked().back(), (dice::Roll{1, 100}));
    dice::ResetGenerator();
    EXPECT_EQ(dice::RollsAsked(), Rolls{});

    // The program itself keeps no record.
    struct RecordingBackOn {
        ~RecordingBackOn() { dice::RecordRolls(true); }
    } backOn;
    dice::RecordRolls(false);
    dice::QueueFaces({5});
    EXPECT_EQ(DiceRoll(6, 1), 5);
    EXPECT_EQ(dice::RollsAsked(), Rolls{});
}

} // namespace

#include <fstream>
#include <iterator>

#include "app/character.h"
#include "app/program_data.h"
#include "support/scoped_temp_dir.h"

namespace {

TEST_F(DiceTest, RollStatsDrawsScoreThenFractionPerAbilityAndLogsThem) {
    ScopedTempDir dir;
    program_data.LogFileName = "stats.log";
    program_data.BuildingPoints = 2.5f;
    dice::QueueFaces(
        {1, 2, 3, 50, 6, 6, 6, 100, 4, 4, 4, 1, 2, 2, 2, 7, 5, 5, 5, 33, 3, 3, 3, 99, 1, 1, 1, 12});
    RollStats();
    EXPECT_EQ(dice::QueuedFaces(), 0u);
    std::vector<dice::Roll> perAbility;
    for (int i = 0; i < 7; ++i)
        perAbility.insert(perAbility.end(), {{3, 6}, {1, 100}});
    EXPECT_EQ(dice::RollsAsked(), perAbility);
    const std::array<int32_t, 7> scores{6, 18, 12, 6, 15, 9, 3};
    const std::array<int32_t, 7> fractions{50, 100, 1, 7, 33, 99, 12};
    EXPECT_EQ(current_character.ABILITY_BASE, scores);
    EXPECT_EQ(current_character.ABILITY_PERC, fractions);
    std::ifstream in("stats.log");
    const std::string log((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(log,
              "BP=2.5    | Rolling Ability Scores STR=6/50 DEX=18/100 CON=12/1 INT=6/7 WIS=15/33 CHR=9/99 "
              "COM=3/12 \n");
}

} // namespace
