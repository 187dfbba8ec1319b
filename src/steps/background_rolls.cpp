#include "steps/background_rolls.h"

#include <array>

#include "app/character.h"
#include "app/dice_log.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "catalog/race_catalog.h"
#include "steps/roll_protocol.h"

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

// The first band whose last value is at or above `roll`; the last band for anything beyond.
template <class Band, size_t N> const Band& BandOf(const std::array<Band, N>& bands, int32_t roll) {
    for (const Band& band : bands)
        if (roll <= band.highest)
            return band;
    return bands.back();
}

void LogLine(const std::string& text) {
    std::string line = text;
    Format_Entry(program_data.BuildingPoints, line, program_data.LogFileName);
}

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
    LogLine(Format("Applying Modifier to Money Roll based on Social Class %s %i%+i=%i",
                   pc.SOCIAL_CLASS.c_str(), money, mod.money, SaturatingAdd(money, mod.money)));
    money = SaturatingAdd(money, mod.money);
    int32_t& honor = program_data.PPHonorModifier;
    LogLine(Format("Applying Modifier to Starting Honor based on Social Class %s %i%+i=%i",
                   pc.SOCIAL_CLASS.c_str(), honor, mod.honor, SaturatingAdd(honor, mod.honor)));
    honor = SaturatingAdd(honor, mod.honor);
}
