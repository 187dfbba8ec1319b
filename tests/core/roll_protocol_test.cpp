#include <climits>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

#include "app/dice.h"
#include "app/numbers.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "steps/roll_protocol.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"

namespace {

using Kind = ScriptedPrompter::Kind;

class RollProtocolTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        program_data.LogFileName = "5.log";
    }
    ScopedTempDir dir_;
};

// A roll function as the steps write them: one d6, its log line, the question.
std::optional<int32_t> TestRoll(const AcceptOptions& options = {}) {
    const RolledDice dice = RollOrEnter(6, 1, "Rolling for test roll");
    if (!LogAndAccept(Format("%s for test (1d6): rolled %i", dice.method.c_str(), dice.roll), options))
        return std::nullopt;
    return dice.roll;
}

TEST_F(RollProtocolTest, AnOwnRollNeverTypedLeavesTheDiceAsRolled) {
    // No prompter installed: every question is cancelled, as in a run without windows.
    BooksToUse[kOptionRollYourOwnDice] = 1;
    dice::QueueFaces({4});
    const RolledDice dice = RollOrEnter(6, 1, "Rolling for test roll");
    EXPECT_EQ(dice.roll, 4);
    EXPECT_EQ(dice.method, "Rolling");
}

TEST_F(RollProtocolTest, RollsLogsAndOffersTheReRollWhileThePoolIsAboveZero) {
    struct Case {
        const char* name;
        float bp;
        bool ownDice;
        std::vector<int32_t> faces;
        std::function<void(ScriptedPrompter&)> script;
        int32_t result;
        float bpAfter;
        std::vector<std::string> log;
    };
    const std::vector<Case> cases = {
        {"no BP: no question",
         0.0f,
         false,
         {4},
         [](ScriptedPrompter&) {},
         4,
         0.0f,
         {"BP=0.0    | Rolling for test (1d6): rolled 4"}},
        {"3 BP: No, then Yes",
         3.0f,
         false,
         {2, 5},
         [](ScriptedPrompter& p) {
             p.ExpectMessage(wxNO);
             p.ExpectMessage(wxYES);
         },
         5,
         2.0f,
         {"BP=3.0    | Rolling for test (1d6): rolled 2", "BP=2.0    | Spending 1 BP to re-roll",
          "BP=2.0    | Rolling for test (1d6): rolled 5"}},
        {"3 BP: the question closed without an answer keeps the roll and its BP",
         3.0f,
         false,
         {2},
         [](ScriptedPrompter& p) { p.ExpectMessage(wxCANCEL); },
         2,
         3.0f,
         {"BP=3.0    | Rolling for test (1d6): rolled 2"}},
        {"half a BP: No, then nothing asked",
         0.5f,
         false,
         {2, 5},
         [](ScriptedPrompter& p) { p.ExpectMessage(wxNO); },
         5,
         -0.5f,
         {"BP=0.5    | Rolling for test (1d6): rolled 2", "BP=-0.5   | Spending 1 BP to re-roll",
          "BP=-0.5   | Rolling for test (1d6): rolled 5"}},
        {"own dice, the rolled value typed",
         0.0f,
         true,
         {4},
         [](ScriptedPrompter& p) { p.ExpectNumber(4); },
         4,
         0.0f,
         {"BP=0.0    | Rolling for test (1d6): rolled 4"}},
        {"own dice, another value typed",
         0.0f,
         true,
         {4},
         [](ScriptedPrompter& p) { p.ExpectNumber(6); },
         6,
         0.0f,
         {"BP=0.0    | Entered roll for test (1d6): rolled 6"}},
        {"own dice, cancelled and asked again",
         0.0f,
         true,
         {4},
         [](ScriptedPrompter& p) {
             p.ExpectNumberCancel();
             p.ExpectNumber(3);
         },
         3,
         0.0f,
         {"BP=0.0    | Entered roll for test (1d6): rolled 3"}},
        {"own dice, out of range and asked again",
         0.0f,
         true,
         {4},
         [](ScriptedPrompter& p) {
             p.ExpectNumber(7);
             p.ExpectNumber(0);
             p.ExpectNumber(1);
         },
         1,
         0.0f,
         {"BP=0.0    | Entered roll for test (1d6): rolled 1"}},
        {"own dice and a re-roll",
         1.0f,
         true,
         {4, 2},
         [](ScriptedPrompter& p) {
             p.ExpectNumber(4);
             p.ExpectMessage(wxNO);
             p.ExpectNumber(5);
         },
         5,
         0.0f,
         {"BP=1.0    | Rolling for test (1d6): rolled 4", "BP=0.0    | Spending 1 BP to re-roll",
          "BP=0.0    | Entered roll for test (1d6): rolled 5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetGlobals();
        std::filesystem::remove("5.log");
        program_data.LogFileName = "5.log";
        program_data.BuildingPoints = c.bp;
        BooksToUse[kOptionRollYourOwnDice] = c.ownDice ? 1 : 0;
        dice::QueueFaces(c.faces);
        ScopedPrompter prompts;
        c.script(*prompts);
        EXPECT_EQ(RollUntilAccepted([] { return TestRoll(); }), c.result);
        EXPECT_EQ(program_data.BuildingPoints, c.bpAfter);
        EXPECT_EQ(LogLines(), c.log);
        EXPECT_EQ(dice::QueuedFaces(), 0u);
        bool firstNumber = true;
        for (const ScriptedPrompter::Question& q : prompts->Asked()) {
            if (q.kind == Kind::Message) {
                EXPECT_EQ(q.caption, "Accept this roll? (reroll costs 1BP)");
                EXPECT_EQ(q.message.rfind("BP=", 0), 0u)
                    << "the question shows the logged line: " << q.message;
            } else {
                EXPECT_EQ(q.message, "Rolling for test roll");
                EXPECT_EQ(q.caption, "Enter your own Dice Roll");
                EXPECT_EQ(q.prompt, "1d6");
                if (firstNumber) {
                    EXPECT_EQ(q.value, c.faces.front()) << "the default is the rolled value";
                }
                firstNumber = false;
                EXPECT_EQ(q.min, 1);
                EXPECT_EQ(q.max, 6);
            }
        }
    }
}

TEST_F(RollProtocolTest, TheQuestionCanShowTheBareTextAndADeclineCanSkipItsLine) {
    program_data.BuildingPoints = 2.0f;
    dice::QueueFaces({1, 6});
    ScopedPrompter prompts;
    prompts->ExpectMessage(wxNO);
    prompts->ExpectMessage(wxYES);
    AcceptOptions quiet;
    quiet.questionShowsPrefix = false;
    quiet.logDecline = false;
    EXPECT_EQ(RollUntilAccepted([&] { return TestRoll(quiet); }), 6);
    EXPECT_EQ(program_data.BuildingPoints, 1.0f);
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"BP=2.0    | Rolling for test (1d6): rolled 1",
                                                    "BP=1.0    | Rolling for test (1d6): rolled 6"}));
    ASSERT_EQ(prompts->Asked().size(), 2u);
    EXPECT_EQ(prompts->Asked()[0].message, "Rolling for test (1d6): rolled 1");
}

