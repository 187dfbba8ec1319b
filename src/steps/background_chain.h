// The background step's chain of roll buttons: their fixed ids and labels, which button follows which
// roll, and the roll behind each button with the result rows it shows.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "steps/background_gains.h"

// Control and menu ids of the background step window.
enum FrameStep6Id {
    ID_STEP6_MENU_ABORT = 10008,
    ID_STEP6_MENU_CONTINUE = 10009,
    ID_STEP6_AGE = 10017,
    ID_STEP6_HANDEDNESS = 10018,
    ID_STEP6_HEIGHT = 10019,
    ID_STEP6_WEIGHT = 10020,
    ID_STEP6_SOCIAL_CLASS = 10021,
    ID_STEP6_LEGITIMACY = 10022,
    ID_STEP6_MOTHER_STATUS = 10023,
    ID_STEP6_FATHER_STATUS = 10024,
    ID_STEP6_STEP_MOTHER = 10026,
    ID_STEP6_MOTHER_QUALITY = 10027,
    ID_STEP6_FATHER_QUALITY = 10028,
    ID_STEP6_HERITAGE = 10029,
    ID_STEP6_SIBLINGS = 10030,
    ID_STEP6_BIRTH_ORDER = 10031,
    ID_STEP6_TEXT_FIRST = 10052, // result texts take 10052, 10053, ... in creation order
};

// A roll button of the chain. Its id is fixed by its label, whichever roll creates it.
struct ChainButton {
    int id = 0;
    const char* label = "";
};

// The button of `id`, or nullopt when `id` is no roll button of the chain.
std::optional<ChainButton> ChainButtonFor(int id);

// The button that follows the roll of button `rolledId`, given the parent flags and the sibling count as
// that roll left them (`motherAlive`: 1 alive, 0 dead, -1 unknown, 2 replaced by a step-mother;
// `fatherAlive`: 1, 0 or -1). nullopt where the chain ends (after the order of birth, after a sibling
// count of 0) or for an id outside the chain.
std::optional<ChainButton> NextRollButton(int rolledId, int32_t motherAlive, int32_t fatherAlive,
                                          int32_t siblings);

// One result row of the window: a caption and a value.
struct ResultRow {
    std::string caption;
    std::string value;
    int captionWidth = 200;
};

using ShowRow = std::function<void(const ResultRow&)>;

// The roll of button `id`: sets `WizardState` to kWizardBackgroundRolled, rolls until the roll stands, stores
// the result in the record (or in `gains`), passes each result row to `show` as soon as it is known (a second
// roll may follow a row) and returns the next button (nullopt at the chain's end). An id without a roll
// changes nothing and returns nullopt.
std::optional<ChainButton> RollChainItem(int id, BackgroundGains& gains, const ShowRow& show);
