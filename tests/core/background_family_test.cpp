#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "app/character.h"
#include "app/dice.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "catalog/race_catalog.h"
#include "steps/background_chain.h"
#include "steps/background_family.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"

namespace {

class BackgroundFamilyTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        race_.NAME = "Human";
        Restart();
    }
    // A fresh record, pool and log between the cases of a table; the race stays.
    void Restart() {
        ResetGlobals();
        std::filesystem::remove("4.log");
        program_data.LogFileName = "4.log";
        current_character.pRace = &race_;
        gains_ = BackgroundGains();
    }
    std::optional<ChainButton> Roll(int id) {
        rows_.clear();
        return RollChainItem(id, gains_, [this](const ResultRow& row) { rows_.push_back(row); });
    }
    int NextId(const std::optional<ChainButton>& next) const { return next ? next->id : 0; }

    ScopedTempDir dir_;
    CharacterRace race_;
    BackgroundGains gains_;
    std::vector<ResultRow> rows_;
};

TEST_F(BackgroundFamilyTest, LegitimacyAddsTheRaceModifierAndAsksWithoutThePrefix) {
    race_.ILLIGITMOD = 10;
    struct Case {
        int32_t roll;
        const char* legitimacy;
    };
    for (const Case& c : {Case{80, "Legitimate"}, Case{81, "Illegitimate"}}) {
        SCOPED_TRACE(c.roll);
        Restart();
        program_data.BuildingPoints = 1.0f;
        ScopedPrompter prompts;
        prompts->ExpectMessage(wxYES);
        const bool illegitimate = std::string(c.legitimacy) == "Illegitimate";
        if (illegitimate) {
            prompts->ExpectMessage(wxYES);
            dice::QueueFaces({c.roll, 40}); // then a prostitute mother
        } else {
            dice::QueueFaces({c.roll});
        }
        current_character.STEPPARENT = "left from before";
        const std::optional<ChainButton> next = Roll(ID_STEP6_LEGITIMACY);
        const std::string line =
            Format("Rolling for Legitimacy of Birth (d100): rolled %i (%i+10), ", c.roll + 10, c.roll) +
            c.legitimacy;
        EXPECT_EQ(LogLines()[0], "BP=1.0    | " + line);
        ASSERT_GE(prompts->Asked().size(), 1u);
        EXPECT_EQ(prompts->Asked()[0].message, line);
        EXPECT_EQ(prompts->Asked()[0].caption, "Accept this roll? (reroll costs 1BP)");
        EXPECT_EQ(current_character.LEGITAMACY_OF_BIRTH, c.legitimacy);
        EXPECT_EQ(current_character.STEPPARENT, "N/A");
        EXPECT_EQ(NextId(next), ID_STEP6_MOTHER_STATUS);
        ASSERT_EQ(rows_.size(), illegitimate ? 2u : 1u);
        EXPECT_EQ(rows_[0].caption, "Legitimacy of Birth:");
        EXPECT_EQ(rows_[0].value, c.legitimacy);
        if (!illegitimate) {
            EXPECT_EQ(current_character.CIRCUMSTANCE_OF_BIRTH, "N/A");
            EXPECT_EQ(current_character.MOTHER_ALIVE, 0);
            EXPECT_EQ(current_character.FATHER_ALIVE, 0);
            EXPECT_EQ(program_data.PPHonorModifier, 0);
            EXPECT_EQ(LogLines().size(), 1u);
        } else {
            EXPECT_EQ(rows_[1].caption, "Nature of Illigitimacy:");
            EXPECT_EQ(rows_[1].captionWidth, 300);
            EXPECT_EQ(rows_[1].value, "mother was a prostitute, father unknown");
        }
    }
}

