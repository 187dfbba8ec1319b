#include "steps/ability_race_rules.h"

#include <limits>
#include <memory>

#include "app/character.h"
#include "app/dice.h"
#include "app/numbers.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "app/roll_stats.h"
#include "catalog/race_catalog.h"
#include "ui/tree_pushers.h"

namespace {

// Whether `score` lowered by `by` stays at or above `floor`, computed without overflow.
bool StaysAtOrAbove(int32_t score, int by, int floor) {
    return static_cast<int64_t>(score) - by >= floor;
}

bool ValidAbility(int index, int last) {
    return index >= 0 && index <= last;
}

} // namespace

void ChooseRadio(int button, AbilityChoice& choice) {
    if (button >= 1 && button <= 6) {
        choice.LowerIndex = button - 1;
        choice.LowerFloor = choice.LowerIndex == 0 ? 1 : 3;
    } else if (button >= 7 && button <= 12) {
        choice.RaiseIndex = button - 7;
    } else if (button >= 13 && button <= 19) {
        choice.BurnIndex = button - 13;
        choice.BurnFloor = choice.BurnIndex == 0 ? 1 : 3;
    }
}

bool OwnDiceOn() {
    return BooksToUse[kOptionRollYourOwnDice] != 0;
}

void RollAbilities() {
    program_data.BuildingPoints = 0.0f;
    RollStats();
    current_character.pRace = nullptr;
    messagetotree();
}

void EnterAbilities(const std::array<std::string, kAbilityCount>& scores,
                    const std::array<std::string, kAbilityCount>& fractions) {
    program_data.BuildingPoints = 0.0f;
    for (size_t i = 0; i < kAbilityCount; ++i)
        current_character.ABILITY_BASE[i] = ParseLeadingInt(scores[i]);
    for (size_t i = 0; i < kAbilityCount; ++i)
        current_character.ABILITY_PERC[i] = ParseLeadingInt(fractions[i]);
    current_character.pRace = nullptr;
    LogStepLine(AbilityLine("Entering Ability Scores"));
    messagetotree();
}

bool AdjustChosenAbilities(const AbilityChoice& choice) {
    if (choice.LowerIndex == choice.RaiseIndex || !ValidAbility(choice.LowerIndex, 5) ||
        !ValidAbility(choice.RaiseIndex, 5)) {
        messagetotree();
        return false;
    }
    auto& scores = current_character.ABILITY_BASE;
    const auto lower = static_cast<size_t>(choice.LowerIndex);
    const auto raise = static_cast<size_t>(choice.RaiseIndex);
    if (StaysAtOrAbove(scores[lower], 2, choice.LowerFloor)) {
        scores[lower] = SaturatingAdd(scores[lower], -2);
        scores[raise] = SaturatingAdd(scores[raise], 1);
        LogStepLine(Format("%s has been reduced by %i and %s has been increased by %i", kAbilityNames[lower],
                           2, kAbilityNames[raise], 1));
        LogStepLine(AbilityLine("Adjusted Ability Scores"));
        // The tree sees the trade while the race is still chosen, before the choice is dropped below.
        messagetotree();
    }
    current_character.pRace = nullptr;
    messagetotree();
    return true;
}

bool BurnChosenAbility(const AbilityChoice& choice) {
    auto& scores = current_character.ABILITY_BASE;
    const bool made = ValidAbility(choice.BurnIndex, 6) &&
                      StaysAtOrAbove(scores[static_cast<size_t>(choice.BurnIndex)], 1, choice.BurnFloor);
    if (made) {
        const auto burn = static_cast<size_t>(choice.BurnIndex);
        scores[burn] = SaturatingAdd(scores[burn], -1);
        program_data.BuildingPoints += 2.0f;
        LogStepLine(Format("%s has been reduced by 1 and BP has been increased by 2", kAbilityNames[burn]));
        LogStepLine(AbilityLine("Adjusted Ability Scores"));
        current_character.pRace = nullptr;
    }
    messagetotree();
    return made;
}

bool RaceFits(const CharacterRace& race) {
    const auto& s = current_character.ABILITY_BASE;
    const int32_t mins[kAbilityCount] = {race.MINSTR, race.MINDEX, race.MINCON, race.MININT,
                                         race.MINWIS, race.MINCHA, race.MINCOM};
    const int32_t maxs[kAbilityCount] = {race.MAXSTR, race.MAXDEX, race.MAXCON, race.MAXINT,
                                         race.MAXWIS, race.MAXCHA, race.MAXCOM};
    for (size_t i = 0; i < kAbilityCount; ++i)
        if (s[i] < mins[i] || s[i] > maxs[i])
            return false;
    return BookEnabled(race.BOOK);
}

std::vector<CharacterRace*> RacesForScores() {
    std::vector<CharacterRace*> races;
    for (CharacterRace* race = CharacterRace::First(); race; race = race->pNext.get())
        if (RaceFits(*race))
            races.push_back(race);
    return races;
}

std::string RaceRowText(const CharacterRace& race) {
    return race.NAME + ", " + race.SEX;
}

std::array<std::string, kAbilityCount + 1> RaceModifierTexts(const CharacterRace& race) {
    const int32_t values[kAbilityCount + 1] = {race.STRADJ, race.DEXADJ, race.CONADJ, race.INTADJ,
                                               race.WISADJ, race.CHAADJ, race.COMADJ, race.BP};
    std::array<std::string, kAbilityCount + 1> texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = Format("%+i", values[i]);
    return texts;
}

void StepFive() {}

void PickRace(CharacterRace& race) {
    current_character.pRace = &race;
    current_character.RACE = race.NAME;
    current_character.SEX = race.SEX;
    StepFive();
    LogStepLine(Format("Selecting a Race/Sex: Race=%s, Sex=%s", current_character.RACE.c_str(),
                       current_character.SEX.c_str()));
    messagetotree();
}

bool HandOverRace(const std::string& language, const std::array<std::string, kAbilityCount>& modifierTexts,
                  const std::string& bonusText) {
    if (!current_character.pRace)
        return false;
    auto skill = std::make_unique<SkillDataItem>();
    skill->name = "Language, Modern: " + language;
    skill->value = 100;
    current_character.SKILL_SECTION.AddTail(std::move(skill));
    program_data.WizardState = kWizardBackground;
    for (size_t i = 0; i < kAbilityCount; ++i)
        current_character.ABILITY_BASE[i] =
            SaturatingAdd(current_character.ABILITY_BASE[i], ParseLeadingInt(modifierTexts[i]));
    program_data.BuildingPoints += static_cast<float>(ParseLeadingInt(bonusText));
    LogStepLine(AbilityLine("Adjusted Ability Scores by Race"));
    return true;
}
