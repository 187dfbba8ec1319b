// Asking until answered: the first answer that fits is taken, and the asking stops after kMaxAsks.
#include <gtest/gtest.h>
#include <optional>
#include <string>

#include "app/prompts.h"
#include "support/reset_globals.h"
#include "support/scripted_prompter.h"

namespace {

class AskUntilAnsweredTest : public GlobalsTest {};

TEST_F(AskUntilAnsweredTest, ANumberCancelledOrOutOfRangeIsAskedAgainWithTheSameQuestion) {
    ScopedPrompter prompts;
    prompts->ExpectNumberCancel();
    prompts->ExpectNumber(0);
    prompts->ExpectNumber(10);
    prompts->ExpectNumber(9);
    EXPECT_EQ(AskNumberUntilAnswered("How many?", "1 - 9", "Rolls", 3, 1, 9), 9);
    ASSERT_EQ(prompts->Asked().size(), 4u);
    for (const ScriptedPrompter::Question& q : prompts->Asked()) {
        EXPECT_EQ(q.message, "How many?");
        EXPECT_EQ(q.prompt, "1 - 9");
        EXPECT_EQ(q.caption, "Rolls");
        EXPECT_EQ(q.value, 3);
        EXPECT_EQ(q.min, 1);
        EXPECT_EQ(q.max, 9);
    }
}

TEST_F(AskUntilAnsweredTest, TheLastOfTheBoundedAsksStillCountsAndNoneFollowsIt) {
    ASSERT_EQ(kMaxAsks, 100);
    for (const bool answeredLast : {true, false}) {
        SCOPED_TRACE(answeredLast ? "answered at the last ask" : "never answered");
        ScopedPrompter prompts;
        for (int i = 1; i < kMaxAsks; ++i)
            prompts->ExpectNumberCancel();
        if (answeredLast)
            prompts->ExpectNumber(4);
        else
            prompts->ExpectNumberCancel();
        const std::optional<long> answer = AskNumberUntilAnswered("How many?", "1 - 9", "Rolls", 1, 1, 9);
        EXPECT_EQ(answer, answeredLast ? std::optional<long>(4) : std::nullopt);
        EXPECT_EQ(prompts->Asked().size(), static_cast<size_t>(kMaxAsks));
    }
}

TEST_F(AskUntilAnsweredTest, AnyQuestionStopsAtItsFirstAnswer) {
    int asked = 0;
    const std::optional<std::string> answer = AskUntilAnswered([&]() -> std::optional<std::string> {
        ++asked;
        return asked == 3 ? std::optional<std::string>("third") : std::nullopt;
    });
    EXPECT_EQ(answer, "third");
    EXPECT_EQ(asked, 3);

    asked = 0;
    EXPECT_EQ(AskUntilAnswered([&]() -> std::optional<int> {
                  ++asked;
                  return std::nullopt;
              }),
              std::nullopt);
    EXPECT_EQ(asked, kMaxAsks);
}

} // namespace
