#include "steps/background_family.h"

#include <array>
#include <string>

#include "app/character.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "catalog/race_catalog.h"
#include "steps/background_gains.h"
#include "steps/background_rolls.h"
#include "steps/roll_protocol.h"
#include "steps/table_lookup.h"

namespace {

struct IllegitimateBand {
    int32_t highest;
    const char* text;
    int32_t code;
    int32_t honor; // the circumstance's starting-honor modifier
};
const std::array<IllegitimateBand, 5> kIllegitimateBands = {{
    {5, "Character was abandoned at birth", kBirthAbandoned, -3},
    {30, "birth was the result of a rape, father unknown", kBirthRape, -5},
    {60, "mother was a prostitute, father unknown", kBirthProstitute, -10},
    {90, "birth was the result of an adultrous affair", kBirthAffair, -3},
    {100, "birth was arranged through a surogate mother", kBirthSurrogate, -1},
}};

struct StatusBand {
    int32_t highest;
    const char* text;
    int32_t alive;
};
const std::array<StatusBand, 3> kFatherBands = {{
    {1, "Celebrity", 1},
    {80, "Alive", 1},
    {100, "Dead", 0},
}};

struct MotherBand {
    int32_t highest;
    const char* mother;
    int32_t motherAlive;
    const char* father;
    int32_t fatherAlive;
};
const std::array<MotherBand, 4> kMotherBands = {{
    {1, "Celebrity", 1, "Unknown", 1},
    {80, "Alive", 1, "Unknown", 1},
    {90, "Dead", 0, "Unknown", 1},
    {100, "Dead", 0, "Dead", 0},
}};

const std::array<TextBand, 3> kStepMotherBands = {{
    {1, "Step Mother is a celebrity"},
    {80, "Step Mother is alive"},
    {100, "Step Mother is dead"},
}};

struct QualityBand {
    int32_t highest;
    const char* text;
    int32_t bp, minor, major;
    const char* suffix;
};
const std::array<QualityBand, 4> kQualityBands = {{
    {60, "Loving parent", 5, 0, 0, " (+5 BP)"},
    {80, "Ill-equiped parent", 0, 0, 0, ""},
    {91, "Indiferent parent", 0, 1, 0, " (+1 minor quirk)"},
    {100, "Abusive parent", 0, 0, 1, " (+1 major quirk)"},
}};

// One parent's side of the quality roll.
struct Parent {
    const char* name; // "mother" or "father"
    std::string Character_Class::*quality;
    int32_t BackgroundGains::*bp;
    int32_t BackgroundGains::*minor;
    int32_t BackgroundGains::*major;
};

bool ParentQuality(const Parent& parent, BackgroundGains& gains) {
    Character_Class& pc = current_character;
    std::string& quality = pc.*parent.quality;
    quality.clear();
    const RolledDice dice = RollOrEnter(100, 1, std::string("Rolling for quality of ") + parent.name);
    const int32_t modifier = EqualsNoCase(pc.LEGITAMACY_OF_BIRTH, "illegitimate") ? 35 : 0;
    const int32_t total = SaturatingAdd(dice.roll, modifier);
    const QualityBand& band = BandOf(kQualityBands, total);
    quality = band.text;
    gains.*parent.bp = band.bp;
    gains.*parent.minor = band.minor;
    gains.*parent.major = band.major;
    return LogAndAccept(Format("%s for quality of %s (d100%+i): rolled %i = ", dice.method.c_str(),
                               parent.name, modifier, total) +
                        quality + band.suffix);
}

} // namespace

bool BirthCircum() {
    Character_Class& pc = current_character;
    pc.LEGITAMACY_OF_BIRTH.clear();
    pc.CIRCUMSTANCE_OF_BIRTH.clear();
    const RolledDice dice = RollOrEnter(100, 1, "Rolling for circumstances of Birth 1d100");
    const int32_t modifier = RaceOrNone().ILLIGITMOD;
    const int32_t total = SaturatingAdd(dice.roll, modifier);
    const bool legitimate = total <= 90;
    pc.LEGITAMACY_OF_BIRTH = legitimate ? "Legitimate" : "Illegitimate";
    pc.CIRCUMSTANCE_OF_BIRTH = legitimate ? "N/A" : "Unknown";
    AcceptOptions bare;
    bare.questionShowsPrefix = false;
    return LogAndAccept(
        dice.method +
            Format(" for Legitimacy of Birth (d100): rolled %i (%i%+i), ", total, dice.roll, modifier) +
            pc.LEGITAMACY_OF_BIRTH,
        bare);
}

std::optional<int32_t> IlligitBirth() {
    Character_Class& pc = current_character;
    pc.CIRCUMSTANCE_OF_BIRTH.clear();
    const RolledDice dice = RollOrEnter(100, 1, "Rolling for circumstances of illigitimate birth");
    const int32_t modifier = RaceOrNone().ILLIGITBIRTHMOD;
    const int32_t total = SaturatingAdd(dice.roll, modifier);
    const IllegitimateBand& band = BandOf(kIllegitimateBands, total);
    pc.CIRCUMSTANCE_OF_BIRTH = band.text;
    switch (band.code) {
    case kBirthAbandoned:
        pc.ABANDONED = 1;
        pc.MOTHER_ALIVE = -1;
        pc.FATHER_ALIVE = -1;
        pc.MOTHER_STATUS = "Unknown";
        pc.FATHER_STATUS = "Unknown";
        break;
    case kBirthRape:
    case kBirthProstitute:
        pc.ABANDONED = 0;
        pc.MOTHER_ALIVE = 1;
        pc.FATHER_ALIVE = -1;
        pc.FATHER_STATUS = "Unknown";
        break;
    case kBirthAffair:
        pc.ABANDONED = 0;
        pc.MOTHER_ALIVE = 1;
        break;
    default: // a surrogate mother
        pc.ABANDONED = 0;
        pc.FATHER_ALIVE = 1;
        break;
    }
    if (!LogAndAccept(Format("%s for circumstances of illigitimate birth (d100%+i): rolled %i = ",
                             dice.method.c_str(), modifier, total) +
                      pc.CIRCUMSTANCE_OF_BIRTH))
        return std::nullopt;
    int32_t result = band.code;
    if (band.code == kBirthAffair || band.code == kBirthSurrogate)
        result = RollUntilAccepted([&] { return NatureofUnknown(band.code); });
    EffectofIlligitimateBirth(band.code);
    return result;
}

