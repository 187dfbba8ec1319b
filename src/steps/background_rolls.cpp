#include "steps/background_rolls.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>
#include <vector>

#include "app/character.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "catalog/race_catalog.h"
#include "steps/roll_protocol.h"
#include "steps/table_lookup.h"

namespace {

// The three body rolls are one algorithm over three sets of race fields.
struct BodyRoll {
    int32_t CharacterRace::*base;
    int32_t CharacterRace::*sides;
    int32_t CharacterRace::*count;
    const char* message;
    const char* logFormat;
};

std::optional<int32_t> RollBody(const BodyRoll& spec) {
    const CharacterRace& race = RaceOrNone();
    const int32_t base = race.*spec.base, sides = race.*spec.sides, count = race.*spec.count;
    const RolledDice dice = RollOrEnter(sides, count, spec.message);
    const int32_t total = SaturatingAdd(base, dice.roll);
    if (!LogAndAccept(Format(spec.logFormat, dice.method.c_str(), base, count, sides, total)))
        return std::nullopt;
    return total;
}

struct SocialBand {
    int32_t highest; // the band's last d100 value
    const char* text;
    int32_t code;
};
const std::array<SocialBand, 10> kSocialBands = {{
    {1, "Slave Class", 1},
    {6, "Lower Lower Class", 4},
    {11, "Middle Lower Class", 5},
    {20, "Upper Lower Class", 6},
    {35, "Lower Middle Class", 7},
    {55, "Middle Middle Class", 8},
    {87, "Upper Middle Class", 9},
    {96, "Lower Upper Class", 10},
    {99, "Middle Upper Class", 11},
    {100, "Upper Upper Class", 12},
}};

struct SlaveBand {
    int32_t highest;
    const char* nature;
    int32_t code;
};
const std::array<SlaveBand, 3> kSlaveBands = {{
    {5, "runaway slave", 1},
    {15, "escaped criminal", 2},
    {20, "banished", 3},
}};

const std::array<TextBand, 5> kHeritageBands = {{
    {1, "Great Dishonor"},
    {15, "Dishonor"},
    {45, "No honor"},
    {76, "Honorable"},
    {100, "Great Honor"},
}};

// Order-of-birth rows by number of siblings, 1 to 9; each row's bands end at 100.
const std::array<std::vector<TextBand>, 9> kBirthOrderRows = {{
    {{50, "First born"}, {100, "Last born"}},
    {{33, "First born"}, {66, "Middle born (2nd)"}, {100, "Last born"}},
    {{25, "First born"}, {50, "2nd born"}, {75, "2nd to last born"}, {100, "Last born"}},
    {{21, "First born"},
     {41, "2nd born"},
     {61, "Middle born (3rd)"},
     {81, "2nd to last born"},
     {100, "Last born"}},
    {{16, "First born"},
     {32, "2nd born"},
     {48, "Middle born (3rd)"},
     {64, "Middle born (4th)"},
     {80, "2nd to last born"},
     {100, "Last born"}},
    {{14, "First born"},
     {28, "2nd born"},
     {42, "Middle born (3rd)"},
     {56, "Middle born (4th)"},
     {70, "Middle born (5th)"},
     {84, "2nd to last born"},
     {100, "Last born"}},
    {{12, "First born"},
     {24, "2nd born"},
     {36, "Middle born (3rd)"},
     {48, "Middle born (4th)"},
     {60, "Middle born (5th)"},
     {72, "Middle born (6th)"},
     {84, "2nd to last born"},
     {100, "Last born"}},
    {{11, "First born"},
     {22, "2nd born"},
     {33, "Middle born (3rd)"},
     {44, "Middle born (4th)"},
     {55, "Middle born (5th)"},
     {66, "Middle born (6th)"},
     {77, "Middle born (7th)"},
     {88, "2nd to last born"},
     {100, "Last born"}},
    {{10, "First born"},
     {20, "2nd born"},
     {30, "Middle born (3rd)"},
     {40, "Middle born (4th)"},
     {50, "Middle born (5th)"},
     {60, "Middle born (6th)"},
     {70, "Middle born (7th)"},
     {80, "Middle born (8th)"},
     {90, "2nd to last born"},
     {100, "Last born"}},
}};

} // namespace

