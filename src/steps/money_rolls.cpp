#include "steps/money_rolls.h"

#include <climits>
#include <cmath>
#include <memory>
#include <wx/defs.h>

#include "app/character.h"
#include "app/dice.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "app/prompts.h"
#include "catalog/class_catalog.h"
#include "catalog/race_catalog.h"
#include "steps/inheritance_tables.h"
#include "steps/roll_protocol.h"
#include "steps/starting_honor.h"

namespace {

const char* const kMoneyMessage = "Rolling for starting money";

// clang-format off
const std::vector<MoneyBand> kMoneyBands = {
    {INT32_MIN, 5, 0, 0, 0, 0}, // hereditary debt
    {6, 10, 0, 0, 0, 0},        // flat broke
    {11, 15, 20, 1, 4, 0},   {16, 20, 25, 1, 4, 0},   {21, 25, 30, 1, 4, 0},   {26, 30, 35, 1, 4, 0},
    {31, 35, 45, 1, 6, 0},   {36, 40, 50, 1, 6, 0},   {41, 45, 55, 1, 6, 0},   {46, 50, 60, 1, 6, 0},
    {51, 55, 70, 1, 8, 0},   {56, 60, 80, 1, 8, 0},   {61, 65, 90, 1, 8, 0},   {66, 70, 100, 1, 8, 0},
    {71, 75, 110, 1, 10, 0}, {76, 80, 120, 1, 10, 0}, {81, 85, 130, 1, 10, 0}, {86, 90, 140, 1, 10, 0},
    {91, 95, 145, 1, 20, 0}, {96, 100, 150, 1, 20, 0},
    {101, 105, 160, 1, 20, 2}, {106, 110, 170, 1, 20, 3}, {111, 115, 180, 2, 20, 4},
    {116, INT32_MAX, 190, 2, 20, 5},
};

const std::vector<DebtBand> kDebtBands = {
    {1, 10, 20, 4, false},   {11, 15, 25, 4, true},   {16, 20, 30, 4, false},  {21, 25, 35, 4, false},
    {26, 30, 40, 4, false},  {31, 35, 45, 6, false},  {36, 40, 50, 6, false},  {41, 45, 55, 6, false},
    {46, 50, 60, 6, false},  {51, 55, 70, 8, false},  {56, 60, 80, 8, false},  {61, 65, 90, 8, false},
    {66, 70, 100, 8, false}, {71, 75, 110, 10, false}, {76, 80, 120, 10, false}, {81, 85, 130, 10, false},
    {86, 90, 140, 10, false}, {91, 95, 145, 20, false}, {96, 100, 150, 20, false},
};
// clang-format on

const MoneyBand& MoneyBandFor(int32_t total) {
    for (const MoneyBand& band : kMoneyBands) {
        if (total <= band.high)
            return band;
    }
    return kMoneyBands.back();
}

// The most BP the player may put into the money roll: the whole part of the pool, 0 below 1 BP.
long SpendableBP() {
    const double pool = program_data.BuildingPoints;
    if (!(pool >= 1.0))
        return 0;
    return static_cast<long>(std::min(std::floor(pool), static_cast<double>(INT32_MAX)));
}

// Asked until an answer in range comes, so the question cannot be skipped; never answered, nothing is
// spent.
long AskBPToSpend() {
    return AskNumberUntilAnswered(kMoneyMessage, "each BP is 2d12", "How many BP do you want to spend?", 0, 0,
                                  SpendableBP())
        .value_or(0);
}

void AppendInherited(const std::string& item) {
    if (item.empty())
        return;
    auto node = std::make_unique<EquipDataItem>();
    node->name = item + " (inherited)";
    node->value = 1;
    current_character.EQUIPMENT_SECTION.AddTail(std::move(node));
}

} // namespace

const std::vector<MoneyBand>& MoneyBands() {
    return kMoneyBands;
}

const std::vector<DebtBand>& DebtBands() {
    return kDebtBands;
}

std::optional<int32_t> Table4B() {
    const Character_Class& pc = current_character;
    if (pc.pRace && pc.pRace->NAME.find("Pixie Fairy") != std::string::npos)
        return 0;
    const int32_t sides = pc.pClass ? pc.pClass->AGEDIE : 0;
    const int32_t count = pc.pClass ? pc.pClass->AGEDIEROLLS : 0;
    const RolledDice dice =
        RollOrEnter(sides, count, "Rolling for starting age of character (adjusted by class)");
    if (!LogAndAccept(Format("%s for starting age (adjusted by class) (%i+%id%i): rolled %i",
                             dice.method.c_str(), pc.AGE, count, sides, dice.roll)))
        return std::nullopt;
    return dice.roll;
}