TEST_F(BackgroundFamilyTest, TheIllegitimateTableIsOpenAtBothEnds) {
    struct Case {
        int32_t modifier, roll;
        const char* circumstance;
        int32_t abandoned, mother, father;
        const char* motherStatus;
        const char* fatherStatus;
        int32_t honor;
        int next;
    };
    const std::vector<Case> cases = {
        {-200, 100, "Character was abandoned at birth", 1, -1, -1, "Unknown", "Unknown", -3,
         ID_STEP6_HERITAGE},
        {-10, 15, "Character was abandoned at birth", 1, -1, -1, "Unknown", "Unknown", -3, ID_STEP6_HERITAGE},
        {0, 6, "birth was the result of a rape, father unknown", 0, 1, -1, "", "Unknown", -5,
         ID_STEP6_MOTHER_STATUS},
        {0, 30, "birth was the result of a rape, father unknown", 0, 1, -1, "", "Unknown", -5,
         ID_STEP6_MOTHER_STATUS},
        {0, 31, "mother was a prostitute, father unknown", 0, 1, -1, "", "Unknown", -10,
         ID_STEP6_MOTHER_STATUS},
        {0, 60, "mother was a prostitute, father unknown", 0, 1, -1, "", "Unknown", -10,
         ID_STEP6_MOTHER_STATUS},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Format("%i%+i", c.roll, c.modifier));
        Restart();
        race_.ILLIGITBIRTHMOD = c.modifier;
        race_.ILLIGITMOD = 0;
        dice::QueueFaces({95, c.roll});
        const std::optional<ChainButton> next = Roll(ID_STEP6_LEGITIMACY);
        const Character_Class& pc = current_character;
        EXPECT_EQ(pc.CIRCUMSTANCE_OF_BIRTH, c.circumstance);
        EXPECT_EQ(pc.ABANDONED, c.abandoned);
        EXPECT_EQ(pc.MOTHER_ALIVE, c.mother);
        EXPECT_EQ(pc.FATHER_ALIVE, c.father);
        EXPECT_EQ(pc.MOTHER_STATUS, c.motherStatus);
        EXPECT_EQ(pc.FATHER_STATUS, c.fatherStatus);
        EXPECT_EQ(program_data.PPHonorModifier, c.honor);
        EXPECT_EQ(NextId(next), c.next);
        const std::vector<std::string> lines = LogLines();
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(
            lines[1],
            Format("BP=0.0    | Rolling for circumstances of illigitimate birth (d100%+i): rolled %i = ",
                   c.modifier, c.roll + c.modifier) +
                c.circumstance);
        EXPECT_EQ(lines[2],
                  "BP=0.0    | Applying Modifier to Starting Honor based on Circumstance of Birth " +
                      std::string(c.circumstance) + Format(" 0%+i=%i", c.honor, c.honor));
    }
    race_.ILLIGITBIRTHMOD = 0;
}

