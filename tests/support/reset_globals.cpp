#include "support/reset_globals.h"

#include <vector>

#include "app/character.h"
#include "app/dice.h"
#include "app/dice_log.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "files/saved_characters.h"
#include "gm/honor_party.h"
#include "quirks/quirk_flaw.h"
#include "support/catalog_files.h"
#include "ui/tree_model.h"

namespace {

std::vector<void (*)()>& ExtraResets() {
    static std::vector<void (*)()> resets;
    return resets;
}

} // namespace

void AddGlobalsReset(void (*reset)()) {
    ExtraResets().push_back(reset);
}

void ResetGlobals() {
    ClearItemLists();
    current_character = Character_Class();
    program_data = ProgramData();
    BooksToUse.fill(0);
    quirkflaw = QuirkFlawTable{};
    dice::ResetGenerator();
    HonorText = "No honor in particular";
    Package = "Pizza Man";
    szTempQuirk = "I scream at monsters!";
    SetTreeWindowHost(nullptr);
    SetDiceLogView(nullptr);
    ClearCatalogues();
    VOLDFileClass::Clear();
    pcs.fill(PartyMember());
    for (void (*reset)() : ExtraResets())
        reset();
}
