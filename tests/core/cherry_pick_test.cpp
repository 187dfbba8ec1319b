// The hand-picking rules on the real quirk table, with scripted answers.
#include "quirks/cherry_pick.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>
#include <wx/defs.h>

#include "app/character.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "support/log_lines.h"
#include "support/quirk_test.h"
#include "support/scripted_prompter.h"
#include "support/tree_outline.h"
#include "ui/tree_model.h"

namespace {

// Row numbers of the rows the cases use.
constexpr int kLossOfEye = 14;         // minor, maxTimes 2
constexpr int kScarFacial = 19;        // minor, maxTimes 999
constexpr int kTrickKnee = 49;         // major, maxTimes 2
constexpr int kCollegeRivalry = 315;   // type 2 of the Magister's Almanac, whose name the next one holds
constexpr int kAbjuration = 342;       // minor of the Magister's Almanac
constexpr int kIdentityParanoia = 525; // minor of the Rogue's Almanac
constexpr int kArthritis = 510;        // major of the Rogue's Almanac
constexpr int kIllInformed = 591;      // minor of the Priest's Almanac
constexpr int kDrinkingProblem = 459;  // minor of book 10
constexpr int kBadReputation = 466;    // minor of the Warlord's Almanac among book-10 rows

const std::string kMagisterQuestion =
    "Taking this quirk or flaw will force you into creating a character with a class from the Magister's "
    "Almanac (single or multiclass as race permits), do you still want to take it?";
const std::string kWarlordQuestion =
    "Taking this quirk or flaw will force you into creating a character with a class from the Warlord's "
    "Almanac (single or multiclass as race permits), do you still want to take it?";
const std::string kRogueQuestion =
    "Taking this quirk or flaw will force you into creating a character with a class from the Rogue's "
    "Almanac (single or multiclass as race permits), do you still want to take it?";
const std::string kPriestQuestion =
    "Taking this quirk or flaw will force you into creating a character with a class from the Priest's "
    "Almanac (single or multiclass as race permits), do you still want to take it?";

std::string NameOf(int row) {
    return quirkflaw[static_cast<size_t>(row)].name;
}

bool Has(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

class CherryPickTest : public QuirkTest {};

TEST_F(CherryPickTest, OffersOnlyMinorAndMajorRowsThatMayStillBeTaken) {
    struct Case {
        const char* what;
        std::vector<int> books;                 // enabled besides the core books
        std::vector<std::pair<int, int>> held;  // row, count
        std::vector<std::pair<int, int>> limit; // row, maxTimes
        int row;
        bool minor;   // which list should hold it
        bool offered; // whether it should
    };
    const Case cases[] = {
        {"a core minor", {}, {}, {}, kScarFacial, true, true},
        {"a core major", {}, {}, {}, kTrickKnee, false, true},
        {"a Magister's row with its book off", {}, {}, {}, kAbjuration, true, false},
        {"a Magister's row with its book on", {1}, {}, {}, kAbjuration, true, true},
        {"a Rogue's major with the Magister's on", {1}, {}, {}, kArthritis, false, false},
        {"a Priest's row with its book off", {}, {}, {}, kIllInformed, true, false},
        {"a book-10 row with its book off", {}, {}, {}, kDrinkingProblem, true, false},
        {"a book-10 row with its book on", {10}, {}, {}, kDrinkingProblem, true, true},
        {"held to its maxTimes", {}, {{kTrickKnee, 2}}, {}, kTrickKnee, false, false},
        {"held once of two", {}, {{kLossOfEye, 1}}, {}, kLossOfEye, true, true},
        {"held twice of two", {}, {{kLossOfEye, 2}}, {}, kLossOfEye, true, false},
        {"blocked by a correction", {}, {}, {{kScarFacial, 0}}, kScarFacial, true, false},
    };
    for (const Case& c : cases) {
        SetQuirkFlawStructure();
        current_character.QUIRK_COUNT.fill(0);
        BooksToUse.fill(0);
        BooksToUse[kBookCore] = 1;
        for (int book : c.books)
            BooksToUse[static_cast<size_t>(book)] = 1;
        for (const auto& [row, count] : c.held)
            current_character.QUIRK_COUNT[row] = count;
        for (const auto& [row, maxTimes] : c.limit)
            quirkflaw[static_cast<size_t>(row)].maxTimes = maxTimes;
        const CherryOffers offers = CherryOffered(CherryPicks{});
        EXPECT_EQ(Has(c.minor ? offers.minor : offers.major, NameOf(c.row)), c.offered) << c.what;
        EXPECT_FALSE(Has(c.minor ? offers.major : offers.minor, NameOf(c.row))) << c.what << ": wrong list";
    }
}

TEST_F(CherryPickTest, CoreBooksAloneOfferNoSourcebookRowAndNoRollRow) {
    const CherryOffers offers = CherryOffered(CherryPicks{});
    ASSERT_FALSE(offers.minor.empty());
    ASSERT_FALSE(offers.major.empty());
    std::map<std::string, int> rowOf;
    for (int row = 1; row < kQuirkFlawRows; ++row)
        rowOf.emplace(NameOf(row), row);
    for (const std::vector<std::string>* list : {&offers.minor, &offers.major}) {
        for (const std::string& name : *list) {
            ASSERT_FALSE(name.empty()) << "a row past the catalogue was offered";
            const QuirkFlaw& row = quirkflaw[static_cast<size_t>(rowOf.at(name))];
            EXPECT_EQ(row.book, kBookCore) << name;
            EXPECT_EQ(row.type, list == &offers.minor ? kQuirkMinor : kQuirkMajor) << name;
        }
    }
    for (const char* roll : {"College Rivalry", "Unusual Convictions", "Enmity toward [class]"}) {
        EXPECT_FALSE(Has(offers.minor, roll)) << roll;
        EXPECT_FALSE(Has(offers.major, roll)) << roll;
    }
    // With every book on, the roll rows still stay out.
    BooksToUse.fill(1);
    const CherryOffers all = CherryOffered(CherryPicks{});
    EXPECT_TRUE(Has(all.minor, NameOf(kAbjuration)));
    EXPECT_FALSE(Has(all.minor, NameOf(kCollegeRivalry)));
    EXPECT_FALSE(Has(all.minor, "Unusual Convictions"));
    EXPECT_FALSE(Has(all.major, "Enmity toward [class]"));
}

TEST_F(CherryPickTest, PicksFollowTheLimitsTheTypesAndTheAnswers) {
    enum Op { Minor, Major, Remove };
    struct Press {
        Op op;
        std::string text;
    };
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> held;
        std::vector<Press> presses;
        std::vector<int> answers;  // wxYES, wxNO or wxCANCEL, in order
        std::map<int, int> picked; // row, picks (every other row 0)
        int minorLeft;
        int majorLeft;
        std::vector<std::string> questions;
    };
    const std::string scar = NameOf(kScarFacial), eye = NameOf(kLossOfEye), knee = NameOf(kTrickKnee);
    const std::string ear = NameOf(13), finger = NameOf(17), paranoia = NameOf(kIdentityParanoia);
    const std::string abjuration = NameOf(kAbjuration), illInformed = NameOf(kIllInformed);
    const Case cases[] = {
        {"a third minor is refused",
         {},
         {{Minor, scar}, {Minor, ear}, {Minor, finger}},
         {},
         {{kScarFacial, 1}, {13, 1}},
         0,
         1,
         {}},
        {"a remove makes room for another minor",
         {},
         {{Minor, scar}, {Minor, ear}, {Remove, scar}, {Minor, finger}},
         {},
         {{13, 1}, {17, 1}},
         0,
         1,
         {}},
        {"a second major is refused",
         {},
         {{Major, knee}, {Major, NameOf(39)}},
         {},
         {{kTrickKnee, 1}},
         2,
         0,
         {}},
        {"a maxTimes-1 sourcebook row picked twice asks twice and is taken once",
         {},
         {{Minor, paranoia}, {Minor, paranoia}},
         {wxYES, wxYES},
         {{kIdentityParanoia, 1}},
         1,
         1,
         {kRogueQuestion, kRogueQuestion}},
        {"a maxTimes-999 row takes both minor picks",
         {},
         {{Minor, scar}, {Minor, scar}},
         {},
         {{kScarFacial, 2}},
         0,
         1,
         {}},
        {"a row held once of two takes one pick more",
         {{kLossOfEye, 1}},
         {{Minor, eye}, {Minor, eye}},
         {},
         {{kLossOfEye, 1}},
         1,
         1,
         {}},
        {"a Priest's row answered No stays unpicked",
         {},
         {{Minor, illInformed}},
         {wxNO},
         {},
         2,
         1,
         {kPriestQuestion}},
        {"a Priest's row whose question is closed stays unpicked",
         {},
         {{Minor, illInformed}},
         {wxCANCEL},
         {},
         2,
         1,
         {kPriestQuestion}},
        {"taking a pick back asks nothing",
         {},
         {{Minor, illInformed}, {Remove, illInformed}},
         {wxYES},
         {},
         2,
         1,
         {kPriestQuestion}},
        {"a detailed row asks for its parent row first",
         {},
         {{Minor, abjuration}},
         {wxYES, wxYES},
         {{kAbjuration, 1}},
         1,
         1,
         {kMagisterQuestion, kMagisterQuestion}},
        {"No to the parent's question ends the pick",
         {},
         {{Minor, abjuration}},
         {wxNO},
         {},
         2,
         1,
         {kMagisterQuestion}},
        {"No to the row's own question ends the pick",
         {},
         {{Minor, abjuration}},
         {wxYES, wxNO},
         {},
         2,
         1,
         {kMagisterQuestion, kMagisterQuestion}},
        {"book-10 rows ask nothing",
         {},
         {{Minor, NameOf(kDrinkingProblem)}},
         {},
         {{kDrinkingProblem, 1}},
         1,
         1,
         {}},
        {"a Warlord's row among book-10 rows asks the Warlord's question",
         {},
         {{Minor, NameOf(kBadReputation)}},
         {wxYES},
         {{kBadReputation, 1}},
         1,
         1,
         {kWarlordQuestion}},
        {"Add Major passes a minor row over", {}, {{Major, scar}}, {}, {}, 2, 1, {}},
        {"Add Minor passes a major row over", {}, {{Minor, knee}}, {}, {}, 2, 1, {}},
        {"an empty text matches nothing", {}, {{Minor, ""}, {Major, ""}, {Remove, ""}}, {}, {}, 2, 1, {}},
        {"a remove of a row not picked here changes nothing",
         {{kLossOfEye, 1}},
         {{Remove, eye}, {Remove, knee}},
         {},
         {},
         2,
         1,
         {}},
        {"a remove takes back one of two picks",
         {},
         {{Minor, scar}, {Minor, scar}, {Remove, scar}},
         {},
         {{kScarFacial, 1}},
         1,
         1,
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        current_character.QUIRK_COUNT.fill(0);
        for (const auto& [row, count] : c.held)
            current_character.QUIRK_COUNT[row] = count;
        ScopedPrompter prompts;
        for (int answer : c.answers)
            prompts->ExpectMessage(answer);
        CherryPicks picks;
        for (const Press& press : c.presses) {
            if (press.op == Minor)
                CherryAddMinor(picks, press.text);
            else if (press.op == Major)
                CherryAddMajor(picks, press.text);
            else
                CherryRemove(picks, press.text);
        }
        for (int row = 0; row < kQuirkFlawRows; ++row) {
            const auto it = c.picked.find(row);
            const int expected = it == c.picked.end() ? 0 : it->second;
            const int bp = quirkflaw[static_cast<size_t>(row)].type == kQuirkMajor ? 4 : 2;
            EXPECT_EQ(picks.picked[static_cast<size_t>(row)], expected) << "row " << row;
            EXPECT_EQ(picks.pickBP[static_cast<size_t>(row)], expected * bp) << "row " << row;
        }
        EXPECT_EQ(picks.minorPicksLeft, c.minorLeft);
        EXPECT_EQ(picks.majorPicksLeft, c.majorLeft);
        std::vector<std::string> asked;
        for (const ScriptedPrompter::Question& q : prompts->Asked()) {
            EXPECT_EQ(q.caption, "Quirks and Flaws");
            asked.push_back(q.message);
        }
        EXPECT_EQ(asked, c.questions);
        EXPECT_EQ(current_character.QUIRK_COUNT[kLossOfEye], c.held.empty() ? 0 : c.held.front().second)
            << "picks reach the character only on Continue";
    }
}

TEST_F(CherryPickTest, ContinuePaysThePicksAndListsEveryHeldRow) {
    BooksToUse[kBookRogue] = 1;
    BooksToUse[kBookPriest] = 1;
    current_character.QUIRK_COUNT[kLossOfEye] = 1; // from the background step
    current_character.QUIRK_COUNT[kTrickKnee] = 1;
    program_data.BuildingPoints = 1.5f;
    program_data.QuirkBP.fill(9); // a stale payout that Continue overwrites
    ScopedPrompter prompts;
    prompts->ExpectMessage(wxYES); // the Priest's row
    prompts->ExpectMessage(wxYES); // the Rogue's row
    CherryPicks picks;
    ASSERT_TRUE(CherryAddMinor(picks, NameOf(kLossOfEye)));
    ASSERT_TRUE(CherryAddMinor(picks, NameOf(kIllInformed)));
    ASSERT_TRUE(CherryAddMajor(picks, NameOf(kArthritis)));

    CherryContinue(picks);

    EXPECT_EQ(program_data.WizardState, kWizardClass);
    EXPECT_FLOAT_EQ(program_data.BuildingPoints, 9.5f);
    EXPECT_EQ(current_character.QUIRK_COUNT[kLossOfEye], 2);
    EXPECT_EQ(current_character.QUIRK_COUNT[kTrickKnee], 1);
    EXPECT_EQ(current_character.QUIRK_COUNT[kArthritis], 1);
    EXPECT_EQ(current_character.QUIRK_COUNT[kIllInformed], 1);
    for (int row = 0; row < kQuirkFlawRows; ++row) {
        const int expected = row == kLossOfEye || row == kIllInformed ? 2 : row == kArthritis ? 4 : 0;
        EXPECT_EQ(program_data.QuirkBP[static_cast<size_t>(row)], expected) << "row " << row;
    }
    EXPECT_EQ(current_character.BOOK_CLASS_FLAG, (std::array<bool, 4>{false, false, true, true}));

    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{
                  "BP=3.5    | Acquired the Loss of Eye Quirk/Flaw (x2) via Cherry Picking for 2 BP",
                  "BP=3.5    | Acquired the Trick Knee Quirk/Flaw (x1) via Cherry Picking for 0 BP",
                  "BP=7.5    | Acquired the Arthritis Quirk/Flaw (x1) via Cherry Picking for 4 BP",
                  "BP=9.5    | Acquired the Ill-Informed Quirk/Flaw (x1) via Cherry Picking for 2 BP",
              }));
    std::vector<std::pair<std::string, int>> list;
    for (const QuirkDataItem* node = QuirkDataItem::First(); node; node = node->pNext.get())
        list.emplace_back(node->name, node->value);
    EXPECT_EQ(list, (std::vector<std::pair<std::string, int>>{
                        {"Loss of Eye", 2}, {"Trick Knee", 1}, {"Arthritis", 1}, {"Ill-Informed", 1}}));
    EXPECT_NE(TreeOutline(CurrentTree())
                  .find("Quirks and Flaws\n  Loss of Eye\n  Trick Knee\n  Arthritis\n"
                        "  Ill-Informed\n"),
              std::string::npos)
        << TreeOutline(CurrentTree());
}

