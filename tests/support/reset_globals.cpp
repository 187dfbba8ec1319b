#include "support/reset_globals.h"

#include "app/character.h"
#include "app/program_data.h"

void ResetGlobals() {
    SkillDataItem().Clear();
    SpellDataItem().Clear();
    TalentDataItem().Clear();
    ProfDataItem().Clear();
    QuirkDataItem().Clear();
    EquipDataItem().Clear();
    ClassDataItem().Clear();
    current_character = Character_Class();
    program_data = ProgramData();
}
