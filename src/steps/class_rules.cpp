#include "steps/class_rules.h"

#include <algorithm>

#include "app/character.h"
#include "app/numbers.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "catalog/race_catalog.h"

namespace {

// Charisma 0..25; 24 and 25 give nothing, as the table has always read.
const std::array<int32_t, 26> kComModByCharisma = {-8, -8, -5, -3, -3, -1, -1, -1, 0, 0, 0, 0, 1,
                                                   1,  1,  2,  2,  3,  4,  4,  5,  6, 7, 8, 0, 0};

// The social level that needs no check: the highest.
constexpr int32_t kAnySocialLevel = 12;

bool Within(float value, float low, float high) {
    return low <= value && value <= high;
}

} // namespace

void EqualizeAbilityScore(int32_t& score, int32_t& fraction) {
    int64_t carry = 0;
    if (fraction > 100)
        carry = (static_cast<int64_t>(fraction) - 1) / 100; // the fewest hundreds that bring it to 100
    else if (fraction < 0)
        carry = -((-static_cast<int64_t>(fraction) + 99) / 100); // the fewest that bring it to 0
    fraction = static_cast<int32_t>(fraction - carry * 100);
    score = SaturatingAdd(score, carry);
}

BPAllotment AllotBP(const AbilityValues& scores, const AbilityValues& fractions,
                    const std::array<std::string, kAbilityCount>& typed, float pool) {
    BPAllotment a;
    a.scores = scores;
    a.fractions = fractions;
    for (size_t i = 0; i < kAbilityCount; ++i) {
        a.entered[i] = std::clamp(ParseLeadingInt(typed[i]), -kMaxTypedBP, kMaxTypedBP);
        int32_t fraction = SaturatingAdd(a.fractions[i], static_cast<int64_t>(a.entered[i]) * kFractionPerBP);
        EqualizeAbilityScore(a.scores[i], fraction);
        a.fractions[i] = fraction;
        a.spent += a.entered[i];
    }
    a.accepted = static_cast<float>(a.spent) <= pool;
    return a;
}

BPAllotment ApplyClassStepBP(const std::array<std::string, kAbilityCount>& typed) {
    BPAllotment a = AllotBP(current_character.ABILITY_BASE, current_character.ABILITY_PERC, typed,
                            program_data.BuildingPoints);
    if (a.accepted) {
        current_character.pClass = nullptr;
        LogStepLine(AdjustingLine(a.scores, a.fractions, a.entered));
    }
    return a;
}

std::string AdjustingLine(const AbilityValues& s, const AbilityValues& f, const AbilityValues& e) {
    return Format("Adjusting Ability Scores with BP's STR=%i/%i (%i BP) DEX=%i/%i (%i BP) CON=%i/%i (%i BP) "
                  "INT=%i/%i (%i BP) WIS=%i/%i (%i BP) CHR=%i/%i (%i BP) COM=%i/%i (%i BP)",
                  s[0], f[0], e[0], s[1], f[1], e[1], s[2], f[2], e[2], s[3], f[3], e[3], s[4], f[4], e[4],
                  s[5], f[5], e[5], s[6], f[6], e[6]);
}

std::string BPLeftText(float pool, int32_t spent) {
    return FormatFixed(static_cast<double>(pool - static_cast<float>(spent)), 0, -3);
}

int32_t ComModByCharisma(int32_t charisma) {
    const int32_t last = static_cast<int32_t>(kComModByCharisma.size()) - 1;
    return kComModByCharisma[static_cast<size_t>(std::clamp(charisma, 0, last))];
}

float ClassTestValue(int32_t score, int32_t fraction) {
    return static_cast<float>(ParseLeadingReal(Format("%i.%i", score, fraction)));
}

ClassTest MakeClassTest(const AbilityValues& scores, const AbilityValues& fractions) {
    ClassTest test;
    for (size_t i = 0; i < kAbilityCount; ++i)
        test.values[i] = ClassTestValue(scores[i], fractions[i]);
    // Only the Charisma the character came with counts, not one raised in this step.
    if (program_data.WizardState <= kWizardClass)
        test.values[6] += static_cast<float>(ComModByCharisma(current_character.ABILITY_BASE[5]));
    test.bookClassFlag = current_character.BOOK_CLASS_FLAG;
    test.socialLevel = test.bookClassFlag[0] || BooksToUse[kOptionSocialClassRestrictions] == 0
                           ? kAnySocialLevel
                           : current_character.SOCIAL_ID;
    test.race = current_character.pRace;
    return test;
}

bool ClassQualifies(const CharacterClass& c, const ClassTest& test) {
    const float low[kAbilityCount] = {c.MINSTR, c.MINDEX, c.MINCON, c.MININT, c.MINWIS, c.MINCHA, c.MINCOM};
    const float high[kAbilityCount] = {c.MAXSTR, c.MAXDEX, c.MAXCON, c.MAXINT, c.MAXWIS, c.MAXCHA, c.MAXCOM};
    for (size_t i = 0; i < kAbilityCount; ++i)
        if (!Within(test.values[i], low[i], high[i]))
            return false;
    if (!BookEnabled(c.BOOK) || c.SOCIALREQ > test.socialLevel)
        return false;
    const auto& flag = test.bookClassFlag;
    if ((flag[0] && c.MAGE < 0) || (flag[1] && c.FIGHTER < 0) || (flag[2] && c.CLERIC < 0) ||
        (flag[3] && c.THIEF < 0))
        return false;
    if (!test.race)
        return false;
    // A limit written for a multi-class also admits each class named inside it.
    return std::any_of(test.race->LEVELLIMIT.begin(), test.race->LEVELLIMIT.end(),
                       [&c](const std::string& limit) { return limit.find(c.NAME) != std::string::npos; });
}

std::vector<CharacterClass*> ClassesForAbilities(const AbilityValues& scores,
                                                 const AbilityValues& fractions) {
    const ClassTest test = MakeClassTest(scores, fractions);
    std::vector<CharacterClass*> classes;
    for (CharacterClass* c = CharacterClass::First(); c; c = c->pNext.get())
        if (ClassQualifies(*c, test))
            classes.push_back(c);
    return classes;
}

CharacterClass* PickClass(const std::string& text) {
    CharacterClass* picked = nullptr;
    for (CharacterClass* c = CharacterClass::First(); c; c = c->pNext.get())
        if (c->NAME == text)
            picked = c;
    if (!picked)
        return nullptr;
    current_character.pClass = picked;
    current_character.CLASS_LONG_NAME = picked->NAME;
    LogStepLine(Format("Selecting a Class: Class=%s, BP Bonus=%i", picked->NAME.c_str(), picked->BP));
    return picked;
}