TEST_F(BackgroundFamilyTest, ExtensionsAppendTheirTextOnceAndTheHonorLineComesLast) {
    struct Case {
        int32_t roll, declined, extension; // the declined extension shows the other side
        const char* circumstance;
        int32_t mother, father, honor;
        int next;
    };
    const std::vector<Case> cases = {
        {61, 90, 75, "birth was the result of an adultrous affair: father unknown", 1, -1, -3,
         ID_STEP6_MOTHER_STATUS},
        {90, 50, 76, "birth was the result of an adultrous affair: father known", 1, 1, -3,
         ID_STEP6_MOTHER_STATUS},
        {91, 50, 25, "birth was arranged through a surogate mother: identity known", 1, 1, -1,
         ID_STEP6_MOTHER_STATUS},
        {100, 10, 26, "birth was arranged through a surogate mother: identity unknown", -1, 1, -1,
         ID_STEP6_FATHER_STATUS},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.circumstance);
        Restart();
        program_data.BuildingPoints = 1.5f;
        ScopedPrompter prompts;
        prompts->ExpectMessage(wxYES);  // legitimacy
        prompts->ExpectMessage(wxYES);  // the circumstance
        prompts->ExpectMessage(wxNO); // the first extension
        prompts->ExpectMessage(wxYES);  // still half a BP left
        dice::QueueFaces({95, c.roll, c.declined, c.extension});
        const std::optional<ChainButton> next = Roll(ID_STEP6_LEGITIMACY);
        const Character_Class& pc = current_character;
        EXPECT_EQ(pc.CIRCUMSTANCE_OF_BIRTH, c.circumstance);
        EXPECT_EQ(pc.MOTHER_ALIVE, c.mother);
        EXPECT_EQ(pc.FATHER_ALIVE, c.father);
        EXPECT_EQ(program_data.PPHonorModifier, c.honor);
        EXPECT_EQ(program_data.BuildingPoints, 0.5f);
        EXPECT_EQ(NextId(next), c.next);
        ASSERT_EQ(rows_.size(), 2u);
        EXPECT_EQ(rows_[1].value, c.circumstance);
        const std::vector<std::string> lines = LogLines();
        ASSERT_EQ(lines.size(), 6u);
        EXPECT_EQ(lines[3], "BP=0.5    | Spending 1 BP to re-roll");
        EXPECT_EQ(lines[4],
                  Format("BP=0.5    | Rolling for circumstances of illigitimate birth (extension) (d100): "
                         "rolled %i, ",
                         c.extension) +
                      c.circumstance);
        EXPECT_EQ(lines[5],
                  "BP=0.5    | Applying Modifier to Starting Honor based on Circumstance of Birth " +
                      std::string(c.circumstance) + Format(" 0%+i=%i", c.honor, c.honor));
    }
}

TEST_F(BackgroundFamilyTest, ParentsStatusBands) {
    struct Case {
        int32_t fatherBefore; // the father flag the legitimacy left
        int32_t mother;       // the mother's d100, 0: not rolled
        int32_t father;       // the father's d100, 0: not rolled
        const char* motherStatus;
        int32_t motherAlive;
        const char* fatherStatus;
        int32_t fatherAlive;
        int next;
    };
    const std::vector<Case> cases = {
        {0, 1, 0, "Celebrity", 1, "Unknown", 1, ID_STEP6_FATHER_STATUS},
        {0, 45, 0, "Alive", 1, "Unknown", 1, ID_STEP6_FATHER_STATUS},
        {0, 80, 0, "Alive", 1, "Unknown", 1, ID_STEP6_FATHER_STATUS},
        {0, 81, 0, "Dead", 0, "Unknown", 1, ID_STEP6_FATHER_STATUS},
        {0, 90, 0, "Dead", 0, "Unknown", 1, ID_STEP6_FATHER_STATUS},
        {0, 91, 0, "Dead", 0, "Dead", 0, ID_STEP6_FATHER_STATUS}, // his own roll still follows
        {-1, 10, 0, "Alive", 1, "Unknown", -1, ID_STEP6_HERITAGE},
        {0, 90, 80, "Dead", 0, "Alive", 1, ID_STEP6_STEP_MOTHER},
        {0, 90, 81, "Dead", 0, "Dead", 0, ID_STEP6_MOTHER_QUALITY},
        {0, 91, 1, "Dead", 0, "Celebrity", 1, ID_STEP6_STEP_MOTHER},
        {0, 50, 100, "Alive", 1, "Dead", 0, ID_STEP6_MOTHER_QUALITY},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Format("mother %i, father %i", c.mother, c.father));
        Restart();
        current_character.FATHER_ALIVE = c.fatherBefore;
        current_character.FATHER_STATUS = c.fatherBefore == -1 ? "Unknown" : "";
        dice::QueueFaces({c.mother});
        std::optional<ChainButton> next = Roll(ID_STEP6_MOTHER_STATUS);
        ASSERT_EQ(rows_.size(), 1u);
        EXPECT_EQ(rows_[0].caption, "Status of Mother:");
        EXPECT_EQ(rows_[0].value, c.motherStatus);
        if (c.father == 0) {
            EXPECT_EQ(LogLines()[0],
                      Format("BP=0.0    | Rolling for status of mother (d100): rolled %i = ", c.mother) +
                          c.motherStatus + " (father = " + c.fatherStatus + ")");
        } else {
            dice::QueueFaces({c.father});
            next = Roll(ID_STEP6_FATHER_STATUS);
            ASSERT_EQ(rows_.size(), 1u);
            EXPECT_EQ(rows_[0].caption, "Status of Father:");
            EXPECT_EQ(rows_[0].value, c.fatherStatus);
            EXPECT_EQ(LogLines()[1],
                      Format("BP=0.0    | Rolling for status of father (d100): rolled %i = ", c.father) +
                          c.fatherStatus);
        }
        EXPECT_EQ(current_character.MOTHER_STATUS, c.motherStatus);
        EXPECT_EQ(current_character.MOTHER_ALIVE, c.motherAlive);
        EXPECT_EQ(current_character.FATHER_STATUS, c.fatherStatus);
        EXPECT_EQ(current_character.FATHER_ALIVE, c.fatherAlive);
        EXPECT_EQ(NextId(next), c.next);
    }

    // The mother unknown (a surrogate): the father's roll leads to his quality.
    Restart();
    current_character.MOTHER_ALIVE = -1;
    dice::QueueFaces({50});
    EXPECT_EQ(NextId(Roll(ID_STEP6_FATHER_STATUS)), ID_STEP6_FATHER_QUALITY);
}

