#include "steps/starting_honor.h"

#include <algorithm>
#include <climits>

#include "app/character.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "ui/ability_scores.h"

namespace {

struct Pair {
    int32_t key;
    int32_t value;
};

// {social class, honor modifier}. These differ from the background step's money and honor modifiers on
// purpose: the social class counts once, here.
const Pair SocialHonorMod[] = {{1, -10}, {2, -10}, {3, -10}, {4, -10}, {5, -5}, {6, -1},
                               {7, 0},   {8, 0},   {9, 0},   {10, 5},  {11, 5}, {12, 10}};

// {lowest honor, BP adjustment}, rising. There is no pair between 9 and 14: honor 10 to 13 costs 1 BP.
const Pair HonorBPTable[] = {{1, -9}, {2, -8}, {3, -7}, {4, -6}, {5, -5},  {6, -4},  {7, -3},
                             {8, -2}, {9, -1}, {14, 1}, {15, 2}, {16, 3},  {17, 4},  {18, 5},
                             {19, 6}, {20, 7}, {21, 8}, {22, 9}, {23, 10}, {24, 11}, {25, 12}};

constexpr int32_t kOpen = INT32_MAX;
constexpr int32_t kTopLevel = 20;

// Honor-die rows for levels 1 to 20: {highest honor of the band, die, bonus}.
// clang-format off
const std::vector<HonorDieBand> kHonorDice[kTopLevel] = {
    {{10, 1, 0}, {15, 3, 0}, {20, 4, 0}, {30, 3, 0}, {kOpen, 1, 0}}, // level 1
    {{10, 1, 0}, {15, 3, 0}, {20, 4, 0}, {25, 4, 1}, {30, 6, 0}, {40, 4, 1}, {45, 4, 0}, {50, 3, 0},
     {kOpen, 1, 0}}, // level 2
    {{10, 1, 0}, {15, 3, 0}, {20, 4, 0}, {25, 4, 1}, {35, 6, 0}, {40, 6, 1}, {45, 6, 0}, {55, 4, 1},
     {65, 4, 0}, {80, 3, 0}, {kOpen, 1, 0}}, // level 3
    {{10, 1, 0}, {15, 3, 0}, {20, 4, 0}, {25, 4, 1}, {35, 6, 0}, {45, 6, 1}, {50, 8, 0}, {55, 6, 1},
     {60, 6, 0}, {70, 4, 1}, {80, 4, 0}, {95, 3, 0}, {kOpen, 1, 0}}, // level 4
    {{10, 1, 0}, {15, 3, 0}, {20, 4, 0}, {25, 4, 1}, {30, 6, 0}, {45, 6, 1}, {55, 8, 0}, {60, 8, 1},
     {65, 8, 0}, {75, 6, 1}, {85, 6, 0}, {100, 4, 1}, {115, 4, 0}, {135, 3, 0}, {kOpen, 1, 0}}, // level 5
    {{10, 1, 0}, {15, 3, 0}, {20, 4, 0}, {25, 4, 1}, {30, 6, 0}, {35, 6, 1}, {50, 8, 0}, {65, 8, 1},
     {70, 10, 0}, {75, 8, 1}, {80, 8, 0}, {90, 6, 1}, {100, 6, 0}, {115, 4, 1}, {130, 4, 0},
     {150, 3, 0}, {kOpen, 1, 0}}, // level 6
    {{10, 1, 0}, {15, 3, 0}, {20, 4, 0}, {25, 4, 1}, {30, 6, 0}, {35, 6, 1}, {40, 8, 0}, {60, 8, 1},
     {75, 10, 0}, {80, 10, 1}, {85, 10, 0}, {95, 8, 1}, {105, 8, 0}, {120, 6, 1}, {135, 6, 0},
     {155, 4, 1}, {175, 4, 0}, {215, 3, 0}, {kOpen, 1, 0}}, // level 7
    {{10, 1, 0}, {15, 3, 0}, {20, 4, 0}, {25, 4, 1}, {30, 6, 0}, {35, 6, 1}, {40, 8, 0}, {45, 8, 1},
     {65, 10, 0}, {85, 10, 1}, {90, 12, 0}, {95, 10, 1}, {100, 10, 0}, {110, 8, 1}, {120, 8, 0},
     {135, 6, 1}, {150, 6, 0}, {170, 4, 1}, {190, 4, 0}, {215, 3, 0}, {kOpen, 1, 0}}, // level 8
    {{10, 1, 0}, {15, 3, 0}, {20, 4, 0}, {25, 4, 1}, {30, 6, 0}, {35, 6, 1}, {40, 8, 0}, {45, 8, 1},
     {50, 10, 0}, {75, 10, 1}, {95, 12, 0}, {100, 12, 1}, {105, 12, 0}, {115, 10, 1}, {125, 10, 0},
     {140, 8, 1}, {155, 8, 0}, {175, 6, 1}, {195, 6, 0}, {220, 4, 1}, {245, 4, 0}, {270, 3, 0},
     {kOpen, 1, 0}}, // level 9
    {{10, 1, 0}, {15, 3, 0}, {20, 4, 0}, {25, 4, 1}, {30, 6, 0}, {35, 6, 1}, {40, 8, 0}, {45, 8, 1},
     {50, 10, 0}, {55, 10, 1}, {80, 12, 0}, {105, 12, 1}, {110, 12, 2}, {115, 12, 1}, {120, 12, 0},
     {130, 10, 1}, {140, 10, 0}, {155, 8, 1}, {170, 8, 0}, {190, 6, 1}, {210, 6, 0}, {235, 4, 1},
     {260, 4, 0}, {285, 3, 0}, {kOpen, 1, 0}}, // level 10
    {{10, 1, 0}, {15, 3, 0}, {20, 4, 0}, {25, 4, 1}, {30, 6, 0}, {35, 6, 1}, {40, 8, 0}, {45, 8, 1},
     {50, 10, 0}, {55, 10, 1}, {60, 12, 0}, {90, 12, 1}, {115, 12, 2}, {120, 20, 0}, {125, 12, 2},
     {130, 12, 1}, {135, 12, 0}, {145, 10, 1}, {155, 10, 0}, {170, 8, 1}, {185, 8, 0}, {205, 6, 1},
     {225, 6, 0}, {250, 4, 1}, {285, 4, 0}, {310, 3, 0}, {kOpen, 1, 0}}, // level 11
    {{10, 1, 0}, {15, 3, 0}, {20, 4, 0}, {25, 4, 1}, {30, 6, 0}, {35, 6, 1}, {40, 8, 0}, {45, 8, 1},
     {50, 10, 0}, {55, 10, 1}, {60, 12, 0}, {85, 12, 1}, {115, 12, 2}, {130, 20, 0}, {135, 12, 2},
     {140, 12, 1}, {145, 12, 0}, {155, 10, 1}, {165, 10, 0}, {180, 8, 1}, {195, 8, 0}, {215, 6, 1},
     {235, 6, 0}, {260, 4, 1}, {295, 4, 0}, {320, 3, 0}, {kOpen, 1, 0}}, // level 12
    {{10, 1, 0}, {15, 3, 0}, {20, 4, 0}, {25, 4, 1}, {30, 6, 0}, {35, 6, 1}, {40, 8, 0}, {45, 8, 1},
     {50, 10, 0}, {55, 10, 1}, {60, 12, 0}, {70, 12, 1}, {105, 12, 2}, {140, 20, 0}, {145, 12, 2},
     {150, 12, 1}, {155, 12, 0}, {165, 10, 1}, {175, 10, 0}, {190, 8, 1}, {205, 8, 0}, {225, 6, 1},
     {245, 6, 0}, {270, 4, 1}, {305, 4, 0}, {330, 3, 0}, {kOpen, 1, 0}}, // level 13
    {{10, 1, 0}, {15, 3, 0}, {20, 4, 0}, {25, 4, 1}, {30, 6, 0}, {35, 6, 1}, {40, 8, 0}, {45, 8, 1},
     {50, 10, 0}, {55, 10, 1}, {60, 12, 0}, {70, 12, 1}, {90, 12, 2}, {150, 20, 0}, {155, 12, 2},
     {160, 12, 1}, {165, 12, 0}, {175, 10, 1}, {185, 10, 0}, {200, 8, 1}, {215, 8, 0}, {235, 6, 1},
     {255, 6, 0}, {280, 4, 1}, {315, 4, 0}, {340, 3, 0}, {kOpen, 1, 0}}, // level 14
    {{10, 1, 0}, {15, 3, 0}, {20, 4, 0}, {25, 4, 1}, {30, 6, 0}, {35, 6, 1}, {40, 8, 0}, {45, 8, 1},
     {50, 10, 0}, {55, 10, 1}, {60, 12, 0}, {70, 12, 1}, {80, 12, 2}, {160, 20, 0}, {165, 12, 2},
     {170, 12, 1}, {175, 12, 0}, {185, 10, 1}, {195, 10, 0}, {210, 8, 1}, {225, 8, 0}, {245, 6, 1},
     {265, 6, 0}, {290, 4, 1}, {325, 4, 0}, {350, 3, 0}, {kOpen, 1, 0}}, // level 15
    {{10, 1, 0}, {15, 3, 0}, {20, 4, 0}, {25, 4, 1}, {30, 6, 0}, {35, 6, 1}, {40, 8, 0}, {45, 8, 1},
     {50, 10, 0}, {55, 10, 1}, {60, 12, 0}, {70, 12, 1}, {80, 12, 2}, {170, 20, 0}, {175, 12, 2},
     {180, 12, 1}, {185, 12, 0}, {195, 10, 1}, {205, 10, 0}, {220, 8, 1}, {235, 8, 0}, {255, 6, 1},
     {275, 6, 0}, {300, 4, 1}, {335, 4, 0}, {360, 3, 0}, {kOpen, 1, 0}}, // level 16
    {{10, 1, 0}, {15, 3, 0}, {20, 4, 0}, {25, 4, 1}, {30, 6, 0}, {35, 6, 1}, {40, 8, 0}, {45, 8, 1},
     {50, 10, 0}, {55, 10, 1}, {60, 12, 0}, {70, 12, 1}, {80, 12, 2}, {180, 20, 0}, {185, 12, 2},
     {190, 12, 1}, {195, 12, 0}, {205, 10, 1}, {215, 10, 0}, {230, 8, 1}, {245, 8, 0}, {265, 6, 1},
     {285, 6, 0}, {310, 4, 1}, {345, 4, 0}, {370, 3, 0}, {kOpen, 1, 0}}, // level 17
    {{10, 1, 0}, {15, 3, 0}, {20, 4, 0}, {25, 4, 1}, {30, 6, 0}, {35, 6, 1}, {40, 8, 0}, {45, 8, 1},
     {50, 10, 0}, {55, 10, 1}, {60, 12, 0}, {70, 12, 1}, {80, 12, 2}, {190, 20, 0}, {195, 12, 2},
     {200, 12, 1}, {205, 12, 0}, {215, 10, 1}, {225, 10, 0}, {240, 8, 1}, {255, 8, 0}, {275, 6, 1},
     {295, 6, 0}, {320, 4, 1}, {355, 4, 0}, {380, 3, 0}, {kOpen, 1, 0}}, // level 18
    {{10, 1, 0}, {15, 3, 0}, {20, 4, 0}, {25, 4, 1}, {30, 6, 0}, {35, 6, 1}, {40, 8, 0}, {45, 8, 1},
     {50, 10, 0}, {55, 10, 1}, {60, 12, 0}, {70, 12, 1}, {75, 12, 2}, {200, 20, 0}, {205, 12, 2},
     {210, 12, 1}, {215, 12, 0}, {225, 10, 1}, {235, 10, 0}, {250, 8, 1}, {265, 8, 0}, {285, 6, 1},
     {305, 6, 0}, {330, 4, 1}, {365, 4, 0}, {390, 3, 0}, {kOpen, 1, 0}}, // level 19
    {{10, 1, 0}, {15, 3, 0}, {20, 4, 0}, {25, 4, 1}, {30, 6, 0}, {35, 6, 1}, {40, 8, 0}, {45, 8, 1},
     {50, 10, 0}, {55, 10, 1}, {60, 12, 0}, {65, 12, 1}, {70, 12, 2}, {210, 20, 0}, {215, 12, 2},
     {220, 12, 1}, {225, 12, 0}, {235, 10, 1}, {245, 10, 0}, {260, 8, 1}, {275, 8, 0}, {295, 6, 1},
     {315, 6, 0}, {340, 4, 1}, {375, 4, 0}, {400, 3, 0}, {kOpen, 1, 0}}, // level 20
};
// clang-format on

// The state word of `honor` at `level`: the thresholds move up with the level.
const char* HonorState(int32_t level, int32_t honor) {
    const int64_t h = honor;
    if (h <= 3LL * level + 2)
        return "Dishonorable";
    if (h >= 10LL * level + 11)
        return "Too Much Honor";
    if (h >= 8LL * level + 9)
        return "Great Honor";
    return "Average Honor";
}

} // namespace