std::optional<int32_t> NatureofUnknown(int32_t kind) {
    Character_Class& pc = current_character;
    const RolledDice dice =
        RollOrEnter(100, 1, "Rolling for circumstances of illigitimate birth (extension)");
    const char* text = nullptr;
    int32_t result = 0;
    if (kind == kBirthAffair) {
        const bool known = dice.roll >= 76;
        text = known ? "father known" : "father unknown";
        pc.FATHER_ALIVE = known ? 1 : -1;
        result = known ? kBirthFatherKnown : kBirthFatherUnknown;
    } else {
        const bool known = dice.roll <= 25;
        text = known ? "identity known" : "identity unknown";
        pc.MOTHER_ALIVE = known ? 1 : -1;
        result = known ? kBirthMotherKnown : kBirthMotherUnknown;
    }
    if (!LogAndAccept(Format("%s for circumstances of illigitimate birth (extension) (d100): rolled %i, ",
                             dice.method.c_str(), dice.roll) +
                      pc.CIRCUMSTANCE_OF_BIRTH + ": " + text))
        return std::nullopt;
    pc.CIRCUMSTANCE_OF_BIRTH += std::string(": ") + text;
    return result;
}

void EffectofIlligitimateBirth(int32_t code) {
    int32_t modifier = 0;
    for (const IllegitimateBand& band : kIllegitimateBands)
        if (band.code == code)
            modifier = band.honor;
    int32_t& honor = program_data.PPHonorModifier;
    LogStepLine(Format("Applying Modifier to Starting Honor based on Circumstance of Birth %s %i%+i=%i",
                       current_character.CIRCUMSTANCE_OF_BIRTH.c_str(), honor, modifier,
                       SaturatingAdd(honor, modifier)));
    honor = SaturatingAdd(honor, modifier);
}

bool MomStatus() {
    Character_Class& pc = current_character;
    const bool fatherKnown = pc.FATHER_ALIVE != -1;
    pc.MOTHER_STATUS.clear();
    if (fatherKnown)
        pc.FATHER_STATUS.clear();
    const RolledDice dice = RollOrEnter(100, 1, "Rolling for status of mother");
    const MotherBand& band = BandOf(kMotherBands, dice.roll);
    pc.MOTHER_STATUS += band.mother;
    pc.MOTHER_ALIVE = band.motherAlive;
    if (fatherKnown) {
        pc.FATHER_STATUS += band.father;
        pc.FATHER_ALIVE = band.fatherAlive;
    }
    return LogAndAccept(
        Format("%s for status of mother (d100): rolled %i = ", dice.method.c_str(), dice.roll) +
        pc.MOTHER_STATUS + " (father = " + pc.FATHER_STATUS + ")");
}

bool DadStatus() {
    Character_Class& pc = current_character;
    pc.FATHER_STATUS.clear();
    const RolledDice dice = RollOrEnter(100, 1, "Rolling for status of father");
    const StatusBand& band = BandOf(kFatherBands, dice.roll);
    pc.FATHER_STATUS += band.text;
    pc.FATHER_ALIVE = band.alive;
    return LogAndAccept(
        Format("%s for status of father (d100): rolled %i = ", dice.method.c_str(), dice.roll) +
        pc.FATHER_STATUS);
}

std::optional<int32_t> StepParent() {
    Character_Class& pc = current_character;
    const RolledDice dice = RollOrEnter(20, 1, "Rolling for step parent");
    const bool married = dice.roll >= 15;
    pc.STEPPARENT = married ? "Yes" : "No";
    if (!LogAndAccept(Format("%s for step parent (d20): rolled %i = ", dice.method.c_str(), dice.roll) +
                      pc.STEPPARENT))
        return std::nullopt;
    return married ? 3 : 1;
}

bool StepMother() {
    Character_Class& pc = current_character;
    pc.STEPPARENT.clear();
    const RolledDice dice = RollOrEnter(100, 1, "Rolling for status of step mother");
    pc.STEPPARENT += BandOf(kStepMotherBands, dice.roll).text;
    return LogAndAccept(
        Format("%s for status of step parent (d100): rolled %i = ", dice.method.c_str(), dice.roll) +
        pc.STEPPARENT);
}

bool MomQuality(BackgroundGains& gains) {
    return ParentQuality({"mother", &Character_Class::MOTHER_QUALITY, &BackgroundGains::momQualityBP,
                          &BackgroundGains::momMinorQuirks, &BackgroundGains::momMajorQuirks},
                         gains);
}

bool DadQuality(BackgroundGains& gains) {
    return ParentQuality({"father", &Character_Class::FATHER_QUALITY, &BackgroundGains::dadQualityBP,
                          &BackgroundGains::dadMinorQuirks, &BackgroundGains::dadMajorQuirks},
                         gains);
}