TEST_F(BackgroundFamilyTest, AStepMotherIsRolledOnlyAfterAYes) {
    struct Case {
        int32_t d20, status;
        const char* stepParent;
        int32_t motherAlive;
    };
    for (const Case& c :
         {Case{14, 0, "No", 0}, Case{1, 0, "No", 0}, Case{15, 1, "Step Mother is a celebrity", 2},
          Case{20, 80, "Step Mother is alive", 2}, Case{20, 81, "Step Mother is dead", 2}}) {
        SCOPED_TRACE(Format("%i then %i", c.d20, c.status));
        Restart();
        current_character.FATHER_ALIVE = 1;
        if (c.status)
            dice::QueueFaces({c.d20, c.status});
        else
            dice::QueueFaces({c.d20});
        const std::optional<ChainButton> next = Roll(ID_STEP6_STEP_MOTHER);
        EXPECT_EQ(current_character.STEPPARENT, c.stepParent);
        EXPECT_EQ(current_character.MOTHER_ALIVE, c.motherAlive);
        ASSERT_EQ(rows_.size(), 1u);
        EXPECT_EQ(rows_[0].caption, "Status of Step Mother:");
        EXPECT_EQ(rows_[0].value, c.stepParent);
        EXPECT_EQ(NextId(next), ID_STEP6_MOTHER_QUALITY);
        EXPECT_EQ(dice::QueuedFaces(), 0u);
    }

    // A declined step-mother rolls her status again, not the "Yes".
    Restart();
    current_character.FATHER_ALIVE = 1;
    program_data.BuildingPoints = 2.0f;
    ScopedPrompter prompts;
    prompts->ExpectMessage(wxYES);
    prompts->ExpectMessage(wxNO);
    prompts->ExpectMessage(wxYES);
    dice::QueueFaces({17, 90, 30});
    Roll(ID_STEP6_STEP_MOTHER);
    EXPECT_EQ(current_character.STEPPARENT, "Step Mother is alive");
    EXPECT_EQ(program_data.BuildingPoints, 1.0f);
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{
                  "BP=2.0    | Rolling for step parent (d20): rolled 17 = Yes",
                  "BP=2.0    | Rolling for status of step parent (d100): rolled 90 = Step Mother is dead",
                  "BP=1.0    | Spending 1 BP to re-roll",
                  "BP=1.0    | Rolling for status of step parent (d100): rolled 30 = Step Mother is alive"}));
}

