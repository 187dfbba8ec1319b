#include "steps/background_chain.h"

#include <array>

#include "app/character.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "steps/background_family.h"
#include "steps/background_rolls.h"
#include "steps/background_siblings.h"
#include "steps/roll_protocol.h"

namespace {

const std::array<ChainButton, 14> kChainButtons = {{
    {ID_STEP6_AGE, "Begin Priors and Particulars"},
    {ID_STEP6_HANDEDNESS, "Roll Handedness"},
    {ID_STEP6_HEIGHT, "Roll Height"},
    {ID_STEP6_WEIGHT, "Roll Weight"},
    {ID_STEP6_SOCIAL_CLASS, "Roll Social Class"},
    {ID_STEP6_LEGITIMACY, "Roll Legitimacy of Birth"},
    {ID_STEP6_MOTHER_STATUS, "Roll Status of Mother"},
    {ID_STEP6_FATHER_STATUS, "Roll Status of Father"},
    {ID_STEP6_STEP_MOTHER, "Roll for Step Mother"},
    {ID_STEP6_MOTHER_QUALITY, "Roll Quality of Mother"},
    {ID_STEP6_FATHER_QUALITY, "Roll Quality of Father"},
    {ID_STEP6_HERITAGE, "Roll Family Heritage"},
    {ID_STEP6_SIBLINGS, "Roll for number of Siblings"},
    {ID_STEP6_BIRTH_ORDER, "Roll for Order of Birth"},
}};

std::optional<ChainButton> Button(int id) {
    return ChainButtonFor(id);
}

// After the mother's side is settled: her quality, or with her unknown the father's quality, or with
// both unknown the heritage.
int AfterParentStatus(int32_t motherAlive, int32_t fatherAlive) {
    if (motherAlive == -1)
        return fatherAlive == -1 ? ID_STEP6_HERITAGE : ID_STEP6_FATHER_QUALITY;
    return ID_STEP6_MOTHER_QUALITY;
}

std::string Number(int32_t value) {
    return Format("%i", value);
}

} // namespace

std::optional<ChainButton> ChainButtonFor(int id) {
    for (const ChainButton& button : kChainButtons)
        if (button.id == id)
            return button;
    return std::nullopt;
}

