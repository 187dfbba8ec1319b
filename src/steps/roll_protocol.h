// The protocol of every roll a player may refuse: roll or type the dice, log one line, buy a re-roll.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>

// The caption of the typed-roll question and of the acceptance question, and the decline's log line.
inline constexpr const char* kOwnDiceCaption = "Enter your own Dice Roll";
inline constexpr const char* kAcceptCaption = "Accept this roll? (reroll costs 1BP)";
inline constexpr const char* kRerollLine = "Spending 1 BP to re-roll";

// One roll before its table is applied.
struct RolledDice {
    int32_t roll = 0;               // the dice total, or the typed number that replaced it
    std::string method = "Rolling"; // "Entered roll" once a typed number differs from the dice
};

// Rolls `count` dice of `sides` sides (DiceRoll's order). While the own-dice option is on, the player
// types the roll through the prompter's number question: message `message`, prompt the dice text
// "<count>d<sides>", caption "Enter your own Dice Roll", default the rolled value, range count to
// count x sides (computed without overflow). It is asked again while cancelled or answered outside that
// range, up to kMaxAsks times (AskUntilAnswered); never answered, the roll stands as rolled. When the
// range is empty (a negative count, or one die or more with fewer than 1 side) nothing is asked and the
// roll stands as rolled.
RolledDice RollOrEnter(int32_t sides, int32_t count, const std::string& message);

// The same with the typed question's prompt and range given apart from the dice, for a table whose
// question reads e.g. "1d100" and 1..100 whatever its die. An empty range (max < min) asks nothing.
RolledDice RollOrEnter(int32_t sides, int32_t count, const std::string& message, const std::string& diceText,
                       int64_t min, int64_t max);

// The typed half of RollOrEnter for a roll already made: while the own-dice option is on and the range is
// not empty, asks for the player's own number as RollOrEnter does, with `rolled` as its default. For a
// step that asks something else between rolling its dice and taking the player's number.
RolledDice EnterOwnRoll(int32_t rolled, const std::string& message, const std::string& diceText, int64_t min,
                        int64_t max);

// How a refusal is offered and paid.
struct AcceptOptions {
    bool questionShowsPrefix = true; // false: the question shows the text without the "BP=... | " prefix
    bool logDecline = true;          // false: a decline costs its 1 BP without the re-roll log line
};

// Logs `text` to the dice log with the current BP pool; then, while the pool is above 0 (also below 1),
// asks the yes/no question "Accept this roll? (reroll costs 1BP)" showing the logged line (a message box
// with a question icon). Only an explicit No declines: it lowers the pool by 1.0 (it may go below 0), logs
// "Spending 1 BP to re-roll" and returns false, and the caller rolls again from the dice. Returns true when
// the roll stands (Yes, the question closed without an answer, or no question because the pool is at 0
// or below).
bool LogAndAccept(const std::string& text, const AcceptOptions& options = {});

// Calls `attempt` until the roll stands and returns what it gave. A roll function signals a declined
// roll apart from its result: by returning nullopt (std::optional) or false (bool), so any genuine
// result, 0 included, is taken at once.
template <class Attempt> auto RollUntilAccepted(Attempt&& attempt) {
    using Result = decltype(attempt());
    if constexpr (std::is_same_v<Result, bool>) {
        while (!attempt()) {
        }
    } else {
        for (;;)
            if (Result result = attempt())
                return *result;
    }
}
