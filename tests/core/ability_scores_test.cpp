// Ability table look-ups: cell texts, row choice, clamping and unknown columns.
#include "ui/ability_scores.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "support/test_names.h"

namespace {

using Lookup = const std::string& (*)(const std::string&, int, int);

struct LookupCase {
    const char* table;
    Lookup lookup;
    const char* field;
    int score;
    int fraction;
    const char* expected;
};

void PrintTo(const LookupCase& c, std::ostream* os) {
    *os << c.table << "(\"" << c.field << "\", " << c.score << ", " << c.fraction << ")";
}

// "Str_Weight_Allowance_18_50": table, column, score and fraction.
std::string CaseName(const testing::TestParamInfo<LookupCase>& info) {
    const LookupCase& c = info.param;
    return std::string(c.table) + "_" + TestNameFromText(c.field) + "_" +
           TestNameFromText(std::to_string(c.score)) + "_" + TestNameFromText(std::to_string(c.fraction));
}

class AbilityLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(AbilityLookup, GivesTheCellText) {
    const LookupCase& c = GetParam();
    EXPECT_EQ(c.lookup(c.field, c.score, c.fraction), c.expected);
}

constexpr Lookup Str = &AbilityScores::GetStrength;
constexpr Lookup Dex = &AbilityScores::GetDexterity;
constexpr Lookup Con = &AbilityScores::GetConstitution;
constexpr Lookup Int = &AbilityScores::GetIntelligence;
constexpr Lookup Wis = &AbilityScores::GetWisdom;
constexpr Lookup Cha = &AbilityScores::GetCharisma;

const LookupCase kStrengthCases[] = {
    // Every column of 10/0; the bands run from one above the previous limit.
    {"Str", Str, "to_hit_adj", 10, 0, "+0"},
    {"Str", Str, "Damage_adj", 10, 0, "+0"},
    {"Str", Str, "Weight_Allowance", 10, 0, "43"},
    {"Str", Str, "Max_Press", 10, 0, "115"},
    {"Str", Str, "Open_Doors", 10, 0, "6"},
    {"Str", Str, "Bend_Bars", 10, 0, "2%"},
    {"Str", Str, "Light_Encumbrance", 10, 0, "44 - 54"},
    {"Str", Str, "Moderate_Encumbrance", 10, 0, "55 - 65"},
    {"Str", Str, "Heavy_Encumbrance", 10, 0, "66 - 86"},
    {"Str", Str, "Severe_Encumbrance", 10, 0, "87 - 129"},
    // 18 splits at fraction 51.
    {"Str", Str, "Weight_Allowance", 18, 0, "130"},
    {"Str", Str, "Weight_Allowance", 18, 50, "130"},
    {"Str", Str, "Weight_Allowance", 18, 51, "160"},
    {"Str", Str, "Weight_Allowance", 18, 100, "160"},
    {"Str", Str, "Open_Doors", 18, 51, "14(6)"},
    {"Str", Str, "Light_Encumbrance", 18, 51, "161 - 200"},
    // Above 25 reads 25/0 whatever the fraction.
    {"Str", Str, "Damage_adj", 25, 100, "+14"},
    {"Str", Str, "Damage_adj", 30, 0, "+14"},
    {"Str", Str, "Damage_adj", 30, 100, "+14"},
    {"Str", Str, "Severe_Encumbrance", INT_MAX, 50, "3001 - 4500"},
    // No matching row reads the first row (1/0).
    {"Str", Str, "to_hit_adj", 0, 0, "-3"},
    {"Str", Str, "Weight_Allowance", 0, 99, "1"},
    {"Str", Str, "Weight_Allowance", -7, 0, "1"},
    {"Str", Str, "Weight_Allowance", INT_MIN, 0, "1"},
    {"Str", Str, "Weight_Allowance", 18, -1, "1"},
    {"Str", Str, "Weight_Allowance", 1, 51, "2"},
};

const LookupCase kDexterityCases[] = {
    {"Dex", Dex, "Defense_adj", 12, 0, "+0"},       {"Dex", Dex, "Reaction_adj", 12, 0, "+0"},
    {"Dex", Dex, "Missile_adj", 12, 0, "+0"},       {"Dex", Dex, "Missile_adj", 12, 51, "+1"},
    {"Dex", Dex, "Pick_Pockets", 12, 0, "+0%"},     {"Dex", Dex, "Open_Locks", 12, 0, "+0%"},
    {"Dex", Dex, "Find_Traps", 12, 0, "+0%"},       {"Dex", Dex, "Remove_Traps", 12, 0, "+0%"},
    {"Dex", Dex, "Move_Silently", 12, 0, "-5%"},    {"Dex", Dex, "Hide_in_Shadows", 12, 0, "+0%"},
    {"Dex", Dex, "Defense_adj", 1, 0, "+5"},        {"Dex", Dex, "Missile_adj", 1, 0, "-6"},
    {"Dex", Dex, "Hide_in_Shadows", 19, 0, "+20%"}, {"Dex", Dex, "Hide_in_Shadows", 40, 0, "+50%"},
    {"Dex", Dex, "Pick_Pockets", 0, 0, "-25%"},
};

const LookupCase kConstitutionCases[] = {
    {"Con", Con, "HP_Adj", 25, 0, "+7"},
    {"Con", Con, "System_Shock", 25, 0, "100%"},
    {"Con", Con, "Resurection_Survival", 25, 0, "100%"},
    {"Con", Con, "Poison_Save", 25, 0, "4"},
    {"Con", Con, "Immunity_to_Disease", 25, 0, "-99%"},
    {"Con", Con, "Regeneration", 25, 0, "1 hp every turn"},
    {"Con", Con, "Regeneration", 1, 0, "Nil / 1 hp every 2 weeks"},
    {"Con", Con, "Poison_Save", 1, 0, "-2"},
    {"Con", Con, "HP_Adj", 12, 77, "+1"},
    {"Con", Con, "Regeneration", 0, 0, ""},
    {"Con", Con, "Regeneration", 30, 0, "1 hp every turn"},
    // A typed negative score reads the row for 0.
    {"Con", Con, "HP_Adj", -1, 0, "+0"},
    {"Con", Con, "Regeneration", -1, 0, ""},
    {"Con", Con, "System_Shock", INT_MIN, 0, "0%"},
};

const LookupCase kIntelligenceCases[] = {
    {"Int", Int, "Learn_Spells", 18, 0, "+85%"},
    {"Int", Int, "Learn_Spells", 18, 50, "+85%"},
    {"Int", Int, "Learn_Spells", 18, 51, "+90%"},
    {"Int", Int, "Maximum_Number_Spells", 18, 50, "18"},
    {"Int", Int, "Maximum_Number_Spells", 18, 51, "20"},
    {"Int", Int, "Illussion_Immunity", 18, 51, "Cantrips"},
    {"Int", Int, "Maximum_Spell_Level", 7, 0, ""},
    {"Int", Int, "Maximum_Spell_Level", 8, 0, "Cantrips"},
    {"Int", Int, "Spell_Mishap", 8, 0, "+35%"},
    {"Int", Int, "Maximum_Languages", 25, 0, "20"},
    {"Int", Int, "Maximum_Languages", 31, 0, "20"},
    {"Int", Int, "Learn_Spells", -1, 0, "+0%"},
};

const LookupCase kWisdomCases[] = {
    {"Wis", Wis, "Bonus_Spells", 18, 50, "2-2-1-1"},      {"Wis", Wis, "Bonus_Spells", 18, 51, "2-2-1-1-1"},
    {"Wis", Wis, "Spell_Immunity", 18, 50, "No"},         {"Wis", Wis, "Spell_Immunity", 18, 51, "Yes"},
    {"Wis", Wis, "Improve_Skill", 18, 51, "+11%"},        {"Wis", Wis, "Bonus_Spells", 12, 0, ""},
    {"Wis", Wis, "Magical_Defense", 1, 0, "-6"},          {"Wis", Wis, "Spell_Failure", 1, 0, "+80%"},
    {"Wis", Wis, "Bonus_Spells", 25, 0, "4-3-3-3-4-3-1"},
};

const LookupCase kCharismaCases[] = {
    {"Cha", Cha, "Reaction_Adj", 3, 0, "-5"},
    {"Cha", Cha, "Reaction_Adj", 3, 99, "-5"},
    {"Cha", Cha, "Reaction_Adj", 18, 0, "7"},
    {"Cha", Cha, "Reaction_Adj", 18, 51, "7"},
    {"Cha", Cha, "Hon_Mod", 18, 0, "7"},
    {"Cha", Cha, "Com_Mod", 3, 0, "-5"},
    {"Cha", Cha, "Max_Henchmen", 25, 0, "45"},
    {"Cha", Cha, "Hon_Mod", 30, 0, "14"},
    // A typed negative score reads the row for 0.
    {"Cha", Cha, "Hon_Mod", -4, 0, "0"},
    {"Cha", Cha, "Loyalty_Base", INT_MIN, 0, "0"},
};

// Names are matched whole and case-sensitively, and the misspellings are the keys.
const LookupCase kUnknownColumnCases[] = {
    {"Str", Str, "light_Encumbrance", 10, 0, "error"},
    {"Str", Str, "To_hit_adj", 10, 0, "error"},
    {"Str", Str, "to_hit_adj ", 10, 0, "error"},
    {"Str", Str, "", 10, 0, "error"},
    {"Str", Str, "score", 10, 0, "error"},
    {"Dex", Dex, "Reaction_Adj", 12, 0, "error"},
    {"Dex", Dex, "Pick_pockets", 12, 0, "error"},
    {"Con", Con, "Resurrection_Survival", 10, 0, "error"},
    {"Con", Con, "hp_adj", 10, 0, "error"},
    {"Int", Int, "Illusion_Immunity", 18, 0, "error"},
    {"Wis", Wis, "Magical_defense", 10, 0, "error"},
    {"Cha", Cha, "Reaction_adj", 18, 0, "error"},
    {"Cha", Cha, "HON_MOD", 18, 0, "error"},
};

INSTANTIATE_TEST_SUITE_P(Strength, AbilityLookup, testing::ValuesIn(kStrengthCases), CaseName);
INSTANTIATE_TEST_SUITE_P(Dexterity, AbilityLookup, testing::ValuesIn(kDexterityCases), CaseName);
INSTANTIATE_TEST_SUITE_P(Constitution, AbilityLookup, testing::ValuesIn(kConstitutionCases), CaseName);
INSTANTIATE_TEST_SUITE_P(Intelligence, AbilityLookup, testing::ValuesIn(kIntelligenceCases), CaseName);
INSTANTIATE_TEST_SUITE_P(Wisdom, AbilityLookup, testing::ValuesIn(kWisdomCases), CaseName);
INSTANTIATE_TEST_SUITE_P(Charisma, AbilityLookup, testing::ValuesIn(kCharismaCases), CaseName);
INSTANTIATE_TEST_SUITE_P(UnknownColumn, AbilityLookup, testing::ValuesIn(kUnknownColumnCases), CaseName);

TEST(AbilityScoresBuffer, EachLookUpOverwritesTheSharedBufferInPlace) {
    const std::string& first = AbilityScores::GetCharisma("Reaction_Adj", 3, 0);
    const char* firstText = first.c_str();
    EXPECT_EQ(&first, &temporaryString2);
    EXPECT_EQ(temporaryString2, "-5");

    // The longest text in the tables, then a short one: same object, same storage.
    const std::string& second = AbilityScores::GetConstitution("Regeneration", 1, 0);
    EXPECT_EQ(&second, &first);
    EXPECT_EQ(second.c_str(), firstText);
    EXPECT_EQ(first, "Nil / 1 hp every 2 weeks");

    AbilityScores::GetStrength("nonsense", 10, 0);
    EXPECT_EQ(temporaryString2.c_str(), firstText);
    EXPECT_EQ(first, "error");
}

TEST(AbilityScoresBuffer, EveryScoreAndFractionGivesAText) {
    // Sweeps the whole input range, past both ends, so an out-of-table read would show up
    // under the sanitizers; every known column must give a cell, never "error".
    const struct {
        Lookup lookup;
        const char* field;
    } columns[] = {
        {Str, "Severe_Encumbrance"}, {Str, "Open_Doors"},    {Dex, "Hide_in_Shadows"}, {Con, "Regeneration"},
        {Int, "Illussion_Immunity"}, {Wis, "Improve_Skill"}, {Cha, "Hon_Mod"},
    };
    for (const auto& column : columns) {
        for (int score = -3; score <= 28; ++score) {
            for (int fraction = 0; fraction <= 100; ++fraction) {
                ASSERT_NE(column.lookup(column.field, score, fraction), "error")
                    << column.field << " " << score << "/" << fraction;
            }
        }
    }
}

} // namespace