std::optional<ChainButton> NextRollButton(int rolledId, int32_t motherAlive, int32_t fatherAlive,
                                          int32_t siblings) {
    switch (rolledId) {
    case ID_STEP6_AGE:
        return Button(ID_STEP6_HANDEDNESS);
    case ID_STEP6_HANDEDNESS:
        return Button(ID_STEP6_HEIGHT);
    case ID_STEP6_HEIGHT:
        return Button(ID_STEP6_WEIGHT);
    case ID_STEP6_WEIGHT:
        return Button(ID_STEP6_SOCIAL_CLASS);
    case ID_STEP6_SOCIAL_CLASS:
        return Button(ID_STEP6_LEGITIMACY);
    case ID_STEP6_LEGITIMACY:
        if (motherAlive != -1)
            return Button(ID_STEP6_MOTHER_STATUS);
        return Button(fatherAlive != -1 ? ID_STEP6_FATHER_STATUS : ID_STEP6_HERITAGE);
    case ID_STEP6_MOTHER_STATUS:
        return Button(fatherAlive != -1 ? ID_STEP6_FATHER_STATUS : ID_STEP6_HERITAGE);
    case ID_STEP6_FATHER_STATUS:
        if (motherAlive == 0 && fatherAlive > 0)
            return Button(ID_STEP6_STEP_MOTHER);
        return Button(AfterParentStatus(motherAlive, fatherAlive));
    case ID_STEP6_STEP_MOTHER:
        return Button(AfterParentStatus(motherAlive, fatherAlive));
    case ID_STEP6_MOTHER_QUALITY:
        return Button(fatherAlive == -1 ? ID_STEP6_HERITAGE : ID_STEP6_FATHER_QUALITY);
    case ID_STEP6_FATHER_QUALITY:
        return Button(ID_STEP6_HERITAGE);
    case ID_STEP6_HERITAGE:
        return Button(ID_STEP6_SIBLINGS);
    case ID_STEP6_SIBLINGS:
        if (siblings != 0)
            return Button(ID_STEP6_BIRTH_ORDER);
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

std::optional<ChainButton> RollChainItem(int id, BackgroundGains& gains, const ShowRow& show) {
    if (!ChainButtonFor(id))
        return std::nullopt;
    program_data.WizardState = kWizardBackgroundRolled;
    Character_Class& pc = current_character;
    switch (id) {
    case ID_STEP6_AGE:
        pc.AGE = RollUntilAccepted(GenerateAge);
        show({"Age:", Number(pc.AGE)});
        break;
    case ID_STEP6_HANDEDNESS:
        RollUntilAccepted(HandenessRoll);
        show({"Handeness:", pc.HANDEDNESS});
        break;
    case ID_STEP6_HEIGHT:
        pc.CHARACTER_HEIGHT = RollUntilAccepted(RollHeight);
        show({"Height:", Number(pc.CHARACTER_HEIGHT)});
        break;
    case ID_STEP6_WEIGHT:
        pc.CHARACTER_WEIGHT = RollUntilAccepted(RollWeight);
        show({"Weight:", Number(pc.CHARACTER_WEIGHT)});
        break;
    case ID_STEP6_SOCIAL_CLASS:
        pc.SOCIAL_ID = RollUntilAccepted(SocialRoll);
        if (pc.SOCIAL_ID < 4)
            pc.SOCIAL_ID = RollUntilAccepted(SlaveClass);
        show({"Social Class:", pc.SOCIAL_CLASS});
        SocialEffect();
        break;
    case ID_STEP6_LEGITIMACY:
        RollUntilAccepted(BirthCircum);
        show({"Legitimacy of Birth:", pc.LEGITAMACY_OF_BIRTH});
        if (pc.LEGITAMACY_OF_BIRTH == "Illegitimate") {
            RollUntilAccepted(IlligitBirth);
            show({"Nature of Illigitimacy:", pc.CIRCUMSTANCE_OF_BIRTH, 300});
        }
        pc.STEPPARENT = "N/A";
        break;
    case ID_STEP6_MOTHER_STATUS:
        RollUntilAccepted(MomStatus);
        show({"Status of Mother:", pc.MOTHER_STATUS});
        break;
    case ID_STEP6_FATHER_STATUS:
        RollUntilAccepted(DadStatus);
        show({"Status of Father:", pc.FATHER_STATUS});
        break;
    case ID_STEP6_STEP_MOTHER:
        pc.MOTHER_ALIVE = RollUntilAccepted(StepParent) - 1;
        if (pc.MOTHER_ALIVE == 2)
            RollUntilAccepted(StepMother);
        show({"Status of Step Mother:", pc.STEPPARENT});
        break;
    case ID_STEP6_MOTHER_QUALITY:
        RollUntilAccepted([&] { return MomQuality(gains); });
        show({"Quality of Mother:", pc.MOTHER_QUALITY});
        break;
    case ID_STEP6_FATHER_QUALITY:
        RollUntilAccepted([&] { return DadQuality(gains); });
        show({"Quality of Father:", pc.FATHER_QUALITY});
        break;
    case ID_STEP6_HERITAGE:
        RollUntilAccepted(FamilyHeritage);
        show({"Family Heritage:", pc.FAMILY_HERITAGE});
        break;
    case ID_STEP6_SIBLINGS:
        pc.SIBLINGS = RollUntilAccepted(SiblingCount);
        show({"Number of Siblings:", pc.SIBLINGS < 0 ? Format("%i illigitimate siblings", -pc.SIBLINGS)
                                                     : Format("%i siblings", pc.SIBLINGS)});
        if (pc.SIBLINGS != 0)
            SiblingSetup();
        break;
    case ID_STEP6_BIRTH_ORDER:
        RollUntilAccepted([&] { return OrderofBirth(gains.middleChildQuirks); });
        show({"Order of Birth:", pc.BIRTH_ORDER});
        break;
    default:
        return std::nullopt;
    }
    return NextRollButton(id, pc.MOTHER_ALIVE, pc.FATHER_ALIVE, pc.SIBLINGS);
}
