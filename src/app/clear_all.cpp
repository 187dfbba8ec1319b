#include "app/clear_all.h"

#include <memory>

#include "app/character.h"
#include "app/dice_log.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "quirks/quirk_flaw.h"
#include "ui/tree_model.h"

void Clear_All() {
    SetQuirkFlawStructure();
    program_data.WizardState = 0;
    program_data.BuildingPoints = 0.0f;
    program_data.PPMoneyModifier = 0;
    program_data.PPHonorModifier = 0;

    Character_Class& pc = current_character;
    pc.ABILITY_BASE.fill(0);
    pc.ABILITY_PERC.fill(0);
    pc.pRace = nullptr;
    pc.pClass = nullptr;
    for (int32_t* field :
         {&pc.HONOR_MOD,  &pc.AGE,          &pc.CHARACTER_HEIGHT, &pc.CHARACTER_WEIGHT, &pc.SOCIAL_ID,
          &pc.ABANDONED,  &pc.MOTHER_ALIVE, &pc.FATHER_ALIVE,     &pc.SIBLINGS,         &pc.HONOR_BASE,
          &pc.HIT_POINTS, &pc.GOLDCOINS,    &pc.SILVERCOINS,      &pc.COPPERCOINS,      &pc.HEREDITARY_DEBT,
          &pc.PROF_SLOTS, &pc.LEVEL,        &pc.SPECIALIZED,      &pc.HONOR_DIE,        &pc.HONOR_DIE_BONUS})
        *field = 0;

    pc.QUIRKANDFLAW_SECTION.Clear();
    pc.SKILL_SECTION.Clear();
    pc.SPELL_SECTION.Clear();
    pc.TALENT_SECTION.Clear();
    pc.PROF_SECTION.Clear();
    pc.EQUIPMENT_SECTION.Clear();
    pc.CLASS_DATA.Clear();

    pc.THIEF_SKILLS.fill(0);
    pc.QUIRK_COUNT.fill(0);
    for (std::string* text : pc.TextFields())
        text->clear();
    for (std::vector<std::string>* list : pc.TextLists())
        list->clear();
    for (SiblingText& sibling : pc.SIBLING_TEXT)
        sibling.clear();
    pc.BOOK_CLASS_FLAG.fill(false);

    auto clothes = std::make_unique<EquipDataItem>();
    clothes->name = "Starting Clothes";
    clothes->value = 1;
    pc.EQUIPMENT_SECTION.AddTail(std::move(clothes));

    LoadOptions();
    BooksToUse[kBookCore] = 1;

    // Free quirk tables earned by the previous character must not carry over to the next one.
    program_data.PendingTables.clear();

    ClearTree();
    Create_Filename(program_data.LogFileName);
    std::string line = "All variables have been cleared";
    Format_Entry(program_data.BuildingPoints, line, program_data.LogFileName);
}

std::string& Clear_String(std::string& buffer) {
    buffer.clear();
    return buffer;
}

void LoadQuirksandFlaws() {}
