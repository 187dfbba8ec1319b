// Adds the window globals to ResetGlobals in the window tests: no window open, the screen size read as
// start-up reads it, and the dice log and tree shown in their real windows.
#include <wx/gdicmn.h>

#include "app/app_globals.h"
#include "app/dice_log_window.h"
#include "support/reset_globals.h"
#include "ui/pc_tree_frame.h"

namespace {

void ResetWindowGlobals() {
    MasterFrame = nullptr;
    wxDisplaySize(&MasterWidth, &MasterHeight);
    MasterHeight -= 25;
    for (FrameSlot& slot : VOLDFrames)
        slot.Clear();
    Early_Close = true;
    theLogText = nullptr;
    PCTREarly_Close = true;
    theTree = nullptr;
    InstallDiceLogWindow();
    InstallTreeWindow();
}

const bool registered = (AddGlobalsReset(&ResetWindowGlobals), true);

} // namespace
