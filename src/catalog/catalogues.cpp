#include "catalog/catalogues.h"

#include "catalog/class_catalog.h"
#include "catalog/equipment_catalog.h"
#include "catalog/race_catalog.h"
#include "catalog/skill_catalog.h"
#include "catalog/talent_catalog.h"

void LoadCatalogues() {
    CRace.LoadRace();
    CClass.LoadClass();
    CSkill.LoadSkill();
    CSpell.LoadSpell();
    CTalent.LoadTalent();
    CProfs.LoadProfs();
    CEquip.LoadEquip();
}

void ClearCatalogues() {
    CharacterRace::Clear();
    CharacterClass::Clear();
    CharacterSkill::Clear();
    CharacterSpell::Clear();
    CharacterTalent::Clear();
    CharacterProf::Clear();
    CharacterEquip::Clear();
}