TEST_F(CherryPickTest, ContinueWithoutPicksPaysNothingAndStillLogsTheHeldRows) {
    current_character.QUIRK_COUNT[kScarFacial] = 2;
    program_data.BuildingPoints = 4.0f;
    CherryContinue(CherryPicks{});
    EXPECT_EQ(program_data.WizardState, kWizardClass);
    EXPECT_FLOAT_EQ(program_data.BuildingPoints, 4.0f);
    EXPECT_EQ(current_character.BOOK_CLASS_FLAG, (std::array<bool, 4>{}));
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{
                  "BP=4.0    | Acquired the Scar, Facial Quirk/Flaw (x2) via Cherry Picking for 0 BP"}));
    ASSERT_NE(QuirkDataItem::First(), nullptr);
    EXPECT_EQ(QuirkDataItem::First()->value, 2);
    EXPECT_EQ(QuirkDataItem::First()->pNext, nullptr);
}

TEST_F(CherryPickTest, RollRandomlyAsksUntilANumberFromOneToNineComes) {
    current_character.QUIRK_COUNT[kScarFacial] = 1;
    program_data.BuildingPoints = 2.0f;
    program_data.WizardState = kWizardQuirks;
    ScopedPrompter prompts;
    prompts->ExpectNumberCancel();
    prompts->ExpectNumber(0);
    prompts->ExpectNumber(10);
    prompts->ExpectNumber(3);
    EXPECT_EQ(CherryRollRandomly(), 3);
    ASSERT_EQ(prompts->Asked().size(), 4u);
    for (const ScriptedPrompter::Question& q : prompts->Asked()) {
        EXPECT_EQ(q.message, "Enter how many times you wish to roll on Table 6A");
        EXPECT_EQ(q.caption, "Quirks and Flaws");
    }
    EXPECT_EQ(program_data.WizardState, kWizardChosenQuirkRolls);
    EXPECT_EQ(program_data.QuirkRollsOwed, 3);
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{"BP=2.0    | Preparing to roll 3 times for Quirks and Flaws"}));
    EXPECT_FLOAT_EQ(program_data.BuildingPoints, 2.0f);
    EXPECT_EQ(current_character.QUIRK_COUNT[kScarFacial], 1);
    EXPECT_EQ(QuirkDataItem::First(), nullptr);
}

TEST_F(CherryPickTest, RollRandomlyGivesUpWhenNoAnswerEverComes) {
    // No prompter installed: every question is cancelled, as in a run without windows.
    program_data.WizardState = kWizardQuirks;
    EXPECT_EQ(CherryRollRandomly(), 0);
    EXPECT_EQ(program_data.WizardState, kWizardQuirks);
    EXPECT_EQ(program_data.QuirkRollsOwed, 0);
    EXPECT_TRUE(LogLines().empty());
}

} // namespace
