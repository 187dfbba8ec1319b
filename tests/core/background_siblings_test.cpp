#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/character.h"
#include "app/dice.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "steps/background_chain.h"
#include "steps/background_siblings.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"

namespace {

class BackgroundSiblingsTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        Restart();
    }
    void Restart() {
        ResetGlobals();
        std::filesystem::remove("6.log");
        program_data.LogFileName = "6.log";
        current_character.ABILITY_BASE[5] = 10; // Charisma
    }
    std::optional<ChainButton> Roll(int id) {
        rows_.clear();
        return RollChainItem(id, gains_, [this](const ResultRow& row) { rows_.push_back(row); });
    }

    ScopedTempDir dir_;
    BackgroundGains gains_;
    std::vector<ResultRow> rows_;
};

// The faces of one legitimate sibling described as male, alive, normal, not a twin.
const std::vector<int32_t> kPlainSibling = {5, 50, 50, 50};

TEST_F(BackgroundSiblingsTest, TheCountBandsAndTheIllegitimateD4) {
    struct Case {
        std::vector<int32_t> countFaces; // the d100, then the d4 for 96-100
        int32_t siblings;
        const char* shown;
    };
    const std::vector<Case> cases = {
        {{15}, 0, "0 siblings"},
        {{16}, 1, "1 siblings"},
        {{35}, 1, "1 siblings"},
        {{36}, 2, "2 siblings"},
        {{50}, 2, "2 siblings"},
        {{51}, 3, "3 siblings"},
        {{60}, 3, "3 siblings"},
        {{61}, 4, "4 siblings"},
        {{68}, 4, "4 siblings"},
        {{69}, 5, "5 siblings"},
        {{75}, 5, "5 siblings"},
        {{76}, 6, "6 siblings"},
        {{81}, 6, "6 siblings"},
        {{82}, 7, "7 siblings"},
        {{85}, 7, "7 siblings"},
        {{86}, 8, "8 siblings"},
        {{90}, 8, "8 siblings"},
        {{91}, 9, "9 siblings"},
        {{95}, 9, "9 siblings"},
        {{96, 3}, -3, "3 illigitimate siblings"},
        {{100, 1}, -1, "1 illigitimate siblings"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.countFaces[0]);
        Restart();
        dice::QueueFaces(c.countFaces);
        for (int32_t i = 0; i < (c.siblings < 0 ? -c.siblings : c.siblings); ++i) {
            dice::QueueFaces(kPlainSibling);
            if (c.siblings < 0)
                dice::QueueFaces({50}); // a prostitute mother
        }
        const std::optional<ChainButton> next = Roll(ID_STEP6_SIBLINGS);
        EXPECT_EQ(dice::QueuedFaces(), 0u);
        EXPECT_EQ(current_character.SIBLINGS, c.siblings);
        ASSERT_EQ(rows_.size(), 1u);
        EXPECT_EQ(rows_[0].caption, "Number of Siblings:");
        EXPECT_EQ(rows_[0].value, c.shown);
        ASSERT_EQ(next.has_value(), c.siblings != 0);
        if (next) {
            EXPECT_EQ(next->id, ID_STEP6_BIRTH_ORDER);
        }
        const std::vector<std::string> lines = LogLines();
        ASSERT_FALSE(lines.empty());
        if (c.siblings >= 0) {
            EXPECT_EQ(lines[0],
                      Format("BP=0.0    | Rolling for quantity of siblings (d100): rolled %i = %i siblings",
                             c.countFaces[0], c.siblings));
        } else {
            EXPECT_EQ(lines[0], Format("BP=0.0    | Rolling for quantity of siblings (d100): rolled %i = 1d4 "
                                       "illigitimate siblings",
                                       c.countFaces[0]));
            EXPECT_EQ(lines[1],
                      Format("BP=0.0    | Rolling for quantity of illigitimate siblings (d4): rolled %i",
                             -c.siblings));
        }
        if (c.siblings == 0) {
            EXPECT_EQ(lines.size(), 1u) << "no sibling is described";
        }
    }

    // A declined count costs a BP with its line; a declined d4 does too.
    Restart();
    program_data.BuildingPoints = 2.0f;
    ScopedPrompter prompts;
    prompts->ExpectMessage(wxNO);
    prompts->ExpectMessage(wxYES);
    prompts->ExpectMessage(wxNO);
    dice::QueueFaces({20, 97, 4, 2});
    dice::QueueFaces(kPlainSibling);
    dice::QueueFaces({50});
    dice::QueueFaces(kPlainSibling);
    dice::QueueFaces({50});
    Roll(ID_STEP6_SIBLINGS);
    EXPECT_EQ(current_character.SIBLINGS, -2);
    EXPECT_EQ(program_data.BuildingPoints, 0.0f);
    const std::vector<std::string> lines = LogLines();
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(
        std::vector<std::string>(lines.begin(), lines.begin() + 6),
        (std::vector<std::string>{
            "BP=2.0    | Rolling for quantity of siblings (d100): rolled 20 = 1 siblings",
            "BP=1.0    | Spending 1 BP to re-roll",
            "BP=1.0    | Rolling for quantity of siblings (d100): rolled 97 = 1d4 illigitimate siblings",
            "BP=1.0    | Rolling for quantity of illigitimate siblings (d4): rolled 4",
            "BP=0.0    | Spending 1 BP to re-roll",
            "BP=0.0    | Rolling for quantity of illigitimate siblings (d4): rolled 2"}));
}

