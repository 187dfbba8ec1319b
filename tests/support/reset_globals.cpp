#include "support/reset_globals.h"

#include "app/character.h"
#include "app/dice.h"
#include "app/options_file.h"
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
    BooksToUse.fill(0);
    dice::ResetGenerator();
    HonorText = "No honor in particular";
    Package = "Pizza Man";
    szTempQuirk = "I scream at monsters!";
}
