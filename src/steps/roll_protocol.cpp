#include "steps/roll_protocol.h"

#include <wx/defs.h>

#include "app/dice.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "app/prompts.h"
#include "steps/ability_race_rules.h"

RolledDice RollOrEnter(int32_t sides, int32_t count, const std::string& message) {
    // The empty ranges are named, not left to the arithmetic: -1 dice of -1 sides would give -1..1.
    const bool noRange = count < 0 || (count >= 1 && sides < 1);
    const int64_t min = count;
    const int64_t max = noRange ? min - 1 : static_cast<int64_t>(count) * sides;
    return RollOrEnter(sides, count, message, Format("%id%i", count, sides), min, max);
}

RolledDice RollOrEnter(int32_t sides, int32_t count, const std::string& message, const std::string& diceText,
                       int64_t min, int64_t max) {
    return EnterOwnRoll(DiceRoll(sides, count), message, diceText, min, max);
}

RolledDice EnterOwnRoll(int32_t rolled, const std::string& message, const std::string& diceText, int64_t min,
                        int64_t max) {
    RolledDice dice;
    dice.roll = rolled;
    if (!OwnDiceOn() || max < min)
        return dice;
    // Never answered, the roll stands as rolled.
    const int32_t typed =
        static_cast<int32_t>(AskNumberUntilAnswered(message, diceText, kOwnDiceCaption, dice.roll,
                                                    static_cast<long>(min), static_cast<long>(max))
                                 .value_or(dice.roll));
    if (typed != dice.roll) {
        dice.roll = typed;
        dice.method = "Entered roll";
    }
    return dice;
}

bool LogAndAccept(const std::string& text, const AcceptOptions& options) {
    const std::string line = LogStepLine(text);
    if (!(program_data.BuildingPoints > 0.0f))
        return true;
    const std::string& shown = options.questionShowsPrefix ? line : text;
    // Closing the question is no refusal: only No costs the BP.
    if (Prompts().Message(shown, kAcceptCaption, wxYES_NO | wxICON_QUESTION) != wxNO)
        return true;
    program_data.BuildingPoints -= 1.0f;
    if (options.logDecline)
        LogStepLine(kRerollLine);
    return false;
}