TEST_F(BackgroundSiblingsTest, DetailBandsBuildTheDescription) {
    struct Case {
        std::vector<int32_t> faces; // sex, alive, relationship (before Charisma 10), twin
        const char* text;
    };
    const std::vector<Case> cases = {
        {{10, 79, 14, 94}, "This sibling is male, alive, a bitter rival, and not a twin"},
        {{11, 80, 15, 95}, "This sibling is female, dead, a normal relationship, and is a twin"},
        {{20, 100, 74, 98}, "This sibling is female, dead, a normal relationship, and is a twin"},
        {{1, 1, 75, 99}, "This sibling is male, alive, a devoted friend, and is an identical twin"},
        {{1, 1, 100, 100}, "This sibling is male, alive, a devoted friend, and is an identical twin"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Restart();
        current_character.SIBLINGS = 1;
        current_character.SIBLING_TEXT[0] = "an earlier character's sibling";
        dice::QueueFaces(c.faces);
        SiblingSetup();
        EXPECT_EQ(current_character.SIBLING_TEXT[0].str(), c.text);
    }

    // The lines: each detail names its sibling, its die, the value and the text as appended.
    Restart();
    current_character.SIBLINGS = 2;
    dice::QueueFaces(kPlainSibling);
    dice::QueueFaces({12, 85, 20, 99});
    SiblingSetup();
    EXPECT_EQ(
        LogLines(),
        (std::vector<std::string>{
            "BP=0.0    | Rolling for sex of sibling 1 (d20): rolled 5, sibling is male",
            "BP=0.0    | Rolling for dead or alive status of sibling 1 (d100): rolled 50, sibling is , alive",
            "BP=0.0    | Rolling for nature of relationship with sibling 1 (d100): rolled 60, sibling is , a "
            "normal relationship",
            "BP=0.0    | Rolling for twin possibility with sibling 1 (d100): rolled 50, sibling is , and not "
            "a "
            "twin",
            "BP=0.0    | Rolling for sex of sibling 2 (d20): rolled 12, sibling is female",
            "BP=0.0    | Rolling for dead or alive status of sibling 2 (d100): rolled 85, sibling is , dead",
            "BP=0.0    | Rolling for nature of relationship with sibling 2 (d100): rolled 30, sibling is , a "
            "normal relationship",
            "BP=0.0    | Rolling for twin possibility with sibling 2 (d100): rolled 99, sibling is , and is "
            "an "
            "identical twin"}));
    EXPECT_EQ(current_character.SIBLING_TEXT[1].str(),
              "This sibling is female, dead, a normal relationship, and is an identical twin");
}

TEST_F(BackgroundSiblingsTest, IllegitimateNaturesReadTheRollLessTen) {
    struct Case {
        std::vector<int32_t> natureFaces; // the nature's d100, then the father's
        const char* ending;
        const char* natureLine;
    };
    const std::vector<Case> cases = {
        {{1}, ". Sibling was abandoned at birth", "rolled -9, sibling is . Sibling was abandoned at birth"},
        {{25}, ". Sibling was abandoned at birth", "rolled 15, sibling is . Sibling was abandoned at birth"},
        {{26},
         ". Birth was the result of a rape, father unknown",
         "rolled 16, sibling is . Birth was the result of a rape, father unknown"},
        {{50},
         ". Birth was the result of a rape, father unknown",
         "rolled 40, sibling is . Birth was the result of a rape, father unknown"},
        {{51},
         ". Mother was a prostitute, father unknown",
         "rolled 41, sibling is . Mother was a prostitute, father unknown"},
        {{81, 75},
         ". Birth was the result of an adultrous affair father, known",
         "rolled 71, sibling is . Birth was the result of an adultrous affair"},
        {{100, 76},
         ". Birth was the result of an adultrous affair father, unknown",
         "rolled 90, sibling is . Birth was the result of an adultrous affair"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.natureFaces[0]);
        Restart();
        current_character.SIBLINGS = -1;
        dice::QueueFaces(kPlainSibling);
        dice::QueueFaces(c.natureFaces);
        SiblingSetup();
        EXPECT_EQ(dice::QueuedFaces(), 0u);
        EXPECT_EQ(current_character.SIBLING_TEXT[0].str(),
                  std::string("This sibling is male, alive, a normal relationship, and not a twin") +
                      c.ending);
        const std::vector<std::string> lines = LogLines();
        ASSERT_EQ(lines.size(), c.natureFaces.size() == 2 ? 6u : 5u);
        EXPECT_EQ(lines[4],
                  std::string("BP=0.0    | Rolling for nature of illigitimate siblings birth sibling 1 "
                              "(d100): ") +
                      c.natureLine);
        if (c.natureFaces.size() == 2) {
            EXPECT_EQ(lines[5],
                      Format("BP=0.0    | Rolling for known or unknown status of sibling 1 father (d100): "
                             "rolled %i, sibling is %s",
                             c.natureFaces[1], c.natureFaces[1] <= 75 ? ", known" : ", unknown"));
        }
    }
}

TEST_F(BackgroundSiblingsTest, DeclinedDetailsCostABPWithoutALineAndTheLongestTextsStayWhole) {
    program_data.BuildingPoints = 2.0f;
    current_character.SIBLINGS = -1;
    current_character.ABILITY_BASE[5] = 0;
    ScopedPrompter prompts;
    prompts->ExpectMessage(wxNO); // the sex
    prompts->ExpectMessage(wxYES);
    prompts->ExpectMessage(wxNO); // dead or alive; then no BP is left to ask with
    dice::QueueFaces({3, 20, 90, 50, 60, 100, 90, 90});
    SiblingSetup();
    EXPECT_EQ(program_data.BuildingPoints, 0.0f);
    const std::string longest =
        "This sibling is female, alive, a normal relationship, and is an identical twin. "
        "Birth was the result of an adultrous affair father, unknown";
    EXPECT_EQ(longest.size(), 139u);
    EXPECT_EQ(current_character.SIBLING_TEXT[0].str(), longest);
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 8u);
    for (const std::string& line : lines)
        EXPECT_EQ(line.find("Spending"), std::string::npos) << line;
    EXPECT_EQ(lines[1], "BP=1.0    | Rolling for sex of sibling 1 (d20): rolled 20, sibling is female");

    // The longest legitimate text, 78 characters.
    Restart();
    current_character.SIBLINGS = 1;
    dice::QueueFaces({20, 1, 50, 100});
    SiblingSetup();
    EXPECT_EQ(current_character.SIBLING_TEXT[0].str(),
              "This sibling is female, alive, a normal relationship, and is an identical twin");
    EXPECT_EQ(current_character.SIBLING_TEXT[0].str().size(), 78u);
}

TEST_F(BackgroundSiblingsTest, ACountBeyondTheTenEntriesDescribesOnlyThose) {
    current_character.SIBLINGS = -25; // changed in the tree
    for (int i = 0; i < 10; ++i) {
        dice::QueueFaces(kPlainSibling);
        dice::QueueFaces({50});
    }
    SiblingSetup();
    EXPECT_EQ(dice::QueuedFaces(), 0u);
    for (const SiblingText& entry : current_character.SIBLING_TEXT)
        EXPECT_EQ(entry.str(), "This sibling is male, alive, a normal relationship, and not a twin. Birth "
                               "was the result of a rape, "
                               "father unknown");
}

} // namespace