TEST_F(BackgroundFamilyTest, QualityBandsGiveBPOrAFreeQuirk) {
    struct Case {
        const char* legitimacy;
        int32_t roll;
        const char* quality;
        int32_t bp, minor, major;
    };
    const std::vector<Case> cases = {
        {"Legitimate", 60, "Loving parent", 5, 0, 0},
        {"Legitimate", 61, "Ill-equiped parent", 0, 0, 0},
        {"Legitimate", 80, "Ill-equiped parent", 0, 0, 0},
        {"Legitimate", 81, "Indiferent parent", 0, 1, 0},
        {"Legitimate", 91, "Indiferent parent", 0, 1, 0},
        {"Legitimate", 92, "Abusive parent", 0, 0, 1},
        {"Illegitimate", 25, "Loving parent", 5, 0, 0},
        {"Illegitimate", 26, "Ill-equiped parent", 0, 0, 0},
        {"Illegitimate", 45, "Ill-equiped parent", 0, 0, 0},
        {"illegitimate", 46, "Indiferent parent", 0, 1, 0},
        {"Illegitimate", 56, "Indiferent parent", 0, 1, 0},
        {"Illegitimate", 57, "Abusive parent", 0, 0, 1},
        {"Illegitimate", 100, "Abusive parent", 0, 0, 1},
    };
    const std::vector<std::string> suffix = {" (+5 BP)", "", " (+1 minor quirk)", " (+1 major quirk)"};
    for (const bool mother : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(mother ? "mother " : "father ") + c.legitimacy + Format(" %i", c.roll));
            Restart();
            current_character.LEGITAMACY_OF_BIRTH = c.legitimacy;
            current_character.FATHER_ALIVE = 0; // dead: the mother's quality still leads to his
            dice::QueueFaces({c.roll});
            const std::optional<ChainButton> next =
                Roll(mother ? ID_STEP6_MOTHER_QUALITY : ID_STEP6_FATHER_QUALITY);
            const int32_t modifier = c.legitimacy[0] == 'L' ? 0 : 35;
            const std::string& quality =
                mother ? current_character.MOTHER_QUALITY : current_character.FATHER_QUALITY;
            EXPECT_EQ(quality, c.quality);
            EXPECT_EQ(mother ? gains_.momQualityBP : gains_.dadQualityBP, c.bp);
            EXPECT_EQ(mother ? gains_.momMinorQuirks : gains_.dadMinorQuirks, c.minor);
            EXPECT_EQ(mother ? gains_.momMajorQuirks : gains_.dadMajorQuirks, c.major);
            EXPECT_EQ(mother ? gains_.dadQualityBP + gains_.dadMinorQuirks + gains_.dadMajorQuirks
                             : gains_.momQualityBP + gains_.momMinorQuirks + gains_.momMajorQuirks,
                      0);
            ASSERT_EQ(rows_.size(), 1u);
            EXPECT_EQ(rows_[0].caption, mother ? "Quality of Mother:" : "Quality of Father:");
            EXPECT_EQ(NextId(next), mother ? ID_STEP6_FATHER_QUALITY : ID_STEP6_HERITAGE);
            const size_t band = c.bp ? 0 : c.minor ? 2 : c.major ? 3 : 1;
            EXPECT_EQ(LogLines()[0], Format("BP=0.0    | Rolling for quality of %s (d100%+i): rolled %i = ",
                                            mother ? "mother" : "father", modifier, c.roll + modifier) +
                                         c.quality + suffix[band]);
        }
    }

    // A declined "Loving parent" and an accepted "Abusive parent" leave only the major quirk.
    Restart();
    current_character.FATHER_ALIVE = -1;
    program_data.BuildingPoints = 1.0f;
    ScopedPrompter prompts;
    prompts->ExpectMessage(wxNO);
    dice::QueueFaces({10, 99});
    const std::optional<ChainButton> next = Roll(ID_STEP6_MOTHER_QUALITY);
    EXPECT_EQ(gains_.momQualityBP, 0);
    EXPECT_EQ(gains_.momMinorQuirks, 0);
    EXPECT_EQ(gains_.momMajorQuirks, 1);
    EXPECT_EQ(NextId(next), ID_STEP6_HERITAGE) << "an unknown father has no quality roll";
}

} // namespace
