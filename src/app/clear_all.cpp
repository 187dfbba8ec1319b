#include "app/clear_all.h"

#include <memory>
#include <utility>

#include "app/character.h"
#include "app/dice_log.h"
#include "app/options_file.h"
#include "app/program_data.h"

void Clear_All() {
    ResetQuirkFlawTable();

    // Both records start again from freshly constructed ones, so a field added later is reset with the
    // rest. The run keeps its version and log name; the quirk bookkeeping is set by the background step
    // before the quirk steps read it.
    ProgramData fresh;
    fresh.ProgramVersion = std::move(program_data.ProgramVersion);
    fresh.LogFileName = std::move(program_data.LogFileName);
    fresh.QuirkBP = program_data.QuirkBP;
    fresh.QuirkRollsOwed = program_data.QuirkRollsOwed;
    program_data = std::move(fresh);

    // The lists hang off their kinds, not the record: each is emptied through its own class.
    Character_Class& pc = current_character;
    ClearItemLists();
    pc = Character_Class();

    auto clothes = std::make_unique<EquipDataItem>();
    clothes->name = "Starting Clothes";
    clothes->value = 1;
    pc.EQUIPMENT_SECTION.AddTail(std::move(clothes));

    LoadOptions();
    BooksToUse[kBookCore] = 1;

    ResetCharacterTree();
    // A log holding more than its own reset line is the record of an earlier character's rolls: the new
    // character starts the next free log instead of emptying it. The dice of the name roll stay the same.
    const std::string cleared = "All variables have been cleared";
    if (!program_data.LogFileName.empty() &&
        !LogHoldsOnly(program_data.LogFileName, FormatLogLine(program_data.BuildingPoints, cleared)))
        program_data.LogFileName = NextLogName(program_data.LogFileName);
    Create_Filename(program_data.LogFileName);
    LogStepLine(cleared);
}

std::string& Clear_String(std::string& buffer) {
    buffer.clear();
    return buffer;
}

void LoadQuirksandFlaws() {}