int32_t SocialHonorAdjustment(int32_t socialClass) {
    for (const Pair& pair : SocialHonorMod) {
        if (pair.key == socialClass)
            return pair.value;
    }
    return SocialHonorMod[0].value;
}

int32_t HonorBPAdjustment(int32_t honor) {
    int32_t adjustment = HonorBPTable[0].value;
    for (const Pair& pair : HonorBPTable) {
        if (pair.key <= honor)
            adjustment = pair.value;
    }
    return adjustment;
}

int32_t HeritageHonor(const std::string& heritage) {
    int32_t modifier = 0;
    if (heritage == "Great Dishonor")
        modifier = -5;
    else if (heritage == "Dishonor")
        modifier = -2;
    else if (heritage == "Honorable")
        modifier = 2;
    else if (heritage == "Great Honor")
        modifier = 5;
    LogStepLine(Format("Modifier for %s Family Heritage to Honor: %+i", heritage.c_str(), modifier));
    return modifier;
}

const std::vector<HonorDieBand>& HonorDieRow(int32_t level) {
    return kHonorDice[std::clamp(level, 1, kTopLevel) - 1];
}

std::string SetHonorDice(int32_t level, int32_t honor) {
    Character_Class& pc = current_character;
    if (level < 1) {
        pc.HONOR_DIE = 0;
        pc.HONOR_DIE_BONUS = 0;
        return std::string();
    }
    level = std::min(level, kTopLevel);
    const std::vector<HonorDieBand>& row = HonorDieRow(level);
    const HonorDieBand& band =
        *std::find_if(row.begin(), row.end(), [honor](const HonorDieBand& b) { return honor <= b.high; });
    pc.HONOR_DIE = band.die;
    pc.HONOR_DIE_BONUS = band.bonus;
    const char* state = HonorState(level, honor);
    if (band.bonus == 0)
        return Format("%s d%i", state, band.die);
    return Format("%s d%i+%i", state, band.die, band.bonus);
}

