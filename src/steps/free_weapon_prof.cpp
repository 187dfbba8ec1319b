#include "steps/free_weapon_prof.h"

#include <algorithm>

#include "app/character.h"
#include "app/item_lists.h"
#include "app/numbers.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "catalog/talent_catalog.h"

namespace {

bool ClassMayTake(const CharacterClass& cls, const std::string& name) {
    const size_t count = std::min(cls.WEAPON.size(), static_cast<size_t>(std::max<int32_t>(cls.nWEAPON, 0)));
    return std::any_of(cls.WEAPON.begin(), cls.WEAPON.begin() + static_cast<std::ptrdiff_t>(count),
                       [&name](const std::string& weapon) { return weapon.find(name) != std::string::npos; });
}

} // namespace

std::vector<std::string> FreeWeaponProfChoices(const std::string& type) {
    std::vector<std::string> names;
    const CharacterClass* cls = current_character.pClass;
    if (type.find("Melee Weapon") == std::string::npos || !cls)
        return names;
    // The loader's blank entry closes the catalogue and is never offered.
    for (const CharacterProf* prof = CharacterProf::First(); prof && prof->pNext; prof = prof->pNext.get()) {
        if (BookEnabled(prof->BOOK) && ClassMayTake(*cls, prof->NAME) && prof->TYPE == 0)
            names.push_back(prof->NAME);
    }
    return names;
}

bool TakeFreeWeaponProf(const std::string& name) {
    if (!CharacterProf::Find(name) || current_character.PROF_SLOTS <= 0)
        return false;
    for (const ProfDataItem* held = ProfDataItem::First(); held; held = held->pNext.get())
        if (held->name == name)
            return false;
    auto prof = std::make_unique<ProfDataItem>();
    prof->name = name;
    prof->value = 1;
    current_character.PROF_SECTION.AddTail(std::move(prof));
    current_character.PROF_SLOTS -= 1;
    LogStepLine(Format("Purchasing Proficieny %s for free", name.c_str()));
    return true;
}