const CharacterRace& RaceOrNone() {
    static const CharacterRace none;
    return current_character.pRace ? *current_character.pRace : none;
}

std::optional<int32_t> GenerateAge() {
    return RollBody({&CharacterRace::BASEAGE, &CharacterRace::AGEDIE, &CharacterRace::AGEDIEROLLS,
                     "Rolling for starting age of character", "%s for starting age (%i+%id%i): rolled %i"});
}

std::optional<int32_t> RollHeight() {
    return RollBody({&CharacterRace::BASEHEIGHT, &CharacterRace::HEIGHTDIE, &CharacterRace::HEIGHTDIEROLLS,
                     "Rolling for starting Height of character", "%s for Height (%i+%id%i): rolled %i"});
}

std::optional<int32_t> RollWeight() {
    return RollBody({&CharacterRace::BASEWEIGHT, &CharacterRace::WEIGHTDIE, &CharacterRace::WEIGHTDIEROLLS,
                     "Rolling for starting Weight of character", "%s for Weight (%i+%id%i): rolled %i"});
}

bool HandenessRoll() {
    Character_Class& pc = current_character;
    pc.HANDEDNESS.clear();
    const std::string& name = RaceOrNone().NAME;
    if (name.find("Elf") != std::string::npos) {
        pc.HANDEDNESS = "Ambidextrous";
        return true;
    }
    const RolledDice dice = RollOrEnter(100, 1, "Rolling for handeness of character");
    const bool dwarfOrGnome =
        name.find("Dwarf") != std::string::npos || name.find("Gnome") != std::string::npos;
    const bool nimble = pc.ABILITY_BASE[1] >= 16;
    // The last roll of "Left" and of "Ambidextrous"; everything above is "Right".
    const int32_t lastLeft = nimble ? (dwarfOrGnome ? 0 : 7) : (dwarfOrGnome ? 2 : 12);
    const int32_t lastAmbidextrous = nimble ? (dwarfOrGnome ? 37 : 27) : (dwarfOrGnome ? 32 : 22);
    pc.HANDEDNESS = dice.roll <= lastLeft ? "Left" : dice.roll <= lastAmbidextrous ? "Ambidextrous" : "Right";
    return LogAndAccept(
        Format("%s for Handeness (d100) (modified by high Dex and or Race to improve odds of an "
               "ambidextrous result) : rolled %i = ",
               dice.method.c_str(), dice.roll) +
        pc.HANDEDNESS);
}

std::optional<int32_t> SocialRoll() {
    Character_Class& pc = current_character;
    pc.SOCIAL_CLASS.clear();
    const RolledDice dice = RollOrEnter(100, 1, "Rolling for social class of character");
    const SocialBand& band = BandOf(kSocialBands, dice.roll);
    pc.SOCIAL_CLASS += band.text;
    if (!LogAndAccept(Format("%s for Social Class (d100): rolled %i = ", dice.method.c_str(), dice.roll) +
                      pc.SOCIAL_CLASS))
        return std::nullopt;
    return band.code;
}

std::optional<int32_t> SlaveClass() {
    const RolledDice dice = RollOrEnter(20, 1, "Rolling for nature of slave class");
    const SlaveBand& band = BandOf(kSlaveBands, dice.roll);
    if (!LogAndAccept(Format("%s for nature of Slave Class (d20): rolled %i = %s", dice.method.c_str(),
                             dice.roll, band.nature)))
        return std::nullopt;
    current_character.SOCIAL_CLASS += std::string(", ") + band.nature;
    return band.code;
}

