#include "steps/fighter_background.h"

#include <cstdlib>

#include "app/character.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "steps/roll_protocol.h"
#include "ui/ability_scores.h"

namespace {

const FighterBandResult kTrainingCamp[6] = {
    {"secret rebel/insurgent camp", -3}, {"local militia camp", -2},    {"territorial militia camp", -1},
    {"regular army boot camp", 0},       {"elite military academy", 3}, {"royal guardsmen", 5},
};

const FighterBandResult kBasicTrainingQuality[6] = {
    {"Horrific", -10}, {"Poor", -4}, {"Sub-par", -2}, {"Average", 1}, {"Above Average", 1}, {"Top Notch", 4},
};

const FighterBandResult kTrainingResults[6] = {
    {"You gained no weapon proficiencies and lost 2 points of Honor from the degrading experience", -2},
    {"You gained 1 melee weapon proficiency at no BP cost. However your training was so poor with this "
     "weapon there is a 50% chance that you suffer a -1 'to hit' penalty with this weapon. Either spending a "
     "BP or taking a course in this weapon at some future point will rectify this",
     0},
    {"You gained 1 melee weapon proficiency at no BP cost", 0},
    {"You gained 1 melee weapon proficiency and your choice of armor or weapon maintenance skill.", 0},
    {"You gained 1 melee weapon proficiency at no BP cost and both armor and weapon maintenance skills, "
     "again "
     "at no BP cost",
     0},
    {"You gained 2 weapon proficiencies as well as armor and weapon maintenance skills and Shaving/Grooming "
     "all at no BP cost. In addition there is a 33% likelihood that your basic weapons training was so "
     "superior that your non-weapon proficinecy is permanently reduced to -1",
     0},
};

constexpr int kWeakTrainingBand = 1;

} // namespace

int FighterBand(int32_t total) {
    if (total <= 3)
        return 0;
    if (total <= 7)
        return 1;
    if (total <= 10)
        return 2;
    if (total <= 15)
        return 3;
    if (total <= 18)
        return 4;
    return 5;
}

int32_t SocialClassModifier(int32_t socialId) {
    static const int32_t kBySocialId[] = {-10, -8, -3, -1, 0, 1, 3, 7, 8, 9}; // 3 or less to 12 or more
    if (socialId <= 3)
        return kBySocialId[0];
    if (socialId >= 12)
        return kBySocialId[9];
    return kBySocialId[socialId - 3];
}

int32_t CharismaTerm(const std::string& reactionAdj) {
    return static_cast<int32_t>(std::llabs(int64_t{ParseLeadingInt(reactionAdj)}) / 2);
}

int32_t CharacterCharismaTerm() {
    const size_t cha = 5;
    return CharismaTerm(AbilityScores::GetCharisma("Reaction_Adj", current_character.ABILITY_BASE[cha],
                                                   current_character.ABILITY_PERC[cha]));
}

const FighterBandResult& TrainingCampBand(int band) {
    return kTrainingCamp[band];
}
const FighterBandResult& BasicTrainingQualityBand(int band) {
    return kBasicTrainingQuality[band];
}
const FighterBandResult& TrainingResultsBand(int band) {
    return kTrainingResults[band];
}

std::string TrainingCampLogText(const std::string& method, int32_t roll, int32_t social,
                                const std::string& socialClass, int32_t charisma, int32_t total) {
    return Format("%s for Type of Training Camp (3d6): rolled %i(%+i %s %+i Charisma Reaction Adj) = %i = ",
                  method.c_str(), roll, social, socialClass.c_str(), charisma, total);
}

std::string BasicTrainingQualityLogText(const std::string& method, int32_t roll, int32_t modifier,
                                        int32_t total) {
    return Format("%s for Quality of Basic Training (3d6): rolled %i(%+i) = %i = ", method.c_str(), roll,
                  modifier, total);
}

std::string TrainingResultsLogText(const std::string& method, int32_t roll, int32_t modifier, int32_t total) {
    return Format("%s for Results of Basic Training (3d6): rolled %i(%+i) = %i = ", method.c_str(), roll,
                  modifier, total);
}

const char* WeaponTrainingType(int32_t roll) {
    return roll <= 50 ? kMeleeWeaponLimited : kMeleeWeapon;
}

std::string WeaponTrainingLogText(const std::string& method, int32_t roll, const std::string& resultText) {
    const char* outcome =
        roll <= 50
            ? "You gained 1 melee weapon proficiency. However your training was so poor with this weapon "
              "you suffer a -1 penalty to hit, this can be rectified in the future through training: "
            : "You gained 1 melee weapon proficiency: ";
    return Format("%s for Results for Quality of Weapon Proficinecy Training (1d100): rolled %i = ",
                  method.c_str(), roll) +
           outcome + resultText;
}

bool RollTrainingCamp(int32_t& campModifier) {
    const RolledDice dice = RollOrEnter(6, 3, "Rolling for Type of Training Camp");
    const int32_t social = SocialClassModifier(current_character.SOCIAL_ID);
    const int32_t charisma = CharacterCharismaTerm();
    const int32_t total = SaturatingAdd(dice.roll, int64_t{social} + charisma);
    const FighterBandResult& band = TrainingCampBand(FighterBand(total));
    campModifier = band.next;
    if (!LogAndAccept(TrainingCampLogText(dice.method, dice.roll, social, current_character.SOCIAL_CLASS,
                                          charisma, total) +
                      band.text))
        return false;
    current_character.CAMP_TYPE = band.text;
    return true;
}

bool RollBasicTrainingQuality(int32_t campModifier, int32_t& trainingModifier) {
    const RolledDice dice = RollOrEnter(6, 3, "Rolling for Quality of Basic Training");
    const int32_t total = SaturatingAdd(dice.roll, campModifier);
    const FighterBandResult& band = BasicTrainingQualityBand(FighterBand(total));
    trainingModifier = band.next;
    if (!LogAndAccept(BasicTrainingQualityLogText(dice.method, dice.roll, campModifier, total) + band.text))
        return false;
    current_character.CAMP_QUALITY = band.text;
    return true;
}

bool RollTrainingResults(int32_t trainingModifier,
                         const std::function<void(const std::string&)>& openChooser) {
    const RolledDice dice = RollOrEnter(6, 3, "Rolling for Results of Basic Training");
    const int32_t total = SaturatingAdd(dice.roll, trainingModifier);
    const int bandIndex = FighterBand(total);
    const FighterBandResult& band = TrainingResultsBand(bandIndex);
    if (!LogAndAccept(TrainingResultsLogText(dice.method, dice.roll, trainingModifier, total) + band.text))
        return false;
    current_character.CAMP_RESULTS = band.text;
    current_character.HONOR_MOD = SaturatingAdd(current_character.HONOR_MOD, band.next);
    if (bandIndex == 0)
        return true;
    if (bandIndex != kWeakTrainingBand) {
        openChooser(kMeleeWeapon);
        return true;
    }
    const RolledDice training = RollOrEnter(100, 1, "Rolling for Quality of Weapon Proficiency Training");
    openChooser(WeaponTrainingType(training.roll));
    LogStepLine(WeaponTrainingLogText(training.method, training.roll, band.text));
    return true;
}
