#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>
#include <wx/button.h>
#include <wx/stattext.h>

#include "app/app_globals.h"
#include "app/character.h"
#include "shell/cx_application.h"
#include "app/dice.h"
#include "app/program_data.h"
#include "creation_run.h"
#include "steps/frame_step6.h"
#include "support/catalog_files.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"
#include "shell/form_main.h"
#include "ui/ui_test_support.h"

namespace {

// Human, Male with 10 BP: every roll asks whether it stands, and every answer here is Yes.
const Scores kScores = {12, 14, 9, 13, 10, 11, 15}; // Dexterity 14, Charisma 11

// The first five rolls, the same on every path: age 18, "Right", height 70, weight 142, "Middle Middle
// Class".
const std::vector<int32_t> kFirstFive = {3, 50, 5, 5, 4, 4, 4, 45};
const char* const kFirstFiveRows =
    "10052 Age:\n10053 18\n10054 Handeness:\n10055 Right\n10056 Height:\n10057 70\n"
    "10058 Weight:\n10059 142\n10060 Social Class:\n10061 Middle Middle Class\n";

struct Path {
    const char* name;
    std::vector<int32_t> faces;     // from the legitimacy roll on
    std::vector<int> buttons;       // the buttons clicked from the legitimacy on
    std::vector<std::string> rows;  // caption, value, caption, value ... from the legitimacy on
    std::vector<std::string> lines; // the log from the legitimacy on, without "BP=10.0   | "
    std::function<void(const Character_Class&)> record;
};

class BackgroundChainTest : public GlobalsTest {
protected:
    void TearDown() override {
        CloseAllWindows();
        GlobalsTest::TearDown();
    }
    ScopedTempDir dir_;
};

TEST_F(BackgroundChainTest, EachBranchOffersItsRollsInOrder) {
    const std::vector<Path> paths = {
        {"legitimate, both alive, no siblings",
         {50, 45, 45, 50, 70, 50, 10},
         {10022, 10023, 10024, 10027, 10028, 10029, 10030},
         {"Legitimacy of Birth:", "Legitimate", "Status of Mother:", "Alive", "Status of Father:", "Alive",
          "Quality of Mother:", "Loving parent", "Quality of Father:", "Ill-equiped parent",
          "Family Heritage:", "Honorable", "Number of Siblings:", "0 siblings"},
         {"Rolling for Legitimacy of Birth (d100): rolled 50 (50+0), Legitimate",
          "Rolling for status of mother (d100): rolled 45 = Alive (father = Unknown)",
          "Rolling for status of father (d100): rolled 45 = Alive",
          "Rolling for quality of mother (d100+0): rolled 50 = Loving parent (+5 BP)",
          "Rolling for quality of father (d100+0): rolled 70 = Ill-equiped parent",
          "Rolling for family heritage (d100): rolled 50 = Honorable",
          "Rolling for quantity of siblings (d100): rolled 10 = 0 siblings"},
         [](const Character_Class& pc) {
             EXPECT_EQ(pc.CIRCUMSTANCE_OF_BIRTH, "N/A");
             EXPECT_EQ(pc.STEPPARENT, "N/A");
             EXPECT_EQ(pc.MOTHER_ALIVE, 1);
             EXPECT_EQ(pc.FATHER_ALIVE, 1);
             EXPECT_EQ(pc.SIBLINGS, 0);
             EXPECT_EQ(pc.BIRTH_ORDER, "");
         }},
        {"legitimate, mother dead, father alive, a step-mother",
         {50, 85, 30, 15, 50, 50, 50, 50, 10},
         {10022, 10023, 10024, 10026, 10027, 10028, 10029, 10030},
         {"Legitimacy of Birth:", "Legitimate", "Status of Mother:", "Dead", "Status of Father:", "Alive",
          "Status of Step Mother:", "Step Mother is alive", "Quality of Mother:", "Loving parent",
          "Quality of Father:", "Loving parent", "Family Heritage:", "Honorable",
          "Number of Siblings:", "0 siblings"},
         {"Rolling for Legitimacy of Birth (d100): rolled 50 (50+0), Legitimate",
          "Rolling for status of mother (d100): rolled 85 = Dead (father = Unknown)",
          "Rolling for status of father (d100): rolled 30 = Alive",
          "Rolling for step parent (d20): rolled 15 = Yes",
          "Rolling for status of step parent (d100): rolled 50 = Step Mother is alive",
          "Rolling for quality of mother (d100+0): rolled 50 = Loving parent (+5 BP)",
          "Rolling for quality of father (d100+0): rolled 50 = Loving parent (+5 BP)",
          "Rolling for family heritage (d100): rolled 50 = Honorable",
          "Rolling for quantity of siblings (d100): rolled 10 = 0 siblings"},
         [](const Character_Class& pc) {
             EXPECT_EQ(pc.MOTHER_ALIVE, 2);
             EXPECT_EQ(pc.STEPPARENT, "Step Mother is alive");
         }},
        {"legitimate, mother dead, father alive, no step-mother",
         {50, 85, 30, 14, 50, 50, 50, 10},
         {10022, 10023, 10024, 10026, 10027, 10028, 10029, 10030},
         {"Legitimacy of Birth:", "Legitimate", "Status of Mother:", "Dead", "Status of Father:", "Alive",
          "Status of Step Mother:", "No", "Quality of Mother:", "Loving parent", "Quality of Father:",
          "Loving parent", "Family Heritage:", "Honorable", "Number of Siblings:", "0 siblings"},
         {"Rolling for Legitimacy of Birth (d100): rolled 50 (50+0), Legitimate",
          "Rolling for status of mother (d100): rolled 85 = Dead (father = Unknown)",
          "Rolling for status of father (d100): rolled 30 = Alive",
          "Rolling for step parent (d20): rolled 14 = No",
          "Rolling for quality of mother (d100+0): rolled 50 = Loving parent (+5 BP)",
          "Rolling for quality of father (d100+0): rolled 50 = Loving parent (+5 BP)",
          "Rolling for family heritage (d100): rolled 50 = Honorable",
          "Rolling for quantity of siblings (d100): rolled 10 = 0 siblings"},
         [](const Character_Class& pc) {
             EXPECT_EQ(pc.MOTHER_ALIVE, 0);
             EXPECT_EQ(pc.STEPPARENT, "No");
         }},
        {"legitimate, both parents dead by the mother's roll",
         {50, 95, 90, 50, 50, 50, 10},
         {10022, 10023, 10024, 10027, 10028, 10029, 10030},
         {"Legitimacy of Birth:", "Legitimate", "Status of Mother:", "Dead", "Status of Father:", "Dead",
          "Quality of Mother:", "Loving parent", "Quality of Father:", "Loving parent",
          "Family Heritage:", "Honorable", "Number of Siblings:", "0 siblings"},
         {"Rolling for Legitimacy of Birth (d100): rolled 50 (50+0), Legitimate",
          "Rolling for status of mother (d100): rolled 95 = Dead (father = Dead)",
          "Rolling for status of father (d100): rolled 90 = Dead",
          "Rolling for quality of mother (d100+0): rolled 50 = Loving parent (+5 BP)",
          "Rolling for quality of father (d100+0): rolled 50 = Loving parent (+5 BP)",
          "Rolling for family heritage (d100): rolled 50 = Honorable",
          "Rolling for quantity of siblings (d100): rolled 10 = 0 siblings"},
         [](const Character_Class& pc) {
             EXPECT_EQ(pc.MOTHER_ALIVE, 0);
             EXPECT_EQ(pc.FATHER_ALIVE, 0);
         }},
        {"abandoned",
         {95, 3, 50, 10},
         {10022, 10029, 10030},
         {"Legitimacy of Birth:", "Illegitimate",
          "Nature of Illigitimacy:", "Character was abandoned at birth", "Family Heritage:", "Honorable",
          "Number of Siblings:", "0 siblings"},
         {"Rolling for Legitimacy of Birth (d100): rolled 95 (95+0), Illegitimate",
          "Rolling for circumstances of illigitimate birth (d100+0): rolled 3 = Character was abandoned at "
          "birth",
          "Applying Modifier to Starting Honor based on Circumstance of Birth Character was abandoned at "
          "birth "
          "0-3=-3",
          "Rolling for family heritage (d100): rolled 50 = Honorable",
          "Rolling for quantity of siblings (d100): rolled 10 = 0 siblings"},
         [](const Character_Class& pc) {
             EXPECT_EQ(pc.ABANDONED, 1);
             EXPECT_EQ(pc.MOTHER_STATUS, "Unknown");
             EXPECT_EQ(pc.FATHER_STATUS, "Unknown");
             EXPECT_EQ(program_data.PPHonorModifier, -3);
         }},
        {"rape",
         {95, 20, 45, 50, 10},
         {10022, 10023, 10029, 10030},
         {"Legitimacy of Birth:", "Illegitimate",
          "Nature of Illigitimacy:", "birth was the result of a rape, father unknown",
          "Status of Mother:", "Alive", "Family Heritage:", "Honorable", "Number of Siblings:", "0 siblings"},
         {"Rolling for Legitimacy of Birth (d100): rolled 95 (95+0), Illegitimate",
          "Rolling for circumstances of illigitimate birth (d100+0): rolled 20 = birth was the result of a "
          "rape, "
          "father unknown",
          "Applying Modifier to Starting Honor based on Circumstance of Birth birth was the result of a "
          "rape, father "
          "unknown 0-5=-5",
          "Rolling for status of mother (d100): rolled 45 = Alive (father = Unknown)",
          "Rolling for family heritage (d100): rolled 50 = Honorable",
          "Rolling for quantity of siblings (d100): rolled 10 = 0 siblings"},
         [](const Character_Class& pc) {
             EXPECT_EQ(pc.FATHER_ALIVE, -1);
             EXPECT_EQ(pc.MOTHER_QUALITY, "") << "a known mother with an unknown father goes to the heritage";
         }},
        {"surrogate, identity unknown",
         {95, 95, 50, 30, 50, 50, 10},
         {10022, 10024, 10028, 10029, 10030},
         {"Legitimacy of Birth:", "Illegitimate",
          "Nature of Illigitimacy:", "birth was arranged through a surogate mother: identity unknown",
          "Status of Father:", "Alive", "Quality of Father:", "Indiferent parent",
          "Family Heritage:", "Honorable", "Number of Siblings:", "0 siblings"},
         {"Rolling for Legitimacy of Birth (d100): rolled 95 (95+0), Illegitimate",
          "Rolling for circumstances of illigitimate birth (d100+0): rolled 95 = birth was arranged through "
          "a "
          "surogate mother",
          "Rolling for circumstances of illigitimate birth (extension) (d100): rolled 50, birth was arranged "
          "through a surogate mother: identity unknown",
          "Applying Modifier to Starting Honor based on Circumstance of Birth birth was arranged through a "
          "surogate "
          "mother: identity unknown 0-1=-1",
          "Rolling for status of father (d100): rolled 30 = Alive",
          "Rolling for quality of father (d100+35): rolled 85 = Indiferent parent (+1 minor quirk)",
          "Rolling for family heritage (d100): rolled 50 = Honorable",
          "Rolling for quantity of siblings (d100): rolled 10 = 0 siblings"},
         [](const Character_Class& pc) {
             EXPECT_EQ(pc.MOTHER_ALIVE, -1);
             EXPECT_EQ(pc.MOTHER_STATUS, "");
         }},
        {"affair, father known, a step-mother, illegitimate siblings",
         {95, 70, 80, 85, 45, 15, 50, 30, 60, 50, 98, 2, 5, 50, 50, 50, 50, 15, 90, 80, 96, 81, 80, 50},
         {10022, 10023, 10024, 10026, 10027, 10028, 10029, 10030, 10031},
         {"Legitimacy of Birth:",    "Illegitimate",
          "Nature of Illigitimacy:", "birth was the result of an adultrous affair: father known",
          "Status of Mother:",       "Dead",
          "Status of Father:",       "Alive",
          "Status of Step Mother:",  "Step Mother is alive",
          "Quality of Mother:",      "Ill-equiped parent",
          "Quality of Father:",      "Abusive parent",
          "Family Heritage:",        "Honorable",
          "Number of Siblings:",     "2 illigitimate siblings",
          "Order of Birth:",         "Middle born (2nd)"},
         {"Rolling for Legitimacy of Birth (d100): rolled 95 (95+0), Illegitimate",
          "Rolling for circumstances of illigitimate birth (d100+0): rolled 70 = birth was the result of an "
          "adultrous affair",
          "Rolling for circumstances of illigitimate birth (extension) (d100): rolled 80, birth was the "
          "result of "
          "an adultrous affair: father known",
          "Applying Modifier to Starting Honor based on Circumstance of Birth birth was the result of an "
          "adultrous "
          "affair: father known 0-3=-3",
          "Rolling for status of mother (d100): rolled 85 = Dead (father = Unknown)",
          "Rolling for status of father (d100): rolled 45 = Alive",
          "Rolling for step parent (d20): rolled 15 = Yes",
          "Rolling for status of step parent (d100): rolled 50 = Step Mother is alive",
          "Rolling for quality of mother (d100+35): rolled 65 = Ill-equiped parent",
          "Rolling for quality of father (d100+35): rolled 95 = Abusive parent (+1 major quirk)",
          "Rolling for family heritage (d100): rolled 50 = Honorable",
          "Rolling for quantity of siblings (d100): rolled 98 = 1d4 illigitimate siblings",
          "Rolling for quantity of illigitimate siblings (d4): rolled 2",
          "Rolling for sex of sibling 1 (d20): rolled 5, sibling is male",
          "Rolling for dead or alive status of sibling 1 (d100): rolled 50, sibling is , alive",
          "Rolling for nature of relationship with sibling 1 (d100): rolled 61, sibling is , a normal "
          "relationship",
          "Rolling for twin possibility with sibling 1 (d100): rolled 50, sibling is , and not a twin",
          "Rolling for nature of illigitimate siblings birth sibling 1 (d100): rolled 40, sibling is . Birth "
          "was "
          "the result of a rape, father unknown",
          "Rolling for sex of sibling 2 (d20): rolled 15, sibling is female",
          "Rolling for dead or alive status of sibling 2 (d100): rolled 90, sibling is , dead",
          "Rolling for nature of relationship with sibling 2 (d100): rolled 91, sibling is , a devoted "
          "friend",
          "Rolling for twin possibility with sibling 2 (d100): rolled 96, sibling is , and is a twin",
          "Rolling for nature of illigitimate siblings birth sibling 2 (d100): rolled 71, sibling is . Birth "
          "was "
          "the result of an adultrous affair",
          "Rolling for known or unknown status of sibling 2 father (d100): rolled 80, sibling is , unknown",
          "Rolling for order of birth (d100): rolled 50 Middle born (2nd), 1 Minor Personality Quirk"},
         [](const Character_Class& pc) {
             EXPECT_EQ(pc.SIBLINGS, -2);
             EXPECT_EQ(pc.SIBLING_TEXT[0].str(),
                       "This sibling is male, alive, a normal relationship, and not a "
                       "twin. Birth was the result of a rape, father unknown");
             EXPECT_EQ(pc.SIBLING_TEXT[1].str(),
                       "This sibling is female, dead, a devoted friend, and is a twin. "
                       "Birth was the result of an adultrous affair father, unknown");
             EXPECT_EQ(pc.BIRTH_ORDER, "Middle born (2nd)");
         }},
    };
    std::filesystem::copy(SampleCatalogs(), dir_.path(), std::filesystem::copy_options::recursive);
    FormMain* main = RunStartUp();
    for (const Path& path : paths) {
        SCOPED_TRACE(path.name);
        // GTK reports a control given less than its minimum size on stderr.
        testing::internal::CaptureStderr();
        FrameStep6* step = RunToBackground(main, kScores, "Human, Male");
        if (!step)
            testing::internal::GetCapturedStderr();
        ASSERT_NE(step, nullptr);
        const size_t before = LogLines().size();
        ScopedPrompter prompts;
        size_t questions = 5;
        for (const std::string& line : path.lines)
            if (line.rfind("Applying", 0) != 0)
                ++questions;
        for (size_t i = 0; i < questions; ++i)
            prompts->ExpectMessage(wxYES);
        dice::QueueFaces(kFirstFive);
        dice::QueueFaces(path.faces);

        std::vector<int> expectedButtons = {10017, 10018, 10019, 10020, 10021};
        expectedButtons.insert(expectedButtons.end(), path.buttons.begin(), path.buttons.end());
        EXPECT_EQ(ClickThroughBackground(step), expectedButtons);
        const std::string printed = testing::internal::GetCapturedStderr();
        EXPECT_EQ(printed.find("Gtk-"), std::string::npos) << printed;
        EXPECT_EQ(dice::QueuedFaces(), 0u);

        std::string rows = kFirstFiveRows;
        for (size_t i = 0; i < path.rows.size(); ++i)
            rows += std::to_string(10062 + i) + " " + path.rows[i] + "\n";
        EXPECT_EQ(BackgroundRows(step), rows);
        path.record(current_character);

        std::vector<std::string> lines = LogLines();
        ASSERT_EQ(lines.size(), before + 7 + path.lines.size());
        lines.erase(lines.begin(), lines.begin() + static_cast<long>(before + 7));
        std::vector<std::string> expected;
        for (const std::string& line : path.lines)
            expected.push_back("BP=10.0   | " + line);
        EXPECT_EQ(lines, expected);

        // Each id belongs to one control.
        std::set<int> ids;
        for (wxWindow* child : step->GetChildren().front()->GetChildren())
            EXPECT_TRUE(ids.insert(child->GetId()).second || !child->IsShown()) << child->GetId();

        SelectMenu(step, ID_STEP6_MENU_ABORT);
        PumpEvents();
        ASSERT_EQ(program_data.WizardState, kWizardNone);
    }
    // The last path's siblings are gone with the next character.
    FrameStep6* step = RunToBackground(main, kScores, "Human, Male");
    ASSERT_NE(step, nullptr);
    for (const SiblingText& entry : current_character.SIBLING_TEXT)
        EXPECT_TRUE(entry.empty()) << entry.str();
}

} // namespace