SocialModifiers SocialModifiersFor(int32_t socialId) {
    static const std::array<SocialModifiers, 9> byCode = {{
        {-20, -10}, // 4 and below: "Lower Lower Class" and the slave natures
        {-15, -5},
        {-10, -1},
        {-5, 0},
        {0, 0},
        {5, 0},
        {10, 1},
        {15, 5},
        {20, 10}, // 12 and above
    }};
    const int32_t clamped = socialId < 4 ? 4 : socialId > 12 ? 12 : socialId;
    return byCode[static_cast<size_t>(clamped - 4)];
}

void SocialEffect() {
    const Character_Class& pc = current_character;
    const SocialModifiers mod = SocialModifiersFor(pc.SOCIAL_ID);
    int32_t& money = program_data.PPMoneyModifier;
    LogStepLine(Format("Applying Modifier to Money Roll based on Social Class %s %i%+i=%i",
                       pc.SOCIAL_CLASS.c_str(), money, mod.money, SaturatingAdd(money, mod.money)));
    money = SaturatingAdd(money, mod.money);
    int32_t& honor = program_data.PPHonorModifier;
    LogStepLine(Format("Applying Modifier to Starting Honor based on Social Class %s %i%+i=%i",
                       pc.SOCIAL_CLASS.c_str(), honor, mod.honor, SaturatingAdd(honor, mod.honor)));
    honor = SaturatingAdd(honor, mod.honor);
}

bool FamilyHeritage() {
    Character_Class& pc = current_character;
    pc.FAMILY_HERITAGE.clear();
    const RolledDice dice = RollOrEnter(100, 1, "Rolling for family heritage");
    pc.FAMILY_HERITAGE = BandOf(kHeritageBands, dice.roll).text;
    return LogAndAccept(
        Format("%s for family heritage (d100): rolled %i = ", dice.method.c_str(), dice.roll) +
        pc.FAMILY_HERITAGE);
}

bool OrderofBirth(int32_t& middleChildQuirks) {
    Character_Class& pc = current_character;
    // The tree editor may have changed the count since the siblings roll: keep to the table's rows.
    const int64_t count = std::abs(static_cast<int64_t>(pc.SIBLINGS));
    const size_t row = static_cast<size_t>(std::clamp<int64_t>(count, 1, 9) - 1);
    pc.BIRTH_ORDER.clear();
    const RolledDice dice = RollOrEnter(100, 1, "Rolling for order of birth");
    const std::vector<TextBand>& bands = kBirthOrderRows[row];
    const TextBand* band = &bands.back();
    for (const TextBand& b : bands)
        if (dice.roll <= b.highest) {
            band = &b;
            break;
        }
    pc.BIRTH_ORDER = band->text;
    middleChildQuirks = pc.BIRTH_ORDER.rfind("Middle born", 0) == 0 ? 1 : 0;
    return LogAndAccept(Format("%s for order of birth (d100): rolled %i ", dice.method.c_str(), dice.roll) +
                        pc.BIRTH_ORDER + (middleChildQuirks == 1 ? ", 1 Minor Personality Quirk" : ""));
}

void EffofBirth() {
    const Character_Class& pc = current_character;
    static const std::array<std::pair<const char*, int32_t>, 5> byOrder = {{
        {"First born", 5},
        {"2nd born", 2},
        {"2nd to last born", -2},
        {"Only child", 10},
        {"Last born", -5},
    }};
    int32_t modifier = 0;
    for (const auto& [order, value] : byOrder)
        if (EqualsNoCase(pc.BIRTH_ORDER, order))
            modifier = value;
    if (pc.ABANDONED == 1)
        modifier = -20;
    int32_t& money = program_data.PPMoneyModifier;
    LogStepLine(Format("Applying Modifier for Birth Order (%+i) to Starting Money Roll %+i = %i", modifier,
                       money, SaturatingAdd(money, modifier)));
    money = SaturatingAdd(money, modifier);
}
