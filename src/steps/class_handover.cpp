#include "steps/class_handover.h"

#include <memory>
#include <set>
#include <string>

#include "app/character.h"
#include "app/item_lists.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "catalog/race_catalog.h"
#include "ui/ability_scores.h"
#include "ui/tree_pushers.h"

namespace {

// The Dexterity table's columns for the first six thief skills, in table order.
const char* const kDexterityColumns[] = {"Pick_Pockets", "Open_Locks",    "Find_Traps",
                                         "Remove_Traps", "Move_Silently", "Hide_in_Shadows"};

// Marks a skill that a class name sets back to 0, dropping what Dexterity and race gave.
constexpr int32_t kCancel = INT32_MIN;

struct NameBonus {
    std::vector<const char*> names; // any of them inside the class name
    std::array<int32_t, 9> adjust;  // per skill in table order: added, or kCancel
};

// Applied in this order, each on top of the ones before.
const NameBonus kNameBonuses[] = {
    {{"Thief", "Assassin"}, {15, 10, 5, 5, 10, 5, 15, 60, 0}},
    {{"Bard"}, {10, kCancel, kCancel, kCancel, kCancel, kCancel, 20, 50, 5}},
    {{"Bounty Hunter"}, {kCancel, kCancel, 5, 5, 10, 5, kCancel, kCancel, kCancel}},
};

std::vector<std::string> Split(const std::string& name, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t end; (end = name.find(separator, start)) != std::string::npos; start = end + 1)
        parts.push_back(name.substr(start, end - start));
    parts.push_back(name.substr(start));
    return parts;
}

void AddToBase(ClassDataItem& record, size_t skill, int64_t value) {
    int32_t& base = (record.*kThiefSkillTables[skill].table)[0];
    base = SaturatingAdd(base, value);
}

} // namespace

float SettledPool(float pool, int32_t spent, int32_t bonus) {
    return (pool - static_cast<float>(spent)) + static_cast<float>(bonus);
}

std::vector<ClassDataItem*> AddClassRecords(const CharacterClass& chosen) {
    const std::vector<std::string> parts = Split(chosen.NAME, '/');
    std::set<std::string> wanted(parts.begin(), parts.end());
    std::vector<ClassDataItem*> added;
    for (CharacterClass* c = CharacterClass::First(); c; c = c->pNext.get()) {
        if (c->NAME.find('/') != std::string::npos || wanted.erase(c->NAME) == 0)
            continue;
        auto record = std::make_unique<ClassDataItem>();
        record->pClass = c;
        record->CLASS_NAME = c->NAME;
        record->CLASS_LEVEL = 1;
        added.push_back(record.get());
        current_character.CLASS_DATA.AddTail(std::move(record));
    }
    return added;
}

void SetThiefStart(ClassDataItem& record) {
    const int32_t score = current_character.ABILITY_BASE[1];
    const int32_t fraction = current_character.ABILITY_PERC[1];
    for (size_t s = 0; s < std::size(kDexterityColumns); ++s)
        AddToBase(record, s,
                  ParseLeadingInt(AbilityScores::GetDexterity(kDexterityColumns[s], score, fraction)));

    if (const CharacterRace* race = current_character.pRace) {
        const int32_t racial[9] = {race->BASEPICKPOCKETS, race->BASEOPENLOCKS,    race->BASEFINDTRAPS,
                                   race->BASEREMOVETRAPS, race->BASEMOVESILENTLY, race->BASEHIDEINSHADOWS,
                                   race->BASEDETECTNOISE, race->BASECLIMBWALLS,   race->BASEREADLANGUAGES};
        for (size_t s = 0; s < kThiefSkillTables.size(); ++s)
            AddToBase(record, s, racial[s]);
    }

    for (const NameBonus& bonus : kNameBonuses) {
        bool named = false;
        for (const char* name : bonus.names)
            named = named || record.CLASS_NAME.find(name) != std::string::npos;
        if (!named)
            continue;
        for (size_t s = 0; s < kThiefSkillTables.size(); ++s) {
            if (bonus.adjust[s] == kCancel)
                (record.*kThiefSkillTables[s].table)[0] = 0;
            else
                AddToBase(record, s, bonus.adjust[s]);
        }
    }
}

std::optional<std::vector<ClassDataItem*>> HandOverClass(const AbilityValues& scores,
                                                         const AbilityValues& fractions,
                                                         const AbilityValues& entered, int32_t spent,
                                                         int32_t bonus) {
    Character_Class& pc = current_character;
    if (!pc.pClass)
        return std::nullopt;
    program_data.WizardState = kWizardAgeAndMoney;
    pc.ABILITY_BASE = scores;
    pc.ABILITY_PERC = fractions;
    program_data.BuildingPoints = SettledPool(program_data.BuildingPoints, spent, bonus);
    LogStepLine(AdjustingLine(pc.ABILITY_BASE, pc.ABILITY_PERC, entered));
    pc.PROF_SLOTS = pc.pClass->PROFSLOTS[1];
    pc.LEVEL = 1;

    std::vector<ClassDataItem*> thieves;
    for (ClassDataItem* record : AddClassRecords(*pc.pClass)) {
        if (record->pClass->THIEF != 1)
            continue;
        SetThiefStart(*record);
        thieves.push_back(record);
    }
    messagetotree();
    messagetotreeStep8();
    return thieves;
}
