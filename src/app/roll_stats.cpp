#include "app/roll_stats.h"

#include "app/character.h"
#include "app/dice.h"
#include "app/program_data.h"

void RollStats() {
    Character_Class& pc = current_character;
    for (size_t i = 0; i < kAbilityCount; ++i) {
        pc.ABILITY_BASE[i] = DiceRoll(6, 3);
        pc.ABILITY_PERC[i] = DiceRoll(100, 1);
    }
    LogStepLine(AbilityLine("Rolling Ability Scores"));
}