int32_t GenerateHonor() {
    Character_Class& pc = current_character;

    // Typed scores have no bound, so the sum is taken wide.
    int64_t sum = 0;
    for (int32_t score : pc.ABILITY_BASE)
        sum += score;
    const int32_t base = SaturateInt32(sum / 7);
    LogStepLine(Format("Base Honor: %i", base));

    const int32_t social = SocialHonorAdjustment(pc.SOCIAL_ID);
    LogStepLine(
        Format("Acquiring Honor adjustment from Social Class: %s %+i", pc.SOCIAL_CLASS.c_str(), social));
    int64_t honor = static_cast<int64_t>(base) + social;

    honor += HeritageHonor(pc.FAMILY_HERITAGE);

    const int32_t charismaScore = pc.ABILITY_BASE[5];
    const int32_t charismaFraction = pc.ABILITY_PERC[5];
    const int32_t charisma =
        ParseLeadingInt(AbilityScores::GetCharisma("Hon_Mod", charismaScore, charismaFraction));
    LogStepLine(Format("Acquiring Honor adjustment from Charisma %i/%i:  %+i", charismaScore,
                       charismaFraction, charisma));
    honor += charisma;

    if (pc.CLASS_LONG_NAME == "Battle Mage")
        honor += 2;
    // The floor comes before the gathered adjustment, which may still take the honor below 1.
    honor = std::max<int64_t>(honor, 1);
    honor += pc.HONOR_MOD;
    const int32_t result = SaturateInt32(honor);

    const int32_t bp = HonorBPAdjustment(result);
    program_data.BuildingPoints += static_cast<float>(bp);
    LogStepLine(Format("Acquiring BP adjustment based on Honor of %i: %+i", result, bp));

    pc.HONOR_DICE_TEXT = SetHonorDice(1, result);
    LogStepLine(pc.HONOR_DICE_TEXT);

    program_data.WizardState = kWizardSkills;
    return result;
}
