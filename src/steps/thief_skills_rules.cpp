#include "steps/thief_skills_rules.h"

#include "app/character.h"
#include "app/item_lists.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "ui/tree_pushers.h"

ThiefOffered OfferedThiefSkills(const CharacterClass* chosen) {
    ThiefOffered offered{};
    if (!chosen)
        return offered;
    for (size_t s = 0; s < kThiefSkillCount; ++s)
        offered[s] = chosen->THIEFSKILLS.find(kThiefSkillTables[s].name) != std::string::npos;
    return offered;
}

int32_t ThiefClassPoints(const CharacterClass* chosen) {
    return chosen ? chosen->THIEFPOINTS[1] : 0;
}

ThiefValues ThiefBaseValues(const ClassDataItem& record) {
    ThiefValues base{};
    for (size_t s = 0; s < kThiefSkillCount; ++s)
        base[s] = (record.*kThiefSkillTables[s].table)[0];
    return base;
}

ThiefAllotment ReadThiefEntries(const ThiefTexts& texts, const ThiefOffered& offered,
                                const ClassDataItem& record) {
    ThiefAllotment a;
    const ThiefValues base = ThiefBaseValues(record);
    for (size_t s = 0; s < kThiefSkillCount; ++s) {
        if (offered[s])
            a.points[s] = ParseLeadingInt(texts[s]);
        a.totals[s] = SaturatingAdd(base[s], a.points[s]);
    }
    for (size_t s = 0; s < kThiefSkillCount; ++s) {
        if (a.points[s] > kThiefSkillCap) {
            a.overCap = true;
            break;
        }
        a.sum += a.points[s];
    }
    return a;
}

bool ThiefApplyFits(const ThiefAllotment& a, int32_t classPoints) {
    return !a.overCap && a.sum <= classPoints;
}

bool ThiefContinueFits(const ThiefAllotment& a, int32_t classPoints) {
    return !a.overCap && a.sum == classPoints;
}

std::string ThiefLogLine(size_t skill, int32_t base, int32_t points, int32_t total) {
    return std::string(kThiefSkillTables[skill].name) + Format(" %i %+i = %i", base, points, total);
}

ClassDataItem* LiveClassItem(const ClassDataItem* record, uint64_t serial) {
    for (ClassDataItem* item = ClassDataItem::First(); item; item = item->pNext.get())
        if (item == record && item->serial == serial)
            return item;
    return nullptr;
}

std::optional<ThiefAllotment> ApplyThiefPoints(const ClassDataItem& record, const ThiefTexts& texts) {
    const CharacterClass* chosen = current_character.pClass;
    const ThiefAllotment a = ReadThiefEntries(texts, OfferedThiefSkills(chosen), record);
    if (!ThiefApplyFits(a, ThiefClassPoints(chosen)))
        return std::nullopt;
    return a;
}

std::optional<ThiefAllotment> FinishThiefPoints(ClassDataItem& record, const ThiefTexts& texts) {
    const CharacterClass* chosen = current_character.pClass;
    const ThiefAllotment a = ReadThiefEntries(texts, OfferedThiefSkills(chosen), record);
    if (!ThiefContinueFits(a, ThiefClassPoints(chosen)))
        return std::nullopt;
    const ThiefValues base = ThiefBaseValues(record);
    for (size_t s = 0; s < kThiefSkillCount; ++s)
        LogStepLine(ThiefLogLine(s, base[s], a.points[s], a.totals[s]));
    for (size_t s = 0; s < kThiefSkillCount; ++s)
        (record.*kThiefSkillTables[s].table)[1] = a.points[s];
    messagetotreeStep8();
    return a;
}
