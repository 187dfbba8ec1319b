// The ability branches of the character tree, on the headless tree.
#include "ui/ability_scores.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "app/character.h"
#include "support/reset_globals.h"
#include "support/tree_outline.h"
#include "ui/tree_model.h"

namespace {

class AbilityTreeTest : public GlobalsTest {
protected:
    // STR, DEX, CON, INT, WIS, CHA, COM as score/fraction.
    static void SetAbilities(const std::array<int32_t, 7>& scores, const std::array<int32_t, 7>& fractions) {
        current_character.ABILITY_BASE = scores;
        current_character.ABILITY_PERC = fractions;
    }
};

// Strength 18/63 reads the 18/51 row; empty cells of Intelligence 7 leave their labels bare.
const char* const kFullTree = "Ability Scores\n"
                              "  Strength\n"
                              "    Score\n      18/63\n"
                              "    to_hit_adj\n      +3\n"
                              "    Damage_adj\n      +6\n"
                              "    Weight_Allowance\n      160\n"
                              "    Max_Press\n      480\n"
                              "    Open_Doors\n      14(6)\n"
                              "    Bend_Bars\n      35%\n"
                              "    Light_Encumbrance\n      161 - 200\n"
                              "    Moderate_Encumbrance\n      201 - 240\n"
                              "    Heavy_Encumbrance\n      241 - 320\n"
                              "    Severe_Encumbrance\n      321 - 480\n"
                              "  Dexterity\n"
                              "    Score\n      12/0\n"
                              "    Defense_adj\n      +0\n"
                              "    Reaction_adj\n      +0\n"
                              "    Missile_adj\n      +0\n"
                              "    Pick_Pockets\n      +0%\n"
                              "    Open_Locks\n      +0%\n"
                              "    Find_Traps\n      +0%\n"
                              "    Remove_Traps\n      +0%\n"
                              "    Move_Silently\n      -5%\n"
                              "    Hide_in_Shadows\n      +0%\n"
                              "  Constitution\n"
                              "    Score\n      25/5\n"
                              "    HP_Adj\n      +7\n"
                              "    System_Shock\n      100%\n"
                              "    Resurection_Survival\n      100%\n"
                              "    Poison_Save\n      4\n"
                              "    Immunity_to_Disease\n      -99%\n"
                              "    Regeneration\n      1 hp every turn\n"
                              "  Intelligence\n"
                              "    Score\n      7/40\n"
                              "    Maximum_Languages\n      1\n"
                              "    Maximum_Spell_Level\n"
                              "    Learn_Spells\n      +30%\n"
                              "    Maximum_Number_Spells\n"
                              "    Illussion_Immunity\n"
                              "    Spell_Mishap\n      +0%\n"
                              "  Wisdom\n"
                              "    Score\n      13/2\n"
                              "    Magical_Defense\n      +0\n"
                              "    Bonus_Spells\n      1\n"
                              "    Spell_Failure\n      +0%\n"
                              "    Spell_Immunity\n      No\n"
                              "    Improve_Skill\n      +5%\n"
                              "  Charisma\n"
                              "    Score\n      3/99\n"
                              "    Max_Henchmen\n      1\n"
                              "    Loyalty_Base\n      -6\n"
                              "    Reaction_Adj\n      -5\n"
                              "  Comeliness\n"
                              "    11/50\n";

TEST_F(AbilityTreeTest, SummaryWithEachDetailBranchOnItsLabel) {
    SetAbilities({18, 12, 25, 7, 13, 3, 11}, {63, 0, 5, 40, 2, 99, 50});
    ASSERT_EQ(CurrentTree(), nullptr);
    AbilityScores::SendAbilitiestoTree();
    EXPECT_EQ(TreeOutline(CurrentTree()), kFullTree) << "the push opens the closed tree window";
}

TEST_F(AbilityTreeTest, PushingAgainReplacesTheBranchesAndLeavesOthersAlone) {
    UpdateTreeBranch("Skills", {"Climbing"}, {"45"}, 1);
    SetAbilities({3, 3, 3, 3, 3, 3, 3}, {1, 1, 1, 1, 1, 1, 1});
    AbilityScores abilities;
    abilities.SendAbilitiestoTree();
    SetAbilities({18, 12, 25, 7, 13, 3, 11}, {63, 0, 5, 40, 2, 99, 50});
    abilities.SendAbilitiestoTree();
    EXPECT_EQ(TreeOutline(CurrentTree()), std::string("Skills\n  Climbing\n    45\n") + kFullTree);
}

TEST_F(AbilityTreeTest, EachDetailPusherAloneMakesItsOwnBranch) {
    struct Case {
        void (*push)();
        const char* branch;
        int pairs;
    };
    const Case cases[] = {
        {&AbilityScores::SendStrengthtoTree, "Strength", 11},
        {&AbilityScores::SendDexteritytoTree, "Dexterity", 10},
        {&AbilityScores::SendConstitutiontoTree, "Constitution", 7},
        {&AbilityScores::SendIntelligencetoTree, "Intelligence", 7},
        {&AbilityScores::SendWisdomtoTree, "Wisdom", 6},
        {&AbilityScores::SendCharismatoTree, "Charisma", 4},
    };
    for (const Case& c : cases) {
        ResetGlobals();
        // Scores high enough that every cell has a text, so each label carries one value item.
        SetAbilities({20, 20, 20, 20, 20, 20, 20}, {0, 0, 0, 0, 0, 0, 0});
        c.push();
        TreeModel* tree = CurrentTree();
        ASSERT_NE(tree, nullptr) << c.branch;
        const TreeItem branch = tree->GetFirstChild(tree->GetRootItem());
        ASSERT_TRUE(branch.IsOk()) << c.branch;
        EXPECT_EQ(tree->GetItemText(branch), c.branch);
        EXPECT_FALSE(tree->GetNextSibling(branch).IsOk()) << c.branch << " is the only branch";
        int pairs = 0;
        for (TreeItem label = tree->GetFirstChild(branch); label.IsOk();
             label = tree->GetNextSibling(label)) {
            ++pairs;
            const TreeItem value = tree->GetFirstChild(label);
            ASSERT_TRUE(value.IsOk()) << c.branch << "/" << tree->GetItemText(label);
            EXPECT_NE(tree->GetItemText(value), "error") << c.branch << "/" << tree->GetItemText(label);
        }
        EXPECT_EQ(pairs, c.pairs) << c.branch;
        EXPECT_EQ(tree->GetItemText(tree->GetFirstChild(branch)), "Score") << c.branch;
    }
}

TEST_F(AbilityTreeTest, OutOfTableScoresStillGiveTexts) {
    // Typed scores have no range check: above 25 reads 25, below the tables reads their first row.
    SetAbilities({30, 0, -4, -1, 99, -7, 0}, {100, 0, 0, 0, 0, 0, 0});
    AbilityScores::SendAbilitiestoTree();
    const std::string outline = TreeOutline(CurrentTree());
    EXPECT_EQ(outline.find("error"), std::string::npos) << outline;
    EXPECT_NE(outline.find("  Strength\n    Score\n      30/100\n    to_hit_adj\n      +7\n"),
              std::string::npos)
        << outline;
    EXPECT_NE(outline.find("  Charisma\n    Score\n      -7/0\n    Max_Henchmen\n      0\n"),
              std::string::npos)
        << outline;
    EXPECT_NE(outline.find("  Dexterity\n    Score\n      0/0\n    Defense_adj\n      +5\n"),
              std::string::npos)
        << outline;
}

} // namespace