TEST_F(RollProtocolTest, TheTypedRangeComesFromTheDiceOrIsGivenApart) {
    BooksToUse[kOptionRollYourOwnDice] = 1;
    struct Case {
        int32_t sides, count;
        bool asked;
        long min, max;
        const char* prompt;
    };
    const std::vector<Case> cases = {
        {10, 2, true, 2, 20, "2d10"}, {INT32_MAX, 3, true, 3, 3L * INT32_MAX, "3d2147483647"},
        {0, 1, false, 0, 0, ""},  // 1d0
        {-4, 2, false, 0, 0, ""}, // sides below 1
        {6, -1, false, 0, 0, ""}, // a negative count
        {-1, -1, false, 0, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Format("%id%i", c.count, c.sides));
        ScopedPrompter prompts;
        if (c.asked)
            prompts->ExpectNumber(c.min);
        const RolledDice dice = RollOrEnter(c.sides, c.count, "Rolling for starting Height of character");
        ASSERT_EQ(prompts->Asked().size(), c.asked ? 1u : 0u);
        if (!c.asked) {
            EXPECT_EQ(dice.roll, 0) << "no dice rolled";
            EXPECT_EQ(dice.method, "Rolling");
            continue;
        }
        EXPECT_EQ(prompts->Asked()[0].prompt, c.prompt);
        EXPECT_EQ(prompts->Asked()[0].min, c.min);
        EXPECT_EQ(prompts->Asked()[0].max, c.max);
        EXPECT_EQ(dice.roll, c.min);
    }

    // A table that always asks "1d100" whatever die it rolls.
    ScopedPrompter prompts;
    prompts->ExpectNumber(100);
    dice::QueueFaces({3, 4});
    const RolledDice dice = RollOrEnter(8, 2, "Rolling for Quirks and Flaws", "1d100", 1, 100);
    EXPECT_EQ(dice.roll, 100);
    EXPECT_EQ(dice.method, "Entered roll");
    ASSERT_EQ(prompts->Asked().size(), 1u);
    EXPECT_EQ(prompts->Asked()[0].prompt, "1d100");
    EXPECT_EQ(prompts->Asked()[0].value, 7);
    EXPECT_EQ(prompts->Asked()[0].max, 100);
}

TEST_F(RollProtocolTest, AGenuineZeroIsTakenAtOnce) {
    int calls = 0;
    EXPECT_EQ(RollUntilAccepted([&]() -> std::optional<int32_t> {
                  ++calls;
                  return 0;
              }),
              0);
    EXPECT_EQ(calls, 1);
    calls = 0;
    RollUntilAccepted([&] { return ++calls == 3; });
    EXPECT_EQ(calls, 3);
}

} // namespace
