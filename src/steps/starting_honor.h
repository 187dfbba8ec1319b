// Starting honor: its terms, the BP it earns or costs, and the honor die by level and honor.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The honor modifier of a social class (1 to 12); a class found in no pair takes the first pair's -10.
int32_t SocialHonorAdjustment(int32_t socialClass);

// The BP the starting honor earns or costs: the pair of the highest lowest-honor at or below `honor`,
// the first pair's -9 when none is. Honor 10 to 13 falls under the pair of 9 and costs 1 BP.
int32_t HonorBPAdjustment(int32_t honor);

// The honor modifier of a family-heritage text (whole text: "Great Dishonor" -5, "Dishonor" -2,
// "Honorable" +2, "Great Honor" +5, anything else 0); logs it.
int32_t HeritageHonor(const std::string& heritage);

// One band of a level's honor-die row: honor up to `high` (the band after the previous one) gives a die of
// `die` sides plus `bonus`. The last band of a row is open upwards (`high` is INT32_MAX).
struct HonorDieBand {
    int32_t high;
    int32_t die;
    int32_t bonus;
};

// The honor-die row of `level`, 1 to 20 (a level above 20 reads 20, below 1 reads 1).
const std::vector<HonorDieBand>& HonorDieRow(int32_t level);

// Sets the record's honor die and bonus for `level` and `honor` and returns the honor text, such as
// "Average Honor d6+1". A level above 20 counts as 20; below 1 die and bonus become 0 and the text is empty.
std::string SetHonorDice(int32_t level, int32_t honor);

// The starting honor from the record: the scores' mean, social class, heritage, Charisma, a Battle Mage's
// +2, a floor of 1 and then the gathered adjustment. Adjusts the BP pool, sets the level-1 honor die and
// its text, logs every term and moves the wizard on (kWizardSkills). The caller stores the result.
int32_t GenerateHonor();