int32_t RollClassAge() {
    const int32_t years = RollUntilAccepted(Table4B);
    current_character.AGE = SaturatingAdd(current_character.AGE, years);
    return current_character.AGE;
}

std::optional<int32_t> Table4M(InheritanceRoll& roll) {
    Character_Class& pc = current_character;
    roll.inheritanceLevel = 0;
    roll.inheritanceText.clear();
    // A debt belongs to the attempt that rolled it: a refused attempt must not leave it behind.
    pc.HEREDITARY_DEBT = 0;

    const int32_t rolled = DiceRoll(100, 1);
    const long spent = AskBPToSpend();
    int32_t bonus = 0;
    if (spent > 0) {
        for (long i = 0; i < spent; ++i)
            bonus = SaturatingAdd(bonus, DiceRoll(12, 2));
        program_data.BuildingPoints -= static_cast<float>(spent);
    }
    const RolledDice dice = EnterOwnRoll(rolled, kMoneyMessage, "1d100", 1, 100);

    const int32_t classModifier = pc.pClass ? pc.pClass->MONEYROLL : 0;
    const int32_t total =
        SaturateInt32(static_cast<int64_t>(dice.roll) + classModifier + program_data.PPMoneyModifier + bonus);
    const MoneyBand& band = MoneyBandFor(total);
    const int32_t gold = band.base + DiceRoll(band.sides, band.count);
    roll.inheritanceLevel = band.inheritanceLevel;
    if (&band == &kMoneyBands[0]) {
        pc.HEREDITARY_DEBT = Debt();
        roll.inheritanceText = Format("You have rolled a heriditary debt of %+i gold", pc.HEREDITARY_DEBT);
    } else if (&band == &kMoneyBands[1]) {
        roll.inheritanceText = "You are flat broke";
    }

    if (!LogAndAccept(Format("%s for starting gold (1d100 + %i(Class Modifier) + %i(Prior & Particular "
                             "Modifier) + %i(%li BP spent)): rolled %i",
                             dice.method.c_str(), classModifier, program_data.PPMoneyModifier, bonus, spent,
                             total)))
        return std::nullopt;
    return gold;
}

int32_t Debt() {
    const int32_t rolled = DiceRoll(100, 1);
    for (const DebtBand& band : kDebtBands) {
        if (rolled >= band.low && rolled <= band.high) {
            const int32_t die = DiceRoll(band.sides, 1);
            return 10 * (band.base + (band.doubled ? 2 * die : die));
        }
    }
    return 0;
}

void MoneySpecialRoll(InheritanceRoll& roll) {
    Character_Class& pc = current_character;
    const int32_t level = roll.inheritanceLevel;
    if (level < 2)
        return;
    pc.INHERITED_WEAPON = Table3L(pc.SOCIAL_ID);
    roll.inheritanceText = "You have inherited your father's weapon: " + pc.INHERITED_WEAPON;
    if (level >= 3) {
        pc.INHERITED_ARMOR = Table3M(pc.SOCIAL_ID, pc.RACE);
        roll.inheritanceText += ", armor: " + pc.INHERITED_ARMOR;
        pc.INHERITED_SHIELDHELMET = Table3N(pc.SOCIAL_ID);
        roll.inheritanceText += ", shield/helmet: " + pc.INHERITED_SHIELDHELMET;
    }
    if (level >= 4) {
        pc.INHERITED_MOUNT = Table3O(pc.SOCIAL_ID, pc.RACE);
        roll.inheritanceText += ", Mount: " + pc.INHERITED_MOUNT;
    }
    if (level >= 5) {
        pc.INHERITED_DEED = Table3P();
        roll.inheritanceText += ", and the deed to some land: " + pc.INHERITED_DEED;
    }
    roll.inheritanceText += ".";
}

int32_t RollStartingMoney(InheritanceRoll& roll) {
    current_character.GOLDCOINS = RollUntilAccepted([&roll] { return Table4M(roll); });
    if (roll.inheritanceLevel > 0)
        MoneySpecialRoll(roll);
    return current_character.GOLDCOINS;
}

int32_t HandOverAgeAndMoney() {
    Character_Class& pc = current_character;
    for (const std::string* item : {&pc.INHERITED_WEAPON, &pc.INHERITED_ARMOR, &pc.INHERITED_SHIELDHELMET,
                                    &pc.INHERITED_MOUNT, &pc.INHERITED_DEED})
        AppendInherited(*item);
    pc.HONOR_BASE = GenerateHonor();
    const std::string line = Format("Your starting Honor is %i", pc.HONOR_BASE);
    Prompts().Message(line, "Honor", wxOK | wxCANCEL);
    LogStepLine(line);
    return pc.HONOR_BASE;
}
