#include "steps/character_finish.h"

#include <algorithm>
#include <cmath>
#include <wx/defs.h>

#include "app/character.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "app/prompts.h"
#include "app/text_encoding.h"
#include "catalog/class_catalog.h"
#include "ui/derived_stats.h"

void CashInBuildingPoints() {
    const float pool = program_data.BuildingPoints;
    if (!(pool > 0.0f))
        return;
    Character_Class& pc = current_character;
    const int32_t oldGold = pc.GOLDCOINS;
    const double gold = std::trunc(static_cast<double>(oldGold) + static_cast<double>(pool) * 25.0);
    pc.GOLDCOINS = SaturateInt32(static_cast<int64_t>(std::clamp(gold, -4e18, 4e18)));
    Prompts().Message(
        ToWx(Format("You started with %i GP. Your %s BPs have been cashed in. You now have %i gold.", oldGold,
                    FormatGeneral(pool).c_str(), pc.GOLDCOINS)),
        "Character Creation: Step 13", wxOK | wxCANCEL);
    program_data.BuildingPoints = 0.0f;
}

void TakeAlignment(const std::string& alignment) {
    current_character.ALIGNMENT = alignment;
    LogStepLine("Alignment = " + alignment);
}

void RollStartingHitPoints(HitPointAverage average) {
    Character_Class& pc = current_character;
    int32_t count = 0;
    for (ClassDataItem* item = ClassDataItem::First(); item; item = item->pNext.get()) {
        if (!item->pClass)
            continue;
        item->CLASS_HITPOINTS[0] = item->pClass->KICKER;
        item->CLASS_HITPOINTS[1] = GetHitPoints(1, item->pClass);
        pc.HIT_POINTS =
            SaturatingAdd(pc.HIT_POINTS, int64_t{item->CLASS_HITPOINTS[0]} + item->CLASS_HITPOINTS[1]);
        ++count;
    }
    if (count > 1)
        pc.HIT_POINTS /= average == HitPointAverage::Halved ? 2 : count;
}

std::optional<std::string> CharacterNameQuestion(const std::string& current) {
    const std::optional<wxString> name =
        Prompts().Text("Character Creation: Name your Character", "Enter Name", ToWx(current));
    if (!name)
        return std::nullopt;
    return FromWx(*name);
}

void AskCharacterName() {
    current_character.CHARACTER_NAME = CharacterNameQuestion(std::string()).value_or(std::string());
}

void FinishCharacter(HitPointAverage average) {
    RollStartingHitPoints(average);
    AskCharacterName();
}

PurchaseExit EndPurchaseStep() {
    if (current_character.ABILITY_BASE[4] > 5)
        return PurchaseExit::ToAlignment;
    TakeAlignment("Neutral");
    FinishCharacter(HitPointAverage::ByClassCount);
    program_data.WizardState = kWizardEquipment;
    return PurchaseExit::ToEquipment;
}
